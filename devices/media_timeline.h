#pragma once
// Where a medium stands and when it ends, kept on the program's clock: the players' timekeeping.
// It runs whether or not a sound device plays along, so the end comes when the medium would end.
#include <QtGlobal>
#include <functional>

#include "shell/clock.h"

class MediaTimeline {
public:
    MediaTimeline(Clock& clock, qint64 lengthMs);
    ~MediaTimeline();
    MediaTimeline(const MediaTimeline&) = delete;
    MediaTimeline& operator=(const MediaTimeline&) = delete;

    void play();  // from the current position; nothing at the end
    void pause();
    void seek(qint64 positionMs);  // keeps playing or not as before
    void setLength(qint64 lengthMs);

    qint64 position() const;
    qint64 length() const { return length_; }
    bool isPlaying() const { return timer_ != 0; }
    bool atEnd() const { return position() >= length_; }

    // Called on the event thread when playing reaches the end by itself.
    std::function<void()> onEnd;

private:
    void arm();
    void disarm();

    Clock& clock_;
    qint64 length_;
    qint64 position_ = 0;   // while stopped; while playing, where it stood at startedAt_
    qint64 startedAt_ = 0;  // clock time of the last play
    Clock::TimerId timer_ = 0;
};
