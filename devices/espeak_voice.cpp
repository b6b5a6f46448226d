#include "devices/espeak_voice.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QElapsedTimer>
#include <QIODevice>
#include <QMediaDevices>
#include <QTimer>
#include <algorithm>

namespace {

constexpr int kSinkBufferMs = 60;  // short, so speech starts and stops at once
constexpr int kDrainMs = 500;      // more than the sound server keeps buffered

// Hands the sink an utterance's samples as they are made; silence while the next ones are on
// their way, the end once the sentence is complete and played.
class UtteranceReader final : public QIODevice {
public:
    explicit UtteranceReader(std::shared_ptr<Utterance> u) : u_(std::move(u)) {
        open(QIODevice::ReadOnly);
    }
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override {
        return (u_->length() - next_) * qint64(sizeof(qint16)) + QIODevice::bytesAvailable();
    }

protected:
    qint64 readData(char* data, qint64 maxSize) override {
        auto* out = reinterpret_cast<qint16*>(data);
        const qint64 wanted = maxSize / qint64(sizeof(qint16));
        qint64 n = u_->read(next_, out, wanted);
        if (n == 0 && !u_->done()) {
            // Still being made: a little silence keeps the stream going.
            n = std::min<qint64>(wanted, u_->sampleRate / 100);
            std::fill_n(out, n, qint16(0));
            return n * qint64(sizeof(qint16));
        }
        next_ += n;
        return n * qint64(sizeof(qint16));
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    std::shared_ptr<Utterance> u_;
    qint64 next_ = 0;
};

}  // namespace

// Lives on the audio thread: plays one utterance at a time and keeps count of what was heard.
class SpeechOutput final : public QObject {
public:
    std::atomic<qint64> heard{0};   // samples of the current utterance heard so far
    std::atomic<bool> live{false};  // a sound device takes the samples

    void open() {
        QAudioFormat format;
        format.setSampleRate(22050);
        format.setChannelCount(1);
        format.setSampleFormat(QAudioFormat::Int16);
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (!device.isNull() && device.isFormatSupported(format)) {
            sink_ = new QAudioSink(device, format, this);
            sink_->setBufferSize(format.bytesForDuration(kSinkBufferMs * 1000));
            connect(sink_, &QAudioSink::stateChanged, this, [this] {
                if (sink_->error() != QAudio::NoError && sink_->error() != QAudio::UnderrunError)
                    live = false;
            });
            live = true;
        }
        ticker_ = new QTimer(this);
        ticker_->setInterval(15);
        connect(ticker_, &QTimer::timeout, this, [this] { count(); });
    }

    void play(std::shared_ptr<Utterance> u) {
        stop();
        current_ = std::move(u);
        heard = 0;
        clock_.start();
        if (live) {
            reader_ = std::make_unique<UtteranceReader>(current_);
            sink_->start(reader_.get());
        }
        ticker_->start();
    }

    void stop() {
        if (sink_ && sink_->state() != QAudio::StoppedState) sink_->reset();
        if (sink_) sink_->stop();
        ticker_->stop();
        reader_.reset();
        current_.reset();
    }

private:
    void count() {
        if (!current_) return;
        const int rate = current_->sampleRate;
        const qint64 us = live && sink_ ? sink_->processedUSecs() - kSinkBufferMs * 500
                                        : clock_.nsecsElapsed() / 1000;
        const qint64 length = current_->length();
        heard = std::clamp<qint64>(us * rate / 1'000'000, 0, length);
        // The sound server still holds the last samples when the sink has taken them all: the
        // stream ends only once they must have been heard.
        const qint64 lengthUs = length * 1'000'000 / rate;
        if (current_->done() && clock_.nsecsElapsed() / 1000 >= lengthUs + kDrainMs * 1000)
            finish();
    }
    void finish() {
        heard = current_ ? current_->length() : 0;
        stop();
    }

    QAudioSink* sink_ = nullptr;
    QTimer* ticker_ = nullptr;
    std::unique_ptr<UtteranceReader> reader_;
    std::shared_ptr<Utterance> current_;
    QElapsedTimer clock_;
};

EspeakVoice::EspeakVoice() : synth_(std::make_unique<SpeechSynth>()), output_(new SpeechOutput) {
    audioThread_.setObjectName(QStringLiteral("guide voice"));
    output_->moveToThread(&audioThread_);
    connect(&audioThread_, &QThread::finished, output_, &QObject::deleteLater);
    audioThread_.start();
    QMetaObject::invokeMethod(
        output_, [o = output_] { o->open(); }, Qt::QueuedConnection);
}

EspeakVoice::~EspeakVoice() {
    hush();
    synth_.reset();  // no callback of the synthesis thread comes after this
    QMetaObject::invokeMethod(
        output_, [o = output_] { o->stop(); }, Qt::BlockingQueuedConnection);
    audioThread_.quit();
    audioThread_.wait();
}

bool EspeakVoice::hasSoundDevice() const {
    return output_->live;
}

void EspeakVoice::say(const QString& text, std::function<void(qint64)> lasts) {
    hush();
    auto u = std::make_shared<Utterance>();
    u->text = text;
    const int serial = ++serial_;
    SpeechOutput* output = output_;
    // With the first samples the sound starts; at the end the guide learns how long it lasts.
    u->started = [output, weak = std::weak_ptr<Utterance>(u)] {
        if (auto u = weak.lock())
            QMetaObject::invokeMethod(
                output, [output, u] { output->play(u); }, Qt::QueuedConnection);
    };
    u->finished = [this, serial, weak = std::weak_ptr<Utterance>(u)] {
        if (auto u = weak.lock())
            QMetaObject::invokeMethod(
                this, [this, u, serial] { finished(u, serial); }, Qt::QueuedConnection);
    };
    current_ = u;
    lasts_ = std::move(lasts);
    synth_->say(std::move(u));
}

void EspeakVoice::hush() {
    ++serial_;
    lasts_ = nullptr;
    if (!current_) return;
    current_->cancelled = true;
    current_.reset();
    QMetaObject::invokeMethod(
        output_, [o = output_] { o->stop(); }, Qt::QueuedConnection);
}

void EspeakVoice::finished(const std::shared_ptr<Utterance>& u, int serial) {
    if (serial != serial_ || u != current_ || !lasts_) return;
    const qint64 total = u->durationMs();
    const qint64 heardMs = output_->heard * 1000 / std::max(1, u->sampleRate);
    lasts_(std::max<qint64>(0, total - heardMs) + (output_->live ? kSinkBufferMs : 0));
}

float EspeakVoice::mouth() const {
    if (!current_) return 0;
    if (current_->done() && current_->length() == 0) return -1;  // no voice to follow
    return current_->loudnessAt(output_->heard);
}
