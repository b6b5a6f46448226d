// Lesson 1.
#include "lessons/lesson_frame.h"
#include "media/guide.h"
#include "shell/program.h"
#include "shell/screens.h"

namespace {

// clang-format off
constexpr WidgetSpec kWidgets[] = {
    frame::mediaPlayer("MMControl1", {360, 600, 3540, 330}),
    frame::command2(2),
    frame::command1(1),
    frame::richTextBox1(),
    frame::image13(),
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

const ScreenDefinition& form4() {
    static const ScreenDefinition definition{
        .id = ScreenId::Form4,
        .kind = WindowKind::LessonWindow,
        .caption = "     Урок 1",
        .clientWidth = frame::kWidth,
        .clientHeight = frame::kTallHeight,
        .backColor = frame::kBackground,
        .closeClicks = "Command1",
        .widgets = kWidgets,
        .handlers = kHandlers,
    };
    return definition;
}
