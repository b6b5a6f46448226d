#pragma once
// Splits the bytes of an RTF document into groups, control words, control symbols, hex escapes,
// text runs and \binN data. It neither interprets control words nor allocates per token.
#include <QByteArrayView>
#include <cstdint>

namespace rtf {

struct Token {
    enum class Type : std::uint8_t {
        End,
        GroupStart,
        GroupEnd,
        Word,     // \name or \nameN; `bytes` is the name
        Symbol,   // \ followed by one non-letter; `symbol` is that character
        Hex,      // \'hh; `param` is the byte value
        Text,     // a run of plain bytes without CR or LF
        Binary,   // the data of \binN, cut at the end of the input
        Invalid,  // a malformed escape, such as \' without two hex digits
    };
    Type type = Type::End;
    bool hasParam = false;
    char symbol = 0;
    int param = 0;
    QByteArrayView bytes;
};

class Tokenizer {
public:
    explicit Tokenizer(QByteArrayView input) : in_(input) {}

    Token next();
    qsizetype position() const { return pos_; }

    // Longest control word name honoured; longer names are read whole and treated as unknown.
    static constexpr int kMaxWordLength = 32;

private:
    Token readEscape();
    Token readWord();

    QByteArrayView in_;
    qsizetype pos_ = 0;
};

}  // namespace rtf
