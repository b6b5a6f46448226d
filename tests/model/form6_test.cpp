// Lesson 3 as a child uses it, without a display: the kitten, the flying balls, the date and the
// audio disc.
#include <gtest/gtest.h>

#include <QRegularExpression>

#include "lessons/lesson_frame.h"
#include "media/media_player.h"
#include "tests/support/test_program.h"

namespace {

const QStringList kBounce = {"Form6.MMControl2 Close", "Form6.MMControl2 Open 11.wav",
                             "Form6.MMControl2 Play"};
const QStringList kKittenGuide = {"guide Stop", "guide Play Explain",
                                  "guide Speak Что у котенка в передней левой лапе?"};

struct Position {
    int left, top;
    bool operator==(const Position&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Position& p) {
    return os << "(" << p.left << ", " << p.top << ")";
}

class Lesson3 : public ::testing::Test {
protected:
    void SetUp() override {
        t.media.discInDrive = true;
        t.start();
        arrive();
    }

    void arrive() { t.click(ScreenId::Form1, "Image7"); }
    Screen& lesson() { return t.screen(ScreenId::Form6); }
    Widget& w(const char* name) { return lesson()[name]; }
    void press(int button) { t.mouseDown(ScreenId::Form6, "Image1", button); }
    void click(const char* widget) { t.click(ScreenId::Form6, widget); }
    void ticks(int n) { t.advance(40 * n); }

    // Where the balls are; both are checked to stand on the same spot.
    Position ball() {
        const Position football{w("Image2").left(), w("Image2").top()};
        const Position basketball{w("Image3").left(), w("Image3").top()};
        EXPECT_EQ(football, basketball);
        return football;
    }
    // "football", "basketball", "none" or "both".
    std::string shown() {
        const bool football = w("Image2").visible(), basketball = w("Image3").visible();
        if (football && basketball) return "both";
        return football ? "football" : basketball ? "basketball" : "none";
    }
    int bounces(int from) const {
        return static_cast<int>(t.since(from).filter("Form6.MMControl2 Open 11.wav").size());
    }

    void expectTextMode() {
        EXPECT_TRUE(w("RichTextBox1").visible());
        EXPECT_FALSE(w("Command2").enabled());
    }

