#include "media/null_backend.h"

#include <QFileInfo>

namespace {

class NullBackend final : public MediaBackend {
public:
    void play() override { playing_ = true; }
    void pause() override { playing_ = false; }
    void next() override { playing_ = false; }
    void previous() override {}
    bool atEnd() const override { return false; }
    bool isPlaying() const override { return playing_; }

private:
    bool playing_ = false;
};

}  // namespace

std::unique_ptr<MediaBackend> NullBackendFactory::open(const MediaSource& source) {
    if (source.cdAudio || !QFileInfo(source.path).isFile()) return nullptr;
    return std::make_unique<NullBackend>();
}
