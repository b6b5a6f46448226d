// The Introduction window: the book opens the truck with the enlarged drawing, painted to fill its
// new bounds, and the truck brings the textbook back.
#include <gtest/gtest.h>

#include <QImage>

#include "tests/view/view_support.h"

namespace {

TEST(IntroView, TheBookOpensTheTruckAndTheStretchedDrawingAndTheTruckClosesThem) {
    ViewedProgram v;
    v.t.start();
    v.click(ScreenId::Form1, centreOf(4320, 480, 1455, 375));
    ScreenWindow& w = v.window(ScreenId::Form2);
    ASSERT_TRUE(w.isVisible());
    EXPECT_FALSE(w.viewOf("Image1")->isVisible());
    EXPECT_EQ(w.viewOf("Image2")->geometry(), QRect(400, 264, 224, 81));

    v.click(ScreenId::Form2, centreOf(6120, 1200, 2940, 2100));  // the book
    EXPECT_TRUE(w.viewOf("Image1")->isVisible());
    EXPECT_FALSE(w.viewOf("RichTextBox1")->isVisible());
    EXPECT_TRUE(w.viewOf("Command2")->isEnabled());
    QWidget* drawing = w.viewOf("Image2");
    EXPECT_EQ(drawing->geometry(), QRect(160, 192, 464, 153));
    // Stretched: the far corner of the enlarged bounds shows the violet drawing, not the window.
    const QColor corner = drawing->grab().toImage().pixelColor(454, 146);
    EXPECT_GT(corner.blue(), corner.green() + 40) << corner.name().toStdString();
    EXPECT_EQ(v.nameOf(ScreenId::Form2, v.hit(ScreenId::Form2, {200, 300})), "Image2");
    EXPECT_EQ(v.nameOf(ScreenId::Form2, v.hit(ScreenId::Form2, {300, 100})), "Image1");
    EXPECT_EQ(w.viewOf("Image1")->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(drawing->cursor().shape(), Qt::BitmapCursor);

    const int from = v.t.mark();
    v.click(ScreenId::Form2, {300, 100});  // the truck
    EXPECT_TRUE(v.t.since(from).contains("Form2.MMControl1 Open \\evy\\12.wav"));
    EXPECT_FALSE(w.viewOf("Image1")->isVisible());
    EXPECT_TRUE(w.viewOf("RichTextBox1")->isVisible());
    EXPECT_FALSE(w.viewOf("Command2")->isEnabled());
    EXPECT_EQ(drawing->geometry(), QRect(400, 264, 224, 81));
}

TEST(IntroView, InTextModeTheTextButtonTakesNoClick) {
    ViewedProgram v;
    v.t.start();
    v.click(ScreenId::Form1, centreOf(4320, 480, 1455, 375));
    const int from = v.t.mark();
    v.click(ScreenId::Form2, centreOf(240, 5400, 1095, 375));
    EXPECT_TRUE(v.t.since(from).isEmpty());
}

}  // namespace
