#pragma once
// The common part of the media that play through our own audio stream (WAVE files, MIDI songs,
// the audio disc): the position on the clock, tracks for "Prev" and "Next", and a medium that
// may need a moment (a synthesizer, a disc) before it can sound. The clock, not the sound
// device, says when playing has ended.
#include <QObject>
#include <memory>
#include <vector>

#include "devices/audio_stream.h"
#include "devices/media_timeline.h"
#include "media/media_backend.h"

class StreamBackend : public MediaBackend {
public:
    StreamBackend(Clock& clock, qint64 lengthMs);
    ~StreamBackend() override;

    void play() override;
    void pause() override;
    void next() override;
    void previous() override;
    bool atEnd() const override { return ready_ && timeline_.atEnd(); }
    bool isPlaying() const override { return ready_ ? timeline_.isPlaying() : wantsToPlay_; }
    bool isReady() const override { return ready_; }

protected:
    // Until ready, "Play" is remembered and the clock waits; `stream` may be null (silence).
    void becomeReady(std::unique_ptr<AudioStream> stream, qint64 lengthMs);
    void waitUntilReady() { ready_ = false; }
    // The starts of the tracks after the first, in milliseconds; one track by default.
    void setTrackStarts(std::vector<qint64> starts) { trackStarts_ = std::move(starts); }
    // What the stream's source must do to stand at `positionMs`.
    virtual std::function<void(SampleSource&)> repositionTo(qint64 positionMs) = 0;

    AudioStream* stream() { return stream_.get(); }
    const MediaTimeline& timeline() const { return timeline_; }
    QObject& context() { return context_; }  // for deliveries that must die with the medium

private:
    void seek(qint64 positionMs);
    qint64 currentTrackStart() const;

    QObject context_;
    MediaTimeline timeline_;
    std::unique_ptr<AudioStream> stream_;
    std::vector<qint64> trackStarts_;
    bool ready_ = true;
    bool wantsToPlay_ = false;
};
