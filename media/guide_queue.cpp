#include "media/guide_queue.h"

#include <QLineF>
#include <algorithm>
#include <cmath>

#include "media/guide_animations.h"
#include "media/guide_voice.h"

using namespace guide_timing;
using Kind = GuideStep::Kind;

namespace {

// How long the balloon shows a sentence when no voice says how long it takes.
qint64 readingTimeMs(const QString& text) {
    return std::max<qint64>(kShortestSentenceMs, qint64(text.size()) * kMsPerCharacter) + kLingerMs;
}

qint64 travelTimeMs(QPoint from, QPoint to) {
    const double distance = QLineF(from, to).length();
    return qint64(std::ceil(distance * 1000.0 / kSpeedPxPerS));
}

}  // namespace

GuideQueue::GuideQueue(Clock& clock, GuideVoice* voice) : clock_(clock), voice_(voice) {}

GuideQueue::~GuideQueue() {
    clock_.cancel(timer_);
    if (voice_) voice_->hush();
}

void GuideQueue::show() {
    enqueue({.kind = Kind::Show});
}

void GuideQueue::hide() {
    enqueue({.kind = Kind::Hide});
}

void GuideQueue::moveTo(int x, int y) {
    enqueue({.kind = Kind::Move, .target = {x, y}});
}

void GuideQueue::gestureAt(int x, int y) {
    enqueue({.kind = Kind::Gesture, .target = {x, y}});
}

void GuideQueue::play(const QString& animation) {
    if (const GuideAnimation* a = findGuideAnimation(animation))
        enqueue({.kind = Kind::Animation, .animation = a});
}

void GuideQueue::speak(const QString& text) {
    enqueue({.kind = Kind::Speak, .text = text});
}

void GuideQueue::stop() {
    clock_.cancel(timer_);
    timer_ = 0;
    pending_.clear();
    if (voice_) voice_->hush();
    ++speechSerial_;
    if (current_) {
        // A move stops where the figure is; every other step is simply dropped.
        position_ = position();
        current_.reset();
    }
    emit stopped();
}

void GuideQueue::dragTo(QPoint p) {
    position_ = p;
    if (current_ && current_->kind == Kind::Move) {
        current_->target = p;
        clock_.cancel(timer_);
        finish();
    }
}

QPoint GuideQueue::position() const {
    if (!current_ || current_->kind != Kind::Move || current_->durationMs <= 0) return position_;
    const double t = std::clamp(
        double(clock_.nowMs() - current_->startMs) / double(current_->durationMs), 0.0, 1.0);
    return QLineF(current_->from, current_->target).pointAt(t).toPoint();
}

void GuideQueue::enqueue(GuideStep step) {
    pending_.push_back(std::move(step));
    if (!current_) runNext();
}

void GuideQueue::runNext() {
    if (current_ || pending_.empty()) return;
    GuideStep step = std::move(pending_.front());
    pending_.pop_front();
    step.startMs = clock_.nowMs();
    step.durationMs = begin(step);
    current_ = step;
    emit stepStarted(*current_);
    if (!current_) return;                           // stopped by a listener
    if (current_->durationMs <= 0) return finish();  // a step with nothing to show
    finishIn(current_->durationMs);
}

void GuideQueue::finishIn(qint64 ms) {
    clock_.cancel(timer_);
    timer_ = clock_.start(int(ms), false, [this] {
        timer_ = 0;
        finish();
    });
}

qint64 GuideQueue::begin(GuideStep& step) {
    switch (step.kind) {
        case Kind::Show:
            if (visible_) return 0;
            visible_ = true;
            return kFadeMs;
        case Kind::Hide:
            if (!visible_) return 0;
            visible_ = false;
            return kFadeMs;
        case Kind::Move:
            step.from = position_;
            if (!visible_) position_ = step.target;
            return visible_ ? travelTimeMs(step.from, step.target) : 0;
        case Kind::Gesture:
            return visible_ ? kGestureMs : 0;
        case Kind::Animation:
            return visible_ ? step.animation->durationMs : 0;
        case Kind::Speak:
            if (!visible_) return 0;
            if (voice_)
                voice_->say(step.text, [this, serial = ++speechSerial_](qint64 remaining) {
                    speechLasts(serial, remaining);
                });
            return readingTimeMs(step.text);
    }
    return 0;
}

void GuideQueue::finish() {
    if (!current_) return;
    const GuideStep done = *current_;
    if (done.kind == Kind::Move) position_ = done.target;
    current_.reset();
    emit stepEnded(done);
    runNext();
}

void GuideQueue::speechLasts(int serial, qint64 remainingMs) {
    if (serial != speechSerial_ || !current_ || current_->kind != Kind::Speak) return;
    const qint64 now = clock_.nowMs();
    const qint64 end = now + std::clamp<qint64>(remainingMs, 0, kLongestSpeechMs) + kLingerMs;
    if (end <= current_->startMs + current_->durationMs) return;
    current_->durationMs = end - current_->startMs;
    finishIn(end - now);
}
