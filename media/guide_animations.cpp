#include "media/guide_animations.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

using E = GuideEyes;
using M = GuideMouth;
using P = GuideProp;

// A waving hand: the arm swings between `low` and `high` from `from` to `to`, one key each `step`.
std::vector<GuideKey> waving(int from, int to, int step, GuidePose low, GuidePose high) {
    std::vector<GuideKey> keys;
    bool up = true;
    for (int at = from; at <= to; at += step, up = !up) keys.push_back({at, up ? high : low});
    return keys;
}

std::vector<GuideKey> operator+(std::vector<GuideKey> a, const std::vector<GuideKey>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// A pose held through an animation with the changes of one moment: the numbers add up, and a
// face or a prop that the change names replaces the held one.
GuidePose operator+(GuidePose held, const GuidePose& change) {
    held.lift += change.lift;
    held.lean += change.lean;
    held.squash += change.squash;
    held.headTilt += change.headTilt;
    held.lookX += change.lookX;
    held.lookY += change.lookY;
    held.leftArm += change.leftArm;
    held.rightArm += change.rightArm;
    held.hat += change.hat;
    held.propShown += change.propShown;
    held.magic += change.magic;
    held.cloud += change.cloud;
    if (change.eyes != GuideEyes::Open) held.eyes = change.eyes;
    if (change.mouth != GuideMouth::Smile) held.mouth = change.mouth;
    if (change.prop != GuideProp::None) held.prop = change.prop;
    return held;
}

std::vector<GuideAnimation> makeAnimations() {
    // Poses some animations hold while other things move.
    const GuidePose casting{.lookX = 0.5f, .lookY = -1, .rightArm = 140, .mouth = M::Round};
    const GuidePose horn{.leftArm = -118, .rightArm = 150, .prop = P::Horn, .propShown = 1};
    const GuidePose blowing = horn + GuidePose{.eyes = E::Closed, .mouth = M::Round};
    const GuidePose cheering{.leftArm = 150, .rightArm = 150, .eyes = E::Happy, .mouth = M::Open};
    const GuidePose thinking{
        .headTilt = 6, .lookX = 0.6f, .lookY = -1, .leftArm = 150, .prop = P::Gear, .propShown = 1};
    const GuidePose reading{
        .lookY = 1, .leftArm = -6, .rightArm = -6, .prop = P::Book, .propShown = 1};
    return {
        {"RestPose",
         1000,
         {{300, {.squash = -0.02f, .headTilt = 4}}, {650, {.squash = 0.01f, .headTilt = -1}}}},
        {"Greet", 2400,
         std::vector<GuideKey>{{350, {.headTilt = -6, .leftArm = 140, .eyes = E::Happy}}} +
             waving(550, 1350, 200,
                    {.headTilt = -6, .leftArm = 118, .eyes = E::Happy, .mouth = M::Open},
                    {.headTilt = -4, .leftArm = 148, .eyes = E::Happy, .mouth = M::Open}) +
             std::vector<GuideKey>{
                 {1700, {.lift = -3, .squash = -0.07f, .leftArm = -60, .hat = 10}},
                 {2000, {.lift = -2, .squash = -0.05f, .leftArm = -60, .hat = 8}}}},
        {"Wave", 1800,
         std::vector<GuideKey>{{300, {.lookX = -0.3f, .leftArm = 135}}} +
             waving(450, 1450, 200,
                    {.headTilt = -3, .leftArm = 112, .eyes = E::Happy, .mouth = M::Open},
                    {.headTilt = 3, .leftArm = 146, .eyes = E::Happy, .mouth = M::Small})},
        {"GestureRight",  // toward the figure's right hand: the screen's left
         1400,
         {{350, {.lean = -3, .headTilt = -5, .lookX = -1, .leftArm = 95, .mouth = M::Small}},
          {1050, {.lean = -3, .headTilt = -5, .lookX = -1, .leftArm = 92}}}},
        {"GestureLeft",
         1400,
         {{350, {.lean = 3, .headTilt = 5, .lookX = 1, .rightArm = 95, .mouth = M::Small}},
          {1050, {.lean = 3, .headTilt = 5, .lookX = 1, .rightArm = 92}}}},
        {"GestureUp",
         1400,
         {{350, {.lift = 2, .lookY = -1, .rightArm = 152, .mouth = M::Small}},
          {1050, {.lift = 2, .lookY = -1, .rightArm = 150}}}},
        {"Decline",
         1600,
         {{200, {.headTilt = -9, .lookX = -0.6f, .leftArm = -35, .mouth = M::Small}},
          {500, {.headTilt = 9, .lookX = 0.6f, .leftArm = -10, .mouth = M::Small}},
          {800, {.headTilt = -9, .lookX = -0.6f, .leftArm = -35, .mouth = M::Small}},
          {1100, {.headTilt = 7, .lookX = 0.5f, .leftArm = -10, .mouth = M::Small}},
          {1350, {.headTilt = 0, .mouth = M::Small}}}},
        {"DoMagic1", 2600,
         std::vector<GuideKey>{{450, casting + GuidePose{.rightArm = 10}}} +
             waving(650, 1650, 250, casting + GuidePose{.hat = -4, .magic = 0.5f},
                    casting + GuidePose{.lookX = 0.2f, .rightArm = 16, .hat = 4, .magic = 0.8f}) +
             std::vector<GuideKey>{
                 {1950,
                  {.lift = 4, .rightArm = 152, .eyes = E::Happy, .mouth = M::Open, .magic = 1}},
                 {2300, {.rightArm = 120, .eyes = E::Happy, .magic = 0.3f}}}},
        {"DoMagic2",
         2400,
         {{500, {.lean = -3, .lookX = 1, .rightArm = 170, .hat = -6, .mouth = M::Round}},
          {850,
           {.lean = 5,
            .lookX = 1,
            .lookY = 0.5f,
            .leftArm = 35,
            .rightArm = 70,
            .hat = 8,
            .mouth = M::Open,
            .magic = 1}},
          {1500,
           {.lean = 3,
            .lookX = 1,
            .leftArm = 30,
            .rightArm = 75,
            .eyes = E::Happy,
            .mouth = M::Open,
            .magic = 0.9f}},
          {2000, {.rightArm = 40, .eyes = E::Happy, .magic = 0.2f}}}},
        {"Announce",
         2400,
         {{400, horn},
          {700, blowing + GuidePose{.squash = 0.04f}},
          {1100, blowing + GuidePose{.lift = 3, .squash = 0.06f}},
          {1500, blowing + GuidePose{.squash = 0.03f}},
          {1900, horn + GuidePose{.lift = 3, .squash = 0.05f, .eyes = E::Happy, .mouth = M::Round}},
          {2150, {.eyes = E::Happy, .prop = P::Horn}}}},
        {"Explain",
         2400,
         {{400, {.headTilt = -3, .leftArm = 55, .rightArm = 55, .mouth = M::Open}},
          {900, {.headTilt = 4, .leftArm = 70, .rightArm = 35, .mouth = M::Small}},
          {1400, {.headTilt = -4, .leftArm = 35, .rightArm = 70, .mouth = M::Open}},
          {1900, {.headTilt = 2, .leftArm = 55, .rightArm = 55, .mouth = M::Small}}}},
        {"Congratulate_2",
         2400,
         {{300, {.squash = -0.08f, .leftArm = 30, .rightArm = 30, .eyes = E::Happy}},
          {600, cheering + GuidePose{.lift = 14,
                                     .squash = 0.06f,
                                     .leftArm = 2,
                                     .rightArm = 2,
                                     .hat = -8,
                                     .magic = 1}},
          {900, cheering + GuidePose{.squash = -0.06f, .magic = 0.8f}},
          {1200,
           cheering +
               GuidePose{
                   .lift = 11, .squash = 0.05f, .leftArm = 5, .rightArm = 5, .hat = 8, .magic = 1}},
          {1500,
           cheering + GuidePose{.squash = -0.04f, .leftArm = -10, .rightArm = -10, .magic = 0.5f}},
          {1900, {.leftArm = 60, .rightArm = 60, .eyes = E::Happy}}}},
        {"Process",
         2800,
         {{400, thinking + GuidePose{.mouth = M::Small}},
          {1400, thinking + GuidePose{.headTilt = 2, .lookX = 0.2f, .leftArm = -10}},
          {2300, thinking + GuidePose{.leftArm = 2, .eyes = E::Happy, .mouth = M::Open}},
          {2550, {.prop = P::Gear}}}},
        {"Read",
         2800,
         {{400, reading},
          {1000, reading + GuidePose{.headTilt = -3, .lookX = -0.6f, .mouth = M::Small}},
          {1700, reading + GuidePose{.headTilt = 3, .lookX = 0.6f}},
          {2300, reading + GuidePose{.eyes = E::Happy}},
          {2600, {.prop = P::Book}}}},
    };
}

float ease(float t) {
    t = std::clamp(t, 0.0f, 1.0f);
    return t * t * (3 - 2 * t);
}

float mix(float a, float b, float t) {
    return a + (b - a) * t;
}

float degrees(float radians) {
    return radians * 180.0f / std::numbers::pi_v<float>;
}

// 0 .. 1 .. 0 over a gesture: up in the first quarter, down in the last.
float raised(qint64 ms, int durationMs) {
    const float rise = std::min(350.0f, durationMs / 4.0f);
    return ease(ms / rise) * ease((durationMs - ms) / rise);
}

}  // namespace

