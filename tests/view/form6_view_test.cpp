// Lesson 3 as Qt shows it: the flying ball over the kitten picture, and clicking it in flight.
#include <gtest/gtest.h>

#include <QImage>
#include <QTest>

#include "shell/twips.h"
#include "tests/view/view_support.h"

namespace {

class Lesson3View : public ::testing::Test {
protected:
    void SetUp() override {
        v.t.start();
        v.click(ScreenId::Form1, centreOf(4920, 2280, 855, 375));  // Урок 3 on the menu
        ASSERT_TRUE(window().isVisible());
    }

    ScreenWindow& window() { return v.window(ScreenId::Form6); }
    Screen& lesson() { return v.t.screen(ScreenId::Form6); }
    QImage shot() { return window().clientArea()->grab().toImage(); }
    QRect ballRect() {
        const Widget& ball = lesson()["Image2"];
        return {twipsToPixels(ball.left()), twipsToPixels(ball.top()), 32, 32};
    }

    // A left press on the kitten beside the textbook starts the flight.
    void startFlight() {
        const QPoint kitten(450, 250);
        QWidget* target = v.hit(ScreenId::Form6, kitten);
        ASSERT_EQ(v.nameOf(ScreenId::Form6, target), "Image1");
        QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier,
                          target->mapFrom(window().clientArea(), kitten));
        processEvents();
        ASSERT_TRUE(lesson()["Timer1"].enabled());
    }

    ViewedProgram v;
};

TEST_F(Lesson3View, TheFlyingBallIsDrawnWhereItIsAndLeavesThePictureUntouchedBehind) {
    startFlight();
    const QImage before = shot();
    v.t.advance(40);
    const QRect first = ballRect();
    EXPECT_EQ(first, QRect(313, 73, 32, 32));
    EXPECT_NE(shot().copy(first), before.copy(first));
    v.t.advance(400);
    ASSERT_FALSE(ballRect().intersects(first));
    EXPECT_EQ(shot().copy(first), before.copy(first));
    EXPECT_NE(shot().copy(ballRect()), before.copy(ballRect()));
}

TEST_F(Lesson3View, AClickOnTheBallCountsThoughTheBallFliesOnBeforeTheButtonComesUp) {
    startFlight();
    v.t.advance(5 * 40);
    QWidget* football = window().viewOf("Image2");
    const QPoint pressed = ballRect().center();
    ASSERT_EQ(v.hit(ScreenId::Form6, pressed), football);
    QTest::mousePress(football, Qt::LeftButton, Qt::NoModifier,
                      football->mapFrom(window().clientArea(), pressed));
    v.t.advance(3 * 40);  // 20 pixels on: the pointer is now off the ball
    const QPoint released = football->mapFrom(window().clientArea(), pressed);
    ASSERT_FALSE(football->rect().contains(released));
    QTest::mouseRelease(football, Qt::LeftButton, Qt::NoModifier, released);
    processEvents();
    EXPECT_TRUE(lesson()["Image3"].visible());
    EXPECT_FALSE(lesson()["Image2"].visible());
    v.t.advance(40);
    EXPECT_TRUE(window().viewOf("Image3")->isVisible());
    EXPECT_EQ(window().viewOf("Image3")->geometry(), ballRect());
}

TEST_F(Lesson3View, AReleaseAwayFromWhereTheBallWasIsNoClick) {
    startFlight();
    v.t.advance(5 * 40);
    QWidget* football = window().viewOf("Image2");
    const QPoint pressed = ballRect().center();
    QTest::mousePress(football, Qt::LeftButton, Qt::NoModifier,
                      football->mapFrom(window().clientArea(), pressed));
    QTest::mouseRelease(football, Qt::LeftButton, Qt::NoModifier,
                        football->mapFrom(window().clientArea(), pressed + QPoint(60, 60)));
    processEvents();
    EXPECT_FALSE(lesson()["Image3"].visible());
}

}  // namespace
