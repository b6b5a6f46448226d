#include "devices/wave_backend.h"

#include <cstring>

#include "devices/stream_backend.h"
#include "devices/wave_file.h"

namespace {

QAudioFormat audioFormatOf(const WaveLayout& w) {
    QAudioFormat f;
    f.setSampleRate(w.sampleRate);
    f.setChannelCount(w.channels);
    if (w.isFloat)
        f.setSampleFormat(QAudioFormat::Float);
    else if (w.bitsPerSample == 8)
        f.setSampleFormat(QAudioFormat::UInt8);
    else if (w.bitsPerSample == 16)
        f.setSampleFormat(QAudioFormat::Int16);
    else
        f.setSampleFormat(QAudioFormat::Int32);  // 24-bit samples are widened on the way
    return f;
}

// The samples of the file read into memory, from a frame on.
class WaveSource final : public SampleSource {
public:
    WaveSource(QByteArray bytes, const WaveLayout& layout)
        : bytes_(std::move(bytes)),
          samples_(reinterpret_cast<const uchar*>(bytes_.constData()) + layout.dataOffset),
          layout_(layout) {}

    qint64 read(char* data, qint64 maxBytes) override {
        const int inFrame = layout_.bytesPerFrame();
        const int outFrame = layout_.bitsPerSample == 24 ? inFrame / 3 * 4 : inFrame;
        const qint64 frames = std::min(maxBytes / outFrame, layout_.frames() - frame_);
        if (frames <= 0) return 0;
        const uchar* from = samples_ + frame_ * inFrame;
        if (layout_.bitsPerSample != 24) {
            std::memcpy(data, from, frames * inFrame);
        } else {
            for (qint64 i = 0; i < frames * layout_.channels; ++i, from += 3) {
                const quint32 wide =
                    quint32(from[0]) << 8 | quint32(from[1]) << 16 | quint32(from[2]) << 24;
                std::memcpy(data + i * 4, &wide, 4);
            }
        }
        frame_ += frames;
        return frames * outFrame;
    }

    void seekMs(qint64 ms) { frame_ = std::min(layout_.frames(), ms * layout_.sampleRate / 1000); }

private:
    QByteArray bytes_;
    const uchar* samples_;
    WaveLayout layout_;
    qint64 frame_ = 0;
};

class WaveBackend final : public StreamBackend {
public:
    WaveBackend(Clock& clock, QByteArray bytes, const WaveLayout& layout)
        : StreamBackend(clock, layout.lengthMs()) {
        becomeReady(
            std::make_unique<AudioStream>(audioFormatOf(layout),
                                          std::make_unique<WaveSource>(std::move(bytes), layout)),
            layout.lengthMs());
    }

protected:
    std::function<void(SampleSource&)> repositionTo(qint64 ms) override {
        return [ms](SampleSource& s) { static_cast<WaveSource&>(s).seekMs(ms); };
    }
};

}  // namespace

std::unique_ptr<MediaBackend> openWave(Clock& clock, std::unique_ptr<QFile> file) {
    if (!file->isOpen() && !file->open(QIODevice::ReadOnly)) return nullptr;
    // Read whole, not mapped: a mapped file cut short while it plays would kill the program at
    // the next read. Sounds longer than this are left to the general decoders, which stream.
    const qint64 size = file->size();
    if (size <= 0 || size > kMaxWholeWaveBytes) return nullptr;
    QByteArray bytes = file->readAll();
    const auto layout = readWaveLayout(bytes);
    if (!layout) return nullptr;
    return std::make_unique<WaveBackend>(clock, std::move(bytes), *layout);
}
