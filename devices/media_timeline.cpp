#include "devices/media_timeline.h"

#include <algorithm>
#include <climits>

MediaTimeline::MediaTimeline(Clock& clock, qint64 lengthMs)
    : clock_(clock), length_(std::max<qint64>(lengthMs, 0)) {}

MediaTimeline::~MediaTimeline() {
    disarm();
}

qint64 MediaTimeline::position() const {
    if (!timer_) return position_;
    return std::min(length_, position_ + clock_.nowMs() - startedAt_);
}

void MediaTimeline::play() {
    if (timer_ || atEnd()) return;
    arm();
}

void MediaTimeline::pause() {
    if (!timer_) return;
    position_ = position();
    disarm();
}

void MediaTimeline::seek(qint64 positionMs) {
    const bool playing = isPlaying();
    disarm();
    position_ = std::clamp<qint64>(positionMs, 0, length_);
    if (playing && !atEnd()) arm();
}

void MediaTimeline::setLength(qint64 lengthMs) {
    const bool playing = isPlaying();
    pause();
    length_ = std::max<qint64>(lengthMs, 0);
    position_ = std::min(position_, length_);
    if (playing && !atEnd()) arm();
}

void MediaTimeline::arm() {
    startedAt_ = clock_.nowMs();
    const qint64 remaining = length_ - position_;
    timer_ = clock_.start(static_cast<int>(std::min<qint64>(remaining, INT_MAX)), false, [this] {
        timer_ = 0;
        position_ = length_;
        if (onEnd) onEnd();
    });
}

void MediaTimeline::disarm() {
    if (!timer_) return;
    clock_.cancel(timer_);
    timer_ = 0;
}
