// How fast the RTF reader turns lesson texts into documents, and the viewer lays them out.
//   cmake -S . -B build -G Ninja -DMASTERSKAYA_BENCH=ON && ninja -C build rtf_bench
//   build/bench/rtf/rtf_bench
#include <benchmark/benchmark.h>

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QGuiApplication>
#include <QTextBlock>

#include "lessons/rtf/rtf_reader.h"
#include "lessons/rtf/rtf_tokenizer.h"

namespace {

constexpr int kViewerWidth = 381;

const QByteArray& lesson() {
    static const QByteArray bytes = [] {
        QFile file(QStringLiteral(RTF_LESSON));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    return bytes;
}

// About 5 MB: the lesson's body again and again under its own header.
const QByteArray& largeDocument() {
    static const QByteArray bytes = [] {
        const QByteArray& l = lesson();
        const qsizetype start = l.indexOf("\\pard\\plain \\ltrpar\\s1\\qc");  // the title
        const qsizetype end = l.indexOf("{\\*\\themedata");
        QByteArray doc = l.left(start);
        while (doc.size() < 5'000'000) doc += l.mid(start, end - start);
        return doc + "}";
    }();
    return bytes;
}

const char kWarningText[] =
    "{\\rtf1\\ansi\\ansicpg1251\\deff0{\\fonttbl{\\f0\\fnil\\fcharset204 MS Sans Serif;}}\r\n"
    "\\viewkind4\\uc1\\pard\\lang1049\\f0\\fs17   \\'cf\\'f0\\'ee\\'e3\\'f0\\'e0\\'ec\\'ec\\'e0 "
    "\\'f0\\'e0\\'e1\\'ee\\'f2\\'e0\\'e5\\'f2 \\'ed\\'e5\\'e2\\'e5\\'f0\\'ed\\'ee ! \\'cf\\'e0\\'ef"
    "\\'ea\\'f3 EVY \\'ed\\'e5\\'ee\\'e1\\'f5\\'ee\\'e4\\'e8\\'ec\\'ee "
    "\\'f1\\'ea\\'ee\\'ef\\'e8\\'f0"
    "\\'ee\\'e2\\'e0\\'f2\\'fc \\'ed\\'e0 \\'e4\\'e8\\'f1\\'ea C !\r\n\\par }\r\n";

void layOut(QTextDocument& doc) {
    doc.setTextWidth(kViewerWidth);
    benchmark::DoNotOptimize(doc.documentLayout()->blockBoundingRect(doc.lastBlock()));
}

void read(benchmark::State& state, const QByteArray& rtf, bool withLayout) {
    for (auto _ : state) {
        auto doc = rtf::toDocument(rtf);
        if (withLayout) layOut(*doc);
        benchmark::DoNotOptimize(doc.get());
    }
    state.SetBytesProcessed(state.iterations() * rtf.size());
}

void BM_ReadLesson(benchmark::State& state) {
    read(state, lesson(), false);
}
void BM_ReadAndLayOutLesson(benchmark::State& state) {
    read(state, lesson(), true);
}
void BM_ReadWarningText(benchmark::State& state) {
    read(state, kWarningText, true);
}
void BM_ReadLargeDocument(benchmark::State& state) {
    read(state, largeDocument(), false);
}
void BM_ReadAndLayOutLargeDocument(benchmark::State& state) {
    read(state, largeDocument(), true);
}

// The layout alone, of a document read once.
void BM_LayOutLesson(benchmark::State& state) {
    const auto doc = rtf::toDocument(lesson());
    for (auto _ : state) {
        doc->setTextWidth(kViewerWidth + 1);  // a new width forces a new layout
        layOut(*doc);
    }
}

void BM_TokenizeLesson(benchmark::State& state) {
    for (auto _ : state) {
        rtf::Tokenizer tokens(lesson());
        int n = 0;
        while (tokens.next().type != rtf::Token::Type::End) ++n;
        benchmark::DoNotOptimize(n);
    }
    state.SetBytesProcessed(state.iterations() * lesson().size());
}

BENCHMARK(BM_ReadLesson)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadAndLayOutLesson)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LayOutLesson)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadWarningText)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TokenizeLesson)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadLargeDocument)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_ReadAndLayOutLargeDocument)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (lesson().isEmpty()) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
