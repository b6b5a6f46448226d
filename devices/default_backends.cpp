#include "devices/default_backends.h"

#include <QFile>
#include <QFileInfo>

#include "devices/cd_backend.h"
#include "devices/midi_backend.h"
#include "devices/qt_backend.h"
#include "devices/synth_pool.h"
#include "devices/wave_backend.h"

namespace {

bool looksLikeMidi(const QByteArray& head) {
    return head.startsWith("MThd") || (head.startsWith("RIFF") && head.mid(8, 4) == "RMID");
}

class DefaultBackends final : public MediaBackendFactory {
public:
    DefaultBackends(Clock& clock, const MediaSettings& settings)
        : clock_(clock), settings_(settings), synths_(settings.soundfont) {}

    std::unique_ptr<MediaBackend> open(const MediaSource& source) override {
        if (source.cdAudio) return openCd(clock_, settings_.discDrive);
        auto file = std::make_unique<QFile>(source.path);
        if (!QFileInfo(source.path).isFile() || !file->open(QIODevice::ReadOnly) ||
            file->size() == 0)
            return nullptr;
        const QByteArray head = file->peek(12);
        if (looksLikeMidi(head)) {
            auto song = readMidiSong(file->readAll());
            return song ? openMidi(clock_, synths_, std::move(*song)) : nullptr;
        }
        if (auto wave = openWave(clock_, std::move(file))) return wave;
        return openWithDecoders(clock_, source);
    }

private:
    Clock& clock_;
    MediaSettings settings_;
    SynthPool synths_;
};

}  // namespace

std::unique_ptr<MediaBackendFactory> makeDefaultBackendFactory(Clock& clock,
                                                               const MediaSettings& settings) {
    return std::make_unique<DefaultBackends>(clock, settings);
}
