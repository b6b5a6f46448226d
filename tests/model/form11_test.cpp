// The author screen: the hopping icon, catching it, the flag, and the way back to the menu.
#include <gtest/gtest.h>

#include "tests/support/test_program.h"

namespace {

// Which of the two icon places shows: "Image1", "Image2" or "" for none.
QString shownIcon(Screen& s) {
    if (s["Image1"].visible() && !s["Image2"].visible()) return QStringLiteral("Image1");
    if (s["Image2"].visible() && !s["Image1"].visible()) return QStringLiteral("Image2");
    if (!s["Image1"].visible() && !s["Image2"].visible()) return QString();
    return QStringLiteral("both");
}

struct AuthorScreen : ::testing::Test {
    AuthorScreen() {
        t.start();
        t.click(ScreenId::Form1, "Image11");
    }
    Screen& author() { return t.screen(ScreenId::Form11); }
    void leave() { t.click(ScreenId::Form11, "Form11"); }
    TestProgram t;
};

TEST_F(AuthorScreen, TheIconFirstShowsHalfASecondLaterAtItsSecondPlaceThenHops) {
    EXPECT_EQ(shownIcon(author()), "");
    EXPECT_FALSE(author()["Image3"].visible());
    EXPECT_EQ(author().mousePointer(), 0);
    t.advance(499);
    EXPECT_EQ(shownIcon(author()), "");
    t.advance(1);
    EXPECT_EQ(shownIcon(author()), "Image2");
    EXPECT_EQ(author()["Image2"].left(), 4200);
    EXPECT_EQ(author()["Image2"].top(), 480);
    t.advance(500);
    EXPECT_EQ(shownIcon(author()), "Image1");
    EXPECT_EQ(author()["Image1"].left(), 4080);
    EXPECT_EQ(author()["Image1"].top(), 360);
    t.advance(500);
    EXPECT_EQ(shownIcon(author()), "Image2");
}

TEST_F(AuthorScreen, ThePhaseOfAnEarlierVisitPicksTheFirstPlaceOfTheNext) {
    t.advance(1500);  // three ticks: the next one would show Image1
    leave();
    EXPECT_EQ(t.existing(ScreenId::Form11), nullptr);
    t.click(ScreenId::Form1, "Image11");
    EXPECT_EQ(shownIcon(author()), "");
    t.advance(500);
    EXPECT_EQ(shownIcon(author()), "Image1");  // four ticks in all: even again
    leave();
    t.click(ScreenId::Form1, "Image11");
    t.advance(500);
    EXPECT_EQ(shownIcon(author()), "Image2");
}

TEST_F(AuthorScreen, CatchingTheIconStopsItShowsTheFlagWhichVanishesAtTheFirstTouch) {
    for (const char* place : {"Image1", "Image2"}) {
        SCOPED_TRACE(place);
        t.advance(500);
        t.click(ScreenId::Form11, place);
        EXPECT_EQ(shownIcon(author()), "");
        EXPECT_TRUE(author()["Image3"].visible());
        EXPECT_EQ(author().mousePointer(), 99);
        t.advance(5000);
        EXPECT_EQ(shownIcon(author()), "");  // the timer stays off for the rest of the visit
        t.mouseMove(ScreenId::Form11, "Image3");
        EXPECT_FALSE(author()["Image3"].visible());
        EXPECT_EQ(author().mousePointer(), 99);
        leave();
        t.click(ScreenId::Form1, "Image11");
        EXPECT_EQ(author().mousePointer(), 0);
        EXPECT_TRUE(author()["Timer1"].enabled());
    }
}

TEST_F(AuthorScreen, LeavingShowsTheMenuAndAlwaysSwitchesItsMusicToTheThirdPiece) {
    const int from = t.mark();
    leave();
    EXPECT_EQ(t.since(from),
              (QStringList{"Form1.MMControl1 Close", "Form1.MMControl1 Open /evy/8.mid",
                           "Form1.MMControl1 Play", "unload Form11", "show Form1"}));
    EXPECT_TRUE(t.screen(ScreenId::Form1).visible());
}

}  // namespace
