// The Before-lessons window: the nine hot spots of the design form name their objects in tooltips
// only during the tour; before it and after it the textbook covers them and they are off.
#include <gtest/gtest.h>

#include "tests/view/view_support.h"

namespace {

const struct {
    const char* name;
    Bounds bounds;
    const char* tooltip;
} kSpots[] = {
    {"Image3", {720, 1200, 1695, 375}, " Объект \"Этикетка\" "},
    {"Image4", {2520, 1200, 615, 495}, " Объект \"Окно общего диалога\" "},
    {"Image5", {3360, 1200, 1575, 2295}, " Объект \"Текстовое поле\" "},
    {"Image6", {2520, 2400, 495, 495}, " Объект \"Таймер\" "},
    {"Image7", {2520, 3000, 495, 495}, " Объект \"Таймер\" "},
    {"Image8", {840, 3720, 3495, 375}, " Объект \"Управление мультимедиа\" "},
    {"Image9", {2400, 4200, 1215, 375}, " Объект \"Электронная кнопка\" "},
    {"Image10", {3840, 4200, 1215, 375}, " Объект \"Электронная кнопка\" "},
    {"Image11", {840, 1800, 1455, 1695}, " Объект \"Образ\" "},
};

QPoint centre(const Bounds& b) {
    return centreOf(b.left, b.top, b.width, b.height);
}

// The tooltip the window system shows where the pointer rests: the reached widget's own, or the
// nearest one of its parents'.
QString tooltipAt(ViewedProgram& v, QPoint pixel) {
    for (QWidget* w = v.hit(ScreenId::Form3, pixel); w; w = w->parentWidget())
        if (!w->toolTip().isEmpty()) return w->toolTip();
    return {};
}

TEST(TourView, TheHotSpotsNameTheirObjectsOnlyDuringTheTour) {
    ViewedProgram v;
    v.t.start();
    v.click(ScreenId::Form1, centreOf(4320, 960, 1455, 375));
    ASSERT_TRUE(v.window(ScreenId::Form3).isVisible());
    for (const auto& spot : kSpots) EXPECT_EQ(tooltipAt(v, centre(spot.bounds)), "") << spot.name;

    v.click(ScreenId::Form3, centreOf(6000, 0, 3510, 5000));  // the knight
    for (const auto& spot : kSpots) {
        EXPECT_EQ(v.nameOf(ScreenId::Form3, v.hit(ScreenId::Form3, centre(spot.bounds))),
                  spot.name);
        EXPECT_EQ(tooltipAt(v, centre(spot.bounds)), QString::fromUtf8(spot.tooltip)) << spot.name;
    }
    const int from = v.t.mark();
    v.click(ScreenId::Form3, centre(kSpots[0].bounds));
    EXPECT_EQ(v.t.since(from).first(), "guide Stop");

    v.click(ScreenId::Form3, centreOf(240, 5400, 1095, 375));  // Text
    for (const auto& spot : kSpots) EXPECT_EQ(tooltipAt(v, centre(spot.bounds)), "") << spot.name;
}

TEST(TourView, TheSilenceIconAndTheBackButtonStandInFrontOfTheKnight) {
    ViewedProgram v;
    v.t.start();
    v.click(ScreenId::Form1, centreOf(4320, 960, 1455, 375));
    EXPECT_EQ(v.nameOf(ScreenId::Form3, v.hit(ScreenId::Form3, centreOf(7560, 5280, 480, 480))),
              "Image13");
    EXPECT_EQ(v.nameOf(ScreenId::Form3, v.hit(ScreenId::Form3, centreOf(8160, 5400, 1095, 375))),
              "Command1");
    EXPECT_EQ(v.nameOf(ScreenId::Form3, v.hit(ScreenId::Form3, {500, 200})), "Image1");
}

}  // namespace
