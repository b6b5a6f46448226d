#include "media/transport_bar.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>

#include "media/media_player.h"

namespace {

using Button = TransportBar::Button;
using Mode = MediaPlayer::Mode;

const QColor kFace(0xD4, 0xD0, 0xC8);
const QColor kFaceHover(0xE6, 0xE3, 0xDC);
const QColor kLight(0xFF, 0xFF, 0xFF);
const QColor kShadow(0x80, 0x80, 0x80);
const QColor kDark(0x40, 0x40, 0x40);
const QColor kDisabled(0xA0, 0xA0, 0xA0);

struct Look {
    const char* command;
    const char* tooltip;
    QColor color;
};

Look lookOf(Button b) {
    switch (b) {
        case Button::Prev:
            return {"Prev", " Предыдущая запись ", QColor(0x2F, 0x6F, 0xD0)};
        case Button::Next:
            return {"Next", " Следующая запись ", QColor(0x2F, 0x6F, 0xD0)};
        case Button::Play:
            return {"Play", " Воспроизведение ", QColor(0x2E, 0x9E, 0x3E)};
        case Button::Pause:
            return {"Pause", " Пауза ", QColor(0xE0, 0x8A, 0x00)};
        case Button::Stop:
            return {"Stop", " Стоп ", QColor(0xD0, 0x30, 0x30)};
        case Button::Eject:
            return {"Eject", " Достать диск ", QColor(0x8A, 0x4F, 0xC0)};
    }
    return {"", "", kDark};
}

// The symbol of a button inside a square box.
QPainterPath symbolOf(Button b, const QRectF& box) {
    QPainterPath p;
    const qreal x = box.left(), y = box.top(), s = box.width();
    auto triangle = [&p](QPointF a, QPointF b2, QPointF c) {
        p.moveTo(a);
        p.lineTo(b2);
        p.lineTo(c);
        p.closeSubpath();
    };
    switch (b) {
        case Button::Play:
            triangle({x + s * 0.15, y}, {x + s * 0.95, y + s / 2}, {x + s * 0.15, y + s});
            break;
        case Button::Pause:
            p.addRect(QRectF(x + s * 0.12, y, s * 0.28, s));
            p.addRect(QRectF(x + s * 0.60, y, s * 0.28, s));
            break;
        case Button::Stop:
            p.addRect(QRectF(x + s * 0.08, y + s * 0.08, s * 0.84, s * 0.84));
            break;
        case Button::Prev:
            p.addRect(QRectF(x, y, s * 0.16, s));
            triangle({x + s * 0.58, y}, {x + s * 0.16, y + s / 2}, {x + s * 0.58, y + s});
            triangle({x + s, y}, {x + s * 0.58, y + s / 2}, {x + s, y + s});
            break;
        case Button::Next:
            triangle({x, y}, {x + s * 0.42, y + s / 2}, {x, y + s});
            triangle({x + s * 0.42, y}, {x + s * 0.84, y + s / 2}, {x + s * 0.42, y + s});
            p.addRect(QRectF(x + s * 0.84, y, s * 0.16, s));
            break;
        case Button::Eject:
            triangle({x + s / 2, y}, {x + s, y + s * 0.62}, {x, y + s * 0.62});
            p.addRect(QRectF(x, y + s * 0.78, s, s * 0.22));
            break;
    }
    return p;
}

void drawBevel(QPainter& painter, const QRectF& r, bool sunken) {
    painter.setPen(QPen(sunken ? kDark : kLight, 1));
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(QPen(sunken ? kLight : kDark, 1));
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
    if (sunken) return;
    painter.setPen(QPen(kShadow, 1));
    const QRectF inner = r.adjusted(1, 1, -1, -1);
    painter.drawLine(inner.bottomLeft(), inner.bottomRight());
    painter.drawLine(inner.topRight(), inner.bottomRight());
}

}  // namespace

