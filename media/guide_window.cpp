#include "media/guide_window.h"

#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "media/guide_figure.h"
#include "media/guide_queue.h"
#include "media/guide_voice.h"
#include "shell/design_desktop.h"

namespace {

const QColor kInk(0x2b, 0x23, 0x40);
// The point the guide points from, in the frame: its chest.
constexpr QPoint kChest{72, 100 + GuideFigure::kHeadroom};
// The feet, about which it grows and shrinks as it appears and vanishes.
constexpr QPointF kFeet{72, 156 + GuideFigure::kHeadroom};

// The pixels at least `threshold` opaque, as a region in device-independent pixels.
QRegion opaquePart(const QImage& image, int threshold) {
    QList<QRect> rows;
    const int w = image.width();
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < w;) {
            while (x < w && qAlpha(line[x]) < threshold) ++x;
            const int start = x;
            while (x < w && qAlpha(line[x]) >= threshold) ++x;
            if (x > start) rows.append(QRect(start, y, x - start, 1));
        }
    }
    QRegion region;
    region.setRects(rows.constData(), int(rows.size()));
    const qreal ratio = image.devicePixelRatio();
    return ratio == 1 ? region : QTransform::fromScale(1 / ratio, 1 / ratio).map(region);
}

// The screen number of the X display, as in ":0.1".
int xScreenNumber() {
    const QByteArray display = qgetenv("DISPLAY");
    const int dot = display.lastIndexOf('.');
    return dot > display.lastIndexOf(':') ? display.mid(dot + 1).toInt() : 0;
}

float syllables(qint64 ms) {
    // A speaking rhythm for a mouth without a voice to follow.
    const float s = std::sin(float(ms) / 70.0f) * std::sin(float(ms) / 190.0f);
    return std::abs(s);
}

}  // namespace

bool compositorRunning() {
    const QString platform = QGuiApplication::platformName();
    if (platform.startsWith(QLatin1String("wayland"))) return true;
    if (platform != QLatin1String("xcb")) return false;
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* c = x11 ? x11->connection() : nullptr;
    if (!c) return false;
    // A compositing manager owns the selection _NET_WM_CM_S<screen>.
    const QByteArray name = "_NET_WM_CM_S" + QByteArray::number(xScreenNumber());
    xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 1, quint16(name.size()), name.constData()), nullptr);
    bool owned = false;
    if (atom && atom->atom != XCB_ATOM_NONE) {
        xcb_get_selection_owner_reply_t* owner =
            xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, atom->atom), nullptr);
        owned = owner && owner->owner != XCB_NONE;
        std::free(owner);
    }
    std::free(atom);
    return owned;
}

GuideWindow::GuideWindow(GuideQueue& queue, const GuideVoice* voice)
    : queue_(queue), voice_(voice), clock_(queue.clock()) {
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                   Qt::WindowDoesNotAcceptFocus | Qt::NoDropShadowWindowHint);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setFixedSize(GuideFigure::kFrame);
    setCursor(Qt::OpenHandCursor);
    setWindowTitle(QStringLiteral("guide"));
    connect(&queue_, &GuideQueue::stepStarted, this, &GuideWindow::stepStarted);
    connect(&queue_, &GuideQueue::stepEnded, this, &GuideWindow::stepEnded);
    connect(&queue_, &GuideQueue::stopped, this, &GuideWindow::stopped);
}

GuideWindow::~GuideWindow() {
    clock_.cancel(timer_);
}

QPoint GuideWindow::toGlobal(QPoint design) {
    // The whole figure stays on the screen, also where a position lies near its edge.
    const QPoint at = designToGlobal(design);
    const QScreen* screen = QGuiApplication::screenAt(at + kChest);
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return at;
    const QRect area = screen->availableGeometry();
    return QPoint(
        std::clamp(at.x(), area.left(),
                   std::max(area.left(), area.right() + 1 - GuideFigure::kFrame.width())),
        std::clamp(at.y(), area.top(),
                   std::max(area.top(), area.bottom() + 1 - GuideFigure::kFrame.height())));
}

QPoint GuideWindow::toDesign(QPoint global) {
    return global - designToGlobal(QPoint(0, 0));
}

void GuideWindow::prepare() {
    chooseLook();
    create();
}

void GuideWindow::chooseLook() {
    const bool translucent = compositorRunning();
    if (!figure_ || figure_->devicePixelRatio() != devicePixelRatioF())
        figure_ = std::make_unique<GuideFigure>(devicePixelRatioF());
    balloon_.setTranslucent(translucent);
    if (translucent == translucent_ && testAttribute(Qt::WA_TranslucentBackground) == translucent)
        return;
    translucent_ = translucent;
    // The native window is made anew, with or without an alpha channel, at the next show.
    if (windowHandle()) destroy();
    setAttribute(Qt::WA_TranslucentBackground, translucent);
}

void GuideWindow::stepStarted(const GuideStep& step) {
    using Kind = GuideStep::Kind;
    if (step.kind == Kind::Show && !isVisible()) {
        // The first frame is drawn before the window appears, so it never shows a stale one.
        chooseLook();
        move(toGlobal(queue_.position()));
        frame();
        show();
        raise();
    }
    if (step.kind == Kind::Speak && step.durationMs > 0)
        balloon_.say(step.text, geometry(), mouth());
    // The next frame follows soon; the call that started the step returns at once.
    if (isVisible()) runFrames(kActiveFrameMs);
}

