// Lesson 3.
#include "lessons/lesson_frame.h"
#include "media/guide.h"
#include "shell/program.h"
#include "shell/screens.h"

namespace {

// clang-format off
constexpr WidgetSpec kWidgets[] = {
    frame::mediaPlayer("MMControl3", {4560, 5400, 2760, 330}),
    frame::mediaPlayer("MMControl2", {600, 600, 3540, 330}),
    frame::timer("Timer1", 40),
    frame::mediaPlayer("MMControl1", {480, 480, 3540, 330}),
    frame::command1(2),
    frame::command2(1),
    frame::richTextBox1(),
    frame::image13(),
    {.name = "Label1", .kind = WidgetKind::Label, .bounds = {6480, 240, 2535, 615}, .tooltip = " Текущая дата ",
     .font = {"Comic Sans MS", 20.25, 700}, .foreColor = 0x80000005},
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

const ScreenDefinition& form6() {
    static const ScreenDefinition definition{
        .id = ScreenId::Form6,
        .kind = WindowKind::LessonWindow,
        .caption = "     Урок 3",
        .clientWidth = frame::kWidth,
        .clientHeight = frame::kTallHeight,
        .backColor = frame::kBackground,
        .closeClicks = "Command1",
        .widgets = kWidgets,
        .handlers = kHandlers,
    };
    return definition;
}