    TestProgram t;
};

TEST_F(Lesson3, ArrivesInTextModeWithTheDateAndNoBall) {
    expectTextMode();
    EXPECT_TRUE(w("Label1").visible());
    EXPECT_TRUE(showsDate(w("Label1").caption(), QDate(2026, 12, 10))) << w("Label1").caption();
    EXPECT_EQ(shown(), "none");
    EXPECT_FALSE(w("Timer1").enabled());
    EXPECT_FALSE(w("MMControl3").visible());
}

TEST_F(Lesson3, ALeftPressOnTheKittenAsksItsQuestionPlaysItsSoundAndSetsTheBallFlying) {
    const int from = t.mark();
    press(1);
    const QStringList kittenSound = {"Form6.MMControl1 Close", "Form6.MMControl1 Open \\evy\\8.wav",
                                     "Form6.MMControl1 Play"};
    EXPECT_EQ(t.since(from), kKittenGuide + kittenSound);
    EXPECT_FALSE(w("RichTextBox1").visible());
    EXPECT_TRUE(w("Command2").enabled());
    EXPECT_FALSE(w("Label1").visible());
    EXPECT_EQ(w("Image1").mousePointer(), 0);
    EXPECT_EQ(shown(), "none");  // until the first tick
    t.advance(39);
    EXPECT_EQ(shown(), "none");
    t.advance(1);
    EXPECT_EQ(shown(), "football");
    EXPECT_EQ(ball(), (Position{4700, 1100}));
}

// The path from the start, tick by tick: a wall sounds in the tick that reaches it, and the
// direction turns in the next.
TEST_F(Lesson3, TheBallFliesDiagonallyBouncingAtTheFourWallsWithASoundAtEach) {
    struct Row {
        int tick;
        Position at;
    };
    const Row path[] = {
        {1, {4700, 1100}},  {11, {3700, 100}},   {12, {3600, 0}},     {13, {3500, 100}},
        {47, {100, 3500}},  {48, {0, 3600}},     {49, {100, 3700}},   {66, {1800, 5400}},
        {67, {1900, 5500}}, {68, {2000, 5400}},  {121, {7300, 100}},  {122, {7400, 0}},
        {123, {7500, 100}}, {137, {8900, 1500}}, {138, {9000, 1600}}, {139, {8900, 1700}},
    };
    press(1);
    std::vector<int> soundedAt;
    const Row* next = path;
    for (int tick = 1; tick <= 139; ++tick) {
        const int from = t.mark();
        ticks(1);
        if (bounces(from) > 0) {
            EXPECT_EQ(t.since(from).filter("Form6.MMControl2"), kBounce) << "tick " << tick;
            soundedAt.push_back(tick);
        }
        EXPECT_EQ(shown(), "football") << "tick " << tick;
        if (next != std::end(path) && next->tick == tick) {
            EXPECT_EQ(ball(), next->at) << "tick " << tick;
            ++next;
        }
    }
    EXPECT_EQ(soundedAt, (std::vector<int>{12, 48, 67, 122, 138}));
}

TEST_F(Lesson3, AnyOtherButtonStopsTheBallAndShowsTodaysDateALeftPressFliesOnFromThere) {
    for (const int button : {2, 4}) {
        press(1);
        ticks(20);  // flying down and to the left
        const Position stopped = ball();
        const int from = t.mark();
        press(button);
        EXPECT_EQ(t.since(from), kKittenGuide) << "button " << button;
        EXPECT_FALSE(w("Timer1").enabled());
        EXPECT_TRUE(w("Label1").visible());
        EXPECT_EQ(shown(), "football");
        ticks(10);
        EXPECT_EQ(ball(), stopped);

        press(1);
        EXPECT_FALSE(w("Label1").visible());
        EXPECT_EQ(shown(), "none");
        ticks(1);
        EXPECT_EQ(ball(), (Position{stopped.left - 100, stopped.top + 100}));
        press(2);
    }
}

TEST_F(Lesson3, TheDateShownAgainIsTheDayItIsNow) {
    t.clock.wallStart = QDateTime(QDate(2026, 12, 10), QTime(23, 59, 58));
    click("Command1");
    arrive();
    EXPECT_TRUE(showsDate(w("Label1").caption(), QDate(2026, 12, 10))) << w("Label1").caption();
    press(1);
    t.advance(3000);
    press(2);
    EXPECT_TRUE(showsDate(w("Label1").caption(), QDate(2026, 12, 11))) << w("Label1").caption();
}

TEST_F(Lesson3, ALeftPressWhileTheBallFliesKeepsItsPaceAndDirection) {
    press(1);
    ticks(5);
    t.advance(20);
    press(1);
    t.advance(20);  // the tick stays on its beat
    EXPECT_EQ(ball(), (Position{4200, 600}));
    EXPECT_EQ(shown(), "football");
}

TEST_F(Lesson3, ClickingTheFlyingBallSwitchesItAtOnceAndTheFlightGoesOn) {
    press(1);
    ticks(5);
    click("Image2");
    EXPECT_EQ(shown(), "basketball");
    EXPECT_EQ(ball(), (Position{4300, 700}));
    ticks(7);
    EXPECT_EQ(shown(), "basketball");
    EXPECT_EQ(ball(), (Position{3600, 0}));
    ticks(1);
    EXPECT_EQ(ball(), (Position{3500, 100}));

    click("Image3");
    EXPECT_EQ(shown(), "football");
    ticks(1);
    EXPECT_EQ(shown(), "football");
    EXPECT_EQ(ball(), (Position{3400, 200}));
}

TEST_F(Lesson3, TextShowsTheTextbookAndTheDateWhileTheBallFliesOn) {
    press(1);
    ticks(3);
    const int from = t.mark();
    click("Command2");
    EXPECT_EQ(t.since(from), (QStringList{"guide Stop", "guide MoveTo 680 50"}));
    expectTextMode();
    EXPECT_TRUE(w("Label1").visible());
    EXPECT_TRUE(showsDate(w("Label1").caption(), QDate(2026, 12, 10))) << w("Label1").caption();
    ticks(9);
    EXPECT_EQ(ball(), (Position{3600, 0}));
    EXPECT_EQ(bounces(from), 1);
}

TEST_F(Lesson3, BackStopsTheBallWhichFliesOnFromThereOnTheNextVisit) {
    press(1);
    ticks(1);
    click("Image2");
    ticks(14);  // down since tick 12: left 3300, top 300
    const int from = t.mark();
    click("Command1");
    EXPECT_EQ(t.since(from).filter(QRegularExpression("^(guide|hide|show)")),
              (QStringList{"guide Stop", "guide Hide", "hide Form6", "show Form1"}));
    EXPECT_FALSE(w("Timer1").enabled());
    EXPECT_EQ(w("Image1").mousePointer(), 99);
    expectTextMode();
    ticks(50);
    EXPECT_EQ(ball(), (Position{3300, 300}));

    arrive();
    expectTextMode();
    EXPECT_EQ(shown(), "basketball");
    press(1);
    EXPECT_EQ(w("Image1").mousePointer(), 0);
    ticks(1);
    EXPECT_EQ(shown(), "basketball");
    EXPECT_EQ(ball(), (Position{3200, 400}));
}

const QStringList kDiscStart = {"Form9.MMControl1 Close", "Form1.MMControl1 Close",
                                "Form6.MMControl3 Open ", "Form6.MMControl3 Play"};

TEST_F(Lesson3, TheDiscIconMovesBesideThePlayerBarStopsTheOtherMusicAndPlaysTheDisc) {
    Screen& player = t.screen(ScreenId::Form9);
    frame::playSequence(player.player("MMControl1"), "\\evy\\4.mid");
    ASSERT_EQ(t.screen(ScreenId::Form1).player("MMControl1").mode(), MediaPlayer::Mode::Playing);
    const int from = t.mark();
    click("Image4");
    EXPECT_EQ(t.since(from).filter("MMControl"), kDiscStart);
    EXPECT_EQ(w("Image4").left(), 4000);
    EXPECT_EQ(w("Image4").top(), 5160);
    EXPECT_TRUE(w("MMControl3").visible());
    MediaPlayer& disc = lesson().player("MMControl3");
    EXPECT_EQ(disc.deviceType(), "CDAudio");
    EXPECT_EQ(disc.mode(), MediaPlayer::Mode::Playing);
    EXPECT_FALSE(t.screen(ScreenId::Form1).player("MMControl1").isOpen());
    EXPECT_FALSE(player.player("MMControl1").isOpen());

    // Again: all the steps again, and the icon stays where it is.
    const int again = t.mark();
    click("Image4");
    EXPECT_EQ(t.since(again).filter("MMControl"), kDiscStart);
    EXPECT_EQ(w("Image4").left(), 4000);
    EXPECT_EQ(w("Image4").top(), 5160);
    EXPECT_EQ(disc.mode(), MediaPlayer::Mode::Playing);

    // Back leaves the disc playing; Silence closes it.
    click("Command1");
    EXPECT_EQ(disc.mode(), MediaPlayer::Mode::Playing);
    t.click(ScreenId::Form1, "Image13");
    EXPECT_FALSE(disc.isOpen());
    EXPECT_TRUE(w("MMControl3").visible());
}

TEST_F(Lesson3, WithoutADiscTheBarShowsAndStaysSilent) {
    t.media.discInDrive = false;
    click("Image4");
    EXPECT_TRUE(w("MMControl3").visible());
    EXPECT_FALSE(lesson().player("MMControl3").isOpen());
}

TEST_F(Lesson3, TheKittensSoundAndTheBouncesEachKeepToTheirOwnPlayer) {
    t.media.durationMs = {{"\\evy\\8.wav", 60000}};
    press(1);
    ticks(12);
    EXPECT_EQ(lesson().player("MMControl1").mode(), MediaPlayer::Mode::Playing);
    EXPECT_EQ(lesson().player("MMControl2").currentMediaFile(), "11.wav");
    EXPECT_EQ(lesson().player("MMControl2").mode(), MediaPlayer::Mode::Playing);
    // The bounce sound ends between two walls; its notification changes nothing of the flight.
    ticks(30);
    EXPECT_EQ(lesson().player("MMControl2").mode(), MediaPlayer::Mode::Stopped);
    EXPECT_EQ(ball(), (Position{600, 3000}));
}

}  // namespace
