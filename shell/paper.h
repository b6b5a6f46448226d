#pragma once
// A persistent drawing surface: the points and lines drawn on it since it was last cleared, and
// the drawing position the next line starts from. Positions are twips; the paper colour is its
// widget's BackColor. The view paints it and keeps it on screen through covering, moving and
// resizing; the model keeps everything, so nothing drawn is lost when the window shrinks.
#include <QPoint>
#include <functional>
#include <vector>

#include "shell/color.h"

class Paper {
public:
    struct Mark {
        QPoint from;
        QPoint to;  // a point has to == from
        ColorValue color;
        bool point;
    };

    explicit Paper(std::function<void()> changed) : changed_(std::move(changed)) {}

    const std::vector<Mark>& marks() const { return marks_; }
    QPoint position() const { return position_; }
    // Counts the erasures, so that a view knows when to start its picture afresh.
    int erasures() const { return erasures_; }

    // A line from the drawing position to `to`; the position becomes `to`.
    void lineTo(QPoint to, ColorValue color);
    // One point; the position becomes `at`.
    void setPoint(QPoint at, ColorValue color);
    // Erases the drawing and puts the position back to the top-left corner.
    void clear();
    // Erases the drawing, keeping the position (a new paper colour does this).
    void erase();

private:
    std::function<void()> changed_;
    std::vector<Mark> marks_;
    QPoint position_{0, 0};
    int erasures_ = 0;
};
