#pragma once
// A clock that moves only when told to: tests advance it and every due timer fires in time order.
#include <map>

#include "shell/clock.h"

class ManualClock final : public Clock {
public:
    qint64 nowMs() const override { return now_; }
    // Starts at `wallStart` and moves with the clock.
    QDateTime wallTime() const override { return wallStart.addMSecs(now_); }
    TimerId start(int intervalMs, bool repeat, std::function<void()> tick) override;
    void cancel(TimerId id) override { timers_.erase(id); }

    // Moves time forward by `ms`, firing every timer that falls due on the way.
    void advance(qint64 ms);
    int activeTimers() const { return static_cast<int>(timers_.size()); }

    QDateTime wallStart{QDate(2026, 12, 10), QTime(9, 41, 5)};

private:
    struct Timer {
        qint64 due;
        int interval;
        bool repeat;
        std::function<void()> tick;
    };
    qint64 now_ = 0;
    TimerId nextId_ = 1;
    std::map<TimerId, Timer> timers_;
};
