#pragma once
// What a media player needs from whatever really plays: one opened medium. The player keeps the
// command semantics (open state, quiet failure, notifications); a backend only plays.
#include <QString>
#include <functional>
#include <memory>

struct MediaSource {
    QString name;          // as the screen set it ("\evy\1.wav")
    QString path;          // the resolved file; empty for an audio disc
    bool cdAudio = false;  // device type "CDAudio": the disc in the default drive
};

class MediaBackend {
public:
    virtual ~MediaBackend() = default;
    virtual void play() = 0;   // from the current position; returns at once
    virtual void pause() = 0;  // keeps the position
    virtual void next() = 0;   // next track, or to the end of a single-track medium
    virtual void
    previous() = 0;  // back to the start of the track (the track before, near its start)
    virtual bool atEnd() const = 0;
    virtual bool isPlaying() const = 0;
    // Still finding out what it holds (a disc being read, a file being probed); calls onChanged
    // once it knows. Commands sent meanwhile are remembered or dropped as the backend sees fit.
    virtual bool isReady() const { return true; }
    // Takes the medium out of its drive; true when it is gone and the player should close.
    virtual bool eject() { return false; }

    // Set by the player, called on the event thread, never from inside a call to the backend.
    std::function<void()> onFinished;  // playing reached the end by itself
    std::function<void()> onChanged;   // the state changed by itself (ready, video window closed)
    std::function<void()> onFailed;    // the medium turned out unplayable after it was opened
};

class MediaBackendFactory {
public:
    virtual ~MediaBackendFactory() = default;
    // Opens the medium positioned at its start; nullptr when it cannot be opened.
    virtual std::unique_ptr<MediaBackend> open(const MediaSource& source) = 0;
};
