#include "media/guide_balloon.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <algorithm>

namespace {

constexpr int kTail = 46;     // from the mouth to the balloon's side
constexpr int kTailGap = 27;  // the tail's tip stays this far from the mouth, past the hair
constexpr int kRadius = 14;
const QColor kPaper(0xff, 0xfb, 0xea);
const QColor kInk(0x2b, 0x23, 0x40);

QFont balloonFont() {
    // A round, friendly face with Cyrillic letters; a plain one where it is missing.
    QFont font(QFontDatabase::hasFamily(QStringLiteral("Comfortaa"))
                   ? QStringLiteral("Comfortaa")
                   : QStringLiteral("DejaVu Sans"));
    font.setPixelSize(15);
    font.setWeight(QFont::DemiBold);
    return font;
}

QRect screenArea(QPoint at) {
    const QScreen* screen = QGuiApplication::screenAt(at);
    if (!screen) screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 800, 600);
}

}  // namespace

GuideBalloon::GuideBalloon() {
    // Clicks go through the balloon to what lies under it. A window manager would put a frame of
    // its own around the balloon, and that frame would take them: the balloon goes without one,
    // as a tooltip does.
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                   Qt::WindowDoesNotAcceptFocus | Qt::WindowTransparentForInput |
                   Qt::X11BypassWindowManagerHint | Qt::NoDropShadowWindowHint);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setFont(balloonFont());
    setWindowTitle(QStringLiteral("guide balloon"));
}

void GuideBalloon::setTranslucent(bool on) {
    if (on == translucent_ && testAttribute(Qt::WA_TranslucentBackground) == on) return;
    translucent_ = on;
    // The native window is made anew with or without an alpha channel at the next show.
    if (isVisible()) hide();
    if (windowHandle()) destroy();
    setAttribute(Qt::WA_TranslucentBackground, on);
}

void GuideBalloon::say(const QString& text, const QRect& figure, QPoint mouth) {
    text_ = text;
    place(figure, mouth);
    show();
    raise();  // above a window the window manager raised since the last sentence
    update();
}

void GuideBalloon::follow(const QRect& figure, QPoint mouth) {
    if (isVisible()) place(figure, mouth);
}

void GuideBalloon::place(const QRect& figure, QPoint mouth) {
    const QRect area = screenArea(figure.center());
    const QRect words =
        fontMetrics().boundingRect(QRect(0, 0, kTextWidth, 100'000), Qt::TextWordWrap, text_);
    QRect body(QPoint(0, 0), words.size() + QSize(2, 2) * kPadding);
    body.setWidth(std::max(body.width(), 4 * kRadius));
    body.setHeight(std::max(body.height(), 3 * kRadius));

    // Beside the head, on the side with room for it.
    const bool right = mouth.x() + kTail + body.width() <= area.right() ||
                       mouth.x() - kTail - body.width() < area.left();
    QPoint tip(mouth.x() + (right ? kTailGap : -kTailGap), mouth.y());
    body.moveBottom(mouth.y() + 12);
    if (right)
        body.moveLeft(mouth.x() + kTail);
    else
        body.moveRight(mouth.x() - kTail);
    body.moveLeft(
        std::clamp(body.left(), area.left(), std::max(area.left(), area.right() - body.width())));
    body.moveTop(
        std::clamp(body.top(), area.top(), std::max(area.top(), area.bottom() - body.height())));
    tip = QPoint(std::clamp(tip.x(), area.left(), area.right()),
                 std::clamp(tip.y(), area.top(), area.bottom()));

    // The tail leaves the side of the body nearest the mouth, as low as the corners allow.
    const int baseX = right ? body.left() + 1 : body.right() - 1;
    const int baseY = std::clamp(tip.y() - 6, body.top() + kRadius, body.bottom() - kRadius - 12);
    const QRect window = body.united(QRect(tip, QSize(1, 1))).adjusted(-2, -2, 2, 2);

    const QPoint o = window.topLeft();
    QPainterPath outline;
    outline.addRoundedRect(QRectF(body.translated(-o)), kRadius, kRadius);
    QPainterPath tail;
    tail.moveTo(QPointF(baseX - o.x(), baseY - o.y()));
    tail.lineTo(QPointF(tip - o));
    tail.lineTo(QPointF(baseX - o.x(), baseY + 12 - o.y()));
    tail.closeSubpath();
    outline_ = outline.united(tail).simplified();
    textRect_ = QRect(body.topLeft() - o + QPoint(kPadding, kPadding), words.size());

    setGeometry(window);
    if (!translucent_) setMask(QRegion(outline_.toFillPolygon().toPolygon()));
}

void GuideBalloon::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    if (!translucent_) p.fillRect(rect(), kInk);  // the cut edge reads as the outline
    p.setPen(QPen(kInk, 2));
    p.setBrush(kPaper);
    p.drawPath(outline_);
    p.setPen(kInk);
    p.drawText(textRect_, Qt::TextWordWrap, text_);
}
