#pragma once
// Turns the bytes of an RTF document into a QTextDocument: text in the code pages of its fonts,
// character and paragraph formats, the style sheet, lists, tables, pictures and field results.
// Input that is not RTF is shown as plain text in code page 1251. Any byte sequence gives a
// document in time and memory bounded by its length. Knows nothing of the rest of the program.
// Reading needs a QCoreApplication; laying the document out or drawing it, a QGuiApplication.
#include <QByteArrayView>
#include <QTextDocument>
#include <memory>

namespace rtf {

// The caller owns the document; pictures are resources of it.
std::unique_ptr<QTextDocument> toDocument(QByteArrayView bytes);

// Whether the bytes start like an RTF document.
bool looksLikeRtf(QByteArrayView bytes);

}  // namespace rtf
