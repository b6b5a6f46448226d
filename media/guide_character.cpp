#include "media/guide_character.h"

#include "media/espeak_voice.h"
#include "media/guide_queue.h"
#include "media/guide_window.h"

namespace {

// Owns the parts in the order they depend on each other: the voice outlives the queue that
// drives it, the queue outlives the window that follows it.
class GuideCharacter final : public Guide {
public:
    explicit GuideCharacter(Clock& clock) : queue_(clock, &voice_), window_(queue_, &voice_) {}

    void show() override { queue_.show(); }
    void hide() override { queue_.hide(); }
    void moveTo(int x, int y) override { queue_.moveTo(x, y); }
    void gestureAt(int x, int y) override { queue_.gestureAt(x, y); }
    void play(const QString& animation) override { queue_.play(animation); }
    void speak(const QString& text) override { queue_.speak(text); }
    void stop() override { queue_.stop(); }

private:
    EspeakVoice voice_;
    GuideQueue queue_;
    GuideWindow window_;
};

}  // namespace

std::unique_ptr<Guide> makeGuideCharacter(Clock& clock) {
    return std::make_unique<GuideCharacter>(clock);
}
