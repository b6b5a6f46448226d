#include "shell/screen.h"

#include "media/media_player.h"
#include "shell/clock.h"
#include "shell/program.h"

Screen::Screen(Program& program, const ScreenDefinition& definition, FormVariables& variables)
    : program_(program),
      definition_(definition),
      variables_(variables),
      clientWidth_(definition.clientWidth),
      clientHeight_(definition.clientHeight),
      backColor_(definition.backColor) {
    widgets_.reserve(definition.widgets.size());
    for (const WidgetSpec& spec : definition.widgets)
        widgets_.push_back(
            std::make_unique<Widget>(*this, static_cast<int>(widgets_.size()), spec));
    timerIds_.assign(widgets_.size(), 0);
    for (auto& widget : widgets_) {
        if (widget->kind() != WidgetKind::MediaPlayer) continue;
        const QString name = QString::fromUtf8(widget->spec().name);
        // Notifications reach the handlers between other handlers, never inside one.
        connect(
            &widget->player(), &MediaPlayer::done, this,
            [this, name](int code) {
                program_.fire(id(), name, Event::Done, EventArgs{.code = code});
            },
            Qt::QueuedConnection);
        connect(
            &widget->player(), &MediaPlayer::statusUpdate, this,
            [this, name] { program_.fire(id(), name, Event::StatusUpdate); }, Qt::QueuedConnection);
    }
    for (auto& widget : widgets_)
        if (widget->kind() == WidgetKind::Timer && widget->enabled()) timerChanged(*widget);
}

Screen::~Screen() {
    stopTimers();
}

Guide& Screen::guide() {
    return program_.guide();
}

Widget* Screen::find(const QString& name, int index) {
    for (auto& widget : widgets_)
        if (name == QLatin1String(widget->spec().name) && widget->spec().index == index)
            return widget.get();
    return nullptr;
}

Widget& Screen::w(const char* name, int index) {
    if (Widget* widget = find(QString::fromUtf8(name), index)) return *widget;
    throw StepFailed{"no such widget"};
}

MediaPlayer& Screen::player(const char* name) {
    return w(name).player();
}

Screen& Screen::form(ScreenId id) {
    return program_.screen(id);
}

void Screen::setClientSize(int width, int height) {
    clientWidth_ = width;
    clientHeight_ = height;
    emit windowChanged();
}

void Screen::setLeft(int twips) {
    position_ = QPoint(twips, position_ ? position_->y() : 0);
    emit windowChanged();
}

void Screen::setTop(int twips) {
    position_ = QPoint(position_ ? position_->x() : 0, twips);
    emit windowChanged();
}

void Screen::setMousePointer(int code) {
    if (mousePointer_ == code) return;
    mousePointer_ = code;
    emit windowChanged();
}

void Screen::setBackColor(ColorValue color) {
    backColor_ = color;
    emit windowChanged();
}

void Screen::show() {
    program_.show(id());
}
void Screen::hide() {
    program_.hide(id());
}
void Screen::unload() {
    program_.unload(id());
}

void Screen::setVisibleFlag(bool visible) {
    visible_ = visible;
    emit windowChanged();
}

void Screen::widgetChangedBy(Widget& w) {
    emit widgetChanged(w.slot());
}

void Screen::timerChanged(Widget& timer) {
    int& running = timerIds_[timer.slot()];
    if (running) program_.clock().cancel(running);
    running = 0;
    if (!timer.enabled() || timer.spec().interval <= 0) return;
    const ScreenId screen = id();
    const QString name = QString::fromUtf8(timer.spec().name);
    const int index = timer.spec().index;
    Program* program = &program_;
    running = program_.clock().start(timer.spec().interval, true,
                                     [=] { program->fire(screen, name, index, Event::Timer); });
}

void Screen::stopTimers() {
    for (int& running : timerIds_) {
        if (running) program_.clock().cancel(running);
        running = 0;
    }
}
