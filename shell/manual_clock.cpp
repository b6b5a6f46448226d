#include "shell/manual_clock.h"

#include <algorithm>

Clock::TimerId ManualClock::start(int intervalMs, bool repeat, std::function<void()> tick) {
    const TimerId id = nextId_++;
    timers_[id] =
        Timer{now_ + std::max(intervalMs, 1), std::max(intervalMs, 1), repeat, std::move(tick)};
    return id;
}

void ManualClock::advance(qint64 ms) {
    const qint64 end = now_ + ms;
    for (;;) {
        // The earliest due timer; ties go to the one started first.
        auto next = timers_.end();
        for (auto it = timers_.begin(); it != timers_.end(); ++it)
            if (it->second.due <= end &&
                (next == timers_.end() || it->second.due < next->second.due))
                next = it;
        if (next == timers_.end()) break;
        now_ = next->second.due;
        const TimerId id = next->first;
        auto tick = next->second.tick;
        if (next->second.repeat)
            next->second.due += next->second.interval;
        else
            timers_.erase(next);
        tick();  // may cancel or start timers, this one included
        (void)id;
    }
    now_ = end;
}
