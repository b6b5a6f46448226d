#include "lessons/rtf/rtf_fonts.h"

#include <array>
#include <initializer_list>

namespace rtf {

int codePageForCharset(int charset, int ansiCodePage) {
    switch (charset) {
        case 0:
            return 1252;
        case 2:
            return kSymbolCodePage;
        case 77:
            return 10000;
        case 128:
            return 932;
        case 129:
            return 949;
        case 130:
            return 1361;
        case 134:
            return 936;
        case 136:
            return 950;
        case 161:
            return 1253;
        case 162:
            return 1254;
        case 163:
            return 1258;
        case 177:
            return 1255;
        case 178:
            return 1256;
        case 186:
            return 1257;
        case 204:
            return 1251;
        case 222:
            return 874;
        case 238:
            return 1250;
        case 254:
            return 437;
        case 255:
            return 850;
        default:
            return ansiCodePage;
    }
}

namespace {

bool containsAny(const QString& text, std::initializer_list<const char*> words) {
    for (const char* w : words) {
        if (text.contains(QLatin1String(w))) return true;
    }
    return false;
}

bool isDingbatFont(const QString& lowerName) {
    return containsAny(lowerName, {"wingdings", "webdings", "dingbat", "marlett"});
}

}  // namespace

int codePageForFont(const QString& name, int charset, int ansiCodePage) {
    const int cp = codePageForCharset(charset, ansiCodePage);
    if (cp == kSymbolCodePage && isDingbatFont(name.toLower())) return kDingbatCodePage;
    return cp;
}

QByteArray decoderName(int codePage) {
    switch (codePage) {
        case 437:
        case 850:
        case 852:
        case 855:
        case 866:
            return "IBM" + QByteArray::number(codePage);
        case 10000:
            return "macintosh";
        case 20866:
            return "KOI8-R";
        case 21866:
            return "KOI8-U";
        case 28591:
            return "ISO-8859-1";
        case 28595:
            return "ISO-8859-5";
        case 65001:
            return "UTF-8";
        default:
            break;
    }
    if (codePage == 874 || (codePage >= 932 && codePage <= 950) ||
        (codePage >= 1250 && codePage <= 1258)) {
        return "windows-" + QByteArray::number(codePage);
    }
    return {};
}

namespace {

// The Symbol font's glyphs from 0x20 to 0xFF as Unicode characters; 0 where it has none.
constexpr std::array<char16_t, 224> kSymbol = {
    0x0020, 0x0021, 0x2200, 0x0023, 0x2203, 0x0025, 0x0026, 0x220B, 0x0028, 0x0029, 0x2217, 0x002B,
    0x002C, 0x2212, 0x002E, 0x002F, 0x0030, 0x0031, 0x0032, 0x0033, 0x0034, 0x0035, 0x0036, 0x0037,
    0x0038, 0x0039, 0x003A, 0x003B, 0x003C, 0x003D, 0x003E, 0x003F, 0x2245, 0x0391, 0x0392, 0x03A7,
    0x0394, 0x0395, 0x03A6, 0x0393, 0x0397, 0x0399, 0x03D1, 0x039A, 0x039B, 0x039C, 0x039D, 0x039F,
    0x03A0, 0x0398, 0x03A1, 0x03A3, 0x03A4, 0x03A5, 0x03C2, 0x03A9, 0x039E, 0x03A8, 0x0396, 0x005B,
    0x2234, 0x005D, 0x22A5, 0x005F, 0x203E, 0x03B1, 0x03B2, 0x03C7, 0x03B4, 0x03B5, 0x03C6, 0x03B3,
    0x03B7, 0x03B9, 0x03D5, 0x03BA, 0x03BB, 0x03BC, 0x03BD, 0x03BF, 0x03C0, 0x03B8, 0x03C1, 0x03C3,
    0x03C4, 0x03C5, 0x03D6, 0x03C9, 0x03BE, 0x03C8, 0x03B6, 0x007B, 0x007C, 0x007D, 0x223C, 0x0000,
    // 0x80 to 0x9F: no glyphs.
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    // 0xA0
    0x20AC, 0x03D2, 0x2032, 0x2264, 0x2044, 0x221E, 0x0192, 0x2663, 0x2666, 0x2665, 0x2660, 0x2194,
    0x2190, 0x2191, 0x2192, 0x2193, 0x00B0, 0x00B1, 0x2033, 0x2265, 0x00D7, 0x221D, 0x2202, 0x2022,
    0x00F7, 0x2260, 0x2261, 0x2248, 0x2026, 0x23D0, 0x23AF, 0x21B5, 0x2135, 0x2111, 0x211C, 0x2118,
    0x2297, 0x2295, 0x2205, 0x2229, 0x222A, 0x2283, 0x2287, 0x2284, 0x2282, 0x2286, 0x2208, 0x2209,
    0x2220, 0x2207, 0x00AE, 0x00A9, 0x2122, 0x220F, 0x221A, 0x22C5, 0x00AC, 0x2227, 0x2228, 0x21D4,
    0x21D0, 0x21D1, 0x21D2, 0x21D3, 0x25CA, 0x2329, 0x00AE, 0x00A9, 0x2122, 0x2211, 0x239B, 0x239C,
    0x239D, 0x23A1, 0x23A2, 0x23A3, 0x23A7, 0x23A8, 0x23A9, 0x23AA, 0x0000, 0x232A, 0x222B, 0x2320,
    0x23AE, 0x2321, 0x239E, 0x239F, 0x23A0, 0x23A4, 0x23A5, 0x23A6, 0x23AB, 0x23AC, 0x23AD, 0x0000};

// The dingbats word processors use as bullets and marks. Any other dingbat shows as a bullet:
// in a lesson text they are list marks far more often than pictures in their own right.
char16_t dingbat(std::uint8_t byte) {
    switch (byte) {
        case 0x4A:
            return 0x263A;
        case 0x6C:
            return 0x25CF;
        case 0x6E:
            return 0x25A0;
        case 0x6F:
            return 0x25A1;
        case 0x71:
            return 0x2751;
        case 0x75:
            return 0x25C6;
        case 0x76:
            return 0x2756;
        case 0x9F:
            return 0x2022;
        case 0xA7:
            return 0x25AA;
        case 0xA8:
            return 0x25FB;
        case 0xAB:
            return 0x2605;
        case 0xD8:
            return 0x27A2;
        case 0xE8:
            return 0x2794;
        case 0xFB:
            return 0x2718;
        case 0xFC:
            return 0x2714;
        default:
            return byte == 0x20 ? 0x0020 : 0x2022;
    }
}

}  // namespace

QChar symbolChar(int codePage, std::uint8_t byte) {
    if (byte < 0x20) return {};
    if (codePage == kDingbatCodePage) return QChar(dingbat(byte));
    return QChar(kSymbol[byte - 0x20]);
}

namespace {

struct StandIn {
    std::initializer_list<const char*> names;
    std::initializer_list<const char*> families;
};

// Faces that lesson texts name, with the closest open fonts that have Cyrillic glyphs.
const StandIn kStandIns[] = {
    {{"ms sans serif", "microsoft sans serif", "ms shell dlg", "ms shell dlg 2", "arial",
      "helvetica", "tahoma", "segoe ui", "calibri", "system", "small fonts"},
     {"Liberation Sans", "DejaVu Sans"}},
    {{"verdana"}, {"DejaVu Sans", "Liberation Sans"}},
    {{"arial narrow"}, {"Nimbus Sans Narrow", "Liberation Sans Narrow", "Liberation Sans"}},
    {{"times new roman", "times", "ms serif", "georgia", "cambria"},
     {"Liberation Serif", "DejaVu Serif"}},
    {{"courier new", "courier", "lucida console", "consolas", "fixedsys", "terminal"},
     {"Liberation Mono", "DejaVu Sans Mono"}},
    {{"bookman old style", "bookman"}, {"URW Bookman", "TeX Gyre Bonum", "DejaVu Serif"}},
    {{"century schoolbook", "new century schoolbook"}, {"C059", "TeX Gyre Schola", "DejaVu Serif"}},
    {{"palatino linotype", "palatino", "book antiqua"},
     {"P052", "TeX Gyre Pagella", "DejaVu Serif"}},
    {{"century gothic"}, {"URW Gothic", "TeX Gyre Adventor", "DejaVu Sans"}},
    {{"comic sans ms"}, {"Comfortaa", "DejaVu Sans"}},
    {{"symbol"}, {"DejaVu Serif", "Liberation Serif"}},
    {{"wingdings", "wingdings 2", "wingdings 3", "webdings"}, {"DejaVu Sans"}},
};

enum class Look { Sans, Serif, Mono };

Look lookOf(const QString& lowerName, FontKind kind) {
    if (containsAny(lowerName, {"courier", "mono", "consol", "console", "fixed", "typewriter"})) {
        return Look::Mono;
    }
    if (containsAny(lowerName, {"sans", "arial", "helvetica", "verdana", "tahoma", "gothic",
                                "grotesk", "trebuchet", "geneva", "system"})) {
        return Look::Sans;
    }
    if (containsAny(lowerName, {"times", "serif", "roman", "georgia", "garamond", "cambria",
                                "antiqua", "palatino", "bookman", "century", "schoolbook"})) {
        return Look::Serif;
    }
    if (kind == FontKind::Modern) return Look::Mono;
    if (kind == FontKind::Roman) return Look::Serif;
    return Look::Sans;
}

// Old Windows versions named the code page variants of a face "Arial Cyr", "Times New Roman CE".
QString withoutScriptSuffix(const QString& lowerName) {
    for (const char* suffix : {" cyr", " ce", " greek", " tur", " baltic", " cyrillic"}) {
        if (lowerName.endsWith(QLatin1String(suffix))) {
            return lowerName.chopped(static_cast<qsizetype>(qstrlen(suffix)));
        }
    }
    return lowerName;
}

}  // namespace

QStringList openStandIns(const QString& name, FontKind kind) {
    const QString key = withoutScriptSuffix(name.trimmed().toLower());
    QStringList families;
    for (const StandIn& s : kStandIns) {
        for (const char* n : s.names) {
            if (key == QLatin1String(n)) {
                for (const char* f : s.families) families << QString::fromLatin1(f);
                return families;
            }
        }
    }
    switch (lookOf(key, kind)) {
        case Look::Mono:
            return {QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")};
        case Look::Serif:
            return {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")};
        case Look::Sans:
            break;
    }
    return {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
}

QStringList familiesFor(const QString& name, FontKind kind) {
    QStringList families;
    const QString trimmed = name.trimmed();
    if (!trimmed.isEmpty()) families << trimmed;
    return families + openStandIns(trimmed, kind);
}

}  // namespace rtf
