#include "shell/paper.h"

void Paper::lineTo(QPoint to, ColorValue color) {
    marks_.push_back({position_, to, color, false});
    position_ = to;
    changed_();
}

void Paper::setPoint(QPoint at, ColorValue color) {
    marks_.push_back({at, at, color, true});
    position_ = at;
    changed_();
}

void Paper::clear() {
    position_ = QPoint(0, 0);
    erase();
}

void Paper::erase() {
    marks_.clear();
    ++erasures_;
    changed_();
}
