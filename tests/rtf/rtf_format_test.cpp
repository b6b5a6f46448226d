// How RTF character and paragraph properties become Qt formats: fonts and their open stand-ins,
// sizes, emphasis, colours, links, alignment, indents, spacing, tabs and the style sheet.
#include <gtest/gtest.h>

#include <QTextBlockFormat>
#include <functional>

#include "tests/rtf/rtf_support.h"

namespace {

const char kTables[] =
    "{\\fonttbl{\\f0\\froman\\fcharset204 Times New Roman;}{\\f1\\fswiss\\fcharset204 Arial;}"
    "{\\f2\\fnil\\fcharset204 MS Sans Serif;}{\\f3\\fmodern Courier New;}{\\f4\\froman Bookman "
    "Old Style;}{\\f5\\froman\\fcharset204 Obscura Nova;}{\\f6\\fswiss\\fcharset204 Arial "
    "CYR;}{\\f7\\fmodern Kursiv X;}}"
    "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green128\\blue0;\\red0\\green0\\blue255;}"
    "{\\stylesheet{\\s0\\fs24 Normal;}{\\s2\\qc\\sb240\\b\\fs32\\cf3 heading 2;}}";

std::string doc(const std::string& body) {
    return std::string("{\\rtf1\\ansi\\deff0") + kTables + body + "}";
}

// ---- character formats

struct RunCase {
    const char* name;
    std::string body;  // after the tables
    const char* word;  // the run looked at
    std::function<void(const QTextCharFormat&)> check;
};

void PrintTo(const RunCase& c, std::ostream* os) {
    *os << c.name;
}

class RtfRun : public ::testing::TestWithParam<RunCase> {};

TEST_P(RtfRun, HasTheFormatOfItsProperties) {
    const RunCase& c = GetParam();
    const std::string rtf = doc(c.body);
    const auto d = readRtf(QByteArrayView(rtf.data(), static_cast<qsizetype>(rtf.size())));
    const QTextCharFormat f = formatOf(*d, QString::fromUtf8(c.word));
    ASSERT_TRUE(f.isValid()) << "no run holds " << c.word;
    c.check(f);
}

auto families(QStringList expected) {
    return [expected](const QTextCharFormat& f) {
        EXPECT_EQ(f.fontFamilies().toStringList(), expected);
    };
}
auto underline(QTextCharFormat::UnderlineStyle style) {
    return [style](const QTextCharFormat& f) { EXPECT_EQ(f.underlineStyle(), style); };
}
auto pointSize(double points) {
    return [points](const QTextCharFormat& f) { EXPECT_DOUBLE_EQ(f.fontPointSize(), points); };
}

INSTANTIATE_TEST_SUITE_P(
    Rtf, RtfRun,
    ::testing::Values(
        RunCase{"NamedFontThenItsOpenStandIns", "\\f0 x", "x",
                families({"Times New Roman", "Liberation Serif", "DejaVu Serif"})},
        RunCase{"WarningTextFont", "\\f2 x", "x",
                families({"MS Sans Serif", "Liberation Sans", "DejaVu Sans"})},
        RunCase{"MonospaceFont", "\\f3 x", "x",
                families({"Courier New", "Liberation Mono", "DejaVu Sans Mono"})},
        RunCase{"BookmanHasACyrillicStandIn", "\\f4 x", "x",
                families({"Bookman Old Style", "URW Bookman", "TeX Gyre Bonum", "DejaVu Serif"})},
        RunCase{"UnknownFontByItsFamilyKind", "\\f5 x", "x",
                families({"Obscura Nova", "Liberation Serif", "DejaVu Serif"})},
        RunCase{"UnknownMonospaceFontByItsFamilyKind", "\\f7 y", "y",
                families({"Kursiv X", "Liberation Mono", "DejaVu Sans Mono"})},
        RunCase{"CodePageSuffixOfOldFontNames", "\\f6 x", "x",
                families({"Arial CYR", "Liberation Sans", "DejaVu Sans"})},
        RunCase{"DefaultFontIsTheDeffFont", "x", "x",
                families({"Times New Roman", "Liberation Serif", "DejaVu Serif"})},
        RunCase{"SizeInHalfPoints", "\\fs17 x", "x", pointSize(8.5)},
        RunCase{"DefaultSizeIsTwelvePoints", "x", "x", pointSize(12)},
        RunCase{"HugeSizeIsClamped", "\\fs99999999999 x", "x", pointSize(1638)},
        RunCase{"BoldAndItalic", "\\b\\i x\\b0\\i0 y", "x",
                [](const QTextCharFormat& f) {
                    EXPECT_EQ(f.fontWeight(), QFont::Bold);
                    EXPECT_TRUE(f.fontItalic());
                }},
        RunCase{"ZeroParameterEndsEmphasis", "\\b\\i x\\b0\\i0 y", "y",
                [](const QTextCharFormat& f) {
                    EXPECT_NE(f.fontWeight(), QFont::Bold);
                    EXPECT_FALSE(f.fontItalic());
                }},
        RunCase{"GroupEndRestoresTheFormat", "{\\b\\fs40 x}y", "y",
                [](const QTextCharFormat& f) {
                    EXPECT_NE(f.fontWeight(), QFont::Bold);
                    EXPECT_DOUBLE_EQ(f.fontPointSize(), 12);
                }},
        RunCase{"PlainResetsTheCharacterFormat", "\\b\\i\\ul\\fs40\\cf1\\f3 x\\plain y", "y",
                [](const QTextCharFormat& f) {
                    EXPECT_NE(f.fontWeight(), QFont::Bold);
                    EXPECT_FALSE(f.fontItalic());
                    EXPECT_EQ(f.underlineStyle(), QTextCharFormat::NoUnderline);
                    EXPECT_DOUBLE_EQ(f.fontPointSize(), 12);
                    EXPECT_FALSE(f.hasProperty(QTextFormat::ForegroundBrush));
                    EXPECT_EQ(f.fontFamilies().toStringList().value(0), "Times New Roman");
                }},
        RunCase{"Underline", "\\ul x", "x", underline(QTextCharFormat::SingleUnderline)},
        RunCase{"DoubleUnderlineShowsSingle", "\\uldb x", "x",
                underline(QTextCharFormat::SingleUnderline)},
        RunCase{"DottedUnderline", "\\uld x", "x", underline(QTextCharFormat::DotLine)},
        RunCase{"DashedUnderline", "\\uldash x", "x", underline(QTextCharFormat::DashUnderline)},
        RunCase{"WavyUnderline", "\\ulwave x", "x", underline(QTextCharFormat::WaveUnderline)},
        RunCase{"UnderlineEnds", "\\ul x\\ulnone y", "y", underline(QTextCharFormat::NoUnderline)},
        RunCase{"Strike", "\\strike x", "x",
                [](const QTextCharFormat& f) { EXPECT_TRUE(f.fontStrikeOut()); }},
        RunCase{"Subscript", "H\\sub 2\\nosupersub O", "2",
                [](const QTextCharFormat& f) {
                    EXPECT_EQ(f.verticalAlignment(), QTextCharFormat::AlignSubScript);
                }},
        RunCase{"Superscript", "x\\super 2", "2",
                [](const QTextCharFormat& f) {
                    EXPECT_EQ(f.verticalAlignment(), QTextCharFormat::AlignSuperScript);
                }},
        RunCase{"RaisedText", "x{\\up6 r}", "r",
                [](const QTextCharFormat& f) { EXPECT_GT(f.baselineOffset(), 0); }},
        RunCase{"Capitals", "\\caps x", "x",
                [](const QTextCharFormat& f) {
                    EXPECT_EQ(f.fontCapitalization(), QFont::AllUppercase);
                }},
        RunCase{"SmallCapitals", "\\scaps x", "x",
                [](const QTextCharFormat& f) {
                    EXPECT_EQ(f.fontCapitalization(), QFont::SmallCaps);
                }},
        RunCase{"ColoursFromTheColourTable", "\\cf1\\highlight2 x", "x",
                [](const QTextCharFormat& f) {
                    EXPECT_EQ(f.foreground().color(), QColor(255, 0, 0));
                    EXPECT_EQ(f.background().color(), QColor(0, 128, 0));
                }},
        RunCase{"CharacterBackground", "\\cb3 x", "x",
                [](const QTextCharFormat& f) {
                    EXPECT_EQ(f.background().color(), QColor(0, 0, 255));
                }},
        RunCase{"AutomaticAndMissingColours", "\\cf0 x\\cf99 y", "y",
                [](const QTextCharFormat& f) {
                    EXPECT_FALSE(f.hasProperty(QTextFormat::ForegroundBrush));
                }},
        RunCase{"StyleGivesCharacterProperties", "\\pard\\s2 t", "t",
                [](const QTextCharFormat& f) {
                    EXPECT_EQ(f.fontWeight(), QFont::Bold);
                    EXPECT_DOUBLE_EQ(f.fontPointSize(), 16);
                    EXPECT_EQ(f.foreground().color(), QColor(0, 0, 255));
                }},
        RunCase{"HyperlinkLooksLikeALink",
                "{\\field{\\*\\fldinst {HYPERLINK \"http://example.org/a b\"}}{\\fldrslt "
                "{site}}}",
                "site",
                [](const QTextCharFormat& f) {
                    EXPECT_TRUE(f.isAnchor());
                    EXPECT_EQ(f.anchorHref(), "http://example.org/a b");
                    EXPECT_EQ(f.foreground().color(), QColor(0, 0, 255));
                    EXPECT_EQ(f.underlineStyle(), QTextCharFormat::SingleUnderline);
                }},
        RunCase{"HyperlinkToABookmark",
                "{\\field{\\*\\fldinst HYPERLINK \\\\l \"part2\" \\\\o \"tip\"}{\\fldrslt next}}",
                "next",
                [](const QTextCharFormat& f) {
                    EXPECT_TRUE(f.isAnchor());
                    EXPECT_EQ(f.anchorHref(), "#part2");
                }},
        RunCase{"OtherFieldsAreNoLinks", "{\\field{\\*\\fldinst PAGE}{\\fldrslt 7}}", "7",
                [](const QTextCharFormat& f) { EXPECT_FALSE(f.isAnchor()); }},
        RunCase{"TextAfterALinkIsNoLink",
                "{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt a}} b", "b",
                [](const QTextCharFormat& f) { EXPECT_FALSE(f.isAnchor()); }}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- paragraph formats

struct ParagraphCase {
    const char* name;
    std::string body;
    const char* text;  // a text of the paragraph looked at
    std::function<void(const QTextBlockFormat&)> check;
};

void PrintTo(const ParagraphCase& c, std::ostream* os) {
    *os << c.name;
}

class RtfParagraph : public ::testing::TestWithParam<ParagraphCase> {};

TEST_P(RtfParagraph, HasTheFormatOfItsProperties) {
    const ParagraphCase& c = GetParam();
    const std::string rtf = doc(c.body);
    const auto d = readRtf(QByteArrayView(rtf.data(), static_cast<qsizetype>(rtf.size())));
    const QTextBlock b = blockOf(*d, QString::fromUtf8(c.text));
    ASSERT_TRUE(b.isValid()) << "no paragraph holds " << c.text;
    c.check(b.blockFormat());
}

auto aligned(Qt::Alignment a) {
    return
        [a](const QTextBlockFormat& f) { EXPECT_EQ(f.alignment() & Qt::AlignHorizontal_Mask, a); };
}

INSTANTIATE_TEST_SUITE_P(
    Rtf, RtfParagraph,
    ::testing::Values(
        ParagraphCase{"Centred", "\\qc x\\par", "x", aligned(Qt::AlignHCenter)},
        ParagraphCase{"Right", "\\qr x\\par", "x", aligned(Qt::AlignRight)},
        ParagraphCase{"Justified", "\\qj x\\par", "x", aligned(Qt::AlignJustify)},
        ParagraphCase{"PropertiesAtTheEndOfTheParagraphCount", "x\\qc\\par", "x",
                      aligned(Qt::AlignHCenter)},
        ParagraphCase{"PardResetsParagraphProperties", "\\qc\\li720 a\\par\\pard b\\par", "b",
                      [](const QTextBlockFormat& f) {
                          EXPECT_EQ(f.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
                          EXPECT_EQ(f.leftMargin(), 0);
                      }},
        ParagraphCase{"LastParagraphWithoutParKeepsItsProperties", "\\qr x", "x",
                      aligned(Qt::AlignRight)},
        ParagraphCase{"IndentsInPixels", "\\li720\\ri360\\fi-360 x\\par", "x",
                      [](const QTextBlockFormat& f) {
                          EXPECT_EQ(f.leftMargin(), 48);
                          EXPECT_EQ(f.rightMargin(), 24);
                          EXPECT_EQ(f.textIndent(), -24);
                      }},
        ParagraphCase{"FirstLineNeverLeftOfThePage", "\\li150\\fi-720 x\\par", "x",
                      [](const QTextBlockFormat& f) { EXPECT_EQ(f.textIndent(), -10); }},
        ParagraphCase{"SpaceBeforeAndAfter", "\\sb240\\sa120 x\\par", "x",
                      [](const QTextBlockFormat& f) {
                          EXPECT_EQ(f.topMargin(), 16);
                          EXPECT_EQ(f.bottomMargin(), 8);
                      }},
        ParagraphCase{"LineSpacingMultiple", "\\sl360\\slmult1 x\\par", "x",
                      [](const QTextBlockFormat& f) {
                          EXPECT_EQ(f.lineHeightType(), QTextBlockFormat::ProportionalHeight);
                          EXPECT_EQ(f.lineHeight(), 150);
                      }},
        ParagraphCase{"LineSpacingAtLeast", "\\sl300\\slmult0 x\\par", "x",
                      [](const QTextBlockFormat& f) {
                          EXPECT_EQ(f.lineHeightType(), QTextBlockFormat::MinimumHeight);
                          EXPECT_EQ(f.lineHeight(), 20);
                      }},
        ParagraphCase{"LineSpacingExactly", "\\sl-300 x\\par", "x",
                      [](const QTextBlockFormat& f) {
                          EXPECT_EQ(f.lineHeightType(), QTextBlockFormat::FixedHeight);
                          EXPECT_EQ(f.lineHeight(), 20);
                      }},
        ParagraphCase{"TabStopsFromThePageMargin", "\\li720\\tx1440\\tqr\\tx2160 a\\tab b\\par",
                      "a",
                      [](const QTextBlockFormat& f) {
                          const QList<QTextOption::Tab> tabs = f.tabPositions();
                          ASSERT_EQ(tabs.size(), 2);
                          EXPECT_EQ(tabs[0].position, 48);
                          EXPECT_EQ(tabs[0].type, QTextOption::LeftTab);
                          EXPECT_EQ(tabs[1].position, 96);
                          EXPECT_EQ(tabs[1].type, QTextOption::RightTab);
                      }},
        ParagraphCase{"ParagraphBackground", "\\cbpat2 x\\par", "x",
                      [](const QTextBlockFormat& f) {
                          EXPECT_EQ(f.background().color(), QColor(0, 128, 0));
                      }},
        ParagraphCase{"StyleGivesParagraphProperties", "\\pard\\s2 t\\par", "t",
                      [](const QTextBlockFormat& f) {
                          EXPECT_EQ(f.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
                          EXPECT_EQ(f.topMargin(), 16);
                      }},
        ParagraphCase{"PropertiesAfterTheStyleWin", "\\pard\\s2\\qr t\\par", "t",
                      aligned(Qt::AlignRight)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RtfParagraph, EmptyParagraphHasTheHeightOfItsFont) {
    const auto d = readRtf("{\\rtf1 a\\par\\fs48\\par b}");
    const QTextBlock empty = d->begin().next();
    ASSERT_TRUE(empty.text().isEmpty());
    EXPECT_DOUBLE_EQ(empty.charFormat().fontPointSize(), 24);
}

TEST(RtfParagraph, DefaultTabStopsFollowDeftab) {
    const auto d = readRtf("{\\rtf1\\deftab360 a\\tab b}");
    EXPECT_EQ(d->defaultTextOption().tabStopDistance(), 24);
}

}  // namespace
