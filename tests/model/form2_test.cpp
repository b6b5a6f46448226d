// The Introduction screen: the book and the drawing open the truck activity, the truck, Text and
// Back bring the textbook back.
#include <gtest/gtest.h>

#include "media/media_player.h"
#include "tests/support/test_program.h"

namespace {

const QString kPraise = QStringLiteral(
    "guide Speak Я вижу ты уже умеешь читать! Молодец! В таком случае прочти ВВЕДЕНИЕ, это будет "
    "полезно.");

// What differs between the two modes, in one line that reads well in a failure.
QString layoutOf(Screen& s) {
    const Bounds& d = s["Image2"].bounds();
    return QStringLiteral("viewer %1 text %2 book %3 truck %4 drawing %5,%6,%7,%8")
        .arg(s["RichTextBox1"].visible())
        .arg(s["Command2"].enabled())
        .arg(s["Image3"].visible())
        .arg(s["Image1"].visible())
        .arg(d.left)
        .arg(d.top)
        .arg(d.width)
        .arg(d.height);
}

const QString kTextMode = "viewer 1 text 0 book 1 truck 0 drawing 6000,3960,3360,1215";
const QString kActivityMode = "viewer 0 text 1 book 0 truck 1 drawing 2400,2880,6960,2295";

const QStringList kQuestion = {"guide Stop",
                               "guide MoveTo 380 350",
                               "guide Speak Можешь ли водить автомобиль? СЛАБО!",
                               "Form2.MMControl1 Close",
                               "Form2.MMControl1 Open \\evy\\5.wav",
                               "Form2.MMControl1 Play"};

struct Intro : ::testing::Test {
    Intro() {
        t.start();
        t.click(ScreenId::Form1, "Image3");
    }
    Screen& form() { return t.screen(ScreenId::Form2); }
    TestProgram t;
};

TEST_F(Intro, OpensInTextModeWithTheBookAndTheSmallDrawing) {
    EXPECT_TRUE(form().visible());
    EXPECT_EQ(layoutOf(form()), kTextMode);
}

TEST_F(Intro, TheBookAndTheDrawingBothAskTheQuestionAndOpenTheTruck) {
    for (const char* picture : {"Image3", "Image2"}) {
        const int from = t.mark();
        t.click(ScreenId::Form2, picture);
        EXPECT_EQ(t.since(from), kQuestion) << picture;
        EXPECT_EQ(layoutOf(form()), kActivityMode) << picture;
        t.click(ScreenId::Form2, "Command2");
    }
}

TEST_F(Intro, TheEnlargedDrawingRepeatsTheQuestionAndKeepsTheLayout) {
    t.click(ScreenId::Form2, "Image3");
    const int from = t.mark();
    t.click(ScreenId::Form2, "Image2");
    EXPECT_EQ(t.since(from), kQuestion);
    EXPECT_EQ(layoutOf(form()), kActivityMode);
}

TEST_F(Intro, TheTruckPraisesPlaysItsSoundAndBringsTheTextBack) {
    t.click(ScreenId::Form2, "Image3");
    const int from = t.mark();
    t.click(ScreenId::Form2, "Image1");
    EXPECT_EQ(t.since(from),
              (QStringList{"guide Stop", "guide MoveTo 610 140", kPraise, "guide Play GestureRight",
                           "guide Play Read", "Form2.MMControl1 Close",
                           "Form2.MMControl1 Open \\evy\\12.wav", "Form2.MMControl1 Play"}));
    EXPECT_EQ(layoutOf(form()), kTextMode);
}

TEST_F(Intro, TextObeysThenPraisesWithoutASoundAndBringsTheTextBack) {
    t.click(ScreenId::Form2, "Image2");
    const int from = t.mark();
    t.click(ScreenId::Form2, "Command2");
    EXPECT_EQ(t.since(from), (QStringList{"guide Stop", "guide MoveTo 610 140",
                                          "guide Speak Слушаюсь и повинуюсь!", "guide Play Greet",
                                          "guide Play Restpose", kPraise, "guide Play GestureRight",
                                          "guide Play Read", "guide Play Read"}));
    EXPECT_EQ(layoutOf(form()), kTextMode);
}

TEST_F(Intro, BackFromTheDriveReturnsToTheMenuInTextModeAndLetsTheSoundPlayOn) {
    t.click(ScreenId::Form2, "Image3");
    const int from = t.mark();
    t.click(ScreenId::Form2, "Command1");
    EXPECT_EQ(t.since(from), (QStringList{"guide Stop", "guide Hide", "hide Form2", "show Form1"}));
    EXPECT_FALSE(form().visible());
    EXPECT_EQ(layoutOf(form()), kTextMode);
    EXPECT_EQ(form().player("MMControl1").mode(), MediaPlayer::Mode::Playing);

    t.click(ScreenId::Form1, "Image3");
    EXPECT_EQ(layoutOf(form()), kTextMode);
}

TEST_F(Intro, SilenceClosesTheSharedPlayersButNotThisScreensSound) {
    t.click(ScreenId::Form2, "Image3");
    const int from = t.mark();
    t.click(ScreenId::Form2, "Image13");
    EXPECT_EQ(t.since(from),
              (QStringList{"Form1.MMControl1 Close", "create Form6", "Form6.MMControl3 Close",
                           "create Form9", "Form9.MMControl1 Close",
                           "Form9.MMControl1 Open \\evy\\13.wav", "Form9.MMControl1 Play"}));
    EXPECT_EQ(form().player("MMControl1").mode(), MediaPlayer::Mode::Playing);
    EXPECT_EQ(layoutOf(form()), kActivityMode);
}

TEST(IntroWithoutMedia, TheDriveStillOpensAndClosesInSilence) {
    TestProgram t(false);
    t.start();
    t.click(ScreenId::Form1, "Image3");
    Screen& form = t.screen(ScreenId::Form2);
    t.click(ScreenId::Form2, "Image2");
    EXPECT_EQ(layoutOf(form), kActivityMode);
    EXPECT_FALSE(form.player("MMControl1").isOpen());
    t.click(ScreenId::Form2, "Image1");
    EXPECT_EQ(layoutOf(form), kTextMode);
}

}  // namespace
