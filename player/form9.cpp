// The After-lessons screen.
#include "lessons/lesson_frame.h"
#include "media/guide.h"
#include "shell/program.h"
#include "shell/screens.h"

namespace {

// clang-format off
constexpr WidgetSpec kWidgets[] = {
    {.name = "CommonDialog1", .kind = WidgetKind::CommonDialog, .caption = "c:\\EVY\\*.*"},
    frame::mediaPlayer("MMControl1", {240, 3360, 3540, 330}),
    frame::command1(2),
    frame::command2(1),
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

const ScreenDefinition& form9() {
    static const ScreenDefinition definition{
        .id = ScreenId::Form9,
        .kind = WindowKind::LessonWindow,
        .caption = "     После уроков",
        .clientWidth = frame::kWidth,
        .clientHeight = frame::kShortHeight,
        .backColor = frame::kBackground,
        .closeClicks = "Command1",
        .widgets = kWidgets,
        .handlers = kHandlers,
    };
    return definition;
}
