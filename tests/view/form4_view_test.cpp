// Lesson 1 as Qt shows it: the hot spots over the environment picture and their frames.
#include <gtest/gtest.h>

#include <QImage>

#include "shell/twips.h"
#include "tests/view/view_support.h"

namespace {

struct SpotRow {
    const char* spot;
    Bounds bounds;  // twips
    int frame;
    QRgb color;
};

const SpotRow kSpots[] = {
    {"Image3", {240, 1320, 855, 4095}, 2, qRgb(0xFF, 0, 0)},
    {"Image4", {1320, 1320, 4815, 3255}, 3, qRgb(0, 0xFF, 0xFF)},
    {"Image5", {6360, 1200, 2775, 1455}, 0, qRgb(0, 0xFF, 0)},
    {"Image6", {6480, 2640, 2655, 3015}, 4, qRgb(0xFF, 0, 0xFF)},
    {"Image7", {240, 120, 8895, 1095}, 1, qRgb(0xFF, 0xFF, 0)},
};

QPoint centre(const Bounds& b) {
    return centreOf(b.left, b.top, b.width, b.height);
}

class Lesson1View : public ::testing::Test {
protected:
    void SetUp() override {
        v.t.start();
        v.click(ScreenId::Form1, centreOf(4920, 1440, 855, 375));  // Урок 1 on the menu
        ASSERT_TRUE(v.window(ScreenId::Form4).isVisible());
    }

    QWidget* frameView(int index) { return v.window(ScreenId::Form4).viewOf("Shape1", index); }
    std::vector<int> framesShown() {
        std::vector<int> shown;
        for (int i = 0; i < 5; ++i)
            if (frameView(i)->isVisible()) shown.push_back(i);
        return shown;
    }

    ViewedProgram v;
};

TEST_F(Lesson1View, BeforeTheTourTheHotSpotsTakeNoMouseShowNoTooltipAndDrawNoFrame) {
    for (const SpotRow& row : kSpots) {
        QWidget* reached = v.hit(ScreenId::Form4, centre(row.bounds));
        EXPECT_NE(v.nameOf(ScreenId::Form4, reached), row.spot);
        EXPECT_TRUE(reached->toolTip().isEmpty()) << row.spot;
        v.moveMouse(ScreenId::Form4, centre(row.bounds));
        EXPECT_TRUE(framesShown().empty()) << row.spot;
    }
}

TEST_F(Lesson1View, InTheTourTheCentreOfEachHotSpotShowsItsFrameInFrontOfThePicture) {
    // The computer lies under the disabled properties hot spot; the click must reach it.
    v.click(ScreenId::Form4, centreOf(6360, 3000, 2655, 2655));
    ASSERT_TRUE(v.window(ScreenId::Form4).viewOf("Image2")->isVisible());
    for (const SpotRow& row : kSpots) {
        const QPoint at = centre(row.bounds);
        QWidget* reached = v.hit(ScreenId::Form4, at);
        EXPECT_EQ(v.nameOf(ScreenId::Form4, reached), row.spot);
        EXPECT_EQ(reached->toolTip(), v.t.screen(ScreenId::Form4)[row.spot].tooltip());
        v.moveMouse(ScreenId::Form4, at);
        EXPECT_EQ(framesShown(), std::vector<int>{row.frame}) << row.spot;

        // The frame's left edge, halfway down, is drawn in its colour over the picture.
        const QRect r = frameView(row.frame)->geometry();
        const QImage shot = v.window(ScreenId::Form4).clientArea()->grab().toImage();
        EXPECT_EQ(shot.pixel(r.left() + 1, r.center().y()), row.color) << row.spot;
    }
    // The pointer leaves for the grey area beside the picture: the last frame stays.
    v.moveMouse(ScreenId::Form4, {twipsToPixels(9300), twipsToPixels(2000)});
    EXPECT_EQ(framesShown(), std::vector<int>{1});
}

}  // namespace
