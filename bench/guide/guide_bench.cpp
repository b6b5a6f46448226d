// What the guide costs the event thread: making the character at start-up, drawing one frame of
// the figure, and the calls a click makes. Run with QT_QPA_PLATFORM=offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "devices/espeak_voice.h"
#include "media/guide_animations.h"
#include "media/guide_character.h"
#include "media/guide_figure.h"
#include "shell/qt_clock.h"

namespace {

void makeCharacter(benchmark::State& state) {
    QtClock clock;
    for (auto _ : state) {
        auto voice = std::make_unique<EspeakVoice>();
        auto guide = makeGuideCharacter(clock, *voice);
        benchmark::DoNotOptimize(guide.get());
        state.PauseTiming();
        guide.reset();
        voice.reset();  // joins the voice's threads: not part of start-up
        state.ResumeTiming();
    }
}
BENCHMARK(makeCharacter)->Unit(benchmark::kMillisecond)->Iterations(5);

void drawFrame(benchmark::State& state) {
    const GuideFigure figure;
    const GuideAnimation* magic = findGuideAnimation("DoMagic1");
    qint64 ms = 0;
    for (auto _ : state) {
        QImage frame = figure.frame(guideAlive(guidePoseAt(*magic, ms % 2600), ms), ms);
        benchmark::DoNotOptimize(frame.constBits());
        ms += 16;
    }
}
BENCHMARK(drawFrame)->Unit(benchmark::kMicrosecond);

void clickCalls(benchmark::State& state) {
    QtClock clock;
    EspeakVoice voice;
    auto guide = makeGuideCharacter(clock, voice);
    for (auto _ : state) {
        guide->stop();
        guide->moveTo(750, 250);
        guide->show();
        guide->play(QStringLiteral("Greet"));
        guide->play(QStringLiteral("RestPose"));
        guide->speak(QStringLiteral("Нажми мышкой на экран дисплея."));
    }
    guide->stop();
}
BENCHMARK(clickCalls)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
