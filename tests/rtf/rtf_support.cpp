#include "tests/rtf/rtf_support.h"

#include <QFile>

#include "lessons/rtf/rtf_reader.h"

std::unique_ptr<QTextDocument> readRtf(QByteArrayView rtf) {
    return rtf::toDocument(rtf);
}

QByteArray fixture(const char* name) {
    QFile file(QStringLiteral(RTF_FIXTURES "/") + QString::fromUtf8(name));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

QTextCharFormat formatOf(const QTextDocument& doc, const QString& word) {
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            if (it.fragment().text().contains(word)) return it.fragment().charFormat();
        }
    }
    return {};
}

QTextBlock blockOf(const QTextDocument& doc, const QString& text) {
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        if (b.text().contains(text)) return b;
    }
    return {};
}

QStringList linesOf(const QTextDocument& doc) {
    QStringList lines;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) lines << b.text();
    return lines;
}
