#pragma once
// Turns the bytes of an RTF document into a QTextDocument. Input that is not RTF is shown as
// plain text in code page 1251. Knows nothing of the rest of the program.
#include <QByteArrayView>
#include <QTextDocument>
#include <memory>

namespace rtf {

// Any byte sequence gives a document; the caller owns it.
std::unique_ptr<QTextDocument> toDocument(QByteArrayView bytes);

}  // namespace rtf
