#pragma once
// The view of a paper: a picture of the drawing kept up to date mark by mark, so that repainting
// after a cover, a move or a resize only copies it. It takes no mouse: presses on the paper are
// the screen's own.
#include <QImage>
#include <QWidget>

#include "shell/color.h"

class Widget;

class PaperView final : public QWidget {
    Q_OBJECT
public:
    PaperView(Widget& widget, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void bringUpToDate();

    Widget& widget_;
    QImage picture_;
    size_t drawn_ = 0;  // marks already on the picture
    int erasures_ = 0;
    ColorValue color_ = kNoColor;
};
