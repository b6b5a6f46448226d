#pragma once
// The time source of the model: timers of screens, the guide's queue and the players' idea of
// when a medium ends all run on one clock, so tests can drive them by hand.
#include <QDateTime>
#include <QtGlobal>
#include <functional>

class Clock {
public:
    using TimerId = int;

    virtual ~Clock() = default;

    // Milliseconds since an arbitrary start.
    virtual qint64 nowMs() const = 0;

    // The local date and time of day, for the texts that show them.
    virtual QDateTime wallTime() const { return QDateTime::currentDateTime(); }

    // Calls `tick` on the event thread every `intervalMs` (or once, if !repeat) until cancelled.
    virtual TimerId start(int intervalMs, bool repeat, std::function<void()> tick) = 0;

    // Harmless for a timer that already ran out or was cancelled.
    virtual void cancel(TimerId id) = 0;
};
