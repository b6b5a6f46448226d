// Lesson 4: the delayed start of the sound and the video, the clock, and the large picture.
#include <gtest/gtest.h>

#include <QRegularExpression>

#include "media/media_player.h"
#include "tests/support/test_program.h"

namespace {

const QStringList kDelayedStart = {
    "Form7.MMControl2 Close", "Form7.MMControl2 Open \\evy\\7.wav", "Form7.MMControl2 Play",
    "Form7.MMControl1 Close", "Form7.MMControl1 Open \\evy\\1.avi", "Form7.MMControl1 Play"};

struct LessonFour : ::testing::Test {
    LessonFour() {
        t.media.durationMs = {{"\\evy\\7.wav", 60000}, {"\\evy\\1.avi", 60000}};
        t.start();
        arrive();
    }
    void arrive() { t.click(ScreenId::Form1, "Image8"); }
    void back() { t.click(ScreenId::Form7, "Command1"); }
    Screen& lesson() { return t.screen(ScreenId::Form7); }
    QStringList starts(int from) const {
        QStringList opened;
        for (const QString& line : t.since(from))
            if (line.startsWith("Form7.MMControl") && !line.endsWith("Close")) opened << line;
        return opened;
    }
    TestProgram t;
};

TEST_F(LessonFour, TheSoundAndTheVideoStartOnceThreeSecondsAfterEveryArrival) {
    int from = t.mark();
    t.advance(2999);
    EXPECT_TRUE(starts(from).isEmpty());
    t.advance(1);
    EXPECT_EQ(t.since(from).filter("Form7.MMControl"), kDelayedStart);
    from = t.mark();
    t.advance(20000);
    EXPECT_TRUE(starts(from).isEmpty());

    back();
    arrive();
    from = t.mark();
    t.advance(3000);
    EXPECT_EQ(starts(from).size(), 4);
}

TEST_F(LessonFour, BackBeforeThreeSecondsDropsThePendingStartAndClosesTheVideo) {
    t.advance(2000);
    const int from = t.mark();
    back();
    EXPECT_EQ(t.since(from).filter(QRegularExpression("^(guide|Form7|hide|show)")),
              (QStringList{"guide Stop", "guide Hide", "Form7.MMControl1 Close", "hide Form7",
                           "show Form1"}));
    t.advance(10000);
    EXPECT_TRUE(starts(from).isEmpty());
    EXPECT_FALSE(lesson()["Timer1"].enabled());
    EXPECT_FALSE(lesson()["Timer2"].enabled());
    EXPECT_FALSE(lesson().visible());
}

TEST_F(LessonFour, TheClockTicksEverySecondAndAfterAReturnFirstShowsItsLastTime) {
    EXPECT_EQ(lesson()["Label1"].caption(), "");
    t.advance(1000);
    const QString first = lesson()["Label1"].caption();
    EXPECT_FALSE(first.isEmpty());
    EXPECT_TRUE(first.contains("41") && first.contains("06")) << first;  // 9:41:06
    t.advance(1000);
    const QString second = lesson()["Label1"].caption();
    EXPECT_NE(second, first);
    back();
    t.advance(60000);
    arrive();
    EXPECT_EQ(lesson()["Label1"].caption(), second);
    t.advance(1000);
    const QString corrected = lesson()["Label1"].caption();  // 9:42:08
    EXPECT_TRUE(corrected.contains("42") && corrected.contains("08")) << corrected;
}

TEST_F(LessonFour, TheComputerSwapsInTheLargePictureAndTextSwapsItBackLeavingTheMediaPlaying) {
    t.advance(3000);
    const int from = t.mark();
    t.click(ScreenId::Form7, "Image1");
    EXPECT_EQ(t.since(from).filter("guide"),
              (QStringList{"guide Stop", "guide Play GestureRight"}));
    EXPECT_TRUE(lesson()["Image2"].visible());
    EXPECT_FALSE(lesson()["RichTextBox1"].visible());
    EXPECT_TRUE(lesson()["Command2"].enabled());

    t.click(ScreenId::Form7, "Command2");
    EXPECT_FALSE(lesson()["Image2"].visible());
    EXPECT_TRUE(lesson()["RichTextBox1"].visible());
    EXPECT_FALSE(lesson()["Command2"].enabled());
    EXPECT_EQ(lesson().player("MMControl1").mode(), MediaPlayer::Mode::Playing);
    EXPECT_EQ(lesson().player("MMControl2").mode(), MediaPlayer::Mode::Playing);
}

TEST_F(LessonFour, BackHidesTheLargePictureAndLeavesTheLessonSoundPlaying) {
    t.advance(3000);
    t.click(ScreenId::Form7, "Image1");
    back();
    EXPECT_FALSE(lesson()["Image2"].visible());
    EXPECT_TRUE(lesson()["RichTextBox1"].visible());
    EXPECT_FALSE(lesson().player("MMControl1").isOpen());
    EXPECT_EQ(lesson().player("MMControl2").mode(), MediaPlayer::Mode::Playing);
}

}  // namespace
