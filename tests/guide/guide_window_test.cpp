// The guide's window on the offscreen platform, driven by its queue on the manual clock.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include "media/guide_figure.h"
#include "media/guide_queue.h"
#include "media/guide_window.h"
#include "shell/design_desktop.h"
#include "shell/manual_clock.h"

using namespace guide_timing;

namespace {

const QString kLongest = QStringLiteral(
    "Вот некоторые объекты Visual Basic. Что бы узнать название объекта - наведи на него "
    "указатель мыши. Для получения более подробной информации - нажми на интересующий тебя "
    "объект.");

struct Stage {
    ManualClock clock;
    GuideQueue queue{clock};
    GuideWindow window{queue, nullptr};

    void standAt(int x, int y) {
        queue.moveTo(x, y);
        queue.show();
        clock.advance(kFadeMs + GuideWindow::kIdleFrameMs);
    }
    QRect screen() const { return QGuiApplication::primaryScreen()->availableGeometry(); }
};

TEST(GuideWindow, IsAFramelessToolOnTopThatTakesNoFocusAndStartsHidden) {
    Stage s;
    const Qt::WindowFlags flags = s.window.windowFlags();
    EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Tool);  // not in the task bar
    EXPECT_TRUE(flags & Qt::FramelessWindowHint);
    EXPECT_TRUE(flags & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(flags & Qt::WindowDoesNotAcceptFocus);
    EXPECT_TRUE(s.window.testAttribute(Qt::WA_ShowWithoutActivating));
    EXPECT_EQ(s.window.size(), GuideFigure::kFrame);
    const Qt::WindowFlags balloon = s.window.balloon().windowFlags();
    EXPECT_TRUE(balloon & Qt::WindowTransparentForInput);
    EXPECT_TRUE(balloon & Qt::WindowDoesNotAcceptFocus);
    EXPECT_FALSE(s.window.isVisible());
    s.queue.moveTo(100, 100);
    s.queue.play("Wave");
    s.clock.advance(3000);
    EXPECT_FALSE(s.window.isVisible());
    EXPECT_EQ(s.clock.activeTimers(), 0);  // nothing is drawn while nobody can see it
}

TEST(GuideWindow, ShowsWhereItWasMovedAndVanishesAfterHide) {
    Stage s;
    s.standAt(300, 200);
    EXPECT_TRUE(s.window.isVisible());
    EXPECT_EQ(s.window.pos(), designToGlobal(QPoint(300, 200)));
    s.queue.hide();
    s.clock.advance(kFadeMs - 1);
    EXPECT_TRUE(s.window.isVisible());  // fading out
    s.clock.advance(1);
    EXPECT_FALSE(s.window.isVisible());
    s.clock.advance(1000);
    EXPECT_EQ(s.clock.activeTimers(), 0);
}

TEST(GuideWindow, PreparedAheadItStaysHiddenAndItsFirstShowUsesTheWindowMade) {
    Stage s;
    s.window.prepare();
    QWindow* made = s.window.windowHandle();
    ASSERT_NE(made, nullptr);
    EXPECT_FALSE(s.window.isVisible());
    EXPECT_EQ(s.clock.activeTimers(), 0);
    s.standAt(300, 200);
    EXPECT_TRUE(s.window.isVisible());
    EXPECT_EQ(s.window.windowHandle(), made);
    EXPECT_FALSE(s.window.figureMask().isEmpty());
}

TEST(GuideWindow, StaysWhollyOnTheScreenNearItsEdge) {
    Stage s;
    s.standAt(790, 590);
    EXPECT_TRUE(s.screen().contains(s.window.geometry()));
    EXPECT_EQ(s.queue.position(), QPoint(790, 590));  // the model keeps what the screen said
}

TEST(GuideWindow, GlidesToTheNewPlaceFrameByFrame) {
    Stage s;
    s.standAt(100, 300);
    s.queue.moveTo(100 + kSpeedPxPerS, 300);
    s.clock.advance(500);
    const QPoint half = designToGlobal(QPoint(100 + kSpeedPxPerS / 2, 300));
    EXPECT_NEAR(s.window.x(), half.x(), kSpeedPxPerS * GuideWindow::kActiveFrameMs / 1000 + 1);
    EXPECT_EQ(s.window.y(), half.y());
    s.clock.advance(600);
    EXPECT_EQ(s.window.pos(), designToGlobal(QPoint(100 + kSpeedPxPerS, 300)));
}

// Clicks beside the figure pass to the windows beneath: the window is cut to the figure.
TEST(GuideWindow, IsShapedToTheFigure) {
    Stage s;
    s.standAt(300, 200);
    EXPECT_FALSE(s.window.translucent());  // no compositor offscreen
    const QRegion& mask = s.window.figureMask();
    ASSERT_FALSE(mask.isEmpty());
    const int top = GuideFigure::kHeadroom;
    for (QPoint inside : {QPoint(72, top + 63), QPoint(72, top + 130), QPoint(72, top + 30)})
        EXPECT_TRUE(mask.contains(inside)) << inside.x() << "," << inside.y();
    for (QPoint beside : {QPoint(2, 2), QPoint(10, top + 100), QPoint(135, top + 60),
                          QPoint(140, top + 150), QPoint(72, 4)})
        EXPECT_FALSE(mask.contains(beside)) << beside.x() << "," << beside.y();
    // The mask follows the pose: a pointing arm reaches out where the resting figure was not.
    const QPoint hand(20, top + 90);
    EXPECT_FALSE(mask.contains(hand));
    s.queue.gestureAt(0, 200 + top + 90);
    s.clock.advance(kGestureMs / 2);
    EXPECT_TRUE(s.window.figureMask().contains(hand));
}

TEST(GuideWindow, BalloonShowsTheWholeSentenceInsideTheScreenWhileSpeaking) {
    struct Place {
        int x, y;
    };
    for (Place p : {Place{750, 250}, Place{150, 420}, Place{540, 30}, Place{0, 0}}) {
        SCOPED_TRACE(QStringLiteral("%1,%2").arg(p.x).arg(p.y).toStdString());
        Stage s;
        s.standAt(p.x, p.y);
        s.queue.speak(kLongest);
        s.queue.play("Wave");
        s.clock.advance(100);
        const GuideBalloon& b = s.window.balloon();
        ASSERT_TRUE(b.isVisible());
        EXPECT_EQ(b.text(), kLongest);
        EXPECT_TRUE(s.screen().contains(b.geometry()))
            << b.geometry().x() << "," << b.geometry().y();
        EXPECT_GE(b.height(), 3 * b.fontMetrics().lineSpacing());  // wrapped over lines
        EXPECT_LE(b.width(), GuideBalloon::kTextWidth + 2 * GuideBalloon::kPadding + 40);
        // Beside the figure, not over its face.
        EXPECT_FALSE(
            b.geometry().contains(s.window.geometry().topLeft() + GuideFigure::kMouth.toPoint()));
        // It stays for the sentence and a moment after, then goes.
        s.clock.advance(qint64(kLongest.size()) * kMsPerCharacter + kLingerMs - 200);
        EXPECT_TRUE(b.isVisible());
        s.clock.advance(200);
        EXPECT_FALSE(b.isVisible());
    }
}

TEST(GuideWindow, StopHidesTheBalloonAtOnce) {
    Stage s;
    s.standAt(400, 300);
    s.queue.speak(QStringLiteral("Не суетись! Выбери нужную тебе кнопку."));
    s.clock.advance(300);
    ASSERT_TRUE(s.window.balloon().isVisible());
    s.queue.stop();
    EXPECT_FALSE(s.window.balloon().isVisible());
    EXPECT_TRUE(s.window.isVisible());
}

TEST(GuideWindow, TheChildCanDragItAwayUntilTheNextMove) {
    Stage s;
    s.standAt(300, 200);
    QWidget& w = s.window;
    const QPoint grip(72, GuideFigure::kHeadroom + 130);  // the robe
    QTest::mousePress(&w, Qt::LeftButton, {}, grip);
    QMouseEvent drag(QEvent::MouseMove, QPointF(grip),
                     QPointF(w.mapToGlobal(grip) + QPoint(-120, 90)), Qt::NoButton, Qt::LeftButton,
                     {});
    QApplication::sendEvent(&w, &drag);
    QTest::mouseRelease(&w, Qt::LeftButton, {}, grip);
    EXPECT_EQ(s.queue.position(), QPoint(180, 290));
    s.clock.advance(2000);
    EXPECT_EQ(w.pos(), designToGlobal(QPoint(180, 290)));
    s.queue.moveTo(300, 200);
    s.clock.advance(2000);
    EXPECT_EQ(w.pos(), designToGlobal(QPoint(300, 200)));
}

TEST(GuideWindow, DrawsOftenWhileActiveAndSeldomWhileStandingStill) {
    Stage s;
    s.standAt(300, 200);
    int before = s.window.framesDrawn();
    s.clock.advance(1000);
    const int idle = s.window.framesDrawn() - before;
    s.queue.play("DoMagic1");
    before = s.window.framesDrawn();
    s.clock.advance(1000);
    const int active = s.window.framesDrawn() - before;
    EXPECT_LE(idle, 1000 / GuideWindow::kIdleFrameMs + 1);
    EXPECT_GE(active, 1000 / GuideWindow::kActiveFrameMs - 1);
}

}  // namespace
