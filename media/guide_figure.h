#pragma once
// The wizard drawn in a pose: the parts of the guide's picture, each turned and moved as the pose
// says. Every part is rendered once into an image; a frame only composes those images, so the
// figure stays cheap to animate.
#include <QImage>
#include <QPointF>
#include <QSize>
#include <QTransform>
#include <QtGlobal>
#include <array>

#include "media/guide_animations.h"

class QPainter;

class GuideFigure {
public:
    // The window's frame: the figure with room above it for jumps and flight.
    static constexpr QSize kFrame{144, 176};
    static constexpr int kHeadroom = 16;
    // Where the mouth is in the frame at rest (a speech balloon points there).
    static constexpr QPointF kMouth{72, 80 + kHeadroom};

    explicit GuideFigure(qreal devicePixelRatio = 1.0);

    // Draws the figure in `pose` into the frame at the painter's origin; `ms` drives what moves
    // by itself (sparkles, the gear, the notes of the horn).
    void paint(QPainter& painter, const GuidePose& pose, qint64 ms) const;

    // The figure rendered into a transparent frame-sized image.
    QImage frame(const GuidePose& pose, qint64 ms) const;

    qreal devicePixelRatio() const { return ratio_; }

private:
    enum Part {
        Robe,
        Wand,
        LeftArm,
        RightArm,
        Head,
        Eyes,
        Pupils,
        EyesClosed,
        EyesHappy,
        MouthSmile,
        MouthSmall,
        MouthOpen,
        MouthRound,
        Hat,
        Book,
        Horn,
        Gear,
        Thought,
        Cloud,
        PartCount
    };
    struct Image {
        QImage image;
        QPointF at;  // the image's top-left in picture coordinates
    };
    void draw(QPainter& painter, Part part, const QTransform& where, qreal opacity = 1) const;
    void drawArm(QPainter& painter, const GuidePose& pose, bool left,
                 const QTransform& upper) const;
    void drawHead(QPainter& painter, const GuidePose& pose, const QTransform& head) const;
    void drawMagic(QPainter& painter, const GuidePose& pose, const QTransform& wand,
                   qint64 ms) const;
    void drawNotes(QPainter& painter, const GuidePose& pose, const QTransform& head,
                   qint64 ms) const;

    qreal ratio_;
    std::array<Image, PartCount> parts_;
};
