// Hostile and broken documents: every one gives a document that can be laid out, in memory
// bounded by the reader's limits. The time bound is the test's timeout (tests/rtf/CMakeLists.txt):
// each of these took minutes or exhausted memory in a reader without the limits.
#include <gtest/gtest.h>
#include <malloc.h>

#include <QAbstractTextDocumentLayout>
#include <QRandomGenerator>
#include <QTextFrame>
#include <QTextTable>
#include <functional>

#include "tests/rtf/rtf_support.h"

namespace {

constexpr size_t kMaxRetainedBytes = 256u << 20;

size_t heapInUse() {
    const struct mallinfo2 m = mallinfo2();
    return m.uordblks + m.hblkhd;
}

std::string repeat(const std::string& s, int n) {
    std::string out;
    out.reserve(s.size() * n);
    for (int i = 0; i < n; ++i) out += s;
    return out;
}

std::string randomBytes(quint32 seed, int n) {
    QRandomGenerator random(seed);
    std::string out(n, '\0');
    for (char& c : out) c = static_cast<char>(random.bounded(256));
    return out;
}

// Control words and groups in random order, the braces roughly balanced.
std::string randomTokens(quint32 seed, int n) {
    static const char* const kPieces[] = {
        "{",
        "}",
        "{",
        "}",
        "\\par ",
        "\\cell ",
        "\\row ",
        "\\intbl ",
        "\\pard ",
        "text ",
        "\\trowd ",
        "\\cellx500 ",
        "\\ls1 ",
        "\\ilvl3 ",
        "{\\*\\pn\\pnlvlbody\\pndec}",
        "\\pict ",
        "\\pngblip ",
        "\\wmetafile8 ",
        "\\picwgoal9999 ",
        "89504e47 ",
        "{\\field{\\*\\fldinst ",
        "HYPERLINK \"x\"}",
        "{\\fldrslt ",
        "\\*\\foo ",
        "\\fs2000 ",
        "\\u-3913 ?",
        "\\'e0",
        "\\bin5 ",
        "\\uc9 ",
        "{\\upr",
        "{\\*\\ud ",
        "{\\object",
        "{\\result ",
        "\\nestcell ",
        "{\\*\\nesttableprops ",
        "\\nestrow ",
        "{\\fonttbl",
        "{\\f1\\fcharset2 Symbol;}",
        "\\f1 ",
        "{\\colortbl;\\red1;}",
        "\\cf1 ",
        "{\\stylesheet{\\s1\\qc x;}}",
        "\\s1 ",
        "\\v ",
        "\\v0 ",
        "{\\*\\listtable{\\list{\\listlevel{\\leveltext\\'01\\'00;}}\\listid1}}",
        "\\tx99999 ",
        "\\sl-9999 ",
        "\\li-99999 ",
        "\\fi99999 ",
        "\\line ",
        "\\tab "};
    QRandomGenerator random(seed);
    std::string out = "{\\rtf1 ";
    for (int i = 0; i < n; ++i) out += kPieces[random.bounded(int(std::size(kPieces)))];
    return out;
}

// A PNG header that claims a picture of 30000 by 30000 pixels.
std::string pngBomb() {
    const unsigned char header[] = {0x89, 'P',  'N', 'G', '\r', '\n', 0x1a, '\n', 0,    0,    0,
                                    13,   'I',  'H', 'D', 'R',  0,    0,    0x75, 0x30, 0,    0,
                                    0x75, 0x30, 8,   2,   0,    0,    0,    0x2a, 0x3c, 0x0e, 0x1d};
    return QByteArray(reinterpret_cast<const char*>(header), sizeof header).toHex().toStdString();
}

struct HostileCase {
    const char* name;
    std::function<std::string()> make;
    std::function<void(const QTextDocument&)> check = [](const QTextDocument&) {};
};

void PrintTo(const HostileCase& c, std::ostream* os) {
    *os << c.name;
}

class RtfHostile : public ::testing::TestWithParam<HostileCase> {};

TEST_P(RtfHostile, GivesADocumentInBoundedMemory) {
    const HostileCase& c = GetParam();
    const std::string rtf = c.make();
    const size_t before = heapInUse();
    const auto doc = readRtf(QByteArrayView(rtf.data(), static_cast<qsizetype>(rtf.size())));
    ASSERT_TRUE(doc);
    // Laid out whole, as the viewer does while the child scrolls.
    doc->setTextWidth(381);
    EXPECT_GE(doc->documentLayout()->blockBoundingRect(doc->lastBlock()).bottom(), 0);
    EXPECT_LT(doc->size().height(), 8'000'000);
    const size_t after = heapInUse();
    EXPECT_LT(after > before ? after - before : 0, kMaxRetainedBytes);
    c.check(*doc);
}

int tableCells(const QTextDocument& doc) {
    int cells = 0;
    for (QTextFrame* f : doc.rootFrame()->childFrames()) {
        if (auto* t = qobject_cast<QTextTable*>(f)) cells += t->rows() * t->columns();
    }
    return cells;
}

INSTANTIATE_TEST_SUITE_P(
    Rtf, RtfHostile,
    ::testing::Values(
        HostileCase{"AMillionNestedGroups",
                    [] {
                        return "{\\rtf1 a" + std::string(1'000'000, '{') + "deep" +
                               std::string(1'000'000, '}') + "b}";
                    },
                    [](const QTextDocument& d) { EXPECT_EQ(d.toPlainText(), "ab"); }},
        HostileCase{"GroupsNeverClosed", [] { return "{\\rtf1 x" + repeat("{\\b y", 300'000); },
                    [](const QTextDocument& d) { EXPECT_TRUE(d.toPlainText().startsWith("xy")); }},
        HostileCase{"BinaryCountsPastTheEnd",
                    [] { return std::string("{\\rtf1 a{\\pict\\pngblip\\bin99999999999 xyz}}"); }},
        HostileCase{"HugeParameters",
                    [] {
                        return std::string(
                            "{\\rtf1\\fs99999999999\\li-99999999999\\fi99999999999\\sb99999999999"
                            "\\sl-99999999999\\tx99999999999\\cf99999999999\\f99999999999 big "
                            "\\trowd\\cellx99999999999\\cellx-99999999999\\pard\\intbl c\\cell\\row"
                            "{\\pict\\wmetafile8\\picw99999999999\\picscalex99999999999 00}}");
                    }},
        HostileCase{"UnicodeOutOfRange",
                    [] {
                        return std::string(
                            "{\\rtf1 a\\u-70000?\\u99999999999?\\u-99999999999?\\uc99999999\\u1055 "
                            "b\\uc-5\\u1056 c}");
                    }},
        HostileCase{"EndlessHexEscapes", [] { return "{\\rtf1 " + repeat("\\'", 1'000'000); }},
        HostileCase{"TruncatedEscapes", [] { return std::string("{\\rtf1 a\\'4"); }},
        HostileCase{"NulBytes", [] { return "{\\rtf1 " + std::string(1'000'000, '\0') + "}"; }},
        HostileCase{"RandomBytes", [] { return "{\\rtf1 " + randomBytes(1, 2'000'000); }},
        HostileCase{"RandomBytesWithoutHeader", [] { return randomBytes(2, 2'000'000); }},
        HostileCase{"RandomControlWords", [] { return randomTokens(3, 200'000); }},
        HostileCase{"MoreRandomControlWords", [] { return randomTokens(4, 200'000); }},
        HostileCase{"AHundredThousandTableRows",
                    [] {
                        return "{\\rtf1\\trowd\\cellx1000" +
                               repeat("\\pard\\intbl a\\cell\\row", 100'000) + "}";
                    },
                    [](const QTextDocument& d) { EXPECT_LE(tableCells(d), 20000); }},
        HostileCase{"RowsOfAThousandCells",
                    [] {
                        return "{\\rtf1" +
                               repeat("\\trowd\\pard\\intbl" + repeat("a\\cell", 1000) + "\\row",
                                      300) +
                               "}";
                    },
                    [](const QTextDocument& d) { EXPECT_LE(tableCells(d), 20000); }},
        HostileCase{"AHundredThousandListItems",
                    [] {
                        return "{\\rtf1{\\*\\listtable{\\list{\\listlevel\\levelnfc0{\\leveltext"
                               "\\'02\\'00.;}}\\listid1}}{\\*\\listoverridetable{\\listoverride"
                               "\\listid1\\ls1}}" +
                               repeat("\\pard\\ls1 item\\par", 100'000) + "}";
                    }},
        HostileCase{"AHundredThousandOldListItems",
                    [] {
                        return "{\\rtf1" +
                               repeat("{\\*\\pn\\pnlvlbody\\pndec{\\pntxta.}}i\\par", 100'000) +
                               "}";
                    }},
        HostileCase{"HugeTables",
                    [] {
                        return "{\\rtf1{\\fonttbl" + repeat("{\\f1\\fcharset204 A;}", 50'000) +
                               "}{\\colortbl" + repeat("\\red1;", 50'000) + "}{\\stylesheet" +
                               repeat("{\\s1\\b x;}", 50'000) + "}\\f1\\cf40000\\s1 x}";
                    }},
        HostileCase{"TablesInsideTheirOwnEntries",
                    [] {
                        return std::string(
                            "{\\rtf1{\\*\\listtable{\\list{\\listlevel{\\*\\listtable"
                            "{\\list}}\\levelnfc0{\\leveltext\\'01\\'00;}}{\\listtable}"
                            "\\listid1{\\listlevel\\levelnfc1}}}{\\*\\listoverridetable"
                            "{\\listoverride{\\listtable{\\list}}\\listid1\\ls1}}"
                            "{\\fonttbl{\\f0{\\colortbl;\\red9;}A;}}"
                            "{\\stylesheet{\\s1{\\fonttbl{\\f1 B;}}x;}}\\pard\\ls1 item\\par}");
                    },
                    [](const QTextDocument& d) { EXPECT_EQ(d.toPlainText(), "item"); }},
        HostileCase{"ManyCodePages",
                    [] {
                        std::string s = "{\\rtf1";
                        for (int i = 0; i < 20000; ++i)
                            s += "\\ansicpg" + std::to_string(i) + "\\'e0";
                        return s + "}";
                    }},
        HostileCase{"ManyHugePictures",
                    [] {
                        std::string s = "{\\rtf1";
                        for (int i = 0; i < 3000; ++i)
                            s += "{\\pict\\wmetafile8\\picwgoal30000\\pichgoal" +
                                 std::to_string(20000 + i) + " 00}";
                        return s + "}";
                    }},
        HostileCase{"PictureClaimingABillionPixels",
                    [] { return "{\\rtf1{\\pict\\pngblip " + pngBomb() + "}}"; }},
        HostileCase{"ManyLinks",
                    [] {
                        return "{\\rtf1" +
                               repeat("{\\field{\\*\\fldinst HYPERLINK \"u\"}{\\fldrslt l}}",
                                      100'000) +
                               "}";
                    }},
        HostileCase{"TallParagraphsOfHugeLetters",
                    [] {
                        std::string s = "{\\rtf1";
                        for (int i = 0; i < 100'000; ++i) {
                            s += "\\fs" + std::to_string(i % 400 + 20) + " xy_";
                            if (i % 200 == 199) s += "\\par ";
                        }
                        return s + "}";
                    }},
        HostileCase{"AMillionTabs",
                    [] { return "{\\rtf1\\tx31000 " + repeat("\\tab", 1'000'000) + "}"; }},
        HostileCase{"ScriptChangesAtEveryCharacter",
                    [] { return "{\\rtf1\\uc0 " + repeat("a\\u1073 b\\u945 ", 200'000) + "}"; },
                    [](const QTextDocument& d) {
                        // Cut into blocks that Qt lays out quickly, with nothing lost.
                        EXPECT_GT(d.blockCount(), 100);
                        EXPECT_EQ(linesOf(d).join(QString()).size(), 800'000);  // "aбbα"
                    }},
        HostileCase{"AHundredThousandPicturesInAParagraph",
                    [] {
                        return "{\\rtf1 " +
                               repeat("{\\pict\\wmetafile8\\picwgoal15\\pichgoal15 0}", 100'000) +
                               "}";
                    }},
        HostileCase{"FormatChangesAtEveryCharacter",
                    [] {
                        std::string s = "{\\rtf1";
                        for (int i = 0; i < 200'000; ++i)
                            s += "\\fs" + std::to_string(i % 400 + 1) + " x";
                        return s + "}";
                    }}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
