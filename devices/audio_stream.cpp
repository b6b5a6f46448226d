#include "devices/audio_stream.h"

#include <pulse/pulseaudio.h>

#include <QIODevice>
#include <QMutex>
#include <algorithm>
#include <atomic>
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

namespace {

// The one connection of all streams to the sound server, with the thread that talks to it. Made
// when the first stream is, tried again by later streams while there is no server.
class SoundServer {
public:
    // The connection, or none when no server answers. Streams share it; one made before the
    // server went away lives on with the streams that still hold it.
    static std::shared_ptr<SoundServer> get() {
        static std::shared_ptr<SoundServer> server;
        static QMutex making;
        QMutexLocker locked(&making);
        if (!server || !server->ready()) {
            server.reset();
            auto made = std::make_shared<SoundServer>();
            if (made->ready()) server = std::move(made);
        }
        return server;
    }

    SoundServer() : loop_(pa_threaded_mainloop_new()) {
        pa_threaded_mainloop_set_name(loop_, "sound server");
        context_ = pa_context_new(pa_threaded_mainloop_get_api(loop_), "masterskaya");
        pa_context_set_state_callback(
            context_,
            [](pa_context*, void* loop) {
                pa_threaded_mainloop_signal(static_cast<pa_threaded_mainloop*>(loop), 0);
            },
            loop_);
        if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) return;
        if (pa_threaded_mainloop_start(loop_) < 0) return;
        lock();
        for (;;) {
            const pa_context_state_t state = pa_context_get_state(context_);
            if (state == PA_CONTEXT_READY || !PA_CONTEXT_IS_GOOD(state)) break;
            pa_threaded_mainloop_wait(loop_);
        }
        unlock();
    }

    ~SoundServer() {
        pa_threaded_mainloop_stop(loop_);
        pa_context_set_state_callback(context_, nullptr, nullptr);
        pa_context_disconnect(context_);
        pa_context_unref(context_);
        pa_threaded_mainloop_free(loop_);
    }

    bool ready() const { return pa_context_get_state(context_) == PA_CONTEXT_READY; }
    pa_context* context() const { return context_; }
    void lock() { pa_threaded_mainloop_lock(loop_); }
    void unlock() { pa_threaded_mainloop_unlock(loop_); }

private:
    pa_threaded_mainloop* loop_;
    pa_context* context_;
};

class ServerLock {
public:
    explicit ServerLock(SoundServer& server) : server_(server) { server_.lock(); }
    ~ServerLock() { server_.unlock(); }
    ServerLock(const ServerLock&) = delete;
    ServerLock& operator=(const ServerLock&) = delete;

private:
    SoundServer& server_;
};

pa_sample_spec specOf(const QAudioFormat& format) {
    pa_sample_spec spec{PA_SAMPLE_S16LE, uint32_t(format.sampleRate()),
                        uint8_t(format.channelCount())};
    switch (format.sampleFormat()) {
        case QAudioFormat::UInt8:
            spec.format = PA_SAMPLE_U8;
            break;
        case QAudioFormat::Int32:
            spec.format = PA_SAMPLE_S32LE;
            break;
        case QAudioFormat::Float:
            spec.format = PA_SAMPLE_FLOAT32LE;
            break;
        default:
            break;
    }
    return spec;
}

// The server keeps a second and asks for half of it at a time: the stream's thread wakes twice a
// second, and a busy moment never empties the buffer. Stopping, pausing and starting again from
// the top do not wait for what is buffered (flush and cork are immediate).
constexpr pa_usec_t kBufferedUs = 1'000'000;
constexpr pa_usec_t kRequestUs = 500'000;
// A sound starts once this much has come, not the whole second: a slow disc starts as soon.
constexpr pa_usec_t kStartUs = 100'000;

}  // namespace

// Lives on the stream's thread: reads the source there and writes to the server what the server
// asks for, so a slow source holds up neither the event thread nor the other streams.
class AudioStream::Worker final : public QObject {
public:
    Worker(std::shared_ptr<SoundServer> server, const QAudioFormat& format,
           std::unique_ptr<SampleSource> source)
        : server_(std::move(server)),
          spec_(specOf(format)),
          source_(std::move(source)),
          pull_(*source_, format.bytesPerFrame()) {}

    void play() {
        playing_ = true;
        if (!server_ || pull_.finished()) return;
        if (!stream_ && !open()) return;
        cork(false);
        feed();
    }

    void pause() {
        playing_ = false;
        if (stream_) cork(true);
    }

    void restart(const std::function<void(SampleSource&)>& reposition) {
        if (stream_) {
            ServerLock locked(*server_);
            endDrain();
            if (pa_operation* o = pa_stream_flush(stream_, nullptr, nullptr)) pa_operation_unref(o);
        }
        reposition(*source_);
        pull_.reopen();
        if (playing_) play();
    }

