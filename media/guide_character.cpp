#include "media/guide_character.h"

#include <QTimer>
#include <optional>

#include "media/guide_queue.h"
#include "media/guide_window.h"

namespace {

// Owns the parts in the order they depend on each other: the queue outlives the window that
// follows it (the voice, given, outlives both). The window, whose figure takes a while to draw,
// is made and prepared just after start-up (or at the first request, if that comes sooner), so
// neither the menu's first frame nor the first click waits for it.
class GuideCharacter final : public Guide {
public:
    GuideCharacter(Clock& clock, GuideVoice& voice) : voice_(voice), queue_(clock, &voice) {
        QTimer::singleShot(kWindowDelayMs, &timerContext_, [this] {
            if (window_) return;  // a request came first and made it
            queue();
            window_->prepare();
        });
    }

    void show() override { queue().show(); }
    void hide() override { queue().hide(); }
    void moveTo(int x, int y) override { queue().moveTo(x, y); }
    void gestureAt(int x, int y) override { queue().gestureAt(x, y); }
    void play(const QString& animation) override { queue().play(animation); }
    void speak(const QString& text) override { queue().speak(text); }
    void stop() override { queue().stop(); }

private:
    static constexpr int kWindowDelayMs = 300;

    // The queue, with the window that follows it made if it is not yet.
    GuideQueue& queue() {
        if (!window_) window_.emplace(queue_, &voice_);
        return queue_;
    }

    GuideVoice& voice_;
    GuideQueue queue_;
    std::optional<GuideWindow> window_;
    QObject timerContext_;  // ends the pending start-up timer with the character
};

}  // namespace

std::unique_ptr<Guide> makeGuideCharacter(Clock& clock, GuideVoice& voice) {
    return std::make_unique<GuideCharacter>(clock, voice);
}
