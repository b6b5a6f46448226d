// Lesson 4: a computer whose monitor shows a running clock, a lesson sound and a video that start
// three seconds after arrival, and a large screen-saver picture that the computer swaps in.
#include <QLocale>

#include "lessons/lesson_frame.h"
#include "media/guide.h"
#include "media/media_player.h"
#include "shell/clock.h"
#include "shell/program.h"
#include "shell/screens.h"

namespace {

// clang-format off
constexpr WidgetSpec kWidgets[] = {
    frame::timer("Timer2", 3000),
    frame::mediaPlayer("MMControl2", {3360, 4200, 3540, 330}),
    {.name = "MMControl1", .kind = WidgetKind::MediaPlayer, .bounds = {6240, 3240, 3000, 330}, .tabIndex = 4},
    frame::timer("Timer1", 1000),
    frame::command1(2),
    frame::command2(1),
    frame::richTextBox1(),
    frame::image13(),
    {.name = "Image2", .bounds = {480, 120, 5370, 5640}, .picture = "form7_image2", .visible = false},
    // The clock: in the window background colour, on the monitor, with no background of its own.
    {.name = "Label1", .kind = WidgetKind::Label, .bounds = {6720, 1440, 975, 255}, .foreColor = 0x80000005,
     .tabIndex = 3},
    {.name = "Image1", .bounds = {6240, 360, 2970, 2730}, .picture = "form7_image1"},
};
// clang-format on

// The time of day in the system's usual short form, with seconds: the clock ticks every second.
QString timeText(const QTime& time) {
    QString format = QLocale::system().timeFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1Char('s'))) {
        const qsizetype minutes = format.lastIndexOf(QLatin1String("mm"));
        if (minutes >= 0) format.insert(minutes + 2, QLatin1String(":ss"));
    }
    return QLocale::system().toString(time, format);
}

void command1Click(Screen& s) {
    s.guide().stop();
    s.guide().hide();
    s["Timer2"].disable();
    s["Image2"].hide();
    s.player("MMControl1").sendCommand(QStringLiteral("Close"));
    s["Timer1"].disable();
    s.hide();
    s.program().show(ScreenId::Form1);
    frame::showTextbook(s);
}

void command2Click(Screen& s) {
    s["Image2"].hide();
    s["Image1"].setMousePointer(0);
    frame::showTextbook(s);
}

void image1Click(Screen& s) {
    s.guide().stop();
    s.guide().play(QStringLiteral("GestureRight"));
    s["Image2"].show();
    s["RichTextBox1"].hide();
    s["Command2"].enable();
}

void timer1Timer(Screen& s) {
    s["Label1"].setCaption(timeText(s.program().clock().wallTime().time()));
}

void timer2Timer(Screen& s) {
    frame::playSequence(s.player("MMControl2"), QStringLiteral("\\evy\\7.wav"));
    frame::playSequence(s.player("MMControl1"), QStringLiteral("\\evy\\1.avi"));
    s["Timer2"].disable();
}

const HandlerSpec kHandlers[] = {
    {"Command1", Event::Click, StepTolerant, command1Click},
    {"Command2", Event::Click, Strict, command2Click},
    {"Image1", Event::Click, StepTolerant, image1Click},
    {"Image13", Event::Click, Strict, frame::silence},
    {"Timer1", Event::Timer, Strict, timer1Timer},
    {"Timer2", Event::Timer, Strict, timer2Timer},
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
