#include "media/guide_figure.h"

#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>
#include <cmath>
#include <numbers>

namespace {

// The part's element in the picture, in the order of GuideFigure::Part.
constexpr const char* kPartIds[] = {"robe",        "wand",        "arm_left",    "arm_right",
                                    "head",        "eyes",        "pupils",      "eyes_closed",
                                    "eyes_happy",  "mouth_smile", "mouth_small", "mouth_open",
                                    "mouth_round", "hat",         "book",        "horn",
                                    "gear",        "thought",     "cloud"};

// Joints of the puppet, in picture coordinates.
constexpr QPointF kFeet{72, 156};
constexpr QPointF kNeck{72, 84};
constexpr QPointF kBrim{72, 45};
constexpr QPointF kLeftShoulder{56, 88};
constexpr QPointF kRightShoulder{88, 88};
constexpr QPointF kWandTip{99.5, 136.5};
constexpr QPointF kGearHub{114, 26};
constexpr QPointF kHornBell{116, 45};
constexpr qreal kShoulderHeight = kFeet.y() - kNeck.y();

// Parts are rendered larger than shown so that turned parts stay crisp.
constexpr qreal kOversample = 2;

// Turning by `degrees` and stretching about `centre`.
QTransform about(QPointF centre, qreal degrees, qreal sx = 1, qreal sy = 1) {
    QTransform t;
    t.translate(centre.x(), centre.y());
    t.rotate(degrees);
    t.scale(sx, sy);
    t.translate(-centre.x(), -centre.y());
    return t;
}

QPainterPath star(QPointF centre, qreal radius) {
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const qreal r = i % 2 ? radius * 0.42 : radius;
        const qreal a = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        const QPointF p = centre + QPointF(std::cos(a) * r, std::sin(a) * r);
        i ? path.lineTo(p) : path.moveTo(p);
    }
    path.closeSubpath();
    return path;
}

qreal fraction(qreal x) {
    return x - std::floor(x);
}

}  // namespace

GuideFigure::GuideFigure(qreal devicePixelRatio) : ratio_(devicePixelRatio) {
    QSvgRenderer svg(QStringLiteral(":/assets/guide.svg"));
    const qreal scale = ratio_ * kOversample;
    for (int i = 0; i < PartCount; ++i) {
        const QString id = QLatin1String(kPartIds[i]);
        if (!svg.elementExists(id)) continue;
        const QRectF bounds = svg.boundsOnElement(id);
        const QRect area = bounds.toAlignedRect().adjusted(-1, -1, 1, 1);
        QImage image(area.size() * scale, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter p(&image);
            p.setRenderHint(QPainter::Antialiasing);
            p.scale(scale, scale);
            p.translate(-area.topLeft());
            svg.render(&p, id, bounds);
        }
        image.setDevicePixelRatio(scale);
        parts_[i] = {std::move(image), area.topLeft()};
    }
}

void GuideFigure::draw(QPainter& painter, Part part, const QTransform& where, qreal opacity) const {
    const Image& p = parts_[part];
    if (p.image.isNull() || opacity <= 0.01) return;
    painter.save();
    painter.setTransform(where, true);
    painter.setOpacity(painter.opacity() * std::min<qreal>(opacity, 1));
    painter.drawImage(p.at, p.image);
    painter.restore();
}

QImage GuideFigure::frame(const GuidePose& pose, qint64 ms) const {
    QImage image(kFrame * ratio_, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio_);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paint(painter, pose, ms);
    return image;
}

void GuideFigure::paint(QPainter& painter, const GuidePose& pose, qint64 ms) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);

    const QTransform base = QTransform::fromTranslate(0, kHeadroom);
    const QTransform body =
        about(kFeet, pose.lean) * QTransform::fromTranslate(0, -pose.lift) * base;
    draw(painter, Robe, about(kFeet, 0, 1 - pose.squash * 0.4, 1 + pose.squash) * body);
    draw(painter, Cloud, base, pose.cloud);  // the feet sink into it

    // Head and arms ride on top of the robe as it breathes.
    const QTransform upper = QTransform::fromTranslate(0, -kShoulderHeight * pose.squash) * body;
    const QTransform head = about(kNeck, pose.headTilt) * upper;
    // An arm swung across the body passes in front of the beard; otherwise the beard is in front.
    const auto inFront = [](float arm) { return arm < -10; };
    const bool leftInFront = inFront(pose.leftArm);
    const bool rightInFront = inFront(pose.rightArm);
    if (!leftInFront) drawArm(painter, pose, true, upper);
    if (!rightInFront) drawArm(painter, pose, false, upper);
    drawHead(painter, pose, head);
    if (pose.prop == GuideProp::Book) draw(painter, Book, upper, pose.propShown);
    if (leftInFront) drawArm(painter, pose, true, upper);
    if (rightInFront) drawArm(painter, pose, false, upper);
    if (pose.prop == GuideProp::Horn) {
        draw(painter, Horn, head, pose.propShown);
        drawNotes(painter, pose, head, ms);
    }
    if (pose.prop == GuideProp::Gear) {
        draw(painter, Thought, head, pose.propShown);
        draw(painter, Gear, about(kGearHub, ms * 0.18) * head, pose.propShown);
    }
    drawMagic(painter, pose, about(kRightShoulder, -pose.rightArm) * upper, ms);
    painter.restore();
}

