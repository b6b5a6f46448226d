// What text an RTF document shows: code pages, Unicode escapes, symbols, skipped destinations and
// input that is damaged or not RTF at all.
#include <gtest/gtest.h>

#include <QStringEncoder>

#include "tests/rtf/rtf_support.h"

namespace {

// Hex escapes of `text` in a code page, the way word processors write letters outside ASCII.
std::string hex(const char* utf8, const char* codePage = "windows-1251") {
    QStringEncoder encode(codePage);
    const QByteArray bytes = encode(QString::fromUtf8(utf8));
    std::string out;
    for (const char b : bytes) {
        char buf[5];
        std::snprintf(buf, sizeof buf, "\\'%02x", static_cast<unsigned char>(b));
        out += buf;
    }
    return out;
}

// The same text as bytes in code page 1251, written into the document as they are.
std::string raw(const char* utf8) {
    const QByteArray bytes = QStringEncoder("windows-1251").encode(QString::fromUtf8(utf8));
    return bytes.toStdString();
}

struct TextCase {
    const char* name;
    std::string rtf;
    QString text;
};

void PrintTo(const TextCase& c, std::ostream* os) {
    *os << c.name;
}

class RtfText : public ::testing::TestWithParam<TextCase> {};

TEST_P(RtfText, ShowsTheTextOfTheDocument) {
    const TextCase& c = GetParam();
    const auto doc = readRtf(QByteArrayView(c.rtf.data(), static_cast<qsizetype>(c.rtf.size())));
    EXPECT_EQ(linesOf(*doc).join(u'\n'), c.text);
}

const std::string kFonts =
    "{\\fonttbl{\\f0\\fswiss\\fcharset204 Arial;}{\\f1\\fcharset0 Arial;}{\\f2\\fcharset238 "
    "Arial;}{\\f3\\fcharset161 Arial;}{\\f4\\fcharset162 Arial;}{\\f5\\fcharset186 Arial;}"
    "{\\f6\\fnil Arial;}{\\f7\\fcharset0\\cpg1251 Arial;}{\\f8\\fcharset128 MS Mincho;}"
    "{\\f9\\fcharset2 Symbol;}{\\f10\\fcharset2 Wingdings;}{\\f11\\fcharset177 Arial;}}";

INSTANTIATE_TEST_SUITE_P(
    Rtf, RtfText,
    ::testing::Values(
        // Code pages: each font decodes \'hh with its own character set.
        TextCase{"CyrillicFontInAWesternDocument",
                 "{\\rtf1\\ansi\\ansicpg1252" + kFonts + "\\f0 " + hex("Привет, мир") + "}",
                 "Привет, мир"},
        TextCase{"WesternFontInACyrillicDocument",
                 "{\\rtf1\\ansi\\ansicpg1251" + kFonts + "\\f1 caf\\'e9}", "café"},
        TextCase{
            "EveryFontItsOwnCodePage",
            "{\\rtf1\\ansi" + kFonts + "\\f2\\'9a\\f3\\'e1\\f4\\'f0\\f5\\'e0\\f0\\'e6\\f11\\'e0}",
            "šαğąжא"},
        TextCase{"FontWithoutCharsetTakesTheDocumentCodePage",
                 "{\\rtf1\\ansi\\ansicpg1251" + kFonts + "\\f6 " + hex("ёж") + "}", "ёж"},
        TextCase{"CodePageOfTheFontOverridesItsCharset",
                 "{\\rtf1\\ansi" + kFonts + "\\f7 " + hex("щи") + "}", "щи"},
        TextCase{"DoubleByteCodePage", "{\\rtf1\\ansi" + kFonts + "\\f8 \\'82\\'a0}", "あ"},
        TextCase{"EightBitBytesWithoutEscapes", "{\\rtf1\\ansi\\ansicpg1251 " + raw("ура") + "}",
                 "ура"},
        TextCase{"SymbolAndDingbatFonts", "{\\rtf1\\ansi" + kFonts + "\\f9 a\\'b7p\\f10\\'a7\\'fc}",
                 "α•π▪✔"},
        // Unicode escapes and the characters that stand in for them.
        TextCase{"UnicodeWithOneFallbackCharacter", "{\\rtf1\\uc1\\u1055?\\u1088?}", "Пр"},
        TextCase{"UnicodeWithoutFallback", "{\\rtf1\\uc0\\u1055\\u1088 x}", "Прx"},
        TextCase{"FallbacksOfTwoCharactersAndHexEscapes",
                 "{\\rtf1\\uc2\\u1055\\'3f\\'3fa\\u1088xyb}", "Пaрb"},
        TextCase{"ABraceEndsTheFallback", "{\\rtf1{\\uc3\\u1055}x}", "Пx"},
        TextCase{"NegativeUnicodeAndSurrogatePairs", "{\\rtf1\\u-10179?\\u-8704?\\u-3913?}",
                 QString::fromUtf8("😀") + QChar(0xF0B7)},
        TextCase{"LoneSurrogateAndOutOfRange", "{\\rtf1 a\\u-10179?b\\u-70000?c\\u70000?d}",
                 QString("a") + QChar::ReplacementCharacter + "bcd"},
        TextCase{"SymbolFontPrivateUseCharacters",
                 "{\\rtf1\\ansi" + kFonts + "\\f9\\u-3913?\\u61473?}", "•!"},
        TextCase{"UprShowsItsUnicodeCopy", "{\\rtf1{\\upr{ANSI}{\\*\\ud{\\u1070?\\u1075?}}}}",
                 "Юг"},
        // Characters, breaks and symbols.
        TextCase{"HiddenTextIsLeftOut", "{\\rtf1 a{\\v hidden}b\\v c\\v0 d}", "abd"},
        TextCase{"LineBreakTabAndSpaces", "{\\rtf1 a\\line b\\tab c\\~d\\_e\\-f}",
                 QString("a") + QChar::LineSeparator + "b\tc" + QChar(0xA0) + "d" + QChar(0x2011) +
                     "e" + QChar(0xAD) + "f"},
        TextCase{"SymbolWords",
                 "{\\rtf1\\emdash\\endash\\lquote\\rquote\\ldblquote\\rdblquote\\bullet}",
                 "—–‘’“”•"},
        TextCase{"EscapedBracesAndBackslash", "{\\rtf1 \\{a\\}\\\\}", "{a}\\"},
        TextCase{"LineEndsInTheSourceAreNotText", "{\\rtf1 a\r\nb\nc\rd}", "abcd"},
        TextCase{"BackslashBeforeALineEndIsAParagraph", "{\\rtf1 a\\\r\nb}", "a\nb"},
        TextCase{"EmptyParagraphsAreKept", "{\\rtf1 a\\par\\par b\\par}", "a\n\nb"},
        TextCase{"PageAndSectionBreaksEndParagraphs", "{\\rtf1 a\\page b\\sect c}", "a\nb\nc"},
        TextCase{"TabAndControlCharactersInTheSource",
                 "{\\rtf1 a\tb\x01"
                 "c\\'00d}",
                 "a\tbcd"},
        TextCase{"NulBytes", std::string("{\\rtf1 a\0b}", 11), "ab"},
        // Fields: the result is shown, the instruction is not.
        TextCase{"FieldResult", "{\\rtf1 p.{\\field{\\*\\fldinst PAGE}{\\fldrslt 7}}}", "p.7"},
        TextCase{"FieldWithoutResult", "{\\rtf1 a{\\field{\\*\\fldinst DATE}}b}", "ab"},
        // Destinations that are not text, whole.
        TextCase{"UnknownStarredDestination", "{\\rtf1 a{\\*\\foo secret {\\b more}}b}", "ab"},
        TextCase{"InformationHeadersFootnotesBookmarks",
                 "{\\rtf1{\\info{\\title t}{\\author a}}{\\header h}{\\footer f}a{\\footnote n}"
                 "{\\*\\bkmkstart m}{\\*\\bkmkend m}{\\annotation c}{\\xe x}{\\tc t}b}",
                 "ab"},
        TextCase{"ListNumbersWrittenForOtherReaders",
                 "{\\rtf1{\\listtext 1.\\tab}a\\par{\\pntext \\'b7\\tab}b}", "a\nb"},
        TextCase{"ObjectAndShapeShowTheirResults",
                 "{\\rtf1{\\object\\objemb{\\*\\objclass Paint}{\\*\\objdata 0102}{\\result "
                 "shown}} {\\shp{\\*\\shpinst x}{\\shprslt shape}}}",
                 "shown shape"},
        TextCase{"BinaryDataMayHoldBraces", "{\\rtf1 a{\\*\\objdata \\bin4 }}}}}b}", "ab"},
        TextCase{"BinaryCountPastTheEnd", "{\\rtf1 a{\\*\\objdata \\bin999999999 xyz", "a"},
        TextCase{"NegativeBinaryCount", "{\\rtf1 a\\bin-5 b}", "ab"},
        // Damaged input and input that is not RTF.
        TextCase{"TextAfterTheDocumentIsIgnored", "{\\rtf1 a}b}c", "a"},
        TextCase{"MissingClosingBraces", "{\\rtf1 {\\b a{\\i b", "ab"},
        TextCase{"ExtraClosingBraces", "{\\rtf1 {a}}}}", "a"},
        TextCase{"TruncatedHexEscapes", "{\\rtf1 a\\'zzb\\'4", "azzb"},
        TextCase{"ControlWordLongerThanAnyKnown", "{\\rtf1 a\\" + std::string(100, 'b') + " c}",
                 "ac"},
        TextCase{"EmptyInput", "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RtfText, InputThatIsNotRtfIsPlainTextInCodePage1251) {
    const QByteArray bytes = QStringEncoder("windows-1251").encode(u"Привет,\r\nмир\r\n\tвсем");
    EXPECT_EQ(readRtf(bytes)->toPlainText(), "Привет,\nмир\n\tвсем");
    EXPECT_EQ(readRtf(QByteArray("rtf1 {\\b x}"))->toPlainText(), "rtf1 {\\b x}");
}

}  // namespace
