// Tables, lists and pictures as the reader builds them.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QTextFrame>
#include <QTextList>
#include <QTextTable>
#include <QUrl>

#include "tests/rtf/rtf_support.h"

namespace {

std::unique_ptr<QTextDocument> read(const std::string& rtf) {
    return readRtf(QByteArrayView(rtf.data(), static_cast<qsizetype>(rtf.size())));
}

// The tables of a document, in order.
std::vector<QTextTable*> tablesOf(const QTextDocument& doc) {
    std::vector<QTextTable*> tables;
    for (QTextFrame* f : doc.rootFrame()->childFrames()) {
        if (auto* t = qobject_cast<QTextTable*>(f)) tables.push_back(t);
    }
    return tables;
}

QString cellText(QTextTable* t, int row, int column) {
    QTextCursor c = t->cellAt(row, column).firstCursorPosition();
    c.setPosition(t->cellAt(row, column).lastCursorPosition().position(), QTextCursor::KeepAnchor);
    return c.selectedText();
}

// ---- tables

const char kRow[] =
    "\\trowd\\trgaph108\\trleft-108\\trbrdrt\\brdrs\\clcbpat1\\cellx1440\\cellx4320";

TEST(RtfTable, RowsAndCellsBecomeAQTextTable) {
    const auto d = read(std::string("{\\rtf1{\\colortbl;\\red0\\green128\\blue0;}before\\par") +
                        kRow + "\\pard\\intbl a\\cell b\\cell\\row" + kRow +
                        "\\pard\\intbl c\\cell d\\par e\\cell\\row\\pard after\\par}");
    const auto tables = tablesOf(*d);
    ASSERT_EQ(tables.size(), 1u);
    QTextTable* t = tables[0];
    EXPECT_EQ(t->rows(), 2);
    EXPECT_EQ(t->columns(), 2);
    EXPECT_EQ(cellText(t, 0, 0), "a");
    EXPECT_EQ(cellText(t, 0, 1), "b");
    EXPECT_EQ(cellText(t, 1, 1), QString("d") + QChar::ParagraphSeparator + "e");
    EXPECT_EQ(linesOf(*d), QStringList({"before", "a", "b", "c", "d", "e", "after"}));
    const QTextTableFormat f = t->format();
    EXPECT_EQ(f.border(), 1);
    ASSERT_EQ(f.columnWidthConstraints().size(), 2);
    EXPECT_EQ(f.columnWidthConstraints()[0], QTextLength(QTextLength::FixedLength, 103.2));
    EXPECT_EQ(f.columnWidthConstraints()[1], QTextLength(QTextLength::FixedLength, 192));
    EXPECT_EQ(t->cellAt(1, 0).format().background().color(), QColor(0, 128, 0));
    EXPECT_FALSE(t->cellAt(1, 1).format().hasProperty(QTextFormat::BackgroundBrush));
}

TEST(RtfTable, AtTheStartOfTheDocumentAndWithoutBorders) {
    const auto d = read("{\\rtf1\\trowd\\cellx2000\\pard\\intbl x\\cell\\row}");
    const auto tables = tablesOf(*d);
    ASSERT_EQ(tables.size(), 1u);
    EXPECT_EQ(tables[0]->format().border(), 0);
    EXPECT_EQ(linesOf(*d), QStringList({"", "x", ""}));
}

TEST(RtfTable, PageWideTableFillsTheViewer) {
    const auto d = read("{\\rtf1\\trowd\\cellx3000\\cellx9000\\pard\\intbl a\\cell b\\cell\\row}");
    const QTextTableFormat f = tablesOf(*d).at(0)->format();
    EXPECT_EQ(f.width(), QTextLength(QTextLength::PercentageLength, 100));
    EXPECT_EQ(f.columnWidthConstraints()[1], QTextLength(QTextLength::PercentageLength, 200.0 / 3));
}

TEST(RtfTable, MoreCellsThanDefinedAddColumns) {
    const auto d = read("{\\rtf1\\trowd\\cellx1000\\pard\\intbl a\\cell b\\cell c\\cell\\row}");
    QTextTable* t = tablesOf(*d).at(0);
    EXPECT_EQ(t->columns(), 3);
    EXPECT_EQ(cellText(t, 0, 2), "c");
}

TEST(RtfTable, ParagraphsWithoutIntblEndTheTable) {
    const auto d = read(std::string("{\\rtf1") + kRow + "\\pard\\intbl a\\cell b\\cell\\row" +
                        "\\pard between\\par" + kRow + "\\pard\\intbl c\\cell d\\cell\\row}");
    const auto tables = tablesOf(*d);
    ASSERT_EQ(tables.size(), 2u);
    EXPECT_EQ(tables[0]->rows(), 1);
    EXPECT_EQ(tables[1]->rows(), 1);
    EXPECT_TRUE(linesOf(*d).contains("between"));
}

TEST(RtfTable, NestedTableRowsAreLinesOfTheOuterCell) {
    const auto d = read(
        "{\\rtf1\\trowd\\cellx4000\\pard\\intbl\\itap2 a\\nestcell b\\nestcell{\\*\\nesttableprops"
        "\\trowd\\cellx1000\\cellx2000\\nestrow}{\\nonesttables\\par}c\\nestcell d\\nestcell"
        "{\\*\\nesttableprops\\trowd\\cellx1000\\cellx2000\\nestrow}\\pard\\intbl\\itap1 e\\cell"
        "\\row}");
    QTextTable* t = tablesOf(*d).at(0);
    EXPECT_EQ(t->rows(), 1);
    EXPECT_EQ(cellText(t, 0, 0), QString("a\tb\t") + QChar::ParagraphSeparator + "c\td\t" +
                                     QChar::ParagraphSeparator + "e");
}

// ---- lists

const char kListTables[] =
    "{\\*\\listtable{\\list\\listtemplateid1{\\listlevel\\levelnfc23{\\leveltext\\'01\\u-3913 ?;}"
    "{\\levelnumbers;}\\f3\\fi-360\\li720}{\\listlevel\\levelnfc23{\\leveltext\\'01o;}"
    "{\\levelnumbers;}\\fi-360\\li1440}\\listid10}{\\list{\\listlevel\\levelnfc0{\\leveltext"
    "\\'03(\\'00);}{\\levelnumbers\\'02;}}{\\listlevel\\levelnfc4{\\leveltext\\'02\\'01.;}}"
    "\\listid20}}{\\*\\listoverridetable{\\listoverride\\listid10\\listoverridecount0\\ls1}"
    "{\\listoverride\\listid20\\listoverridecount0\\ls2}}";

TEST(RtfList, ListTableGivesBulletsAndNumbers) {
    const auto d = read(std::string("{\\rtf1") + kListTables +
                        "{\\listtext \\'b7\\tab}\\pard\\fi-360\\li720\\ls1 one\\par"
                        "{\\listtext o\\tab}\\pard\\fi-360\\li1440\\ls1\\ilvl1 sub\\par"
                        "{\\listtext \\'b7\\tab}\\pard\\fi-360\\li720\\ls1 two\\par"
                        "\\pard plain\\par"
                        "{\\listtext (1)\\tab}\\pard\\ls2 first\\par"
                        "{\\listtext (2)\\tab}\\pard\\ls2 second\\par"
                        "{\\listtext a.\\tab}\\pard\\ls2\\ilvl1 letter\\par}");
    QTextList* bullets = blockOf(*d, "one").textList();
    ASSERT_TRUE(bullets);
    EXPECT_EQ(bullets->format().style(), QTextListFormat::ListDisc);
    EXPECT_EQ(blockOf(*d, "two").textList(), bullets);
    EXPECT_EQ(bullets->count(), 2);
    QTextList* sub = blockOf(*d, "sub").textList();
    ASSERT_TRUE(sub);
    EXPECT_EQ(sub->format().style(), QTextListFormat::ListCircle);
    EXPECT_FALSE(blockOf(*d, "plain").textList());

    QTextList* numbers = blockOf(*d, "first").textList();
    ASSERT_TRUE(numbers);
    EXPECT_EQ(numbers->format().style(), QTextListFormat::ListDecimal);
    EXPECT_EQ(numbers->format().numberPrefix(), "(");
    EXPECT_EQ(numbers->format().numberSuffix(), ")");
    EXPECT_EQ(numbers->itemText(blockOf(*d, "second")), "(2)");
    EXPECT_EQ(blockOf(*d, "letter").textList()->format().style(), QTextListFormat::ListLowerAlpha);
    // The list text for other readers is not shown, and the mark hangs where it was.
    EXPECT_EQ(blockOf(*d, "one").text(), "one");
    EXPECT_EQ(blockOf(*d, "one").blockFormat().leftMargin(), 48);
    EXPECT_EQ(blockOf(*d, "one").blockFormat().textIndent(), 0);
}

TEST(RtfList, OldFormListsWithPn) {
    const auto d = read(
        "{\\rtf1{\\fonttbl{\\f1\\fcharset2 Symbol;}}"
        "{\\pntext\\f1\\'b7\\tab}{\\*\\pn\\pnlvlblt\\pnf1\\pnindent0{\\pntxtb\\'b7}}\\fi-"
        "720\\li720 "
        "dot\\par{\\pntext\\f1\\'b7\\tab}dot2\\par\\pard"
        "{\\pntext 1.\\tab}{\\*\\pn\\pnlvlbody\\pndec{\\pntxta .}}\\fi-720\\li720 n1\\par"
        "{\\*\\pn\\pnlvlcont}more\\par{\\pntext 2.\\tab}{\\*\\pn\\pnlvlbody\\pndec{\\pntxta .}}n2"
        "\\par\\pard{\\pntext a)\\tab}{\\*\\pn\\pnlvlbody\\pnlcltr{\\pntxta )}}x\\par}");
    QTextList* dots = blockOf(*d, "dot").textList();
    ASSERT_TRUE(dots);
    EXPECT_EQ(dots->format().style(), QTextListFormat::ListDisc);
    EXPECT_EQ(blockOf(*d, "dot2").textList(), dots);
    QTextList* numbers = blockOf(*d, "n1").textList();
    ASSERT_TRUE(numbers);
    EXPECT_NE(numbers, dots);
    EXPECT_FALSE(blockOf(*d, "more").textList());
    EXPECT_EQ(blockOf(*d, "n2").textList(), numbers);
    EXPECT_EQ(numbers->itemText(blockOf(*d, "n2")), "2.");
    EXPECT_EQ(blockOf(*d, "x").textList()->format().style(), QTextListFormat::ListLowerAlpha);
    EXPECT_EQ(linesOf(*d), QStringList({"dot", "dot2", "n1", "more", "n2", "x"}));
}

TEST(RtfList, MarksHaveTheLookTheirListGivesThem) {
    const auto d = read(
        "{\\rtf1{\\fonttbl{\\f0 Times New Roman;}{\\f1 "
        "Arial;}}{\\colortbl;\\red230\\green110\\blue0;}"
        "{\\*\\listtable{\\list{\\listlevel\\levelnfc0{\\leveltext\\'02\\'00.;}\\b\\f1\\cf1}"
        "\\listid1}}"
        "{\\*\\listoverridetable{\\listoverride\\listid1\\ls1}}"
        "\\pard\\ls1\\f0\\i "
        "new\\par\\pard{\\*\\pn\\pnlvlbody\\pndec\\pnb\\pnf1\\pnfs28\\pncf1{\\pntxta .}}"
        "\\f0\\fs20\\i old\\par}");
    for (const char* text : {"new", "old"}) {
        const QTextCharFormat mark = blockOf(*d, text).charFormat();
        EXPECT_EQ(mark.fontWeight(), QFont::Bold) << text;
        EXPECT_EQ(mark.fontFamilies().toStringList().value(0), "Arial") << text;
        EXPECT_EQ(mark.foreground().color(), QColor(230, 110, 0)) << text;
        EXPECT_TRUE(formatOf(*d, text).fontItalic()) << text;
    }
    // The numbers of \ls lists also follow the paragraph mark, those of \pn lists only their own.
    EXPECT_TRUE(blockOf(*d, "new").charFormat().fontItalic());
    EXPECT_FALSE(blockOf(*d, "old").charFormat().fontItalic());
    EXPECT_DOUBLE_EQ(blockOf(*d, "old").charFormat().fontPointSize(), 14);
}

// ---- pictures

std::string hexOf(const QByteArray& bytes) {
    return bytes.toHex().toStdString();
}

QByteArray encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QImage redImage(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(QColor(200, 30, 30));
    return image;
}

// A default image format is valid: an empty name says there is no picture.
struct Picture {
    QTextImageFormat format;
    QImage image;
};

Picture onlyPicture(const QTextDocument& doc) {
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextImageFormat f = it.fragment().charFormat().toImageFormat();
            if (!f.isValid()) continue;
            return {f, doc.resource(QTextDocument::ImageResource, QUrl(f.name())).value<QImage>()};
        }
    }
    return {};
}

