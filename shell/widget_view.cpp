#include "shell/widget_view.h"

#include <QMouseEvent>
#include <QPainter>

#include "shell/assets.h"
#include "shell/look.h"
#include "shell/screen.h"
#include "shell/screen_window.h"
#include "shell/twips.h"

WidgetView::WidgetView(ScreenWindow& window, Widget& widget, QWidget* parent)
    : QWidget(parent), window_(window), widget_(widget) {
    const WidgetKind kind = widget.kind();
    if (kind == WidgetKind::Shape || kind == WidgetKind::Line)
        setAttribute(Qt::WA_TransparentForMouseEvents);
    if (kind == WidgetKind::Label) setFont(fontFor(widget.spec().font));
}

void WidgetView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const WidgetSpec& spec = widget_.spec();
    switch (widget_.kind()) {
        case WidgetKind::PictureImage:
        case WidgetKind::PictureBox: {
            if (widget_.backColor() != kNoColor)
                painter.fillRect(rect(), toQColor(widget_.backColor()));
            if (!hasAsset(spec.picture)) break;
            // Natural size unless stretched; a bitmap's bounds are its size anyway.
            const QSize natural = assetSize(spec.picture);
            const QSize size = spec.stretch || natural.isEmpty() ? this->size() : natural;
            const qreal ratio = devicePixelRatioF();
            if (picture_.deviceIndependentSize().toSize() != size ||
                picture_.devicePixelRatio() != ratio)
                picture_ = assetPixmap(spec.picture, size, ratio);
            painter.drawPixmap(0, 0, picture_);
            break;
        }
        case WidgetKind::Label: {
            if (widget_.backColor() != kNoColor)
                painter.fillRect(rect(), toQColor(widget_.backColor()));
            painter.setPen(widget_.spec().foreColor == kNoColor
                               ? palette().color(QPalette::WindowText)
                               : toQColor(widget_.spec().foreColor));
            painter.drawText(rect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                             widget_.caption());
            break;
        }
        case WidgetKind::Shape: {
            QPen pen(toQColor(spec.foreColor), 3);
            pen.setJoinStyle(Qt::MiterJoin);
            painter.setRenderHint(QPainter::Antialiasing, false);
            painter.setPen(pen);
            painter.drawRect(rect().adjusted(1, 1, -2, -2));
            break;
        }
        case WidgetKind::Line: {
            const Bounds& b = widget_.bounds();
            const QPoint origin = pos();
            painter.setPen(QPen(toQColor(spec.foreColor), 1));
            painter.drawLine(QPoint(twipsToPixels(b.left), twipsToPixels(b.top)) - origin,
                             QPoint(twipsToPixels(b.width), twipsToPixels(b.height)) - origin);
            break;
        }
        default:
            break;  // a hot spot draws nothing
    }
}

void WidgetView::mousePressEvent(QMouseEvent* event) {
    pressedAt_ = geometry();
    window_.fireMouse(&widget_, 0, event, this);
}

void WidgetView::mouseReleaseEvent(QMouseEvent* event) {
    window_.fireMouse(&widget_, 1, event, this, pressedAt_);
}

void WidgetView::mouseMoveEvent(QMouseEvent* event) {
    window_.fireMouse(&widget_, 2, event, this);
}
