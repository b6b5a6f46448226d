// The drawing album and Lesson 5 as Qt shows them: real mouse presses on the paper, the pixels
// they leave, the menu, the window's place, and the printed page.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "shell/paper.h"
#include "shell/printing.h"
#include "shell/twips.h"
#include "tests/view/view_support.h"

namespace {

// No test may reach a real print server: the default printer is looked up in a server that is
// not there.
const bool kNoPrintServer = qputenv("CUPS_SERVER", "/nonexistent/cups.sock");

const QColor kViolet(170, 0, 255);
const QColor kWhite(Qt::white);

struct AlbumView : ::testing::Test {
    AlbumView() {
        v.t.start();
        v.click(ScreenId::Form1, centreOf(4920, 3240, 855, 375));   // Урок 5
        v.click(ScreenId::Form8, centreOf(8040, 720, 1155, 4005));  // the pencils
    }
    ScreenWindow& album() { return v.window(ScreenId::Form10); }
    QWidget* client() { return album().clientArea(); }
    void press(Qt::MouseButton button, QPoint pixel) {
        QWidget* target = v.hit(ScreenId::Form10, pixel);
        QTest::mousePress(target, button, Qt::NoModifier, target->mapFrom(client(), pixel));
        QTest::mouseRelease(target, button, Qt::NoModifier, target->mapFrom(client(), pixel));
        processEvents();
    }
    QImage picture() { return client()->grab().toImage(); }
    QAction* item(const char* name) { return album().findChild<QAction*>(QString::fromUtf8(name)); }

    ViewedProgram v;
};

TEST_F(AlbumView, OpensBesideLessonFiveWithItsCaptionSizeAndMenu) {
    ASSERT_TRUE(album().isVisible());
    EXPECT_EQ(album().windowTitle(), " Альбом для рисования");
    EXPECT_EQ(client()->size(), QSize(312, 206));
    EXPECT_EQ(album().pos(), v.window(ScreenId::Form8).pos() + QPoint(79, 93));

    const QList<QMenu*> menus = album().findChildren<QMenu*>();
    ASSERT_EQ(menus.size(), 1);
    EXPECT_EQ(menus[0]->title(), "Выбери");
    QStringList captions;
    for (QAction* action : menus[0]->actions()) {
        captions << action->text();
        EXPECT_TRUE(action->isEnabled());
        EXPECT_FALSE(action->isCheckable());
        EXPECT_TRUE(action->shortcut().isEmpty());
    }
    EXPECT_EQ(captions, QStringList({"Цвет карандаша", "Цвет бумаги", "Очистить лист",
                                     "Печать рисунка", "Забросить живопись"}));
}

TEST_F(AlbumView, PressesLeavePointsAndLinesInThePencilColour) {
    press(Qt::RightButton, {20, 10});
    press(Qt::LeftButton, {120, 110});
    press(Qt::MiddleButton, {200, 20});
    const QImage shot = picture();
    EXPECT_EQ(shot.pixelColor(20, 10), kViolet);
    EXPECT_EQ(shot.pixelColor(70, 60), kViolet);  // on the line between them
    EXPECT_EQ(shot.pixelColor(120, 110), kViolet);
    EXPECT_EQ(shot.pixelColor(200, 20), kWhite);  // the middle button draws nothing
    EXPECT_EQ(shot.pixelColor(5, 5), kWhite);     // nor does the right press draw from the corner
    EXPECT_EQ(shot.pixelColor(300, 200), kWhite);
}

TEST_F(AlbumView, TheDrawingSurvivesHidingAndResizingAndNewPaperShowsThePaperColour) {
    v.t.dialogs.colorAnswers.push_back(0x0000FF00);
    item("ColorPaper")->trigger();
    press(Qt::LeftButton, {300, 200});  // a line across the whole sheet from the corner
    album().hide();
    album().show();
    album().resize(album().width() + 100, album().height() + 60);
    ASSERT_TRUE(QTest::qWaitFor([&] { return client()->width() == 412; }));
    processEvents();
    const QImage grown = picture();
    EXPECT_EQ(grown.size(), QSize(412, 266));
    EXPECT_EQ(grown.pixelColor(150, 100), kViolet);
    EXPECT_EQ(grown.pixelColor(300, 200), kViolet);
    EXPECT_EQ(grown.pixelColor(400, 250), QColor(Qt::green));  // newly exposed paper
    EXPECT_EQ(v.t.screen(ScreenId::Form10)["Paper"].width(), pixelsToTwips(412));

    album().resize(album().width() - 250, album().height() - 150);  // smaller than the drawing
    ASSERT_TRUE(QTest::qWaitFor([&] { return client()->width() == 162; }));
    album().resize(album().width() + 250, album().height() + 150);
    ASSERT_TRUE(QTest::qWaitFor([&] { return client()->width() == 412; }));
    processEvents();
    EXPECT_EQ(picture().pixelColor(300, 200), kViolet);
}

TEST_F(AlbumView, ClearingTheSheetFromTheMenuLeavesThePaperColourOnly) {
    press(Qt::LeftButton, {100, 100});
    item("CLS")->trigger();
    const QImage shot = picture();
    EXPECT_EQ(shot.pixelColor(50, 50), kWhite);
    EXPECT_EQ(shot.pixelColor(100, 100), kWhite);
}

TEST_F(AlbumView, WithoutAPrinterPrintingDoesNothingAndTheAlbumGoesOn) {
    ASSERT_TRUE(kNoPrintServer);
    press(Qt::LeftButton, {100, 100});
    const QStringList before = QDir::current().entryList(QDir::Files);
    item("PrintForms")->trigger();
    EXPECT_EQ(QDir::current().entryList(QDir::Files), before);
    EXPECT_TRUE(QDir(v.t.workingDir()).entryList({"*.pdf", "*.ps"}, QDir::Files).isEmpty());
    ASSERT_TRUE(album().isVisible());
    press(Qt::LeftButton, {200, 100});
    EXPECT_EQ(picture().pixelColor(100, 100), kViolet);
    EXPECT_EQ(picture().pixelColor(150, 100), kViolet);
}

TEST_F(AlbumView, ThePrintedPageShowsTheDrawingScaledToFitAndCentred) {
    const QString pdftoppm = QStandardPaths::findExecutable("pdftoppm");
    ASSERT_FALSE(pdftoppm.isEmpty()) << "pdftoppm (poppler-utils) is needed";
    v.t.dialogs.colorAnswers.push_back(0x0000FF00);
    item("ColorPaper")->trigger();
    press(Qt::RightButton, {0, 103});
    press(Qt::LeftButton, {311, 103});  // a line across the middle of the sheet

    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("page.pdf"));
    ASSERT_TRUE(printImage(picture(), printer));
    ASSERT_EQ(QProcess::execute(pdftoppm, {"-r", "100", "-png", "-singlefile",
                                           dir.filePath("page.pdf"), dir.filePath("page")}),
              0);
    const QImage page(dir.filePath("page.png"));
    ASSERT_FALSE(page.isNull());
    EXPECT_GT(page.width(), page.height());  // a wide drawing prints on a landscape page