    void run(const std::function<void(SampleSource&)>& job) { job(*source_); }

    void shutdown() {
        close();
        source_.reset();
    }

private:
    bool open() {
        ServerLock locked(*server_);
        const pa_buffer_attr attr{uint32_t(-1), uint32_t(pa_usec_to_bytes(kBufferedUs, &spec_)),
                                  uint32_t(pa_usec_to_bytes(kStartUs, &spec_)),
                                  uint32_t(pa_usec_to_bytes(kRequestUs, &spec_)), uint32_t(-1)};
        stream_ = pa_stream_new(server_->context(), "sound", &spec_, nullptr);
        if (!stream_) return false;
        pa_stream_set_write_callback(stream_, &Worker::serverAsks, this);
        pa_stream_set_state_callback(stream_, &Worker::stateChanged, this);
        if (pa_stream_connect_playback(stream_, nullptr, &attr, PA_STREAM_NOFLAGS, nullptr,
                                       nullptr) < 0) {
            pa_stream_unref(stream_);
            stream_ = nullptr;
            return false;
        }
        return true;
    }

    void close() {
        if (!stream_) return;
        ServerLock locked(*server_);
        endDrain();
        pa_stream_set_write_callback(stream_, nullptr, nullptr);
        pa_stream_set_state_callback(stream_, nullptr, nullptr);
        pa_stream_disconnect(stream_);
        pa_stream_unref(stream_);
        stream_ = nullptr;
    }

    // A drain under way no longer closes the stream: its news never comes, and news already on
    // its way is recognised as old. With the server's lock held.
    void endDrain() {
        ++generation_;
        if (!drain_) return;
        pa_operation_cancel(drain_);
        pa_operation_unref(drain_);
        drain_ = nullptr;
    }

    void cork(bool on) {
        ServerLock locked(*server_);
        if (pa_stream_get_state(stream_) != PA_STREAM_READY) return;  // it starts as told
        if (pa_operation* o = pa_stream_cork(stream_, on ? 1 : 0, nullptr, nullptr))
            pa_operation_unref(o);
    }

    // Writes as much as the server takes now. The source is read without the server's lock, so a
    // slow read holds up only this stream.
    void feed() {
        feedQueued_ = false;
        if (!stream_ || !playing_) return;
        size_t wanted = 0;
        {
            ServerLock locked(*server_);
            if (pa_stream_get_state(stream_) != PA_STREAM_READY) return;
            wanted = pa_stream_writable_size(stream_);
        }
        if (wanted == 0 || wanted == size_t(-1)) return;
        buffer_.resize(qsizetype(wanted));
        const qint64 got = pull_.read(buffer_.data(), qint64(wanted));
        ServerLock locked(*server_);
        if (got > 0) {
            pa_stream_write(stream_, buffer_.constData(), size_t(got), nullptr, 0,
                            PA_SEEK_RELATIVE);
        } else if (pull_.finished() && !drain_) {
            // Played out: the server's stream goes once what it holds has been heard.
            drain_ = pa_stream_drain(stream_, &Worker::drained, this);
        }
    }

    // The server's thread, with its lock held: what needs the stream's thread is posted there.
    static void serverAsks(pa_stream*, size_t, void* self) {
        auto* w = static_cast<Worker*>(self);
        if (w->feedQueued_.exchange(true)) return;
        QMetaObject::invokeMethod(
            w, [w] { w->feed(); }, Qt::QueuedConnection);
    }
    static void stateChanged(pa_stream* stream, void* self) {
        if (PA_STREAM_IS_GOOD(pa_stream_get_state(stream))) return;
        auto* w = static_cast<Worker*>(self);
        QMetaObject::invokeMethod(
            w, [w] { w->close(); }, Qt::QueuedConnection);
    }
    static void drained(pa_stream*, int, void* self) {
        auto* w = static_cast<Worker*>(self);
        const int generation = w->generation_;
        QMetaObject::invokeMethod(
            w,
            [w, generation] {
                if (generation == w->generation_) w->close();
            },
            Qt::QueuedConnection);
    }

    std::shared_ptr<SoundServer> server_;
    pa_sample_spec spec_;
    std::unique_ptr<SampleSource> source_;
    SampleDevice pull_;
    pa_stream* stream_ = nullptr;
    QByteArray buffer_;
    std::atomic<bool> feedQueued_ = false;
    pa_operation* drain_ = nullptr;
    int generation_ = 0;  // counts the drains ended, for late news of one
    bool playing_ = false;
};

AudioStream::AudioStream(const QAudioFormat& format, std::unique_ptr<SampleSource> source) {
    std::shared_ptr<SoundServer> server = SoundServer::get();
    audible_ = server != nullptr;
    worker_ = new Worker(std::move(server), format, std::move(source));
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
