#pragma once
// The real clock: precise QTimers on the event thread.
#include <QElapsedTimer>
#include <QObject>
#include <map>
#include <memory>

#include "shell/clock.h"

class QTimer;

class QtClock final : public Clock {
public:
    QtClock();
    ~QtClock() override;
    qint64 nowMs() const override { return elapsed_.elapsed(); }
    TimerId start(int intervalMs, bool repeat, std::function<void()> tick) override;
    void cancel(TimerId id) override;

private:
    QElapsedTimer elapsed_;
    TimerId nextId_ = 1;
    std::map<TimerId, std::unique_ptr<QTimer>> timers_;
};
