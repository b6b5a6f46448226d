#include "tests/media/sound_recorder.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <cmath>
#include <cstring>

SoundRecorder::SoundRecorder() = default;

SoundRecorder::~SoundRecorder() {
    parec_.kill();
    parec_.waitForFinished(2000);
}

bool SoundRecorder::start() {
    parec_.start(QStringLiteral("parec"),
                 {"--device=@DEFAULT_MONITOR@", "--format=s16le", "--rate=44100", "--channels=1",
                  "--raw", "--latency-msec=5"});
    if (!parec_.waitForStarted(5000)) return false;
    QElapsedTimer waited;
    waited.start();
    while (samples_.size() < kRate / 10 && waited.elapsed() < 5000) {  // flowing: 100 ms in
        parec_.waitForReadyRead(100);
        takeIn();
    }
    return samples_.size() >= kRate / 10;
}

void SoundRecorder::takeIn() {
    partial_ += parec_.readAllStandardOutput();
    const qsizetype n = partial_.size() / 2;
    if (n == 0) return;
    const qsizetype old = samples_.size();
    samples_.resize(old + n);
    std::memcpy(samples_.data() + old, partial_.constData(), n * 2);
    partial_.remove(0, n * 2);
}

qint64 SoundRecorder::now() {
    QCoreApplication::processEvents();
    takeIn();
    return samples_.size();
}

void SoundRecorder::record(int ms) {
    const qint64 until = now() + qint64(ms) * kRate / 1000;
    QElapsedTimer waited;
    waited.start();
    while (now() < until && waited.elapsed() < ms + 5000) {
        parec_.waitForReadyRead(10);
        QCoreApplication::processEvents();
    }
}

double SoundRecorder::level(qint64 from, qint64 to) const {
    to = std::min<qint64>(to, samples_.size());
    if (to <= from) return 0;
    double sum = 0;
    for (qint64 i = from; i < to; ++i) sum += double(samples_[i]) * samples_[i];
    return std::sqrt(sum / double(to - from)) / 32768.0;
}

double SoundRecorder::toneLevel(qint64 from, qint64 to, double frequency) const {
    to = std::min<qint64>(to, samples_.size());
    if (to <= from) return 0;
    const double w = 2 * M_PI * frequency / kRate, c = 2 * std::cos(w);
    double s1 = 0, s2 = 0;
    for (qint64 i = from; i < to; ++i) {
        const double s0 = samples_[i] / 32768.0 + c * s1 - s2;
        s2 = s1;
        s1 = s0;
    }
    const double power = s1 * s1 + s2 * s2 - c * s1 * s2;
    return 2 * std::sqrt(std::max(power, 0.0)) / double(to - from);  // amplitude of the tone
}

double SoundRecorder::firstSoundAfter(qint64 from, double threshold) const {
    const double limit = threshold * 32768;
    for (qint64 i = from; i < samples_.size(); ++i)
        if (std::abs(samples_[i]) > limit) return double(i - from) * 1000 / kRate;
    return -1;
}
