// The guide's queue on the manual clock: order, durations, Stop, Show and Hide, moves.
#include <gtest/gtest.h>

#include <QStringList>

#include "media/guide_animations.h"
#include "media/guide_queue.h"
#include "media/guide_voice.h"
#include "shell/manual_clock.h"
#include "tests/support/test_program.h"  // prints QStrings

using namespace guide_timing;
using Kind = GuideStep::Kind;

namespace {

// Writes down what it is told; the test decides when it reports the length of a sentence.
class FakeVoice final : public GuideVoice {
public:
    void say(const QString& text, std::function<void(qint64)> lasts) override {
        said << text;
        lasts_ = std::move(lasts);
    }
    void hush() override { ++hushed; }
    float mouth() const override { return 0; }
    void report(qint64 remainingMs) { lasts_(remainingMs); }

    QStringList said;
    int hushed = 0;

private:
    std::function<void(qint64)> lasts_;
};

QString describe(const GuideStep& s) {
    switch (s.kind) {
        case Kind::Show:
            return "Show";
        case Kind::Hide:
            return "Hide";
        case Kind::Move:
            return QStringLiteral("Move %1 %2").arg(s.target.x()).arg(s.target.y());
        case Kind::Gesture:
            return QStringLiteral("Gesture %1 %2").arg(s.target.x()).arg(s.target.y());
        case Kind::Animation:
            return QString::fromLatin1(s.animation->name);
        case Kind::Speak:
            return "Speak " + s.text;
    }
    return {};
}

// A queue whose every step goes into a timeline: "start ms, what, duration".
struct Rig {
    Rig() {
        QObject::connect(&queue, &GuideQueue::stepStarted, [this](const GuideStep& s) {
            timeline << QStringLiteral("%1 %2 (%3)")
                            .arg(s.startMs - zero)
                            .arg(describe(s))
                            .arg(s.durationMs);
        });
        QObject::connect(&queue, &GuideQueue::stopped, [this] {
            timeline << QStringLiteral("%1 stopped").arg(clock.nowMs() - zero);
        });
    }
    // Visible at (x, y), with nothing under way and an empty timeline.
    void standAt(int x, int y) {
        queue.moveTo(x, y);
        queue.show();
        clock.advance(kFadeMs);
        timeline.clear();
        zero = clock.nowMs();
    }
    ManualClock clock;
    FakeVoice voice;
    GuideQueue queue{clock, &voice};
    QStringList timeline;
    qint64 zero = 0;  // the timeline's time 0
};

const QString kDisplay = QStringLiteral("Нажми мышкой на экран дисплея.");  // 30 characters
const qint64 kDisplayMs = 30 * kMsPerCharacter + kLingerMs;

TEST(GuideQueue, StartsHiddenAndOnlyShowMakesItVisible) {
    Rig g;
    EXPECT_FALSE(g.queue.visible());
    g.queue.moveTo(300, 200);
    g.queue.play("Greet");
    g.queue.gestureAt(10, 10);
    g.queue.speak(kDisplay);
    g.queue.hide();
    g.clock.advance(10'000);
    EXPECT_FALSE(g.queue.visible());
    g.queue.show();
    EXPECT_TRUE(g.queue.visible());
}

TEST(GuideQueue, MenuHotSpotRunsEachStepAfterTheOneBefore) {
    Rig g;
    g.queue.stop();
    g.queue.moveTo(750, 250);
    g.queue.show();
    g.queue.play("Greet");
    g.queue.play("RestPose");
    g.queue.speak(kDisplay);
    // Every call returned at once: the rest waits its turn.
    EXPECT_EQ(g.queue.pending(), 3);
    g.clock.advance(20'000);
    const qint64 greet = findGuideAnimation("Greet")->durationMs;
    const qint64 rest = findGuideAnimation("RestPose")->durationMs;
    EXPECT_EQ(g.timeline, (QStringList{
                              "0 stopped",
                              "0 Move 750 250 (0)",  // hidden: it is simply there
                              QStringLiteral("0 Show (%1)").arg(kFadeMs),
                              QStringLiteral("%1 Greet (%2)").arg(kFadeMs).arg(greet),
                              QStringLiteral("%1 RestPose (%2)").arg(kFadeMs + greet).arg(rest),
                              QStringLiteral("%1 Speak %2 (%3)")
                                  .arg(kFadeMs + greet + rest)
                                  .arg(kDisplay)
                                  .arg(kDisplayMs),
                          }));
    EXPECT_EQ(g.voice.said, QStringList{kDisplay});
    EXPECT_EQ(g.queue.position(), QPoint(750, 250));
    EXPECT_EQ(g.queue.current(), nullptr);
}

TEST(GuideQueue, MovesAtASteadySpeedAndGesturesAfterArriving) {
    Rig g;
    g.standAt(100, 100);
    g.queue.moveTo(100 + kSpeedPxPerS, 100);  // one second away
    g.queue.gestureAt(500, 200);
    g.clock.advance(250);
    EXPECT_EQ(g.queue.position(), QPoint(100 + kSpeedPxPerS / 4, 100));
    g.clock.advance(250);
    EXPECT_EQ(g.queue.position(), QPoint(100 + kSpeedPxPerS / 2, 100));
    g.clock.advance(500 + kGestureMs);
    EXPECT_EQ(g.timeline,
              (QStringList{QStringLiteral("0 Move %1 100 (1000)").arg(100 + kSpeedPxPerS),
                           QStringLiteral("1000 Gesture 500 200 (%1)").arg(kGestureMs)}));
    EXPECT_EQ(g.queue.position(), QPoint(100 + kSpeedPxPerS, 100));
}

TEST(GuideQueue, StopInTheMiddleOfAMoveLeavesItWhereItIsAndEmptiesTheQueue) {
    Rig g;
    g.standAt(0, 0);
    g.queue.moveTo(kSpeedPxPerS, 0);
    g.queue.play("Wave");
    g.queue.speak(kDisplay);
    g.clock.advance(500);
    g.queue.stop();
    EXPECT_EQ(g.queue.position(), QPoint(kSpeedPxPerS / 2, 0));
    EXPECT_EQ(g.queue.current(), nullptr);
    EXPECT_EQ(g.queue.pending(), 0);
    g.clock.advance(10'000);
    EXPECT_EQ(g.timeline.size(), 2);  // the move and the stop: nothing after
    EXPECT_TRUE(g.voice.said.isEmpty());
    // The next request starts at once, from where it stopped.
    g.queue.moveTo(0, 0);
    EXPECT_EQ(g.timeline.last(), "10500 Move 0 0 (500)");
}

TEST(GuideQueue, StopInTheMiddleOfSpeechCutsItAndTheNextSentenceStartsAtOnce) {
    Rig g;
    g.standAt(0, 0);
    g.queue.speak(kDisplay);
    g.queue.play("Wave");
    g.clock.advance(700);
    const int hushedBefore = g.voice.hushed;
    g.queue.stop();
    EXPECT_EQ(g.voice.hushed, hushedBefore + 1);
    EXPECT_EQ(g.queue.current(), nullptr);
    g.voice.report(4000);  // late news of the sentence that was cut changes nothing
    g.queue.speak("Не суетись!");
    g.clock.advance(100);
    EXPECT_EQ(g.voice.said, (QStringList{kDisplay, "Не суетись!"}));
    EXPECT_EQ(g.queue.current()->kind, Kind::Speak);
    EXPECT_EQ(g.queue.current()->text, "Не суетись!");
    EXPECT_EQ(g.queue.current()->durationMs, kShortestSentenceMs + kLingerMs);
}

TEST(GuideQueue, SpeechLastsAsLongAsTheVoiceSaysAndAMomentAfter) {
    Rig g;
    g.standAt(0, 0);
    g.queue.speak(kDisplay);
    g.queue.play("Wave");
    g.clock.advance(40);
    g.voice.report(5000);  // longer than the sentence would take to read
    g.clock.advance(5000 + kLingerMs - 1);
    EXPECT_EQ(g.queue.current()->kind, Kind::Speak);
    g.clock.advance(1);
    EXPECT_EQ(g.queue.current()->kind, Kind::Animation);
    // A short voice never cuts the balloon's reading time.
    g.clock.advance(10'000);
    g.queue.speak(kDisplay);
    g.voice.report(100);
    EXPECT_EQ(g.queue.current()->durationMs, kDisplayMs);
}

TEST(GuideQueue, HideWhileSpeakingWaitsForTheSentence) {
    Rig g;
    g.standAt(0, 0);
    g.queue.speak(kDisplay);
    g.queue.hide();
    g.clock.advance(kDisplayMs - 1);
    EXPECT_TRUE(g.queue.visible());
    g.clock.advance(1);
    EXPECT_FALSE(g.queue.visible());
    EXPECT_EQ(g.timeline.last(), QStringLiteral("%1 Hide (%2)").arg(kDisplayMs).arg(kFadeMs));
}

TEST(GuideQueue, HiddenCharacterIsNeitherSeenNorHeardAndMovesAtOnce) {
    Rig g;
    g.queue.speak(kDisplay);
    g.queue.play("DoMagic1");
    g.queue.gestureAt(500, 200);
    g.queue.moveTo(640, 220);
    EXPECT_EQ(g.queue.position(), QPoint(640, 220));
    EXPECT_EQ(g.queue.current(), nullptr);
    EXPECT_TRUE(g.voice.said.isEmpty());
    EXPECT_EQ(g.timeline, (QStringList{"0 Speak " + kDisplay + " (0)", "0 DoMagic1 (0)",
                                       "0 Gesture 500 200 (0)", "0 Move 640 220 (0)"}));
}

TEST(GuideQueue, ShowAndHideOfWhatIsAlreadySoTakeNoTime) {
    Rig g;
    g.queue.hide();
    g.queue.show();
    g.queue.show();
    g.queue.hide();
    g.queue.hide();
    g.clock.advance(5000);
    EXPECT_EQ(g.timeline, (QStringList{"0 Hide (0)", "0 Show (300)", "300 Show (0)",
                                       "300 Hide (300)", "600 Hide (0)"}));
}

TEST(GuideQueue, AnimationNamesMatchWithoutRegardToCaseAndUnknownOnesAreDropped) {
    Rig g;
    g.standAt(0, 0);
    for (const char* name : {"Restpose", "RESTPOSE", "restpose", "Dance", "", "Congratulate_2"})
        g.queue.play(name);
    g.clock.advance(20'000);
    const int rest = findGuideAnimation("RestPose")->durationMs;
    EXPECT_EQ(g.timeline, (QStringList{
                              QStringLiteral("0 RestPose (%1)").arg(rest),
                              QStringLiteral("%1 RestPose (%1)").arg(rest),
                              QStringLiteral("%1 RestPose (%2)").arg(2 * rest).arg(rest),
                              QStringLiteral("%1 Congratulate_2 (2400)").arg(3 * rest),
                          }));
}

TEST(GuideQueue, BackgroundClickWhileSpeakingStopsFirstThenGesturesAndSpeaks) {
    Rig g;
    g.standAt(600, 350);
    g.queue.speak(kDisplay);
    g.clock.advance(500);
    g.timeline.clear();
    g.queue.stop();
    g.queue.show();
    g.queue.gestureAt(500, 200);
    g.queue.play("Decline");
    g.queue.gestureAt(500, 200);
    g.queue.speak("Не суетись! Выбери нужную тебе кнопку.");
    g.clock.advance(20'000);
    EXPECT_EQ(g.timeline,
              (QStringList{"500 stopped", "500 Show (0)", "500 Gesture 500 200 (1400)",
                           "1900 Decline (1600)", "3500 Gesture 500 200 (1400)",
                           QStringLiteral("4900 Speak Не суетись! Выбери нужную тебе кнопку. "
                                          "(%1)")
                               .arg(38 * kMsPerCharacter + kLingerMs)}));
}

TEST(GuideQueue, DraggingEndsAMoveWhereTheChildLeftIt) {
    Rig g;
    g.standAt(0, 0);
    g.queue.moveTo(700, 400);
    g.queue.play("Wave");
    g.clock.advance(300);
    g.queue.dragTo(QPoint(50, 500));
    EXPECT_EQ(g.queue.position(), QPoint(50, 500));
    EXPECT_EQ(g.queue.current()->kind, Kind::Animation);
    g.clock.advance(5000);
    EXPECT_EQ(g.queue.position(), QPoint(50, 500));  // until the next MoveTo
    g.queue.moveTo(50 + kSpeedPxPerS, 500);
    EXPECT_EQ(g.queue.current()->from, QPoint(50, 500));
    EXPECT_EQ(g.queue.current()->durationMs, 1000);
}

// Every animation the screens name exists, lasts one to three seconds and ends at rest.
TEST(GuideAnimations, EveryNameOfTheScreensLastsOneToThreeSecondsAndEndsAtRest) {
    for (const char* name : {"GestureRight", "GestureLeft", "GestureUp", "Greet", "RestPose",
                             "Restpose", "Decline", "DoMagic1", "DoMagic2", "Announce", "Explain",
                             "Congratulate_2", "Process", "Read", "Wave"}) {
        SCOPED_TRACE(name);
        const GuideAnimation* a = findGuideAnimation(name);
        ASSERT_NE(a, nullptr);
        EXPECT_GE(a->durationMs, 1000);
        EXPECT_LE(a->durationMs, 3000);
        int previous = 0;
        for (const GuideKey& key : a->keys) {
            EXPECT_GT(key.at, previous);
            previous = key.at;
        }
        EXPECT_LT(previous, a->durationMs);
        const GuidePose end = guidePoseAt(*a, a->durationMs);
        const GuidePose nearEnd = guidePoseAt(*a, a->durationMs - 20);
        for (const GuidePose& p : {end, nearEnd}) {
            EXPECT_NEAR(p.leftArm, 0, 2);
            EXPECT_NEAR(p.rightArm, 0, 2);
            EXPECT_NEAR(p.lift, 0, 0.5);
            EXPECT_NEAR(p.headTilt, 0, 0.5);
            EXPECT_NEAR(p.propShown, 0, 0.05);
            EXPECT_NEAR(p.magic, 0, 0.05);
        }
        EXPECT_EQ(end.mouth, GuideMouth::Smile);
        EXPECT_EQ(end.eyes, GuideEyes::Open);
    }
}

TEST(GuideAnimations, PointingUsesTheArmOnTheSideOfThePoint) {
    struct Case {
        QPointF direction;
        float left, right;
    } cases[] = {
        {{-100, 0}, 90, 0},     // straight out to the left
        {{100, 0}, 0, 90},      // to the right
        {{100, -100}, 0, 135},  // up and right
        {{0, -100}, 0, 180},    // straight up
        {{-50, 50}, 45, 0},     // down and left
    };
    for (const Case& c : cases) {
        const GuidePose held = guidePointing(c.direction, kGestureMs / 2, kGestureMs);
        EXPECT_NEAR(held.leftArm, c.left, 0.5) << c.direction.x() << "," << c.direction.y();
        EXPECT_NEAR(held.rightArm, c.right, 0.5) << c.direction.x() << "," << c.direction.y();
        const GuidePose after = guidePointing(c.direction, kGestureMs, kGestureMs);
        EXPECT_NEAR(after.leftArm + after.rightArm, 0, 0.5);
    }
}

}  // namespace
