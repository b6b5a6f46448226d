#include "tests/media/media_fixtures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QtEndian>
#include <cmath>
#include <cstring>

namespace {

void le(QByteArray& b, quint32 v, int bytes) {
    for (int i = 0; i < bytes; ++i) b.append(char(v >> (8 * i) & 0xFF));
}
void be(QByteArray& b, quint32 v, int bytes) {
    for (int i = bytes - 1; i >= 0; --i) b.append(char(v >> (8 * i) & 0xFF));
}

// Interleaved little-endian samples of a tone.
QByteArray samples(const Tone& t, int bits, bool isFloat) {
    QByteArray b;
    const qint64 frames = qint64(t.sampleRate) * t.lengthMs / 1000;
    for (qint64 i = 0; i < frames; ++i) {
        const double v = t.amplitude * std::sin(2 * M_PI * t.frequency * double(i) / t.sampleRate);
        for (int c = 0; c < t.channels; ++c) {
            if (isFloat) {
                const float f = float(v);
                quint32 raw;
                std::memcpy(&raw, &f, 4);
                le(b, raw, 4);
            } else if (bits == 8) {
                b.append(char(quint8(128 + std::lround(v * 127))));
            } else {
                const double scale = std::ldexp(1.0, bits - 1) - 1;
                le(b, quint32(qint32(std::lround(v * scale))), bits / 8);
            }
        }
    }
    return b;
}

}  // namespace

QByteArray waveFile(const Tone& t) {
    const QByteArray data = samples(t, t.bits, t.isFloat);
    const int blockAlign = t.channels * t.bits / 8;
    QByteArray b = "RIFF";
    le(b, 36 + data.size(), 4);
    b += "WAVEfmt ";
    le(b, 16, 4);
    le(b, t.isFloat ? 3 : 1, 2);
    le(b, t.channels, 2);
    le(b, t.sampleRate, 4);
    le(b, t.sampleRate * blockAlign, 4);
    le(b, blockAlign, 2);
    le(b, t.bits, 2);
    b += "data";
    le(b, data.size(), 4);
    return b + data;
}

QByteArray vlq(quint32 value) {
    QByteArray b(1, char(value & 0x7F));
    while (value >>= 7) b.prepend(char(0x80 | (value & 0x7F)));
    return b;
}

QByteArray tempoEvent(quint32 delta, quint32 us) {
    QByteArray b = vlq(delta) + QByteArray("\xFF\x51\x03", 3);
    be(b, us, 3);
    return b;
}

QByteArray noteEvent(quint32 delta, int key, bool on) {
    const char event[] = {char(on ? 0x90 : 0x80), char(key), char(on ? 100 : 0)};
    return vlq(delta) + QByteArray(event, 3);
}

QByteArray midiTrack(const QByteArray& events) {
    const QByteArray body = events + QByteArray("\x00\xFF\x2F\x00", 4);
    QByteArray b = "MTrk";
    be(b, body.size(), 4);
    return b + body;
}

QByteArray midiFile(std::initializer_list<QByteArray> tracks, int division, int format) {
    QByteArray b = "MThd";
    be(b, 6, 4);
    be(b, format, 2);
    be(b, quint32(tracks.size()), 2);
    be(b, division, 2);
    for (const QByteArray& t : tracks) b += t;
    return b;
}

QByteArray midiTune(int quarters) {
    QByteArray events = vlq(0) + QByteArray("\xC0\x00", 2);  // acoustic grand piano
    const int keys[] = {60, 64, 67, 72};
    for (int i = 0; i < quarters; ++i) {
        events += noteEvent(0, keys[i % 4], true);
        events += noteEvent(480, keys[i % 4], false);
    }
    return midiFile({midiTrack(events)}, 480, 0);
}

QString writeDiscImage(const QString& dir, std::initializer_list<Tone> tracks) {
    QByteArray bin;
    QString cue = QStringLiteral("FILE \"disc.bin\" BINARY\n");
    int track = 0;
    for (Tone t : tracks) {
        t.sampleRate = 44100;
        t.channels = 2;
        t.bits = 16;
        const qint64 sector = bin.size() / 2352;
        cue += QStringLiteral("  TRACK %1 AUDIO\n    INDEX 01 %2:%3:%4\n")
                   .arg(++track, 2, 10, QLatin1Char('0'))
                   .arg(sector / 75 / 60, 2, 10, QLatin1Char('0'))
                   .arg(sector / 75 % 60, 2, 10, QLatin1Char('0'))
                   .arg(sector % 75, 2, 10, QLatin1Char('0'));
        QByteArray audio = samples(t, 16, false);
        audio.append(QByteArray((2352 - audio.size() % 2352) % 2352, '\0'));  // whole sectors
        bin += audio;
    }
    writeBytes(QDir(dir).filePath("disc.bin"), bin);
    const QString cuePath = QDir(dir).filePath("disc.cue");
    writeBytes(cuePath, cue.toUtf8());
    return cuePath;
}

bool gstreamerMakes(const QString& pipeline, const QString& output) {
    QProcess gst;
    QStringList args{QStringLiteral("-q")};
    args += QProcess::splitCommand(pipeline.arg(output));
    gst.start(QStringLiteral("gst-launch-1.0"), args);
    return gst.waitForFinished(60000) && gst.exitStatus() == QProcess::NormalExit &&
           gst.exitCode() == 0 && QFileInfo(output).size() > 0;
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    if (f.open(QIODevice::WriteOnly)) f.write(bytes);
}
