// The flying ball of Lesson 3 in the running program: the real clock, the real windows, silent
// media and a silent guide. Measures the gaps between the ticks of the flight's 40 ms timer over
// 250 ticks: their mean, the worst one and how many exceed 60 ms.
#include <benchmark/benchmark.h>

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

// The real clock, noting when each tick of the flight's timer arrives.
class TickRecorder final : public Clock {
public:
    qint64 nowMs() const override { return clock_.nowMs(); }
    TimerId start(int intervalMs, bool repeat, std::function<void()> tick) override {
        if (intervalMs == kFlightMs && repeat)
            tick = [this, tick = std::move(tick)] {
                ticks.push_back(sinceStart_.nsecsElapsed());
                tick();
                if (static_cast<int>(ticks.size()) > kGaps && loop) loop->quit();
            };
        return clock_.start(intervalMs, repeat, std::move(tick));
    }
    void cancel(TimerId id) override { clock_.cancel(id); }

    std::vector<qint64> ticks;  // ns
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

void report(benchmark::State& state, const std::vector<qint64>& ticks) {
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
    state.SetIterationTime((ticks.back() - ticks.front()) / 1e9);
}

// The ball flies over the kitten picture.
void flightOverThePicture(benchmark::State& state) {
    RunningProgram p;
    for (auto _ : state) {
        p.fly(false);
        report(state, p.clock.ticks);
    }
}
BENCHMARK(flightOverThePicture)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

// The disc bar shows and the textbook is back in front; the ball flies on behind them.
void flightBehindTheTextbook(benchmark::State& state) {
    RunningProgram p;
    p.fire("Image4", Event::Click);
    for (auto _ : state) {
        p.fly(true);
        report(state, p.clock.ticks);
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
