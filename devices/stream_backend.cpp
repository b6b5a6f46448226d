#include "devices/stream_backend.h"

#include <algorithm>

namespace {
// "Prev" this far into a track goes back to its start; nearer the start, to the track before.
constexpr qint64 kRestartTrackAfterMs = 2000;
}  // namespace

StreamBackend::StreamBackend(Clock& clock, qint64 lengthMs) : timeline_(clock, lengthMs) {
    timeline_.onEnd = [this] {
        if (onFinished) onFinished();
    };
}

StreamBackend::~StreamBackend() = default;

void StreamBackend::becomeReady(std::unique_ptr<AudioStream> stream, qint64 lengthMs) {
    stream_ = std::move(stream);
    timeline_.setLength(lengthMs);
    ready_ = true;
    if (wantsToPlay_) {
        wantsToPlay_ = false;
        play();
    }
    if (onChanged) onChanged();
}

void StreamBackend::play() {
    if (!ready_) {
        wantsToPlay_ = true;
        return;
    }
    if (timeline_.atEnd()) return;
    timeline_.play();
    if (stream_) stream_->play();
}

void StreamBackend::pause() {
    wantsToPlay_ = false;
    timeline_.pause();
    if (stream_) stream_->pause();
}

qint64 StreamBackend::currentTrackStart() const {
    const qint64 at = timeline_.position();
    qint64 start = 0;
    for (qint64 s : trackStarts_)
        if (s <= at) start = s;
    return start;
}

void StreamBackend::next() {
    if (!ready_) return;
    const qint64 at = timeline_.position();
    const auto later =
        std::find_if(trackStarts_.begin(), trackStarts_.end(), [at](qint64 s) { return s > at; });
    if (later != trackStarts_.end()) return seek(*later);
    pause();  // past the last track: to the end, where nothing plays
    seek(timeline_.length());
}

void StreamBackend::previous() {
    if (!ready_) return;
    const qint64 start = currentTrackStart();
    if (timeline_.position() - start >= kRestartTrackAfterMs || start == 0) return seek(start);
    qint64 before = 0;
    for (qint64 s : trackStarts_)
        if (s < start) before = s;
    seek(before);
}

void StreamBackend::seek(qint64 positionMs) {
    timeline_.seek(positionMs);
    if (stream_) stream_->restart(repositionTo(timeline_.position()));
}