struct PictureCase {
    const char* name;
    std::string pict;  // the \pict group
    QSize shown;
    QColor centre;  // in the middle of the picture: transparent for an empty frame, or unchecked
};

void PrintTo(const PictureCase& c, std::ostream* os) {
    *os << c.name;
}

class RtfPicture : public ::testing::TestWithParam<PictureCase> {};

TEST_P(RtfPicture, ShowsAtItsSize) {
    const PictureCase& c = GetParam();
    const auto d = read("{\\rtf1 a" + c.pict + "b}");
    const Picture p = onlyPicture(*d);
    ASSERT_FALSE(p.format.name().isEmpty());
    EXPECT_EQ(QSize(qRound(p.format.width()), qRound(p.format.height())), c.shown);
    ASSERT_FALSE(p.image.isNull());
    if (c.centre.isValid()) {
        EXPECT_EQ(p.image.pixelColor(p.image.width() / 2, p.image.height() / 2), c.centre);
    }
    EXPECT_EQ(linesOf(*d).join(u'\n'), QString("a") + QChar::ObjectReplacementCharacter + "b");
}

const QColor kRed(200, 30, 30);
const QColor kNone(0, 0, 0, 0);

INSTANTIATE_TEST_SUITE_P(
    Rtf, RtfPicture,
    ::testing::Values(
        PictureCase{"PngAtItsGoalSize",
                    "{\\pict\\pngblip\\picw40\\pich20\\picwgoal1200\\pichgoal600 " +
                        hexOf(encoded(redImage(40, 20), "PNG")) + "}",
                    {80, 40},
                    kRed},
        PictureCase{"PngScaled",
                    "{\\pict\\pngblip\\picscalex50\\picscaley25\\picwgoal1200\\pichgoal600 " +
                        hexOf(encoded(redImage(40, 20), "PNG")) + "}",
                    {40, 10},
                    kRed},
        PictureCase{"PngAtItsOwnSize",
                    "{\\pict\\pngblip " + hexOf(encoded(redImage(30, 12), "PNG")) + "}",
                    {30, 12},
                    kRed},
        PictureCase{"JpegInBinaryForm",
                    "{\\pict\\jpegblip\\bin" +
                        std::to_string(encoded(redImage(16, 16), "JPEG").size()) + " " +
                        encoded(redImage(16, 16), "JPEG").toStdString() + "}",
                    {16, 16},
                    QColor()},
        PictureCase{"DeviceIndependentBitmap",
                    "{\\pict\\dibitmap0\\picw8\\pich6 " +
                        hexOf(encoded(redImage(8, 6), "BMP").mid(14)) + "}",
                    {8, 6},
                    kRed},
        PictureCase{"MetafileIsAnEmptyFrameOfItsGoalSize",
                    "{\\pict\\wmetafile8\\picw2540\\pich1270\\picwgoal1440\\pichgoal720 "
                    "0100090000037a}",
                    {96, 48},
                    kNone},
        PictureCase{"MetafileWithoutGoalSizeInHundredthsOfAMillimetre",
                    "{\\pict\\emfblip\\picw2540\\pich1270 0100}",
                    {96, 48},
                    kNone},
        PictureCase{"BrokenPngIsAnEmptyFrame",
                    "{\\pict\\pngblip\\picwgoal300\\pichgoal300 89504e470d0a1a0a0000}",
                    {20, 20},
                    kNone},
        PictureCase{"HugeSizesAreBounded",
                    "{\\pict\\wmetafile8\\picwgoal999999999\\pichgoal99999999\\picscalex1000 00}",
                    {2000, 2000},
                    kNone},
        PictureCase{"PictureWithoutAnySize", "{\\pict\\wmetafile8 00}", {48, 48}, kNone}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RtfPicture, JpegKeepsItsColours) {
    const QByteArray jpeg = encoded(redImage(16, 16), "JPEG");
    const auto d = read("{\\rtf1{\\pict\\jpegblip " + hexOf(jpeg) + "}}");
    const QColor c = onlyPicture(*d).image.pixelColor(8, 8);
    EXPECT_NEAR(c.red(), 200, 8);
    EXPECT_NEAR(c.green(), 30, 8);
}

TEST(RtfPicture, PictureOfAHiddenOrSkippedGroupIsNotShown) {
    const std::string png = hexOf(encoded(redImage(4, 4), "PNG"));
    const auto d =
        read("{\\rtf1{\\v{\\pict\\pngblip " + png + "}}{\\*\\listpicture{\\pict\\pngblip " + png +
             "}}{\\nonshppict{\\pict\\wmetafile8 00}}x}");
    EXPECT_TRUE(onlyPicture(*d).format.name().isEmpty());
    EXPECT_EQ(d->toPlainText(), "x");
}

}  // namespace
