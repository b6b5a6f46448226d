#pragma once
// Reads what a sound, music or video file says about itself from its bytes alone: whether its
// container is well-formed, how long it plays and what it holds. Knows nothing of players.
#include <QByteArray>
#include <QString>
#include <QStringList>

struct MediaFacts {
    QString error;        // why the file is not well-formed; empty when it is
    double seconds = 0;   // playing time
    int peak = 0;         // WAV: the loudest sample, on the 16-bit scale
    int notes = 0;        // MIDI: note-on events with a velocity
    int tracks = 0;       // MIDI: track chunks read
    QStringList streams;  // AVI: "vids MJPG", "auds 0x1", one per stream header
};

MediaFacts wavFacts(const QByteArray& bytes);   // RIFF WAVE with PCM samples
MediaFacts midiFacts(const QByteArray& bytes);  // Standard MIDI File, format 0 or 1
MediaFacts aviFacts(const QByteArray& bytes);   // RIFF AVI with its headers, movi and idx1
