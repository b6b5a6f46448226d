// The After-lessons window as Qt shows it: the labels inside their picture box, the pad's hot
// spots under its marks, and the strip of the folder icon that the textbook leaves uncovered.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>

#include "shell/look.h"
#include "shell/twips.h"
#include "shell/widget_view.h"
#include "tests/view/view_support.h"

namespace {

QPoint centre(const Bounds& b) {
    return centreOf(b.left, b.top, b.width, b.height);
}

class AfterLessonsView : public ::testing::Test {
protected:
    void SetUp() override {
        v.t.start();
        v.click(ScreenId::Form1, centreOf(4320, 3600, 1455, 495));  // После уроков on the menu
        ASSERT_TRUE(window().isVisible());
    }

    ScreenWindow& window() { return v.window(ScreenId::Form9); }
    // The model widget whose view (or a part of it, such as the viewer's viewport) is reached.
    QString nameAt(QPoint pixel) {
        for (QWidget* w = v.hit(ScreenId::Form9, pixel); w; w = w->parentWidget())
            if (const QString name = v.nameOf(ScreenId::Form9, w); !name.isEmpty()) return name;
        return {};
    }
    void sail() { v.click(ScreenId::Form9, centreOf(6800, 1500, 1, 1)); }  // the ship's sails

    ViewedProgram v;
};

TEST_F(AfterLessonsView, TheLabelsLieInsideTheirPictureBoxAndShowTheChosenFile) {
    const QString song = QDir(v.t.workingDir()).filePath("song.wav");
    QFile file(song);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.resize(512));
    sail();
    v.t.dialogs.fileAnswers.push_back(song);
    v.click(ScreenId::Form9, centreOf(120, 3000, 1500, 1725));  // the microphone

    QWidget* box = window().viewOf("Picture1");
    for (const char* name : {"Label1", "Label2"}) {
        EXPECT_EQ(window().viewOf(name)->parentWidget(), box) << name;
        EXPECT_TRUE(window().viewOf(name)->isVisible()) << name;
    }
    EXPECT_EQ(window().viewOf("Label1")->geometry(), QRect(16, 48, 161, 33));
    EXPECT_EQ(window().viewOf("Label2")->geometry(), QRect(16, 88, 113, 33));
    // Picture1 is in front of the pad where they meet; the size label has its tooltip.
    EXPECT_EQ(nameAt({twipsToPixels(3000), twipsToPixels(3720)}), "Picture1");
    EXPECT_EQ(nameAt(centreOf(1800 + 240, 3720 + 1320, 1695, 495)), "Label2");
    EXPECT_EQ(window().viewOf("Label2")->toolTip(), " Протяженность файла ");

    // Blue ink in the name label, red in the size label, on white.
    const QImage shot = box->grab().toImage();
    const auto inkIn = [&shot](QRect r, QRgb ink) {
        int n = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x) {
                const QColor c = shot.pixelColor(x, y);
                const QColor want(ink);
                n += qAbs(c.red() - want.red()) + qAbs(c.green() - want.green()) +
                         qAbs(c.blue() - want.blue()) <
                     120;
            }
        return n;
    };
    EXPECT_GT(inkIn(QRect(16, 48, 161, 33), qRgb(0, 0, 255)), 20);
    EXPECT_GT(inkIn(QRect(16, 88, 113, 33), qRgb(255, 0, 0)), 20);
    EXPECT_EQ(inkIn(QRect(16, 48, 161, 33), qRgb(255, 0, 0)), 0);
}

TEST_F(AfterLessonsView, ALongPathShowsItsEndAndAShortCaptionShowsWhole) {
    const QFont font = defaultScreenFont();
    const QSize nameLabel(161, 33);
    const QString path =
        "/home/child/Музыка/Мультфильмы/Про кораблик/Песенка про ветер и паруса.wav";
    const QString shown = fittedLabelCaption(path, font, nameLabel);
    EXPECT_TRUE(shown.startsWith("…")) << shown;
    EXPECT_TRUE(path.endsWith(shown.mid(1))) << shown;
    EXPECT_TRUE(shown.endsWith("паруса.wav"));
    // As much of the path as fits: one character more would not.
    EXPECT_EQ(fittedLabelCaption(shown, font, nameLabel), shown);
    const QString longer = "…" + path.right(shown.size());
    EXPECT_NE(fittedLabelCaption(longer, font, nameLabel), longer);

    EXPECT_EQ(fittedLabelCaption("/home/child/a.wav", font, nameLabel), "/home/child/a.wav");
    EXPECT_EQ(fittedLabelCaption("512 байт", font, {113, 33}), "512 байт");
    // A label of one line (the clocks and dates of other screens) is never cut.
    EXPECT_EQ(fittedLabelCaption(path, font, {161, 17}), path);
}

TEST_F(AfterLessonsView, ThePadButtonsTakeTheClickWithTheirTooltipsAndTheMarksLieOnThem) {
    sail();
    const struct {
        const char* spot;
        Bounds bounds;
        const char* mark;
        Bounds markBounds;
    } rows[] = {
        {"Image3", {2760, 720, 1455, 615}, "Image9", {3840, 1200, 195, 75}},
        {"Image4", {4200, 1320, 615, 1455}, "Image12", {4440, 2280, 195, 75}},
        {"Image5", {2760, 2760, 1455, 615}, "Image10", {3840, 3000, 195, 75}},
        {"Image6", {2160, 1320, 615, 1455}, "Image11", {2400, 2280, 195, 75}},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(nameAt(centre(row.bounds)), row.spot);
        EXPECT_EQ(window().viewOf(row.spot)->toolTip(),
                  v.t.screen(ScreenId::Form9)[row.spot].tooltip());
        v.click(ScreenId::Form9, centre(row.bounds));
        EXPECT_TRUE(window().viewOf(row.mark)->isVisible()) << row.spot;
        EXPECT_EQ(nameAt(centre(row.markBounds)), row.mark) << "in front of " << row.spot;
        EXPECT_TRUE(QRect(twipsToPixels(row.bounds.left), twipsToPixels(row.bounds.top),
                          twipsToPixels(row.bounds.width), twipsToPixels(row.bounds.height))
                        .contains(window().viewOf(row.mark)->geometry()))
            << row.mark;
    }
    // Between the buttons the pad itself takes the click, and does nothing.
    EXPECT_EQ(nameAt(centreOf(1800, 360, 3375, 3375)), "Image2");
}

TEST_F(AfterLessonsView, InTextModeTheFoldersTopStripOpensTheDialogAndTheRestIsTextbook) {
    const QPoint strip(twipsToPixels(720), twipsToPixels(60));
    EXPECT_EQ(nameAt(strip), "Image7");
    EXPECT_EQ(nameAt({twipsToPixels(720), twipsToPixels(400)}), "RichTextBox1");
    EXPECT_EQ(nameAt(centreOf(120, 3000, 1500, 1725)), "RichTextBox1");  // the microphone

    v.click(ScreenId::Form9, strip);
    EXPECT_EQ(v.t.dialogs.fileDialogStarts, QStringList{"c:\\EVY\\*.*"});
    EXPECT_TRUE(window().viewOf("RichTextBox1")->isVisible());
    EXPECT_FALSE(window().viewOf("Command2")->isEnabled());
}

TEST_F(AfterLessonsView, TheSilenceIconStandsInFrontOfTheShip) {
    EXPECT_EQ(nameAt(centreOf(7560, 5280, 480, 480)), "Image13");
    EXPECT_EQ(nameAt(centreOf(6800, 1500, 1, 1)), "Image1");
}

}  // namespace
