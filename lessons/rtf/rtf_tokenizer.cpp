#include "lessons/rtf/rtf_tokenizer.h"

#include <climits>
#include <cstring>

namespace rtf {

namespace {

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

Token Tokenizer::next() {
    const qsizetype n = in_.size();
    const char* data = in_.data();
    while (pos_ < n && (data[pos_] == '\r' || data[pos_] == '\n')) ++pos_;
    if (pos_ >= n) return {};
    Token t;
    switch (data[pos_]) {
        case '{':
            ++pos_;
            t.type = Token::Type::GroupStart;
            return t;
        case '}':
            ++pos_;
            t.type = Token::Type::GroupEnd;
            return t;
        case '\\':
            return readEscape();
        default:
            break;
    }
    const qsizetype start = pos_;
    while (pos_ < n) {
        const char c = data[pos_];
        if (c == '\\' || c == '{' || c == '}' || c == '\r' || c == '\n') break;
        ++pos_;
    }
    t.type = Token::Type::Text;
    t.bytes = in_.sliced(start, pos_ - start);
    return t;
}

Token Tokenizer::readEscape() {
    const qsizetype n = in_.size();
    const char* data = in_.data();
    Token t;
    ++pos_;  // the backslash
    if (pos_ >= n) {
        t.type = Token::Type::Invalid;
        return t;
    }
    const char c = data[pos_];
    if (isLetter(c)) return readWord();
    ++pos_;
    if (c == '\'') {
        const int hi = pos_ < n ? hexValue(data[pos_]) : -1;
        const int lo = pos_ + 1 < n ? hexValue(data[pos_ + 1]) : -1;
        if (hi < 0 || lo < 0) {
            if (hi >= 0) ++pos_;
            t.type = Token::Type::Invalid;
            return t;
        }
        pos_ += 2;
        t.type = Token::Type::Hex;
        t.param = hi * 16 + lo;
        return t;
    }
    if (c == '\r' || c == '\n') {
        // A backslash before a line end is an old way of writing \par.
        t.type = Token::Type::Word;
        t.bytes = "par";
        return t;
    }
    t.type = Token::Type::Symbol;
    t.symbol = c;
    return t;
}

Token Tokenizer::readWord() {
    const qsizetype n = in_.size();
    const char* data = in_.data();
    Token t;
    t.type = Token::Type::Word;
    const qsizetype start = pos_;
    while (pos_ < n && isLetter(data[pos_])) ++pos_;
    t.bytes = in_.sliced(start, pos_ - start);
    const bool negative = pos_ + 1 < n && data[pos_] == '-' && isDigit(data[pos_ + 1]);
    if (negative) ++pos_;
    if (pos_ < n && isDigit(data[pos_])) {
        // Saturate instead of overflowing; the builder clamps each value to its own range.
        long long value = 0;
        while (pos_ < n && isDigit(data[pos_])) {
            if (value < INT_MAX) value = value * 10 + (data[pos_] - '0');
            ++pos_;
        }
        if (value > INT_MAX) value = INT_MAX;
        t.hasParam = true;
        t.param = negative ? -static_cast<int>(value) : static_cast<int>(value);
    }
    if (pos_ < n && data[pos_] == ' ') ++pos_;
    if (t.bytes.size() > kMaxWordLength) t.bytes = "?";
    if (t.bytes == "bin" && t.hasParam && t.param > 0) {
        const qsizetype len = qMin<qsizetype>(t.param, n - pos_);
        t.type = Token::Type::Binary;
        t.bytes = in_.sliced(pos_, len);
        pos_ += len;
    }
    return t;
}

}  // namespace rtf
