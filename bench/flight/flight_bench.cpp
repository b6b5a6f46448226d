// The flying ball of Lesson 3 in the running program: the real clock, the real windows, silent
// media and a silent guide. Measures the gaps between the ticks of the flight's 40 ms timer over
// 250 ticks: their mean, the worst one and how many exceed 60 ms; how far the ticks fell behind
// their beat at worst, and the longest run of the tick's own handler, in time and in CPU time (on
// a busy machine the difference is time the system gave to other processes).
#include <benchmark/benchmark.h>

#include <time.h>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <numeric>
#include <vector>

#include "media/null_backend.h"
#include "shell/look.h"
#include "shell/qt_clock.h"
#include "shell/screens.h"
#include "shell/view_manager.h"
#include "tests/support/test_program.h"

namespace {

constexpr int kFlightMs = 40;
constexpr int kGaps = 250;

qint64 threadCpuNs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

// The real clock, noting when each tick of the flight's timer arrives.
class TickRecorder final : public Clock {
public:
    qint64 nowMs() const override { return clock_.nowMs(); }
    TimerId start(int intervalMs, bool repeat, std::function<void()> tick) override {
        if (intervalMs == kFlightMs && repeat)
            tick = [this, tick = std::move(tick)] {
                const qint64 at = sinceStart_.nsecsElapsed();
                const qint64 cpuAt = threadCpuNs();
                ticks.push_back(at);
                tick();
                handlerNs.push_back(sinceStart_.nsecsElapsed() - at);
                handlerCpuNs.push_back(threadCpuNs() - cpuAt);
                if (static_cast<int>(ticks.size()) > kGaps && loop) loop->quit();
            };
        return clock_.start(intervalMs, repeat, std::move(tick));
    }
    void cancel(TimerId id) override { clock_.cancel(id); }

    std::vector<qint64> ticks;         // when each tick arrived, ns
    std::vector<qint64> handlerNs;     // how long its handler ran
    std::vector<qint64> handlerCpuNs;  // and how much of that it computed: the rest it waited
    QEventLoop* loop = nullptr;

private:
    QtClock clock_;
    QElapsedTimer sinceStart_ = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
};

struct RunningProgram {
    RunningProgram() {
        program.start();
        program.fire(ScreenId::Form1, QStringLiteral("Image7"), Event::Click);  // Урок 3
        settle(500);
    }
    static void settle(int ms) {
        QEventLoop wait;
        QTimer::singleShot(ms, &wait, &QEventLoop::quit);
        wait.exec();
    }
    void fire(const char* widget, Event event, int button = 0) {
        program.fire(ScreenId::Form6, QString::fromUtf8(widget), event,
                     EventArgs{.button = button});
    }
    // Sets the ball flying (with the textbook brought back in front, if asked) and lets it fly
    // until the timer has ticked kGaps + 1 times; then stops it.
    void fly(bool behindTheTextbook) {
        clock.ticks.clear();
        clock.handlerNs.clear();
        clock.handlerCpuNs.clear();
        QEventLoop loop;
        clock.loop = &loop;
        fire("Image1", Event::MouseDown, 1);
        if (behindTheTextbook) fire("Command2", Event::Click);
        QTimer::singleShot(kGaps * kFlightMs * 3, &loop, &QEventLoop::quit);  // a stuck timer
        loop.exec();
        clock.loop = nullptr;
        fire("Image1", Event::MouseDown, 2);
    }

    TickRecorder clock;
    NullBackendFactory media;
    Journal journal;
    FakeGuide guide{journal};
    FakeDialogs dialogs;
    Program program{screenCatalog(), Services{clock, media, guide, dialogs, QDir::currentPath()}};
    ViewManager views{program};
};

void report(benchmark::State& state, const TickRecorder& clock) {
    const std::vector<qint64>& ticks = clock.ticks;
    std::vector<double> gaps;
    for (size_t i = 1; i < ticks.size(); ++i) gaps.push_back((ticks[i] - ticks[i - 1]) / 1e6);
    if (gaps.empty()) {
        state.SkipWithError("the timer did not tick");
        return;
    }
    const double mean = std::accumulate(gaps.begin(), gaps.end(), 0.0) / gaps.size();
    state.counters["gaps"] = static_cast<double>(gaps.size());
    state.counters["mean_ms"] = mean;
    state.counters["worst_ms"] = *std::max_element(gaps.begin(), gaps.end());
    state.counters["best_ms"] = *std::min_element(gaps.begin(), gaps.end());
    state.counters["over_60ms"] = static_cast<double>(
        std::count_if(gaps.begin(), gaps.end(), [](double g) { return g > 60; }));
    // Behind the beat: how much later than start + n x 40 ms the latest tick came.
    double latest = 0;
    for (size_t i = 0; i < ticks.size(); ++i)
        latest = std::max(latest, (ticks[i] - ticks.front()) / 1e6 - i * double(kFlightMs));
    state.counters["latest_ms"] = latest;
    state.counters["handler_worst_ms"] =
        *std::max_element(clock.handlerNs.begin(), clock.handlerNs.end()) / 1e6;
    state.counters["handler_cpu_worst_ms"] =
        *std::max_element(clock.handlerCpuNs.begin(), clock.handlerCpuNs.end()) / 1e6;
    state.SetIterationTime((ticks.back() - ticks.front()) / 1e9);
}

// The ball flies over the kitten picture.
void flightOverThePicture(benchmark::State& state) {
    RunningProgram p;
    for (auto _ : state) {
        p.fly(false);
        report(state, p.clock);
    }
}
BENCHMARK(flightOverThePicture)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

// The disc bar shows and the textbook is back in front; the ball flies on behind them.
void flightBehindTheTextbook(benchmark::State& state) {
    RunningProgram p;
    p.fire("Image4", Event::Click);
    for (auto _ : state) {
        p.fly(true);
        report(state, p.clock);
    }
}
BENCHMARK(flightBehindTheTextbook)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    installFontSubstitutes();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
