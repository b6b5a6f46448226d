#pragma once
// Small media made by the tests themselves: WAVE files of a tone, MIDI songs, an audio disc image,
// and, through GStreamer's command-line tool, an MP3 file and an AVI clip.
#include <QByteArray>
#include <QString>
#include <initializer_list>

struct Tone {
    int sampleRate = 22050;
    int channels = 1;
    int bits = 16;  // 8, 16, 24 or 32
    bool isFloat = false;
    int lengthMs = 500;
    double frequency = 440;
    double amplitude = 0.5;
};
QByteArray waveFile(const Tone& tone);

// A MIDI track's events (delta times included) and the file around them.
QByteArray vlq(quint32 value);
QByteArray tempoEvent(quint32 delta, quint32 microsecondsPerQuarter);
QByteArray noteEvent(quint32 delta, int key, bool on);
QByteArray midiFile(std::initializer_list<QByteArray> tracks, int division = 480, int format = 1);
QByteArray midiTrack(const QByteArray& events);  // "MTrk", length, events, end of track
// A piano tune of `quarters` quarter notes at 120 beats a minute: 500 ms each.
QByteArray midiTune(int quarters);

// Writes FILE.bin and FILE.cue holding one audio track a tone; returns the .cue file's path.
QString writeDiscImage(const QString& dir, std::initializer_list<Tone> tracks);

// Runs a gst-launch-1.0 pipeline; false when the tool or an element is missing.
bool gstreamerMakes(const QString& pipeline, const QString& output);

void writeBytes(const QString& path, const QByteArray& bytes);