void GuideFigure::drawArm(QPainter& painter, const GuidePose& pose, bool left,
                          const QTransform& upper) const {
    if (left) return draw(painter, LeftArm, about(kLeftShoulder, pose.leftArm) * upper);
    const QTransform arm = about(kRightShoulder, -pose.rightArm) * upper;
    // The wand goes away while both hands hold a prop.
    const qreal wandShown =
        pose.prop == GuideProp::Book || pose.prop == GuideProp::Horn ? 1 - pose.propShown : 1;
    draw(painter, Wand, arm, wandShown);
    draw(painter, RightArm, arm);
}

void GuideFigure::drawHead(QPainter& painter, const GuidePose& pose, const QTransform& head) const {
    draw(painter, Head, head);
    switch (pose.eyes) {
        case GuideEyes::Open:
            draw(painter, Eyes, head);
            draw(painter, Pupils,
                 QTransform::fromTranslate(pose.lookX * 1.6, pose.lookY * 1.5) * head);
            break;
        case GuideEyes::Closed:
            draw(painter, EyesClosed, head);
            break;
        case GuideEyes::Happy:
            draw(painter, EyesHappy, head);
            break;
    }
    static constexpr Part kMouths[] = {MouthSmile, MouthSmall, MouthOpen, MouthRound};
    draw(painter, kMouths[static_cast<int>(pose.mouth)], head);
    draw(painter, Hat, about(kBrim, pose.hat) * head);
}

void GuideFigure::drawMagic(QPainter& painter, const GuidePose& pose, const QTransform& wand,
                            qint64 ms) const {
    if (pose.magic <= 0.01) return;
    static const QColor kColours[] = {QColor(0xff, 0xe2, 0x7a), QColor(0xff, 0xff, 0xff),
                                      QColor(0xff, 0x9e, 0xd8), QColor(0x8e, 0xe8, 0xff)};
    const QPointF tip = wand.map(kWandTip);
    painter.save();
    painter.setPen(QPen(QColor(0x2b, 0x23, 0x40), 0.8));
    for (int i = 0; i < 10; ++i) {
        // Each star flies out from the tip and fades, one after another.
        const qreal age = fraction(ms / 700.0 + i / 10.0);
        const qreal angle = i * 2.4 + ms / 900.0;
        const qreal distance = 4 + 22 * age * pose.magic;
        const QPointF at = tip + QPointF(std::cos(angle), std::sin(angle)) * distance;
        painter.setOpacity(pose.magic * (1 - age));
        painter.setBrush(kColours[i % 4]);
        painter.drawPath(star(at, 2 + 2.5 * (1 - age) * pose.magic));
    }
    painter.restore();
}

void GuideFigure::drawNotes(QPainter& painter, const GuidePose& pose, const QTransform& head,
                            qint64 ms) const {
    if (pose.propShown < 0.6 || pose.mouth != GuideMouth::Round) return;
    painter.save();
    painter.setTransform(head, true);
    const QColor ink(0x2b, 0x23, 0x40);
    for (int i = 0; i < 2; ++i) {
        const qreal age = fraction(ms / 900.0 + i * 0.5);
        const QPointF at = kHornBell + QPointF(6 + 10 * age, -4 - 14 * age);
        painter.setOpacity(1 - age);
        painter.setPen(QPen(ink, 1.4));
        painter.setBrush(ink);
        painter.drawEllipse(at, 2.4, 1.8);
        painter.drawLine(at + QPointF(2.2, 0), at + QPointF(2.2, -8));
        painter.drawLine(at + QPointF(2.2, -8), at + QPointF(5, -6));
    }
    painter.restore();
}
