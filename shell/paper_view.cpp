#include "shell/paper_view.h"

#include <QPainter>

#include "shell/look.h"
#include "shell/paper.h"
#include "shell/twips.h"
#include "shell/widget.h"

namespace {

QPoint pixelOf(QPoint twips) {
    return {twipsToPixels(twips.x()), twipsToPixels(twips.y())};
}

}  // namespace

PaperView::PaperView(Widget& widget, QWidget* parent) : QWidget(parent), widget_(widget) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PaperView::bringUpToDate() {
    const Paper& paper = widget_.paper();
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = size() * ratio;
    if (picture_.size() != pixels || erasures_ != paper.erasures() ||
        color_ != widget_.backColor() || drawn_ > paper.marks().size()) {
        // A new sheet: every mark is drawn again onto the paper colour, also where the window
        // has grown.
        picture_ = QImage(pixels, QImage::Format_RGB32);
        picture_.setDevicePixelRatio(ratio);
        color_ = widget_.backColor();
        picture_.fill(color_ == kNoColor ? QColor(Qt::white) : toQColor(color_));
        erasures_ = paper.erasures();
        drawn_ = 0;
    }
    if (drawn_ == paper.marks().size()) return;
    QPainter painter(&picture_);
    for (; drawn_ < paper.marks().size(); ++drawn_) {
        const Paper::Mark& mark = paper.marks()[drawn_];
        painter.setPen(QPen(toQColor(mark.color), 1));  // solid, one pixel, no smoothing
        if (mark.point)
            painter.drawPoint(pixelOf(mark.to));
        else
            painter.drawLine(pixelOf(mark.from), pixelOf(mark.to));
    }
}

void PaperView::paintEvent(QPaintEvent*) {
    bringUpToDate();
    QPainter(this).drawImage(QPoint(0, 0), picture_);
}
