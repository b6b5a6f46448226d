#include "media/audio_stream.h"

#include <QAudioSink>
#include <QIODevice>
#include <QMediaDevices>

namespace {

// The sound device pulls samples through this; it ends when the source has nothing more.
class PullDevice final : public QIODevice {
public:
    explicit PullDevice(SampleSource& source) : source_(source) { open(QIODevice::ReadOnly); }
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return finished_ ? 0 : qint64(1) << 20; }
    bool atEnd() const override { return finished_; }
    void reopen() { finished_ = false; }
    bool finished() const { return finished_; }

protected:
    qint64 readData(char* data, qint64 maxSize) override {
        if (finished_) return 0;
        const qint64 n = source_.read(data, maxSize);
        if (n <= 0) finished_ = true;
        return std::max<qint64>(n, 0);
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    SampleSource& source_;
    bool finished_ = false;
};

}  // namespace

class AudioStream::Worker final : public QObject {
public:
    Worker(const QAudioDevice& device, const QAudioFormat& format,
           std::unique_ptr<SampleSource> source)
        : device_(device), format_(format), source_(std::move(source)), pull_(*source_) {}

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
    PullDevice pull_;
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
