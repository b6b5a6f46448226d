// Lesson 2 as a child uses it, without a display: the hot spots, the bouncing ball, the car.
#include <gtest/gtest.h>

#include "media/media_player.h"
#include "tests/support/test_program.h"

namespace {

constexpr ScreenId kLesson = ScreenId::Form5;

QStringList plays(const QString& file) {
    return {"Form5.MMControl1 Close", "Form5.MMControl1 Open " + file, "Form5.MMControl1 Play"};
}

// The program at the menu, with Lesson 2 opened from it as the child does.
struct Lesson2 {
    Lesson2() {
        t.start();
        t.click(ScreenId::Form1, "Image6");
    }
    Screen& s() { return t.screen(kLesson); }
    Widget& ball() { return s()["Image5"]; }
    Widget& car() { return s()["Picture1"]; }
    void click(const char* widget) { t.click(kLesson, widget); }
    void ticks(int n) { t.advance(100 * n); }
    bool inTextMode() { return s()["RichTextBox1"].visible() && !s()["Command2"].enabled(); }

    TestProgram t;
};

TEST(Lesson2, OpensInTextModeWithTheBallHiddenAndTheCarOnTheRight) {
    Lesson2 l;
    EXPECT_TRUE(l.s().visible());
    EXPECT_TRUE(l.inTextMode());
    EXPECT_FALSE(l.ball().visible());
    EXPECT_FALSE(l.s()["Timer1"].enabled());
    EXPECT_EQ(l.car().left(), 3360);
    EXPECT_EQ(l.car().mousePointer(), 0);
}

struct HotSpotRow {
    const char* widget;
    QStringList journal;
    bool uncovers;  // hides the textbook and enables Text
};

class Lesson2HotSpot : public ::testing::TestWithParam<HotSpotRow> {};

TEST_P(Lesson2HotSpot, PlaysItsSound) {
    const HotSpotRow& row = GetParam();
    Lesson2 l;
    const int from = l.t.mark();
    l.click(row.widget);
    EXPECT_EQ(l.t.since(from), row.journal);
    EXPECT_EQ(l.inTextMode(), !row.uncovers);
    EXPECT_EQ(l.s()["Command2"].enabled(), row.uncovers);
}

INSTANTIATE_TEST_SUITE_P(Lesson2, Lesson2HotSpot,
                         ::testing::Values(HotSpotRow{"Image2", plays("\\evy\\4.wav"), false},
                                           HotSpotRow{"Image3", plays("\\evy\\9.wav"), false},
                                           HotSpotRow{"Image4", plays("\\evy\\10.wav"), true}),
                         [](const auto& info) { return std::string(info.param.widget); });

TEST(Lesson2, TheBabyShowsTheBallAndStartsTheTimerWithTheDefaultCursor) {
    Lesson2 l;
    l.s()["Image3"].setMousePointer(99);
    l.click("Image3");
    EXPECT_TRUE(l.ball().visible());
    EXPECT_TRUE(l.s()["Timer1"].enabled());
    EXPECT_EQ(l.s()["Image3"].mousePointer(), 0);
    EXPECT_EQ(l.ball().top(), 600);  // it moves at the first tick, not before
}

TEST(Lesson2, TheBallRisesToItsTurnAndFallsToTheFloorAndBack) {
    Lesson2 l;
    l.click("Image3");
    const struct {
        int ticks;  // since the baby was clicked
        int top;
    } path[] = {{1, 510}, {5, 150}, {6, 240}, {27, 2130}, {28, 2040}, {49, 150}, {50, 240}};
    int done = 0;
    for (const auto& row : path) {
        l.ticks(row.ticks - done);
        done = row.ticks;
        EXPECT_EQ(l.ball().top(), row.top) << "after " << row.ticks << " ticks";
    }
    EXPECT_EQ(l.ball().left(), 120);
    EXPECT_TRUE(l.ball().visible());
}

TEST(Lesson2, TheBallStaysBetweenItsTurnsAndRepeatsEveryFortyFourTicks) {
    Lesson2 l;
    l.click("Image3");
    l.ticks(5);
    for (int tick = 0; tick < 44 * 3; ++tick) {
        l.ticks(1);
        ASSERT_GE(l.ball().top(), 150);
        ASSERT_LE(l.ball().top(), 2130);
        ASSERT_EQ((l.ball().top() - 150) % 90, 0);
    }
    EXPECT_EQ(l.ball().top(), 150);
}

TEST(Lesson2, PushesMoveTheBallRightUntilItsLeftEdgeReaches8000) {
    const struct {
        int startLeft;
        int clicks;
        int left;
    } rows[] = {{120, 1, 1120},  {120, 8, 8120},  {120, 9, 8120},
                {7999, 1, 8999}, {8000, 1, 8000}, {-500, 2, 1500}};
    for (const auto& row : rows) {
        Lesson2 l;
        l.ball().setLeft(row.startLeft);
        for (int i = 0; i < row.clicks; ++i) l.click("Image5");
        EXPECT_EQ(l.ball().left(), row.left) << row.startLeft << " + " << row.clicks << " clicks";
    }
}

TEST(Lesson2, PushingTheBallLeavesItsBounceAlone) {
    Lesson2 l;
    l.click("Image3");
    l.ticks(3);
    l.click("Image5");
    l.ticks(3);
    EXPECT_EQ(l.ball().left(), 1120);
    EXPECT_EQ(l.ball().top(), 240);  // 150 after five ticks, then one down
}

class Lesson2CarButton : public ::testing::TestWithParam<int> {};

TEST_P(Lesson2CarButton, DrivesLeftWithTheStopSignAndBackWithTheArrow) {
    Lesson2 l;
    l.s().setMousePointer(99);
    const int from = l.t.mark();
    l.t.mouseDown(kLesson, "Picture1", GetParam());
    EXPECT_EQ(l.t.since(from), QStringList{"Form5 MousePointer 0"} + plays("\\evy\\3.wav"));
    EXPECT_EQ(l.car().left(), 135);
    EXPECT_EQ(l.car().mousePointer(), 99);
    l.t.mouseDown(kLesson, "Picture1", GetParam());
    EXPECT_EQ(l.car().left(), 3360);
    EXPECT_EQ(l.car().mousePointer(), 0);
    l.t.mouseDown(kLesson, "Picture1", GetParam());
    EXPECT_EQ(l.car().left(), 135);
    EXPECT_EQ(l.car().mousePointer(), 99);
}

// Left, right and middle, as the view reports them.
INSTANTIATE_TEST_SUITE_P(Lesson2, Lesson2CarButton, ::testing::Values(1, 2, 4));

TEST(Lesson2, TheCarTurnsByItsLeftEdgeOnlyBeyond1000) {
    const struct {
        int startLeft;
        int left;
        int pointer;
    } rows[] = {{1000, 4225, 0}, {1001, -2224, 99}, {135, 3360, 0}};
    for (const auto& row : rows) {
        Lesson2 l;
        l.car().setLeft(row.startLeft);
        l.car().setMousePointer(99);
        l.t.mouseDown(kLesson, "Picture1", 1);
        EXPECT_EQ(l.car().left(), row.left) << "from " << row.startLeft;
        EXPECT_EQ(l.car().mousePointer(), row.pointer) << "from " << row.startLeft;
    }
}

TEST(Lesson2, APressWithoutAButtonSoundsTheAlarmButLeavesTheCarStanding) {
    Lesson2 l;
    const int from = l.t.mark();
    l.t.mouseDown(kLesson, "Picture1", 0);
    EXPECT_EQ(l.t.since(from), plays("\\evy\\3.wav"));
    EXPECT_EQ(l.car().left(), 3360);
    EXPECT_EQ(l.car().mousePointer(), 0);
}

TEST(Lesson2, TheDriveIsShownStepByStepAndNoOtherHandlerRunsMeanwhile) {
    Lesson2 l;
    QList<int> shown;
    QList<int> ballWhenShown;
    QObject::connect(&l.s(), &Screen::refreshRequested, [&](int slot) {
        EXPECT_EQ(slot, l.car().slot());
        shown << l.car().left();
        ballWhenShown << l.ball().left();
        // The child clicks the ball while the car drives: that click waits for the drive.
        if (shown.size() == 1) l.t.program().fire(kLesson, "Image5", Event::Click);
    });
    l.t.mouseDown(kLesson, "Picture1", 1);
    ASSERT_EQ(shown.size(), 215);
    for (int i = 0; i < shown.size(); ++i) EXPECT_EQ(shown[i], 3360 - 15 * (i + 1));
    EXPECT_EQ(ballWhenShown, QList<int>(215, 120));
    EXPECT_EQ(l.ball().left(), 1120);  // the click ran once the drive had ended
}

TEST(Lesson2, MovingOverTheCarUncoversThePicture) {
    Lesson2 l;
    l.t.mouseMove(kLesson, "Picture1");
    EXPECT_FALSE(l.s()["RichTextBox1"].visible());
    EXPECT_TRUE(l.s()["Command2"].enabled());
}

TEST(Lesson2, TextFreezesTheBallAndTheGuideSpeaks) {
    Lesson2 l;
    l.click("Image4");
    l.click("Image3");
    l.ticks(8);  // up to 150, then falling: 420
    const int from = l.t.mark();
    l.click("Command2");
    EXPECT_EQ(l.t.since(from), (QStringList{"guide Stop", "guide Speak Пора браться за дело!"}));
    EXPECT_TRUE(l.inTextMode());
    l.ticks(20);
    EXPECT_EQ(l.ball().top(), 420);
    EXPECT_TRUE(l.ball().visible());
    l.click("Image3");  // bounces on from where it stood, still falling
    l.ticks(1);
    EXPECT_EQ(l.ball().top(), 510);
}

TEST(Lesson2, BackFreezesTheBallAndTheNextVisitFindsEverythingAsLeftButTheText) {
    Lesson2 l;
    l.click("Image3");
    l.ticks(3);
    l.t.mouseDown(kLesson, "Picture1", 1);
    l.click("Image4");
    const int from = l.t.mark();
    l.click("Command1");
    EXPECT_EQ(l.t.since(from),
              (QStringList{"guide Stop", "guide Hide", "hide Form5", "show Form1"}));
    EXPECT_TRUE(l.inTextMode());
    l.ticks(50);
    EXPECT_EQ(l.ball().top(), 330);

    l.t.click(ScreenId::Form1, "Image6");
    EXPECT_TRUE(l.s().visible());
    EXPECT_TRUE(l.inTextMode());
    EXPECT_EQ(l.ball().top(), 330);
    EXPECT_TRUE(l.ball().visible());
    EXPECT_EQ(l.car().left(), 135);
    EXPECT_EQ(l.car().mousePointer(), 99);
}

TEST(Lesson2, SilenceLeavesTheLessonsOwnSoundPlaying) {
    Lesson2 l;
    l.click("Image2");
    const int from = l.t.mark();
    l.click("Image13");
    EXPECT_FALSE(l.t.since(from).join('\n').contains("Form5."));
    EXPECT_TRUE(l.t.since(from).contains("Form9.MMControl1 Open \\evy\\13.wav"));
    EXPECT_EQ(l.s().player("MMControl1").mode(), MediaPlayer::Mode::Playing);
}

}  // namespace
