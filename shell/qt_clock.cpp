#include "shell/qt_clock.h"

#include <QTimer>

QtClock::QtClock() {
    elapsed_.start();
}
QtClock::~QtClock() = default;

Clock::TimerId QtClock::start(int intervalMs, bool repeat, std::function<void()> tick) {
    const TimerId id = nextId_++;
    auto timer = std::make_unique<QTimer>();
    timer->setTimerType(Qt::PreciseTimer);
    timer->setInterval(intervalMs);
    timer->setSingleShot(!repeat);
    QObject::connect(timer.get(), &QTimer::timeout, [this, id, repeat, tick = std::move(tick)] {
        if (!repeat) {
            // Keep the callable alive while it runs, then drop the timer.
            auto self = std::move(timers_[id]);
            timers_.erase(id);
            tick();
            self.release()->deleteLater();
            return;
        }
        tick();
    });
    timer->start();
    timers_[id] = std::move(timer);
    return id;
}

void QtClock::cancel(TimerId id) {
    auto it = timers_.find(id);
    if (it == timers_.end()) return;
    it->second->stop();
    it->second.release()->deleteLater();  // may be cancelled from inside its own tick
    timers_.erase(it);
}
