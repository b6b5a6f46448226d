// Lesson 5 without a display: the pencils, the arrows, the cartoon and where the album opens.
#include <gtest/gtest.h>

#include "shell/paper.h"
#include "tests/support/test_program.h"

namespace {

const QString kSpeech = QStringLiteral(
    "guide Speak Вот тебе альбом. Точку рисуй правой кнопкой мыши, а линию - левой. Изобрази "
    "что-нибудь неповторимое!");

// The journal notes every change of the textbook viewer as "text", also its showing and hiding.

// Lesson 5 as the menu opens it, standing at left 3000, top 1500 twips.
struct Lesson5 : ::testing::Test {
    Lesson5() {
        t.start();
        t.click(ScreenId::Form1, "Image9");
        lesson().setLeft(3000);
        lesson().setTop(1500);
    }
    Screen& lesson() { return t.screen(ScreenId::Form8); }
    Screen* album() { return t.existing(ScreenId::Form10); }
    void click(const char* widget) { t.click(ScreenId::Form8, widget); }
    // Which of textbook, arrows and cartoon show, and whether the Text button is enabled.
    QString pictures() {
        QStringList shown;
        for (const char* name : {"RichTextBox1", "Image2", "Image3", "Command2"})
            if (lesson()[name].visible() && lesson()[name].enabled()) shown << name;
        return shown.join(' ');
    }

    TestProgram t;
};

TEST_F(Lesson5, ArrivesInTextModeWithThePencilsOnly) {
    EXPECT_EQ(pictures(), "RichTextBox1");
    EXPECT_TRUE(lesson()["Image1"].visible());
    EXPECT_FALSE(lesson()["MMControl1"].visible());
    EXPECT_EQ(album(), nullptr);
}

TEST_F(Lesson5, PencilsExplainTheAlbumPutTheArrowsInTheTextbooksPlaceAndOpenTheAlbum) {
    const int from = t.mark();
    click("Image1");
    EXPECT_EQ(t.since(from), QStringList({"guide Stop", "guide Play GestureRight", kSpeech,
                                          "create Form10", "show Form10"}));
    EXPECT_EQ(pictures(), "Image2 Command2");
    ASSERT_NE(album(), nullptr);
    EXPECT_TRUE(album()->visible());
}

TEST_F(Lesson5, TheAlbumOpensBesideTheScreenLowerFromTheArrows) {
    const struct {
        const char* clicked;
        QPoint place;
    } rows[] = {{"Image1", {3000 + 1180, 1500 + 1400}}, {"Image2", {3000 + 1180, 1500 + 1430}}};
    for (const auto& row : rows) {
        click(row.clicked);
        ASSERT_NE(album(), nullptr) << row.clicked;
        EXPECT_EQ(album()->position(), row.place) << row.clicked;
    }
}

TEST_F(Lesson5, PencilsMoveAnOpenAlbumBackKeepingItsDrawing) {
    click("Image1");
    Screen* first = album();
    t.mouseDown(ScreenId::Form10, "Form10", 1, 600, 600);
    first->setLeft(0);  // the child moved it away
    click("Image1");
    EXPECT_EQ(album(), first);
    EXPECT_EQ(album()->position(), QPoint(4180, 2900));
    EXPECT_EQ((*album())["Paper"].paper().marks().size(), 2u);
}

TEST_F(Lesson5, GivingTheAlbumUpShowsTheCartoonWhichHidesTheArrows) {
    click("Image1");
    t.click(ScreenId::Form10, "EndPaint");
    EXPECT_EQ(pictures(), "Image2 Image3 Command2");
    click("Image3");
    EXPECT_EQ(pictures(), "Image3 Command2");
    click("Image1");
    EXPECT_EQ(pictures(), "Image2 Command2");
}

TEST_F(Lesson5, ArrowsAfterGivingUpOpenAFreshAlbumAndHideTheCartoon) {
    click("Image1");
    t.mouseDown(ScreenId::Form10, "Form10", 2, 600, 600);
    t.click(ScreenId::Form10, "EndPaint");
    const int from = t.mark();
    click("Image2");
    EXPECT_EQ(t.since(from), QStringList({"create Form10", "show Form10"}));
    EXPECT_EQ(pictures(), "Image2 Command2");
    EXPECT_TRUE((*album())["Paper"].paper().marks().empty());
}

TEST_F(Lesson5, TextHidesBothPicturesAndLeavesTheAlbumOpen) {
    click("Image1");
    t.click(ScreenId::Form10, "EndPaint");
    click("Image2");
    click("Command2");
    EXPECT_EQ(pictures(), "RichTextBox1");
    EXPECT_TRUE(album()->visible());
}

TEST_F(Lesson5, BackLeavesTheAlbumOpenAndTheMenuHidesALateCartoonOnArrival) {
    click("Image1");
    const int from = t.mark();
    click("Command1");
    EXPECT_EQ(t.since(from), QStringList({"guide Stop", "guide Hide", "hide Form8", "show Form1"}));
    EXPECT_EQ(pictures(), "RichTextBox1");
    ASSERT_NE(album(), nullptr);
    EXPECT_TRUE(album()->visible());

    t.click(ScreenId::Form10, "EndPaint");  // on the hidden screen
    EXPECT_TRUE(lesson()["Image3"].visible());
    t.click(ScreenId::Form1, "Image9");
    EXPECT_EQ(pictures(), "RichTextBox1");
}

TEST_F(Lesson5, SilenceClosesTheMusicPlayersButNotTheAlbumSound) {
    click("Image1");
    t.click(ScreenId::Form10, "EndPaint");
    const int from = t.mark();
    click("Image13");
    const QStringList journal = t.since(from);
    EXPECT_TRUE(journal.contains("Form9.MMControl1 Open \\evy\\13.wav"));
    EXPECT_FALSE(journal.join('\n').contains("Form8.MMControl1"));
}

}  // namespace
