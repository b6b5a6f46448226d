// libFuzzer target: any bytes read as a lesson text and laid out as the viewer does.
#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QTextBlock>
#include <cstdint>

#include "lessons/rtf/rtf_reader.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto doc = rtf::toDocument(
        QByteArrayView(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    doc->setTextWidth(381);
    doc->documentLayout()->blockBoundingRect(doc->lastBlock());
    return 0;
}
