#include "media/deferred_devices.h"

#include <QFileInfo>
#include <algorithm>

// A medium opened before the devices came: remembers whether it should play, and becomes the
// real medium (or fails, as the real one would have) when they come.
class PendingBackend final : public MediaBackend {
public:
    PendingBackend(DeferredDevices& devices, MediaSource source)
        : devices_(&devices), source_(std::move(source)) {}

    ~PendingBackend() override {
        if (!devices_) return;
        auto& waiting = devices_->waiting_;
        waiting.erase(std::remove(waiting.begin(), waiting.end(), this), waiting.end());
    }

    // The devices went first: this medium never opens.
    void orphan() { devices_ = nullptr; }

    void play() override { real_ ? real_->play() : void(playing_ = true); }
    void pause() override { real_ ? real_->pause() : void(playing_ = false); }
    // Moving within a medium not yet read means nothing: it still starts at its beginning.
    void next() override {
        if (real_) real_->next();
    }
    void previous() override {
        if (real_) real_->previous();
    }
    bool atEnd() const override { return real_ && real_->atEnd(); }
    bool isPlaying() const override { return real_ && real_->isPlaying(); }
    bool isReady() const override { return real_ && real_->isReady(); }
    bool eject() override { return real_ && real_->eject(); }

    // Called once, outside any call from the player, with the devices that came.
    void arrive(MediaBackendFactory* factory) {
        devices_ = nullptr;
        real_ = factory ? factory->open(source_) : nullptr;
        if (!real_) {
            if (onFailed) onFailed();
            return;
        }
        real_->onFinished = [this] {
            if (onFinished) onFinished();
        };
        real_->onChanged = [this] {
            if (onChanged) onChanged();
        };
        real_->onFailed = [this] {
            if (onFailed) onFailed();
        };
        if (playing_) real_->play();
        if (onChanged) onChanged();
    }

private:
    DeferredDevices* devices_;  // while waiting for them
    MediaSource source_;
    std::unique_ptr<MediaBackend> real_;
    bool playing_ = false;
};

DeferredDevices::DeferredDevices() = default;

DeferredDevices::~DeferredDevices() {
    for (PendingBackend* p : waiting_) p->orphan();
}

void DeferredDevices::arrive(Devices real) {
    if (arrived_) return;
    arrived_ = true;
    real_ = std::move(real);
    // A medium may close itself (and leave the list) while an earlier one arrives.
    while (!waiting_.empty()) {
        PendingBackend* next = waiting_.front();
        waiting_.erase(waiting_.begin());
        next->arrive(real_.media.get());
    }
    if (!sentence_.isEmpty() && real_.voice) real_.voice->say(sentence_, std::move(lasts_));
    sentence_.clear();
    lasts_ = nullptr;
}

std::unique_ptr<MediaBackend> DeferredDevices::open(const MediaSource& source) {
    if (arrived_) return real_.media ? real_.media->open(source) : nullptr;
    // What no device could open fails at once, as it would with the devices here.
    if (!source.cdAudio && !QFileInfo(source.path).isFile()) return nullptr;
    auto pending = std::make_unique<PendingBackend>(*this, source);
    waiting_.push_back(pending.get());
    return pending;
}

void DeferredDevices::say(const QString& text, std::function<void(qint64 remainingMs)> lasts) {
    if (arrived_) {
        if (real_.voice) real_.voice->say(text, std::move(lasts));
        return;
    }
    sentence_ = text;
    lasts_ = std::move(lasts);
}

void DeferredDevices::hush() {
    if (real_.voice) real_.voice->hush();
    sentence_.clear();
    lasts_ = nullptr;
}

float DeferredDevices::mouth() const {
    return real_.voice ? real_.voice->mouth() : -1.0F;
}
