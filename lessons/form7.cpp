// Lesson 4.
#include "lessons/lesson_frame.h"
#include "media/guide.h"
#include "shell/program.h"
#include "shell/screens.h"

namespace {

// clang-format off
constexpr WidgetSpec kWidgets[] = {
    frame::timer("Timer2", 3000),
    frame::mediaPlayer("MMControl2", {3360, 4200, 3540, 330}),
    frame::mediaPlayer("MMControl1", {6240, 3240, 3000, 330}, true),
    frame::timer("Timer1", 1000),
    frame::command1(2),
    frame::command2(1),
    frame::richTextBox1(),
    frame::image13(),
    {.name = "Label1", .kind = WidgetKind::Label, .bounds = {6720, 1440, 975, 255}, .foreColor = 0x80000005},
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

const ScreenDefinition& form7() {
    static const ScreenDefinition definition{
        .id = ScreenId::Form7,
        .kind = WindowKind::LessonWindow,
        .caption = "     Урок 4",
        .clientWidth = frame::kWidth,
        .clientHeight = frame::kShortHeight,
        .backColor = frame::kBackground,
        .closeClicks = "Command1",
        .widgets = kWidgets,
        .handlers = kHandlers,
    };
    return definition;
}
