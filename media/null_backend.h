#pragma once
// Media that open when their file exists and stay silent: the player keeps its state, nothing is
// heard. Stands in where no real playback is wanted.
#include "media/media_backend.h"

class NullBackendFactory final : public MediaBackendFactory {
public:
    std::unique_ptr<MediaBackend> open(const MediaSource& source) override;
};
