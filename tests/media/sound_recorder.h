#pragma once
// Records what the sound server plays, from the default sink's monitor, as 16-bit mono samples
// at 44.1 kHz, so that tests can tell sound from silence and one tone from another.
#include <QProcess>
#include <QVector>

class SoundRecorder {
public:
    static constexpr int kRate = 44100;

    SoundRecorder();
    ~SoundRecorder();
    bool start();  // false when there is no server to record from

    qint64 now();  // samples recorded so far (takes in what has arrived)
    // Waits until `ms` more milliseconds of sound have been recorded.
    void record(int ms);
    // Root mean square of the samples from `from` to `to`, full scale 1.
    double level(qint64 from, qint64 to) const;
    // Strength of one frequency in the samples from `from` to `to` (Goertzel), full scale 1.
    double toneLevel(qint64 from, qint64 to, double frequency) const;
    // Milliseconds until the first sample louder than `threshold` after `from`, or -1.
    double firstSoundAfter(qint64 from, double threshold) const;

private:
    void takeIn();
    QProcess parec_;
    QVector<qint16> samples_;
    QByteArray partial_;
};
