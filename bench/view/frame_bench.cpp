// The Lesson 2 car moved inside its handler, on the offscreen platform: what one step costs to
// paint, and how long the whole drive of 215 painted steps lasts for the child.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "shell/screen_window.h"
#include "shell/view_manager.h"
#include "tests/support/quiet_platform.h"
#include "tests/support/test_program.h"

namespace {

struct Lesson2 {
    Lesson2() {
        t.start();
        t.click(ScreenId::Form1, "Image6");
        t.screen(ScreenId::Form5)["RichTextBox1"].hide();
        processEvents();
    }
    Widget& car() { return t.screen(ScreenId::Form5)["Picture1"]; }
    QWidget* carView() { return views.window(ScreenId::Form5)->viewOf(car()); }

    TestProgram t;
    ViewManager views{t.program()};
};

// The painting of one refresh, without the pause that spaces the frames.
void carStepPainted(benchmark::State& state) {
    Lesson2 l;
    Widget& car = l.car();
    QWidget* view = l.carView();
    int step = -15;
    for (auto _ : state) {
        if (car.left() <= 135) step = 15;
        if (car.left() >= 3360) step = -15;
        car.setLeft(car.left() + step);
        view->parentWidget()->repaint(view->geometry());
    }
}
BENCHMARK(carStepPainted)->Unit(benchmark::kMillisecond);

// A press on the car: the drive across as the child sees it.
void carDrive(benchmark::State& state) {
    Lesson2 l;
    for (auto _ : state) l.t.mouseDown(ScreenId::Form5, QStringLiteral("Picture1"), 1);
}
BENCHMARK(carDrive)->Unit(benchmark::kMillisecond)->Iterations(6);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    silenceOffscreenPlatformWarnings();
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
