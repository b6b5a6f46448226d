// How fast the media answer: "Play" to the first non-silent sound recorded at the null sink (for
// a WAVE file and a MIDI song; the recorder's own delay is included, so these are upper bounds),
// how long the soundfont takes to load on its own thread, and start-up of the program with and
// without a soundfont, with the longest stall of the event thread while the soundfont loads.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include "devices/default_backends.h"
#include "devices/synth_pool.h"
#include "media/media_player.h"
#include "shell/program.h"
#include "shell/qt_clock.h"
#include "shell/qt_dialogs.h"
#include "shell/screens.h"
#include "shell/view_manager.h"
#include "tests/media/media_fixtures.h"
#include "tests/media/sound_recorder.h"
#include "tests/support/test_program.h"

namespace {

constexpr double kSound = 0.02;
const char* const kSoundfont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

void pumpFor(int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

// Plays `file` again and again; each iteration's time runs from "Play" until the recorder has
// received the first loud sample.
void playToFirstSound(benchmark::State& state, const QString& file) {
    QTemporaryDir dir;
    writeBytes(QDir(dir.path()).filePath("tone.wav"),
               waveFile(Tone{.sampleRate = 44100, .lengthMs = 400, .frequency = 1000}));
    writeBytes(QDir(dir.path()).filePath("tune.mid"), midiTune(2));
    QtClock clock;
    auto media = makeDefaultBackendFactory(clock);
    SoundRecorder recorder;
    if (!recorder.start()) return state.SkipWithError("no sound server");
    MediaPlayer player(*media);
    player.setWorkingDir(dir.path());
    pumpFor(500);  // the soundfont loaded: the time "after start-up"
    for (auto _ : state) {
        player.sendCommand("Close");
        pumpFor(300);  // silence, and a fresh synthesizer in reserve
        player.setMediaFile(file);
        player.sendCommand("Open");
        const qint64 mark = recorder.now();
        QElapsedTimer t;
        t.start();
        player.sendCommand("Play");
        while (recorder.firstSoundAfter(mark, kSound) < 0 && t.elapsed() < 3000) recorder.now();
        state.SetIterationTime(double(t.nsecsElapsed()) / 1e9);
    }
    player.sendCommand("Close");
}

void BM_PlayToFirstSoundWave(benchmark::State& state) {
    playToFirstSound(state, "tone.wav");
}
void BM_PlayToFirstSoundMidi(benchmark::State& state) {
    playToFirstSound(state, "tune.mid");
}

void BM_SoundfontLoadOffTheEventThread(benchmark::State& state) {
    for (auto _ : state) {
        SynthPool pool{QString::fromLatin1(kSoundfont)};
        while (pool.firstLoadMs() < 0) QThread::msleep(1);
        state.SetIterationTime(double(pool.firstLoadMs()) / 1000);
    }
}

// From nothing to the menu shown and its music started, then the longest gap between 1 ms ticks of
// the event thread over the next 400 ms, while the soundfont (if any) loads beside it.
void startUp(benchmark::State& state, const QString& soundfont) {
    QTemporaryDir dir;  // a media folder with the start-up music
    writeBytes(QDir(dir.path()).filePath("EVY/1.mid"), midiTune(16));
    double worstStall = 0;
    for (auto _ : state) {
        QElapsedTimer t;
        t.start();
        QtClock clock;
        auto media = makeDefaultBackendFactory(
            clock, MediaSettings{.soundfont = soundfont, .discDrive = {}});
        QtDialogs dialogs;
        Journal journal;
        FakeGuide guide(journal);
        Program program(screenCatalog(), Services{clock, *media, guide, dialogs, dir.path()});
        ViewManager views(program);
        program.start();
        QCoreApplication::processEvents();
        state.SetIterationTime(double(t.nsecsElapsed()) / 1e9);

        QElapsedTimer gap;
        gap.start();
        qint64 last = 0, worst = 0;
        QTimer tick;
        tick.setTimerType(Qt::PreciseTimer);
        QObject::connect(&tick, &QTimer::timeout, [&] {
            worst = std::max(worst, gap.elapsed() - last);
            last = gap.elapsed();
        });
        tick.start(1);
        pumpFor(400);
        worstStall = std::max(worstStall, double(worst));
    }
    state.counters["worst_event_thread_stall_ms"] = worstStall;
}

void BM_StartUpWithSoundfont(benchmark::State& state) {
    startUp(state, QString::fromLatin1(kSoundfont));
}
void BM_StartUpWithoutSoundfont(benchmark::State& state) {
    startUp(state, "/nonexistent/soundfont.sf2");
}

}  // namespace

BENCHMARK(BM_PlayToFirstSoundWave)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_PlayToFirstSoundMidi)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_SoundfontLoadOffTheEventThread)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);
BENCHMARK(BM_StartUpWithSoundfont)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_StartUpWithoutSoundfont)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
