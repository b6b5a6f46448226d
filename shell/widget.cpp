#include "shell/widget.h"

#include "media/media_player.h"
#include "shell/dialogs.h"
#include "shell/paper.h"
#include "shell/program.h"
#include "shell/screen.h"

Widget::Widget(Screen& screen, int slot, const WidgetSpec& spec)
    : screen_(&screen),
      slot_(slot),
      spec_(&spec),
      visible_(spec.visible),
      enabled_(spec.enabled),
      bounds_(spec.bounds),
      caption_(QString::fromUtf8(spec.caption)),
      mousePointer_(spec.mousePointer),
      backColor_(spec.backColor) {
    if (spec.kind == WidgetKind::TextbookViewer && spec.caption) {
        rtf_ = QByteArray(spec.caption);  // the viewer is created with its stored text
        caption_.clear();
    }
    if (spec.kind == WidgetKind::CommonDialog)
        fileName_ = caption_;  // the dialog's first file name
    if (spec.kind == WidgetKind::MediaPlayer) {
        player_ = std::make_unique<MediaPlayer>(screen.program().media());
        player_->setWorkingDir(screen.program().workingDir());
    }
    if (spec.kind == WidgetKind::Paper) paper_ = std::make_unique<Paper>([this] { changed(); });
}

Widget::~Widget() = default;

QString Widget::name() const {
    const QString base = QString::fromUtf8(spec_->name);
    return spec_->index < 0 ? base : QStringLiteral("%1(%2)").arg(base).arg(spec_->index);
}

void Widget::changed() {
    screen_->widgetChangedBy(*this);
}

void Widget::setVisible(bool visible) {
    if (visible_ == visible) return;
    visible_ = visible;
    changed();
}

void Widget::setEnabled(bool enabled) {
    if (enabled_ == enabled) return;
    enabled_ = enabled;
    if (kind() == WidgetKind::Timer) screen_->timerChanged(*this);
    changed();
}

void Widget::setLeft(int twips) {
    if (bounds_.left == twips) return;
    bounds_.left = twips;
    changed();
}

void Widget::setTop(int twips) {
    if (bounds_.top == twips) return;
    bounds_.top = twips;
    changed();
}

void Widget::setWidth(int twips) {
    if (bounds_.width == twips) return;
    bounds_.width = twips;
    changed();
}

void Widget::setHeight(int twips) {
    if (bounds_.height == twips) return;
    bounds_.height = twips;
    changed();
}

void Widget::setCaption(const QString& caption) {
    if (caption_ == caption) return;
    caption_ = caption;
    changed();
}

void Widget::setMousePointer(int code) {
    if (mousePointer_ == code) return;
    mousePointer_ = code;
    changed();
}

void Widget::setBackColor(ColorValue color) {
    backColor_ = color;
    if (paper_) paper_->erase();
    changed();
}

void Widget::refresh() {
    emit screen_->refreshRequested(slot_);
}

MediaPlayer& Widget::player() {
    if (!player_) throw StepFailed{"not a media player"};
    return *player_;
}

Paper& Widget::paper() {
    if (!paper_) throw StepFailed{"not a paper"};
    return *paper_;
}

void Widget::setRtfText(const QByteArray& rtf) {
    rtf_ = rtf;
    changed();
}

void Widget::showOpenDialog() {
    Program& program = screen_->program();
    std::optional<QString> chosen;
    program.runModal([&] { chosen = program.dialogs().chooseOpenFile(fileName_); });
    if (chosen) fileName_ = *chosen;
}

void Widget::showColorDialog() {
    Program& program = screen_->program();
    std::optional<ColorValue> chosen;
    program.runModal([&] { chosen = program.dialogs().chooseColor(color_); });
    if (chosen) color_ = *chosen;
}
