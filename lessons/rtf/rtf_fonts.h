#pragma once
// Maps what an RTF font table says about a font to what this machine can show: the code page
// that decodes its bytes, and installed open font families with Cyrillic glyphs.
#include <QChar>
#include <QString>
#include <QStringList>
#include <cstdint>

namespace rtf {

enum class FontKind : std::uint8_t { Nil, Roman, Swiss, Modern, Script, Decor, Tech, Bidi };

// The symbol character set is no code page: its bytes name glyphs of the Symbol font, or of a
// dingbat font such as Wingdings.
inline constexpr int kSymbolCodePage = -2;
inline constexpr int kDingbatCodePage = -3;

// Code page used for a \fcharset value; `ansiCodePage` for "default" and unknown sets.
int codePageForCharset(int charset, int ansiCodePage);
// The same for a whole font: a symbol font named like a dingbat font gets kDingbatCodePage.
int codePageForFont(const QString& name, int charset, int ansiCodePage);

// Name of the QStringDecoder for a Windows code page, or an empty string when it has none.
QByteArray decoderName(int codePage);

// The character a byte of a symbol font shows (kSymbolCodePage or kDingbatCodePage).
QChar symbolChar(int codePage, std::uint8_t byte);

// Open stand-ins with Cyrillic glyphs for a font that may not be installed, best first.
QStringList openStandIns(const QString& name, FontKind kind = FontKind::Nil);
// Families to try in order: the named font when installed, then its open stand-ins.
QStringList familiesFor(const QString& name, FontKind kind);

}  // namespace rtf
