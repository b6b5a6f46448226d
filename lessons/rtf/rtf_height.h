#pragma once
// Qt's text layout stalls on documents taller than about 8.4 million pixels, where the endless
// page of an unpaginated document ends. The reader keeps a generous estimate of the height its
// document can take in any viewer from 256 pixels wide, and leaves out what would pass a bound
// well below Qt's. Lesson texts are a few thousand pixels tall.
#include <QStringView>
#include <algorithm>

namespace rtf {

inline constexpr double kMaxDocumentHeight = 5'000'000;  // pixels

// Font size in pixels for a size in half points.
inline double fontPixels(int halfPoints) {
    return halfPoints * 2.0 / 3.0;
}

// The most height that a run of text adds: each character as wide as its font is high takes its
// share of a line 256 pixels wide (or a line of its own in a table cell, whose width is anyone's
// guess), and each tab or line break a whole line. Lines wrapped early at word ends may take up
// to twice that in the viewer, still well below Qt's limit.
inline double runHeight(QStringView text, double fontPx, double lineHeight, bool narrow) {
    qsizetype breaks = 0;
    for (const QChar c : text) breaks += c == u'\t' || c == u'\n' || c == QChar::LineSeparator;
    const double perChar = narrow ? lineHeight : fontPx * lineHeight / 256;
    return static_cast<double>(text.size()) * perChar + static_cast<double>(breaks) * lineHeight;
}

// The longest start of `text` whose run height stays within `budget`.
inline qsizetype fittingLength(QStringView text, double fontPx, double lineHeight, bool narrow,
                               double budget) {
    if (runHeight(text, fontPx, lineHeight, narrow) <= budget) return text.size();
    qsizetype lo = 0, hi = text.size();
    while (lo < hi) {
        const qsizetype mid = (lo + hi + 1) / 2;
        if (runHeight(text.first(mid), fontPx, lineHeight, narrow) <= budget)
            lo = mid;
        else
            hi = mid - 1;
    }
    return lo;
}

}  // namespace rtf
