// Lesson 2 as Qt shows it: what the mouse reaches, the cursors, and the car painted as it drives.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdlib>

#include "shell/twips.h"
#include "tests/view/view_support.h"

namespace {

constexpr ScreenId kLesson = ScreenId::Form5;

// The largest difference of a colour channel between two pictures of one size (blending on the
// window's grey and on a transparent grab may round apart by one).
int largestDifference(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return 255;
    int largest = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(p) - qRed(q)),
                                std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
        }
    return largest;
}

struct Lesson2View {
    Lesson2View() {
        v.t.start();
        v.t.click(ScreenId::Form1, "Image6");
    }
    Screen& s() { return v.t.screen(kLesson); }
    ScreenWindow& window() { return v.window(kLesson); }
    QWidget* view(const char* name) { return window().viewOf(name); }
    bool ownCursor(const char* name) {
        return view(name)->testAttribute(Qt::WA_SetCursor) &&
               view(name)->cursor().shape() == Qt::BitmapCursor;
    }
    void press(const char* name, Qt::MouseButton button) {
        QTest::mousePress(view(name), button, {}, QPoint(200, 76));
        QTest::mouseRelease(view(name), button, {}, QPoint(200, 76));
        processEvents();
    }

    ViewedProgram v;
};

TEST(Lesson2View, TheMouseOverTheCarUncoversTheHotSpotsOfThePicture) {
    Lesson2View l;
    // Two moves, so that at least one reaches the car wherever the pointer was before.
    l.v.moveMouse(kLesson, centreOf(3360, 3000, 5940, 2280));
    l.v.moveMouse(kLesson, centreOf(3360, 3000, 5940, 2280) + QPoint(3, 2));
    EXPECT_FALSE(l.view("RichTextBox1")->isVisible());
    EXPECT_TRUE(l.view("Command2")->isEnabled());
    for (const auto& w : l.s().widgets()) {
        if (w->kind() != WidgetKind::HotSpot) continue;
        const Bounds& b = w->bounds();
        EXPECT_EQ(l.v.nameOf(kLesson, l.v.hit(kLesson, centreOf(b.left, b.top, b.width, b.height))),
                  w->name());
    }
}

TEST(Lesson2View, TheBallIsInFrontOfTheBabyAndAClickPushesIt) {
    Lesson2View l;
    l.s()["RichTextBox1"].hide();
    l.v.click(kLesson, centreOf(360, 240, 1695, 2535));  // the baby
    const QPoint ball = centreOf(120, 600, 720, 720);
    EXPECT_EQ(l.v.nameOf(kLesson, l.v.hit(kLesson, ball)), "Image5");
    l.v.click(kLesson, ball);
    EXPECT_EQ(l.s()["Image5"].left(), 1120);
    EXPECT_EQ(l.view("Image5")->geometry(), QRect(75, 40, 48, 48));
}

TEST(Lesson2View, HotSpotCursorsAndTheCarsStopSignFollowItsDrives) {
    Lesson2View l;
    EXPECT_TRUE(l.ownCursor("Image4"));
    EXPECT_TRUE(l.ownCursor("Image2"));
    EXPECT_FALSE(l.ownCursor("Image3"));
    EXPECT_FALSE(l.ownCursor("Picture1"));
    l.s()["RichTextBox1"].hide();
    l.press("Picture1", Qt::MiddleButton);
    EXPECT_EQ(l.view("Picture1")->x(), 9);
    EXPECT_TRUE(l.ownCursor("Picture1"));
    l.press("Picture1", Qt::RightButton);
    EXPECT_EQ(l.view("Picture1")->x(), 224);
    EXPECT_FALSE(l.ownCursor("Picture1"));
}

TEST(Lesson2View, TheCarIsOnTheScreenAtEveryStepOfItsDriveWhileNothingElseRuns) {
    Lesson2View l;
    l.s()["RichTextBox1"].hide();
    processEvents();
    QWidget* car = l.view("Picture1");
    const QImage carImage = car->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QColor grey(0xC0, 0xC0, 0xC0);
    bool eventLoopRan = false;
    QTimer::singleShot(0, [&] { eventLoopRan = true; });
    int steps = 0;
    int looked = 0;
    QObject::connect(&l.s(), &Screen::refreshRequested, [&](int) {
        EXPECT_FALSE(eventLoopRan);
        if (++steps % 43 != 0) return;  // a few frames along the way
        const QRect at = car->geometry();
        const QImage shown = QGuiApplication::primaryScreen()
                                 ->grabWindow(l.window().winId())
                                 .toImage()
                                 .convertToFormat(QImage::Format_RGB32);
        EXPECT_LE(largestDifference(shown.copy(at), carImage), 2) << "step " << steps;
        // Where the car's back stood a step before, the window's grey shows again.
        EXPECT_EQ(QColor(shown.pixel(at.right() + 1, at.center().y())), grey) << "step " << steps;
        ++looked;
    });
    QTest::mousePress(car, Qt::LeftButton, {}, QPoint(200, 76));
    EXPECT_EQ(steps, 215);
    EXPECT_EQ(looked, 5);
    EXPECT_EQ(car->x(), 9);
    QTest::mouseRelease(car, Qt::LeftButton, {}, QPoint(200, 76));
    processEvents();
    EXPECT_TRUE(eventLoopRan);
}

}  // namespace
