// The drawing album without a display: what each press draws, the colour dialogs, giving up.
#include <gtest/gtest.h>

#include <QSignalSpy>

#include "shell/paper.h"
#include "tests/support/test_program.h"

namespace {

constexpr ColorValue kViolet = 0x00FF00AA;
constexpr ColorValue kWhite = 0x00FFFFFF;
constexpr ColorValue kRed = 0x000000FF;
constexpr ColorValue kGreen = 0x0000FF00;

// The album opened as the Lesson 5 pencils open it.
struct Album : ::testing::Test {
    Album() {
        t.start();
        t.click(ScreenId::Form1, "Image9");
        t.click(ScreenId::Form8, "Image1");
    }
    Screen& album() { return t.screen(ScreenId::Form10); }
    Paper& paper() { return album()["Paper"].paper(); }
    void press(int button, int x, int y) { t.mouseDown(ScreenId::Form10, "Form10", button, x, y); }
    void menu(const char* item) { t.click(ScreenId::Form10, item); }

    // The drawing as text: "line 0,0-300,450 FF00AA", "point 300,450 FF00AA".
    QStringList drawing() {
        QStringList marks;
        for (const Paper::Mark& m : paper().marks()) {
            const QString color = QString::number(m.color, 16).toUpper();
            if (m.point)
                marks << QStringLiteral("point %1,%2 %3").arg(m.to.x()).arg(m.to.y()).arg(color);
            else
                marks << QStringLiteral("line %1,%2-%3,%4 %5")
                             .arg(m.from.x())
                             .arg(m.from.y())
                             .arg(m.to.x())
                             .arg(m.to.y())
                             .arg(color);
        }
        return marks;
    }

