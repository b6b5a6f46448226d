#include "media/audio_stream.h"

#include <QAudioSink>
#include <QIODevice>
#include <QMediaDevices>
#include <QTimer>

namespace {

// The source's samples as a device, pulled by the sound device or read ahead by the stream's
// writer; it ends when the source has nothing more.
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
           std::unique_ptr<SampleSource> source, Feed feed)
        : device_(device),
          format_(format),
          source_(std::move(source)),
          pull_(*source_),
          feed_(feed) {}

    void play() {
        playing_ = true;
        if (device_.isNull()) return;
        if (!sink_) createSink();
        if (sink_->state() == QAudio::SuspendedState) {
            sink_->resume();
            if (ahead_) writer_->start();
        } else if (sink_->state() == QAudio::StoppedState && !pull_.finished()) {
            if (feed_ == Feed::Prompt) {
                sink_->start(&pull_);
            } else {
                ahead_ = sink_->start();
                writeAhead();
                writer_->start();
            }
        }
    }

    void pause() {
        playing_ = false;
        if (writer_) writer_->stop();
        if (sink_ && sink_->state() != QAudio::StoppedState) sink_->suspend();
    }

    void restart(const std::function<void(SampleSource&)>& reposition) {
        stopSink();
        reposition(*source_);
        pull_.reopen();
        if (playing_) play();
    }

    void run(const std::function<void(SampleSource&)>& job) { job(*source_); }

    void shutdown() {
        stopSink();
        delete sink_;
        sink_ = nullptr;
        source_.reset();
    }

private:
    void createSink() {
        sink_ = new QAudioSink(device_, format_, this);
        if (feed_ == Feed::Ahead) {
            sink_->setBufferSize(format_.bytesForDuration(qint64(kAheadMs) * 1000));
            writer_ = new QTimer(this);
            writer_->setInterval(kAheadMs / 4);
            writer_->setTimerType(Qt::CoarseTimer);
            connect(writer_, &QTimer::timeout, this, &Worker::writeAhead);
        }
        connect(sink_, &QAudioSink::stateChanged, this, [this](QAudio::State state) {
            // Played out: free the device's stream until the next start.
            if (state == QAudio::IdleState && pull_.finished()) stopSink();
        });
    }

    // Tops the device's buffer up from the source; at the source's end the buffer plays out.
    void writeAhead() {
        if (!ahead_) return;
        const qint64 frame = std::max(1, format_.bytesPerFrame());
        qint64 room = sink_->bytesFree() / frame * frame;
        while (room > 0 && !pull_.finished()) {
            chunk_.resize(room);
            const qint64 n = pull_.read(chunk_.data(), room);
            if (n <= 0) break;
            ahead_->write(chunk_.constData(), n);
            room -= n;
        }
        if (pull_.finished()) writer_->stop();
    }

    void stopSink() {
        if (writer_) writer_->stop();
        ahead_ = nullptr;
        if (sink_) sink_->stop();
    }

    QAudioDevice device_;
    QAudioFormat format_;
    std::unique_ptr<SampleSource> source_;
    PullDevice pull_;
    const Feed feed_;
    QAudioSink* sink_ = nullptr;
    QIODevice* ahead_ = nullptr;  // the device's buffer, written ahead (Feed::Ahead)
    QTimer* writer_ = nullptr;
    QByteArray chunk_;
    bool playing_ = false;
};

AudioStream::AudioStream(const QAudioFormat& format, std::unique_ptr<SampleSource> source,
                         Feed feed) {
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    audible_ = !device.isNull();
    worker_ = new Worker(device, format, std::move(source), feed);
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
