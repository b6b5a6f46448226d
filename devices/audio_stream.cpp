#include "devices/audio_stream.h"

#include <QAudioSink>
#include <QIODevice>
#include <QMediaDevices>
#include <algorithm>
#include <cstring>

SampleDevice::SampleDevice(SampleSource& source, int bytesPerFrame)
    : source_(source), frameBytes_(std::max(1, bytesPerFrame)) {
    open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

qint64 SampleDevice::bytesAvailable() const {
    return finished_ ? 0 : qint64(1) << 20;
}

void SampleDevice::reopen() {
    spare_.clear();
    finished_ = false;
}

qint64 SampleDevice::takeSpare(char* data, qint64 maxSize) {
    const qint64 n = std::min<qint64>(spare_.size(), maxSize);
    std::memcpy(data, spare_.constData(), size_t(n));
    spare_.remove(0, n);
    return n;
}

qint64 SampleDevice::readData(char* data, qint64 maxSize) {
    if (finished_ || maxSize <= 0) return 0;
    qint64 given = takeSpare(data, maxSize);
    const qint64 whole = (maxSize - given) / frameBytes_ * frameBytes_;
    if (whole > 0) {
        const qint64 n = source_.read(data + given, whole);
        if (n <= 0) {
            finished_ = given == 0;
            return given;
        }
        given += n;
        if (n < whole) return given;
    }
    if (given < maxSize) {
        // The request ends inside a frame: that frame is read whole and its rest kept.
        spare_.resize(frameBytes_);
        const qint64 n = source_.read(spare_.data(), frameBytes_);
        spare_.resize(std::max<qint64>(n, 0));
        if (n <= 0 && given == 0) finished_ = true;
        given += takeSpare(data + given, maxSize - given);
    }
    return given;
}

class AudioStream::Worker final : public QObject {
public:
    Worker(const QAudioDevice& device, const QAudioFormat& format,
           std::unique_ptr<SampleSource> source)
        : device_(device),
          format_(format),
          source_(std::move(source)),
          pull_(*source_, format.bytesPerFrame()) {}

    void play() {
        playing_ = true;
        if (device_.isNull()) return;
        if (!sink_) {
            sink_ = new QAudioSink(device_, format_, this);
            connect(sink_, &QAudioSink::stateChanged, this, [this](QAudio::State state) {
                // Played out: free the device's stream until the next start.
                if (state == QAudio::IdleState && pull_.finished()) sink_->stop();
            });
        }
        if (sink_->state() == QAudio::SuspendedState)
            sink_->resume();
        else if (sink_->state() == QAudio::StoppedState && !pull_.finished())
            sink_->start(&pull_);
    }

    void pause() {
        playing_ = false;
        if (sink_ && sink_->state() != QAudio::StoppedState) sink_->suspend();
    }

    void restart(const std::function<void(SampleSource&)>& reposition) {
        if (sink_) sink_->stop();
        reposition(*source_);
        pull_.reopen();
        if (playing_) play();
    }

    void run(const std::function<void(SampleSource&)>& job) { job(*source_); }

    void shutdown() {
        delete sink_;
        sink_ = nullptr;
        source_.reset();
    }

private:
    QAudioDevice device_;
    QAudioFormat format_;
    std::unique_ptr<SampleSource> source_;
    SampleDevice pull_;
    QAudioSink* sink_ = nullptr;
    bool playing_ = false;
};

AudioStream::AudioStream(const QAudioFormat& format, std::unique_ptr<SampleSource> source) {
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    audible_ = !device.isNull();
    worker_ = new Worker(device, format, std::move(source));
    worker_->moveToThread(&thread_);
    QObject::connect(&thread_, &QThread::finished, worker_, &QObject::deleteLater);
    thread_.setObjectName(QStringLiteral("audio stream"));
    thread_.start(QThread::TimeCriticalPriority);
}

AudioStream::~AudioStream() {
    QMetaObject::invokeMethod(
        worker_, [w = worker_] { w->shutdown(); }, Qt::BlockingQueuedConnection);
    thread_.quit();
    thread_.wait();
}

void AudioStream::play() {
    QMetaObject::invokeMethod(worker_, [w = worker_] { w->play(); });
}

void AudioStream::pause() {
    QMetaObject::invokeMethod(worker_, [w = worker_] { w->pause(); });
}

void AudioStream::restart(std::function<void(SampleSource&)> reposition) {
    QMetaObject::invokeMethod(worker_, [w = worker_, f = std::move(reposition)] { w->restart(f); });
}

void AudioStream::run(std::function<void(SampleSource&)> job) {
    QMetaObject::invokeMethod(worker_, [w = worker_, f = std::move(job)] { w->run(f); });
}