TransportBar::TransportBar(MediaPlayer& player, QWidget* parent)
    : QWidget(parent), player_(player) {
    setObjectName(QStringLiteral("transport"));
    setFocusPolicy(Qt::TabFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(&player, &MediaPlayer::statusUpdate, this, qOverload<>(&QWidget::update));
    connect(&player, &MediaPlayer::commandReceived, this, qOverload<>(&QWidget::update));
}

std::vector<Button> TransportBar::buttons() const {
    std::vector<Button> row{Button::Prev, Button::Next, Button::Play, Button::Pause, Button::Stop};
    if (player_.isCdAudio()) row.push_back(Button::Eject);
    return row;
}

bool TransportBar::buttonEnabled(Button b) const {
    const Mode mode = player_.mode();
    if (mode == Mode::NotOpen) return false;
    if (mode == Mode::NotReady) return b == Button::Eject;  // a disc may be taken out unread
    switch (b) {
        case Button::Prev:
        case Button::Eject:
            return true;
        case Button::Next:
            return !player_.atEnd();
        case Button::Play:
            return mode != Mode::Playing && !player_.atEnd();
        case Button::Pause:
            return mode == Mode::Playing || mode == Mode::Paused;
        case Button::Stop:
            return mode == Mode::Playing || mode == Mode::Paused;
    }
    return false;
}

QRect TransportBar::buttonRect(Button b) const {
    const auto row = buttons();
    const int count = static_cast<int>(row.size());
    for (int i = 0; i < count; ++i)
        if (row[i] == b) {
            const int left = width() * i / count, right = width() * (i + 1) / count;
            return {left, 0, right - left, height()};
        }
    return {};
}

int TransportBar::buttonAt(QPoint p) const {
    const auto row = buttons();
    for (int i = 0; i < static_cast<int>(row.size()); ++i)
        if (buttonRect(row[i]).contains(p)) return i;
    return -1;
}

void TransportBar::press(Button b) {
    if (buttonEnabled(b)) player_.sendCommand(QString::fromLatin1(lookOf(b).command));
}

void TransportBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), kFace);
    const auto row = buttons();
    for (int i = 0; i < static_cast<int>(row.size()); ++i) {
        const Button b = row[i];
        const bool enabled = buttonEnabled(b) && isEnabled();
        // A held pause stays pressed in, as on a tape recorder.
        const bool latched = b == Button::Pause && player_.mode() == Mode::Paused;
        const bool sunken = enabled && ((pressed_ == i && hovered_ == i) || latched);
        const QRectF r = QRectF(buttonRect(b)).adjusted(0, 0, -1, -1);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.fillRect(r, enabled && hovered_ == i ? kFaceHover : kFace);
        drawBevel(painter, r, sunken);
        if (hasFocus() && focused_ == i) {
            painter.setPen(QPen(kDark, 1, Qt::DotLine));
            painter.drawRect(r.adjusted(3, 3, -3, -3));
        }
        const qreal side = std::min(r.width(), r.height()) * 0.55;
        QRectF box(0, 0, side, side);
        box.moveCenter(r.center() + (sunken ? QPointF(1, 1) : QPointF(0, 0)));
        const QPainterPath symbol = symbolOf(b, box);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(Qt::NoPen);
        if (enabled) {
            painter.setBrush(lookOf(b).color);
            painter.drawPath(symbol);
        } else {  // etched, as disabled controls are drawn
            painter.setBrush(kLight);
            painter.drawPath(symbol.translated(1, 1));
            painter.setBrush(kDisabled);
            painter.drawPath(symbol);
        }
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(kShadow);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void TransportBar::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    pressed_ = buttonAt(e->position().toPoint());
    update();
}

void TransportBar::mouseMoveEvent(QMouseEvent* e) {
    const int over = buttonAt(e->position().toPoint());
    if (over == hovered_) return;
    hovered_ = over;
    update();
}

void TransportBar::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    const int released = buttonAt(e->position().toPoint());
    const int pressed = pressed_;
    pressed_ = -1;
    update();
    const auto row = buttons();
    if (pressed >= 0 && released == pressed && pressed < static_cast<int>(row.size()))
        press(row[pressed]);
}

void TransportBar::leaveEvent(QEvent*) {
    hovered_ = -1;
    update();
}

void TransportBar::focusInEvent(QFocusEvent*) {
    const auto row = buttons();
    if (focused_ >= static_cast<int>(row.size()) || !buttonEnabled(row[focused_])) moveFocus(1);
    update();
}

void TransportBar::moveFocus(int step) {
    const auto row = buttons();
    const int count = static_cast<int>(row.size());
    for (int i = 1; i <= count; ++i) {
        const int candidate = ((focused_ + step * i) % count + count) % count;
        if (buttonEnabled(row[candidate])) {
            focused_ = candidate;
            break;
        }
    }
    update();
}

void TransportBar::keyPressEvent(QKeyEvent* e) {
    const auto row = buttons();
    switch (e->key()) {
        case Qt::Key_Left:
            return moveFocus(-1);
        case Qt::Key_Right:
            return moveFocus(1);
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (focused_ < static_cast<int>(row.size())) press(row[focused_]);
            return;
        default:
            QWidget::keyPressEvent(e);
    }
}

bool TransportBar::event(QEvent* e) {
    if (e->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(e);
        const int over = buttonAt(help->pos());
        if (over >= 0)
            QToolTip::showText(help->globalPos(),
                               QString::fromUtf8(lookOf(buttons()[over]).tooltip), this,
                               buttonRect(buttons()[over]));
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(e);
}
