#pragma once
// The guide character's requests, carried out one after another on the model clock: which step
// runs now, how long each lasts, where the character stands and whether it is seen. Drawing it
// and giving it a voice are left to the window and the voice, which follow the steps announced.
//
// A hidden character is neither seen nor heard: "Play", "GestureAt" and "Speak" pass at once
// without effect, and "MoveTo" puts it at the place at once, so the next "Show" shows it there.
// Positions are the top-left corner of the figure's frame, in design-desktop pixels; it starts
// beside the main menu, to the right.
#include <QObject>
#include <QPoint>
#include <QString>
#include <deque>
#include <optional>

#include "media/guide.h"
#include "shell/clock.h"

class GuideVoice;
struct GuideAnimation;

namespace guide_timing {
constexpr int kFadeMs = 300;         // "Show" and "Hide"
constexpr int kGestureMs = 1400;     // "GestureAt"
constexpr int kSpeedPxPerS = 360;    // "MoveTo": steady, easy to follow
constexpr int kMsPerCharacter = 65;  // a sentence as long as the voice takes to say it
constexpr int kShortestSentenceMs = 1500;
constexpr int kLingerMs = 900;  // the balloon stays a moment after the last word
constexpr qint64 kLongestSpeechMs = 120'000;
}  // namespace guide_timing

struct GuideStep {
    enum class Kind { Show, Hide, Move, Gesture, Animation, Speak };
    Kind kind = Kind::Show;
    QPoint from{};    // Move: where it set out
    QPoint target{};  // Move: where to; Gesture: the point it points at
    const GuideAnimation* animation = nullptr;
    QString text{};
    qint64 startMs = 0;
    qint64 durationMs = 0;
};

class GuideQueue final : public QObject, public Guide {
    Q_OBJECT
public:
    static constexpr int kStartX = 640;
    static constexpr int kStartY = 250;

    explicit GuideQueue(Clock& clock, GuideVoice* voice = nullptr);
    ~GuideQueue() override;

    void show() override;
    void hide() override;
    void moveTo(int x, int y) override;
    void gestureAt(int x, int y) override;
    void play(const QString& animation) override;  // an unknown name is dropped
    void speak(const QString& text) override;
    void stop() override;

    // The child dragged the figure to `p`: it stays there, and a move under way ends there.
    void dragTo(QPoint p);

    bool visible() const { return visible_; }
    QPoint position() const;  // now, also halfway through a move
    const GuideStep* current() const { return current_ ? &*current_ : nullptr; }
    int pending() const { return static_cast<int>(pending_.size()); }
    Clock& clock() const { return clock_; }

signals:
    void stepStarted(const GuideStep& step);
    void stepEnded(const GuideStep& step);
    // "Stop": the running step and everything pending were dropped.
    void stopped();

private:
    void enqueue(GuideStep step);
    void runNext();
    qint64 begin(GuideStep& step);  // its duration; 0 ends it at once
    void finish();
    void finishIn(qint64 ms);
    void speechLasts(int serial, qint64 remainingMs);

    Clock& clock_;
    GuideVoice* voice_;
    bool visible_ = false;
    QPoint position_{kStartX, kStartY};
    std::optional<GuideStep> current_;
    std::deque<GuideStep> pending_;
    Clock::TimerId timer_ = 0;
    int speechSerial_ = 0;
};
