#include "devices/midi_backend.h"

#include <fluidsynth.h>

#include <QAudioDevice>
#include <QMediaDevices>

#include "devices/stream_backend.h"
#include "devices/synth_pool.h"

namespace {

// Release and reverb tails still sound this long after the song's last event.
constexpr int kTailFrames = Synthesizer::kSampleRate;

QAudioFormat synthFormat() {
    QAudioFormat f;
    f.setSampleRate(Synthesizer::kSampleRate);
    f.setChannelCount(2);
    f.setSampleFormat(QAudioFormat::Float);
    return f;
}

class MidiSource final : public SampleSource {
public:
    MidiSource(std::unique_ptr<Synthesizer> synth, QByteArray smf)
        : synth_(std::move(synth)), smf_(std::move(smf)) {
        startFromTheTop();
    }
    ~MidiSource() override { dropPlayer(); }

    qint64 read(char* data, qint64 maxBytes) override {
        if (!player_ && tail_ <= 0) return 0;
        int frames = static_cast<int>(maxBytes / (2 * sizeof(float)));
        if (!player_ || fluid_player_get_status(player_) == FLUID_PLAYER_DONE) {
            frames = std::min(frames, tail_);
            tail_ -= frames;
        }
        if (frames <= 0) return 0;
        auto* out = reinterpret_cast<float*>(data);
        fluid_synth_write_float(synth_->get(), frames, out, 0, 2, out, 1, 2);
        return frames * 2 * static_cast<qint64>(sizeof(float));
    }

    // The song from its beginning, or, at `ms` > 0 (its end, after "Next"), nothing more.
    void restartAt(qint64 ms) {
        if (ms == 0) return startFromTheTop();
        dropPlayer();
        fluid_synth_all_sounds_off(synth_->get(), -1);
        tail_ = 0;
    }

private:
    void startFromTheTop() {
        dropPlayer();
        fluid_synth_system_reset(synth_->get());
        player_ = new_fluid_player(synth_->get());
        if (player_ && fluid_player_add_mem(player_, smf_.constData(), smf_.size()) == FLUID_OK)
            fluid_player_play(player_);
        tail_ = kTailFrames;
    }
    void dropPlayer() {
        if (!player_) return;
        fluid_player_stop(player_);
        delete_fluid_player(player_);
        player_ = nullptr;
    }

    std::unique_ptr<Synthesizer> synth_;
    QByteArray smf_;
    fluid_player_t* player_ = nullptr;
    int tail_ = 0;
};

class MidiBackend final : public StreamBackend {
public:
    MidiBackend(Clock& clock, SynthPool& synths, MidiSong song)
        : StreamBackend(clock, song.lengthMs), song_(std::move(song)) {
        // Silent songs keep time at once; a song that will sound waits for its synthesizer.
        if (synths.broken() || QMediaDevices::defaultAudioOutput().isNull()) return;
        if (auto synth = synths.take()) {
            attach(std::move(synth));
            return;
        }
        waitUntilReady();
        synths.whenAvailable(
            &context(), [this](std::unique_ptr<Synthesizer> synth) { attach(std::move(synth)); });
    }

protected:
    std::function<void(SampleSource&)> repositionTo(qint64 ms) override {
        return [ms](SampleSource& s) { static_cast<MidiSource&>(s).restartAt(ms); };
    }

private:
    void attach(std::unique_ptr<Synthesizer> synth) {
        std::unique_ptr<AudioStream> stream;
        if (synth)
            stream = std::make_unique<AudioStream>(
                synthFormat(), std::make_unique<MidiSource>(std::move(synth), song_.smf));
        becomeReady(std::move(stream), song_.lengthMs);
    }

    MidiSong song_;
};

}  // namespace

std::unique_ptr<MediaBackend> openMidi(Clock& clock, SynthPool& synths, MidiSong song) {
    return std::make_unique<MidiBackend>(clock, synths, std::move(song));
}
