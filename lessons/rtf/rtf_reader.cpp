#include "lessons/rtf/rtf_reader.h"

#include <QStringDecoder>
#include <QTextCharFormat>
#include <QTextCursor>

#include "lessons/rtf/rtf_builder.h"
#include "lessons/rtf/rtf_fonts.h"
#include "lessons/rtf/rtf_height.h"

namespace rtf {

namespace {

void readPlainText(QTextDocument& doc, QByteArrayView bytes) {
    QString text = QStringDecoder("windows-1251").decode(bytes);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    for (QChar& c : text) {
        if (c == u'\r') c = u'\n';
        if (c.unicode() < 0x20 && c != u'\n' && c != u'\t') c = QChar::Space;
    }
    constexpr int kHalfPoints = 20;
    const double px = fontPixels(kHalfPoints);
    text.truncate(fittingLength(text, px, 1.25 * px, false, kMaxDocumentHeight));
    QTextCharFormat format;
    format.setFontFamilies(openStandIns(QStringLiteral("MS Sans Serif")));
    format.setFontPointSize(kHalfPoints / 2.0);
    QTextCursor cursor(&doc);
    cursor.insertText(text, format);
    cursor.setBlockCharFormat(format);
}

}  // namespace

bool looksLikeRtf(QByteArrayView bytes) {
    qsizetype i = 0;
    while (i < bytes.size() &&
           (bytes[i] == ' ' || bytes[i] == '\t' || bytes[i] == '\r' || bytes[i] == '\n')) {
        ++i;
    }
    return bytes.sliced(i).startsWith("{\\rtf");
}

std::unique_ptr<QTextDocument> toDocument(QByteArrayView bytes) {
    auto doc = std::make_unique<QTextDocument>();
    doc->setUndoRedoEnabled(false);
    if (looksLikeRtf(bytes))
        Builder(doc.get()).run(bytes);
    else
        readPlainText(*doc, bytes);
    return doc;
}

}  // namespace rtf