void GuideWindow::stepEnded(const GuideStep& step) {
    if (step.kind == GuideStep::Kind::Hide) hide();
    if (step.kind == GuideStep::Kind::Speak) balloon_.hide();
}

void GuideWindow::stopped() {
    balloon_.hide();
    if (!queue_.visible()) hide();
}

void GuideWindow::runFrames(int intervalMs) {
    if (intervalMs == intervalMs_) return;
    clock_.cancel(timer_);
    timer_ = 0;
    intervalMs_ = intervalMs;
    if (intervalMs > 0) timer_ = clock_.start(intervalMs, true, [this] { frame(); });
}

void GuideWindow::frame() {
    if (!isVisible() && !queue_.current()) return runFrames(0);
    if (!figure_) figure_ = std::make_unique<GuideFigure>(devicePixelRatioF());
    const qint64 now = clock_.nowMs();
    qreal opacity = 1;
    qreal scale = 1;
    const GuidePose p = pose(now, opacity, scale);
    render(p, opacity, scale, now);
    const QPoint at = toGlobal(queue_.position());
    if (!dragging_ && pos() != at) {
        move(at);
        balloon_.follow(geometry(), mouth());
    }
    update();
    runFrames(queue_.current() ? kActiveFrameMs : kIdleFrameMs);
}

GuidePose GuideWindow::pose(qint64 now, qreal& opacity, qreal& scale) const {
    using Kind = GuideStep::Kind;
    GuidePose p;
    if (const GuideStep* s = queue_.current()) {
        const qint64 ms = now - s->startMs;
        const int duration = int(std::max<qint64>(s->durationMs, 1));
        const qreal t = std::clamp(qreal(ms) / duration, 0.0, 1.0);
        switch (s->kind) {
            case Kind::Show:
                opacity = t;
                scale = 0.3 + 0.7 * std::sin(t * 1.9) / std::sin(1.9);  // a little overshoot
                break;
            case Kind::Hide:
                opacity = 1 - t;
                scale = 1 - 0.7 * t * t;
                break;
            case Kind::Move:
                p = guideFlying(QPointF(s->target - s->from), ms, duration);
                break;
            case Kind::Gesture:
                p = guidePointing(QPointF(s->target - (queue_.position() + kChest)), ms, duration);
                break;
            case Kind::Animation:
                p = guidePoseAt(*s->animation, ms);
                break;
            case Kind::Speak: {
                const float open = mouthOpening(*s, now);
                p.mouth = open < 0.12f  ? GuideMouth::Smile
                          : open < 0.4f ? GuideMouth::Small
                                        : GuideMouth::Open;
                p.headTilt = 2.5f * std::sin(float(ms) / 450.0f);
                break;
            }
        }
    }
    return guideAlive(p, now);
}

float GuideWindow::mouthOpening(const GuideStep& speech, qint64 now) const {
    const float heard = voice_ ? voice_->mouth() : -1;
    if (heard >= 0) return heard;
    const qint64 ms = now - speech.startMs;
    return ms < speech.durationMs - guide_timing::kLingerMs ? syllables(ms) : 0;
}

QPoint GuideWindow::mouth() const {
    return geometry().topLeft() + GuideFigure::kMouth.toPoint();
}

void GuideWindow::render(const GuidePose& pose, qreal opacity, qreal scale, qint64 now) {
    const qreal ratio = figure_->devicePixelRatio();
    if (image_.size() != GuideFigure::kFrame * ratio) {
        image_ = QImage(GuideFigure::kFrame * ratio, QImage::Format_ARGB32_Premultiplied);
        image_.setDevicePixelRatio(ratio);
    }
    image_.fill(Qt::transparent);
    {
        QPainter p(&image_);
        p.translate(kFeet);
        p.scale(scale, scale);
        p.translate(-kFeet);
        // Without a compositor nothing can be half seen: it only grows and shrinks.
        if (translucent_) p.setOpacity(opacity);
        figure_->paint(p, pose, now);
    }
    ++frames_;
    // Soft edges need every pixel that shows; a cut window keeps the solid ones.
    const QRegion shape = opaquePart(image_, translucent_ ? 1 : 128);
    if (shape != mask_) {
        mask_ = shape;
        setMask(mask_.isEmpty() ? QRegion(0, 0, 1, 1) : mask_);
    }
}

void GuideWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (translucent_) {
        p.setCompositionMode(QPainter::CompositionMode_Source);
    } else {
        p.fillRect(rect(), kInk);  // half-covered edge pixels blend into the outline
    }
    p.drawImage(QPoint(0, 0), image_);
}

void GuideWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    dragging_ = true;
    grab_ = event->position().toPoint();
    setCursor(Qt::ClosedHandCursor);
}

void GuideWindow::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_) return;
    const QPoint topLeft = event->globalPosition().toPoint() - grab_;
    move(topLeft);
    queue_.dragTo(toDesign(topLeft));
    balloon_.follow(geometry(), mouth());
}

void GuideWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    dragging_ = false;
    setCursor(Qt::OpenHandCursor);
}
