// Lesson 5.
#include "lessons/lesson_frame.h"
#include "media/guide.h"
#include "shell/program.h"
#include "shell/screens.h"

namespace {

// clang-format off
constexpr WidgetSpec kWidgets[] = {
    frame::mediaPlayer("MMControl1", {600, 960, 3540, 330}),
    frame::command1(2),
    frame::command2(1),
    frame::richTextBox1(),
    frame::image13(),
    {.name = "Image3", .bounds = {360, 480, 6375, 5280}, .picture = "form8_image3", .visible = false},
};
// clang-format on

void command1Click(Screen& s) {
    s.guide().stop();
    s.guide().hide();
    s.hide();
    s.program().show(ScreenId::Form1);
    frame::showTextbook(s);
}

const HandlerSpec kHandlers[] = {
    {"Command1", Event::Click, StepTolerant, command1Click},
    {"Image13", Event::Click, Strict, frame::silence},
};

}  // namespace

const ScreenDefinition& form8() {
    static const ScreenDefinition definition{
        .id = ScreenId::Form8,
        .kind = WindowKind::LessonWindow,
        .caption = "     Урок 5",
        .clientWidth = frame::kWidth,
        .clientHeight = frame::kShortHeight,
        .backColor = frame::kBackground,
        .closeClicks = "Command1",
        .widgets = kWidgets,
        .handlers = kHandlers,
    };
    return definition;
}
