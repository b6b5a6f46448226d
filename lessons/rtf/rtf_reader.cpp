#include "lessons/rtf/rtf_reader.h"

#include <QStringDecoder>
#include <QTextCursor>

namespace rtf {

// FIXME: a first reader that keeps only the text, decoded with code page 1251.
std::unique_ptr<QTextDocument> toDocument(QByteArrayView bytes) {
    auto doc = std::make_unique<QTextDocument>();
    QStringDecoder cp1251("windows-1251");
    QString text;
    int depth = 0;
    bool skip = false;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '{') {
            ++depth;
            continue;
        }
        if (c == '}') {
            --depth;
            continue;
        }
        if (c == '\r' || c == '\n') continue;
        if (c != '\\') {
            if (!skip && depth <= 1) text += QChar::fromLatin1(c);
            continue;
        }
        if (i + 1 >= bytes.size()) break;
        const char n = bytes[i + 1];
        if (n == '\'' && i + 3 < bytes.size()) {
            const QByteArray hex = QByteArray::fromHex(QByteArray(bytes.data() + i + 2, 2));
            text += cp1251.decode(hex);
            i += 3;
            continue;
        }
        qsizetype j = i + 1;
        while (j < bytes.size() && std::isalpha(static_cast<unsigned char>(bytes[j]))) ++j;
        const QByteArray word(bytes.data() + i + 1, j - i - 1);
        while (j < bytes.size() &&
               (std::isdigit(static_cast<unsigned char>(bytes[j])) || bytes[j] == '-'))
            ++j;
        if (j < bytes.size() && bytes[j] == ' ') ++j;
        if (word == "par") text += QChar::ParagraphSeparator;
        skip = word == "fonttbl" || word == "colortbl";
        i = j - 1;
    }
    QTextCursor(doc.get()).insertText(text.replace(QChar::ParagraphSeparator, QLatin1Char('\n')));
    return doc;
}

}  // namespace rtf
