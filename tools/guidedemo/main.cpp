// Shows the real guide window over another window and photographs it in each animation's key
// pose, in flight, pointing and speaking the longest sentence of the screens: one PNG each in DIR,
// for review under Xvfb with or without a compositor. For the benchmarks it can also just stand
// still, or fly to and fro and print its frames per second, for SECONDS.
// Usage: guidedemo DIR | --stand SECONDS | --fly SECONDS
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPainter>
#include <QScreen>
#include <QTextStream>
#include <QTimer>
#include <functional>

#include "media/guide_animations.h"
#include "media/guide_figure.h"
#include "media/guide_queue.h"
#include "media/guide_window.h"
#include "shell/assets.h"
#include "shell/design_desktop.h"
#include "shell/qt_clock.h"

namespace {

// A window beneath the guide, so its edges show against a picture and not the bare desktop.
class Desk final : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), QColor(0x3a, 0x8f, 0x5c));
        paintAsset(p, "form1_image1", QRectF(rect()));
    }
};

struct Shot {
    QString name;
    std::function<void(GuideQueue&)> start;
    int afterMs;  // when the key pose is reached
};

std::vector<Shot> shots() {
    std::vector<Shot> all;
    for (const GuideAnimation& a : guideAnimations()) {
        // The moment of the key pose: the middle of the animation's longest hold.
        int at = a.durationMs / 2;
        int longest = 0;
        int previous = 0;
        for (const GuideKey& k : a.keys) {
            if (k.at - previous > longest) {
                longest = k.at - previous;
                at = k.at;
            }
            previous = k.at;
        }
        all.push_back({QString::fromLatin1(a.name),
                       [name = QString::fromLatin1(a.name)](GuideQueue& q) { q.play(name); }, at});
    }
    all.push_back({"GestureAt", [](GuideQueue& q) { q.gestureAt(100, 80); }, 700});
    all.push_back({"MoveTo", [](GuideQueue& q) { q.moveTo(160, 330); }, 700});
    all.push_back({"Speak",
                   [](GuideQueue& q) {
                       q.speak(QStringLiteral(
                           "Вот некоторые объекты Visual Basic. Что бы узнать название объекта - "
                           "наведи на него указатель мыши. Для получения более подробной "
                           "информации - нажми на интересующий тебя объект."));
                   },
                   900});
    all.push_back({"Show", [](GuideQueue& q) { q.hide(); }, 0});  // see below
    return all;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString dir = app.arguments().value(1, QStringLiteral("guide-shots"));
    QDir().mkpath(dir);
    QtClock clock;
    GuideQueue queue(clock);
    GuideWindow window(queue, nullptr);
    Desk desk;
    desk.setWindowTitle(QStringLiteral("desk"));
    desk.setGeometry(
        QRect(designToGlobal(QPoint(0, 0)), QSize(kDesignDesktopWidth, kDesignDesktopHeight)));
    desk.show();

    const QString mode = app.arguments().value(1);
    const int seconds = app.arguments().value(2).toInt();
    if (mode == QLatin1String("--stand") || mode == QLatin1String("--fly")) {
        queue.moveTo(420, 260);
        queue.show();
        QElapsedTimer flying;
        int framesBefore = 0;
        if (mode == QLatin1String("--fly")) {
            // To and fro across the design desktop, with no rest between the flights.
            QObject::connect(&queue, &GuideQueue::stepEnded, [&] {
                if (queue.current() || queue.pending()) return;
                if (!flying.isValid()) {
                    flying.start();
                    framesBefore = window.framesDrawn();
                }
                queue.moveTo(queue.position().x() < 300 ? 650 : 100,
                             queue.position().x() < 300 ? 400 : 100);
            });
        }
        QTimer::singleShot(seconds * 1000, [&] {
            if (flying.isValid())
                QTextStream(stdout)
                    << "frames_per_second="
                    << (window.framesDrawn() - framesBefore) * 1000.0 / double(flying.elapsed())
                    << Qt::endl;
            QApplication::quit();
        });
        return QApplication::exec();
    }
    const std::vector<Shot> all = shots();
    auto photograph = [&](const QString& name) {
        const QRect around = window.geometry().adjusted(-300, -60, 300, 60);
        QGuiApplication::primaryScreen()
            ->grabWindow(0, around.x(), around.y(), around.width(), around.height())
            .save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
    };
    std::function<void(size_t)> next = [&](size_t i) {
        if (i == all.size()) return QApplication::quit();
        queue.stop();
        queue.moveTo(420, 260);
        queue.show();
        QTimer::singleShot(900, [&, i] {
            if (all[i].name == QLatin1String("Show")) {
                // Half-way through appearing: hidden first, then shown.
                queue.hide();
                QTimer::singleShot(600, [&, i] {
                    queue.show();
                    QTimer::singleShot(guide_timing::kFadeMs / 2, [&, i] {
                        photograph(all[i].name);
                        next(i + 1);
                    });
                });
                return;
            }
            all[i].start(queue);
            QTimer::singleShot(all[i].afterMs, [&, i] {
                photograph(all[i].name);
                next(i + 1);
            });
        });
    };
    QTimer::singleShot(500, [&] { next(0); });
    return QApplication::exec();
}
