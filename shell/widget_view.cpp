#include "shell/widget_view.h"

#include <qdrawutil.h>
#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <QTextLayout>

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

namespace {

// The height of `text` laid out in lines of `width` with `option`'s wrapping.
qreal wrappedHeight(const QFont& font, const QString& text, const QTextOption& option,
                    qreal width) {
    QTextLayout layout(text, font);
    layout.setTextOption(option);
    layout.beginLayout();
    qreal height = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        height += line.height();
    }
    layout.endLayout();
    return height;
}

// Words wrap; a word longer than the label (a file path) breaks where it must.
QTextOption labelWrapping() {
    QTextOption option(Qt::AlignLeft | Qt::AlignTop);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    return option;
}

// The classic two-line sunken border: grey and dark grey above and left, white and light grey below
// and right, so that it shows on a light grey window around a white box.
void drawSunkenBorder(QPainter& painter, const QRect& r) {
    QPalette shades;
    shades.setColor(QPalette::Dark, QColor(0x80, 0x80, 0x80));
    shades.setColor(QPalette::Shadow, QColor(0x40, 0x40, 0x40));
    shades.setColor(QPalette::Light, QColor(0xFF, 0xFF, 0xFF));
    shades.setColor(QPalette::Midlight, QColor(0xDF, 0xDF, 0xDF));
    qDrawWinPanel(&painter, r, shades, true);
}

}  // namespace

QString fittedLabelCaption(const QString& caption, const QFont& font, QSize size) {
    const QTextOption wrapping = labelWrapping();
    if (QFontMetricsF(font).lineSpacing() * 2 > size.height()) return caption;
    const auto fits = [&](const QString& text) {
        return wrappedHeight(font, text, wrapping, size.width()) <= size.height();
    };
    if (fits(caption)) return caption;
    const auto tail = [&](qsizetype cut) { return QStringLiteral("…") + caption.mid(cut); };
    // The shortest cut whose tail fits; a shorter tail never needs more lines.
    qsizetype tooShort = 0, enough = caption.size();
    while (enough - tooShort > 1) {
        const qsizetype cut = (tooShort + enough) / 2;
        (fits(tail(cut)) ? enough : tooShort) = cut;
    }
    return tail(enough);
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
            if (spec.sunken) drawSunkenBorder(painter, rect());
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
            const QTextOption wrapping = labelWrapping();
            painter.drawText(QRectF(rect()), fittedLabelCaption(widget_.caption(), font(), size()),
                             wrapping);
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
            painter.setRenderHint(QPainter::Antialiasing, false);  // a full pixel, not two halves
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
