#pragma once
// The guide's poses and the named animations the screens ask for: each animation is a short table
// of key poses that starts and ends in the resting pose, and the figure moves smoothly between
// them. Pure data and arithmetic; drawing the pose is left to the figure.
#include <QPointF>
#include <QString>
#include <QtGlobal>
#include <vector>

// "Left" and "right" are the viewer's: the figure's own right hand is on the screen's left.
enum class GuideEyes { Open, Closed, Happy };
enum class GuideMouth { Smile, Small, Open, Round };
enum class GuideProp { None, Book, Horn, Gear };

struct GuidePose {
    float lift = 0;      // pixels the whole figure rises (hops, flight)
    float lean = 0;      // degrees the body leans about the feet, positive to the right
    float squash = 0;    // vertical stretch of the body, -0.1 .. 0.1 (breath, bounces)
    float headTilt = 0;  // degrees about the neck, positive to the right
    float lookX = 0;     // where the pupils look, -1 .. 1 (left .. right)
    float lookY = 0;     // -1 .. 1 (up .. down)
    float leftArm = 0;   // degrees at the shoulder: 0 hangs down, 90 points sideways out, 180 up,
    float rightArm = 0;  // below 0 swings across the body; the right hand holds the wand
    float hat = 0;       // degrees the hat sways about its brim
    GuideEyes eyes = GuideEyes::Open;
    GuideMouth mouth = GuideMouth::Smile;
    GuideProp prop = GuideProp::None;
    float propShown = 0;  // 0 .. 1
    float magic = 0;      // 0 .. 1: stars bursting from the wand's tip
    float cloud = 0;      // 0 .. 1: the little cloud the guide rides while it moves
};

struct GuideKey {
    int at;  // milliseconds from the start of the animation
    GuidePose pose;
};

struct GuideAnimation {
    const char* name;  // as the screens spell it
    int durationMs;
    std::vector<GuideKey> keys;  // between the resting pose at 0 and at durationMs
};

// The animation of that name, matched without regard to letter case; null for an unknown name.
const GuideAnimation* findGuideAnimation(const QString& name);
const std::vector<GuideAnimation>& guideAnimations();

// The pose `ms` into the animation; the resting pose before and after it.
GuidePose guidePoseAt(const GuideAnimation& animation, qint64 ms);

// Pointing toward `direction` (screen axes, y down) with the arm on that side, `ms` into a
// gesture that lasts `durationMs`: raise, hold, lower.
GuidePose guidePointing(QPointF direction, qint64 ms, int durationMs);

// Flying along `direction` `ms` into a move of `durationMs`: rides its cloud, leans into the way.
GuidePose guideFlying(QPointF direction, qint64 ms, int durationMs);

// Adds what a living figure always does at time `nowMs`: it breathes and blinks.
GuidePose guideAlive(GuidePose pose, qint64 nowMs);

// Key poses blend with ease-in-out; discrete features switch at the key that sets them.
GuidePose guideBlend(const GuidePose& a, const GuidePose& b, float t);