    // The green sheet's extent on the page.
    QRect sheet;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) {
            const QColor c = page.pixelColor(x, y);
            if (c.green() > 200 && c.red() < 60 && c.blue() < 60) sheet |= QRect(x, y, 1, 1);
        }
    ASSERT_FALSE(sheet.isEmpty());
    EXPECT_NEAR(sheet.center().x(), page.width() / 2, 3);
    EXPECT_NEAR(sheet.center().y(), page.height() / 2, 3);
    EXPECT_NEAR(double(sheet.width()) / sheet.height(), 312.0 / 206.0, 0.05);
    EXPECT_GT(sheet.width(), page.width() * 8 / 10);  // fills the page, margins aside

    // The violet line across the middle of the sheet (its edges are smoothed by the rendering).
    const int row = sheet.top() + qRound(sheet.height() * 103.5 / 206);
    QColor middle;
    for (int y = row - 4; y <= row + 4; ++y) {
        const QColor c = page.pixelColor(sheet.center().x(), y);
        if (c.blue() - c.green() > middle.blue() - middle.green()) middle = c;
    }
    EXPECT_GT(middle.blue(), 200) << middle.name().toStdString();
    EXPECT_LT(middle.green(), 60) << middle.name().toStdString();
}

TEST_F(AlbumView, TheCloseBoxUnloadsAndThePencilsBringAFreshWhiteAlbum) {
    press(Qt::LeftButton, {100, 100});
    album().close();
    processEvents();
    EXPECT_EQ(v.t.existing(ScreenId::Form10), nullptr);
    EXPECT_FALSE(v.t.screen(ScreenId::Form8)["Image3"].visible());
    v.click(ScreenId::Form8, centreOf(8040, 720, 1155, 4005));
    ASSERT_TRUE(album().isVisible());
    EXPECT_EQ(picture().pixelColor(50, 50), kWhite);
    EXPECT_EQ(picture().pixelColor(100, 100), kWhite);
}

TEST_F(AlbumView, PencilsBringAMinimisedAlbumBackWithItsDrawing) {
    press(Qt::LeftButton, {100, 100});
    album().setWindowState(Qt::WindowMinimized);
    v.click(ScreenId::Form8, centreOf(8040, 720, 1155, 4005));
    EXPECT_FALSE(album().isMinimized());
    EXPECT_EQ(picture().pixelColor(50, 50), kViolet);
}

TEST(Lesson5View, PicturesTakeTheClicksInTheirOrderWithTheirCursors) {
    ViewedProgram v;
    v.t.start();
    v.click(ScreenId::Form1, centreOf(4920, 3240, 855, 375));
    ScreenWindow& lesson = v.window(ScreenId::Form8);
    EXPECT_EQ(lesson.viewOf("Image1")->cursor().shape(), Qt::BitmapCursor);
    v.click(ScreenId::Form8, centreOf(8040, 720, 1155, 4005));
    EXPECT_TRUE(lesson.viewOf("Image2")->isVisible());
    v.t.click(ScreenId::Form10, "EndPaint");
    processEvents();
    // The cartoon lies in front of the arrows; beside it the arrows take the click.
    const QPoint onCartoon = centreOf(360, 480, 6375, 5280);
    EXPECT_EQ(v.nameOf(ScreenId::Form8, v.hit(ScreenId::Form8, onCartoon)), "Image3");
    EXPECT_EQ(v.nameOf(ScreenId::Form8, v.hit(ScreenId::Form8, {15, 10})), "Image2");
    EXPECT_EQ(lesson.viewOf("Image3")->cursor().shape(), Qt::BitmapCursor);
    v.click(ScreenId::Form8, onCartoon);
    EXPECT_FALSE(lesson.viewOf("Image2")->isVisible());
    EXPECT_TRUE(lesson.viewOf("Image3")->isVisible());
}

}  // namespace
