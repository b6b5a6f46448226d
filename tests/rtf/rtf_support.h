#pragma once
// Reading RTF in tests and finding what the reader made of it: the run that holds a word, the
// paragraph that holds a text, the fixtures written in the styles of real word processors.
#include <QByteArray>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextDocument>
#include <memory>

#include "tests/support/print_qt.h"

std::unique_ptr<QTextDocument> readRtf(QByteArrayView rtf);
QByteArray fixture(const char* name);

// The format of the first run whose text contains `word` (an invalid format when none does).
QTextCharFormat formatOf(const QTextDocument& doc, const QString& word);
// The first paragraph whose text contains `text` (an invalid block when none does).
QTextBlock blockOf(const QTextDocument& doc, const QString& text);
// Paragraphs as they read, one per line, tables included, pictures as U+FFFC.
QStringList linesOf(const QTextDocument& doc);