const std::vector<GuideAnimation>& guideAnimations() {
    static const std::vector<GuideAnimation> all = makeAnimations();
    return all;
}

const GuideAnimation* findGuideAnimation(const QString& name) {
    for (const GuideAnimation& a : guideAnimations())
        if (name.compare(QLatin1String(a.name), Qt::CaseInsensitive) == 0) return &a;
    return nullptr;
}

GuidePose guideBlend(const GuidePose& a, const GuidePose& b, float t) {
    const float e = ease(t);
    GuidePose p = t < 1 ? a : b;
    p.lift = mix(a.lift, b.lift, e);
    p.lean = mix(a.lean, b.lean, e);
    p.squash = mix(a.squash, b.squash, e);
    p.headTilt = mix(a.headTilt, b.headTilt, e);
    p.lookX = mix(a.lookX, b.lookX, e);
    p.lookY = mix(a.lookY, b.lookY, e);
    p.leftArm = mix(a.leftArm, b.leftArm, e);
    p.rightArm = mix(a.rightArm, b.rightArm, e);
    p.hat = mix(a.hat, b.hat, e);
    p.magic = mix(a.magic, b.magic, e);
    p.cloud = mix(a.cloud, b.cloud, e);
    // A prop fades in and out with the pose that holds it.
    p.prop = a.prop != GuideProp::None ? a.prop : b.prop;
    p.propShown = mix(a.propShown, b.propShown, e);
    return p;
}