    TestProgram t;
};

// A press (button 1 left, 2 right, 4 middle) or, with button 0, "Очистить лист".
struct Press {
    int button;
    int x = 0, y = 0;
};

struct DrawingRow {
    const char* name;
    std::vector<Press> presses;
    QStringList drawing;
    QPoint position;
};

class AlbumDrawing : public Album, public ::testing::WithParamInterface<DrawingRow> {};

TEST_P(AlbumDrawing, DrawsPointsAndLinesFromTheDrawingPosition) {
    const DrawingRow& row = GetParam();
    for (const Press& p : row.presses) {
        if (p.button == 0)
            menu("CLS");
        else
            press(p.button, p.x, p.y);
    }
    EXPECT_EQ(drawing(), row.drawing);
    EXPECT_EQ(paper().position(), row.position);
}

INSTANTIATE_TEST_SUITE_P(
    Album, AlbumDrawing,
    ::testing::Values(DrawingRow{"FirstLeftPressDrawsFromTheCorner",
                                 {{1, 300, 450}},
                                 {"line 0,0-300,450 FF00AA", "point 300,450 FF00AA"},
                                 {300, 450}},
                      DrawingRow{"RightPressOnlySetsAPointWhereTheNextLineStarts",
                                 {{2, 150, 150}, {1, 600, 300}},
                                 {"point 150,150 FF00AA", "line 150,150-600,300 FF00AA",
                                  "point 600,300 FF00AA"},
                                 {600, 300}},
                      DrawingRow{"LeftPressesMakeAPolyline",
                                 {{1, 100, 200}, {1, 900, 200}, {1, 900, 1500}},
                                 {"line 0,0-100,200 FF00AA", "point 100,200 FF00AA",
                                  "line 100,200-900,200 FF00AA", "point 900,200 FF00AA",
                                  "line 900,200-900,1500 FF00AA", "point 900,1500 FF00AA"},
                                 {900, 1500}},
                      DrawingRow{"MiddleButtonDrawsNothingAndKeepsThePosition",
                                 {{2, 450, 450}, {4, 3000, 1500}},
                                 {"point 450,450 FF00AA"},
                                 {450, 450}},
                      DrawingRow{"BothButtonsAtOnceDrawTheLineAndThePoint",
                                 {{3, 60, 90}},
                                 {"line 0,0-60,90 FF00AA", "point 60,90 FF00AA"},
                                 {60, 90}},
                      DrawingRow{"AfterClearingTheNextLineStartsAtTheCornerAgain",
                                 {{1, 300, 300}, {2, 1200, 900}, {0}, {1, 600, 750}},
                                 {"line 0,0-600,750 FF00AA", "point 600,750 FF00AA"},
                                 {600, 750}}),
    [](const auto& info) { return std::string(info.param.name); });

// The dialog's answers in turn (nullopt: the child cancels), the menu item each one answers, and
// the colours that follow.
struct DialogRow {
    const char* name;
    std::vector<std::pair<const char*, std::optional<ColorValue>>> answers;
    ColorValue pencil;
    ColorValue paperColor;
};

class AlbumColours : public Album, public ::testing::WithParamInterface<DialogRow> {};

TEST_P(AlbumColours, CancelAppliesTheDialogsPreviousColour) {
    const DialogRow& row = GetParam();
    for (const auto& [item, answer] : row.answers) {
        t.dialogs.colorAnswers.push_back(answer);
        menu(item);
    }
    press(1, 150, 150);
    EXPECT_EQ(paper().marks().back().color, row.pencil);
    EXPECT_EQ(album()["Paper"].backColor(), row.paperColor);
}

INSTANTIATE_TEST_SUITE_P(
    Album, AlbumColours,
    ::testing::Values(
        DialogRow{"NothingChosenYet", {}, kViolet, kWhite},
        DialogRow{"PencilCancelledFirstIsBlackNotViolet", {{"Color", std::nullopt}}, 0, kWhite},
        DialogRow{"PencilChosen", {{"Color", kRed}}, kRed, kWhite},
        DialogRow{"PencilCancelledAfterAChoiceKeepsIt",
                  {{"Color", kRed}, {"Color", std::nullopt}},
                  kRed,
                  kWhite},
        DialogRow{"PaperCancelledFirstTurnsBlack", {{"ColorPaper", std::nullopt}}, kViolet, 0},
        DialogRow{"PencilCancelledTakesThePapersColour",
                  {{"ColorPaper", kGreen}, {"Color", std::nullopt}},
                  kGreen,
                  kGreen},
        DialogRow{"PaperCancelledTakesThePencilsColour",
                  {{"Color", kRed}, {"ColorPaper", std::nullopt}},
                  kRed,
                  kRed}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Album, PaperColourErasesTheDrawingButPencilColourKeepsIt) {
    press(1, 300, 300);
    t.dialogs.colorAnswers.push_back(kRed);
    menu("Color");
    EXPECT_EQ(drawing().size(), 2);

    t.dialogs.colorAnswers.push_back(kGreen);
    menu("ColorPaper");
    EXPECT_TRUE(drawing().isEmpty());
    EXPECT_EQ(album()["Paper"].backColor(), kGreen);
    // Only clearing puts the drawing position back to the corner.
    EXPECT_EQ(paper().position(), QPoint(300, 300));
    press(1, 600, 300);
    EXPECT_EQ(drawing(), QStringList({"line 300,300-600,300 FF", "point 600,300 FF"}));
}

TEST_F(Album, ClearingKeepsThePaperColour) {
    t.dialogs.colorAnswers.push_back(kGreen);
    menu("ColorPaper");
    press(1, 300, 300);
    menu("CLS");
    EXPECT_TRUE(drawing().isEmpty());
    EXPECT_EQ(album()["Paper"].backColor(), kGreen);
}

struct ClosingRow {
    const char* name;
    bool endPaint;  // or the close box
    bool mediaFolder;
    QStringList journal;
    bool cartoon;
};

class AlbumClosing : public ::testing::TestWithParam<ClosingRow> {};

TEST_P(AlbumClosing, OnlyEndPaintPlaysItsSoundAndShowsTheCartoon) {
    const ClosingRow& row = GetParam();
    TestProgram t(row.mediaFolder);
    t.start();
    t.click(ScreenId::Form1, "Image9");
    t.click(ScreenId::Form8, "Image1");
    const int from = t.mark();
    const int opened = t.media.opened;
    if (row.endPaint)
        t.click(ScreenId::Form10, "EndPaint");
    else
        t.program().unload(ScreenId::Form10);  // what the close box does
    EXPECT_EQ(t.since(from), row.journal);
    EXPECT_EQ(t.existing(ScreenId::Form10), nullptr);
    EXPECT_EQ(t.screen(ScreenId::Form8)["Image3"].visible(), row.cartoon);
    EXPECT_EQ(t.media.opened - opened, row.endPaint && row.mediaFolder ? 1 : 0);
}

const QStringList kEndPaint = {"Form8.MMControl1 Close", "Form8.MMControl1 Open 2.wav",
                               "Form8.MMControl1 Play", "unload Form10"};

INSTANTIATE_TEST_SUITE_P(
    Album, AlbumClosing,
    ::testing::Values(ClosingRow{"EndPaint", true, true, kEndPaint, true},
                      ClosingRow{"EndPaintWithoutTheSound", true, false, kEndPaint, true},
                      ClosingRow{"CloseBox", false, true, {"unload Form10"}, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Album, ReopeningAfterClosingStartsAfresh) {
    t.dialogs.colorAnswers = {kRed, kGreen};
    menu("Color");
    menu("ColorPaper");
    press(2, 900, 900);
    menu("EndPaint");

    t.click(ScreenId::Form8, "Image2");
    ASSERT_TRUE(album().visible());
    EXPECT_TRUE(drawing().isEmpty());
    EXPECT_EQ(album()["Paper"].backColor(), kWhite);
    EXPECT_EQ(paper().position(), QPoint(0, 0));
    press(1, 150, 150);
    EXPECT_EQ(paper().marks().back().color, kViolet);
    menu("Color");  // cancelled: the new album's dialog starts from black again
    press(1, 300, 150);
    EXPECT_EQ(paper().marks().back().color, 0u);
}

TEST_F(Album, PrintingAsksTheWindowSystemOnceAndKeepsTheDrawing) {
    press(1, 300, 300);
    QSignalSpy printed(&album(), &Screen::printRequested);
    menu("PrintForms");
    EXPECT_EQ(printed.count(), 1);
    EXPECT_EQ(drawing().size(), 2);
    EXPECT_TRUE(album().visible());
}

}  // namespace
