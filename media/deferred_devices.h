#pragma once
// Media and a voice that exist from the first moment, while the real devices arrive a little
// later (they are loaded once the first window is on the screen). A medium opened before they
// arrive waits, not ready, with its Play remembered, and opens for real when they come; a
// sentence said before they arrive is said then. Once they are here everything goes straight
// through.
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "media/devices.h"

class PendingBackend;

class DeferredDevices final : private MediaBackendFactory, private GuideVoice {
public:
    DeferredDevices();
    ~DeferredDevices() override;

    MediaBackendFactory& media() { return *this; }
    GuideVoice& voice() { return *this; }

    // The real devices; either may be missing (no voice: the guide speaks in silence). Called once.
    void arrive(Devices real);
    bool arrived() const { return arrived_; }

private:
    friend class PendingBackend;

    std::unique_ptr<MediaBackend> open(const MediaSource& source) override;

    void say(const QString& text, std::function<void(qint64 remainingMs)> lasts) override;
    void hush() override;
    float mouth() const override;

    Devices real_;
    bool arrived_ = false;
    std::vector<PendingBackend*> waiting_;  // opened before the arrival, oldest first
    QString sentence_;                      // said before the arrival and not yet hushed
    std::function<void(qint64)> lasts_;
};