GuidePose guidePoseAt(const GuideAnimation& animation, qint64 ms) {
    GuideKey previous{0, {}};
    for (const GuideKey& key : animation.keys) {
        if (ms < key.at)
            return guideBlend(previous.pose, key.pose,
                              float(ms - previous.at) / float(key.at - previous.at));
        previous = key;
    }
    if (ms >= animation.durationMs) return GuidePose{};
    return guideBlend(previous.pose, GuidePose{},
                      float(ms - previous.at) / float(animation.durationMs - previous.at));
}

GuidePose guidePointing(QPointF direction, qint64 ms, int durationMs) {
    const float amount = raised(ms, durationMs);
    const float dx = float(direction.x());
    const float dy = float(direction.y());
    GuidePose p;
    // The arm on the side of the point swings out from hanging down toward it.
    const float angle = degrees(std::atan2(std::abs(dx), dy));
    if (dx < 0)
        p.leftArm = angle * amount;
    else
        p.rightArm = angle * amount;
    const float length = std::max(1.0f, std::hypot(dx, dy));
    p.lookX = dx / length * amount;
    p.lookY = dy / length * amount;
    p.headTilt = 5 * dx / length * amount;
    p.lean = 3 * dx / length * amount;
    if (amount > 0.5f) p.mouth = GuideMouth::Small;
    return p;
}

GuidePose guideFlying(QPointF direction, qint64 ms, int durationMs) {
    const float amount = raised(ms, durationMs);
    const float length = std::max(1.0, std::hypot(direction.x(), direction.y()));
    const float dx = float(direction.x()) / length;
    const float dy = float(direction.y()) / length;
    const float bob = std::sin(float(ms) / 260.0f);
    GuidePose p;
    p.cloud = amount;
    p.lift = (9 + 2 * bob) * amount;
    p.lean = 9 * dx * amount;
    p.hat = -7 * dx * amount;
    p.lookX = dx * amount;
    p.lookY = dy * amount;
    p.leftArm = (28 + 6 * bob) * amount;
    p.rightArm = (28 - 6 * bob) * amount;
    p.eyes = amount > 0.3f ? GuideEyes::Happy : GuideEyes::Open;
    return p;
}

GuidePose guideAlive(GuidePose pose, qint64 nowMs) {
    const float t = float(nowMs % 3'600'000);
    pose.squash += 0.018f * std::sin(t * 2 * std::numbers::pi_v<float> / 3400.0f);
    pose.hat += 1.5f * std::sin(t * 2 * std::numbers::pi_v<float> / 5100.0f);
    // One blink in every four seconds, at a varying moment, sometimes twice.
    const qint64 period = nowMs / 4000;
    const quint32 h = quint32(period) * 2654435761u;
    const qint64 blinkAt = period * 4000 + 400 + (h >> 8) % 3000;
    const qint64 since = nowMs - blinkAt;
    const bool twice = (h >> 4) % 5 == 0;
    const bool closed = (since >= 0 && since < 130) || (twice && since >= 260 && since < 390);
    if (closed && pose.eyes == GuideEyes::Open) pose.eyes = GuideEyes::Closed;
    return pose;
}
