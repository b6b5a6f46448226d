// Lesson 2, about sound: a baby with a microphone and a sound recorder, a ball that bounces beside
// the baby, and a car with an alarm that drives across the window and back.
#include "lessons/lesson_frame.h"
#include "media/guide.h"
#include "shell/program.h"
#include "shell/screens.h"

namespace {

struct Variables : FormVariables {
    qint16 carStep = 0;        // -15 driving left, 15 driving right, 0 before the first press
    qint16 ballDirection = 0;  // kRising or kFalling
};

constexpr qint16 kRising = 0;  // the ball's top decreases
constexpr qint16 kFalling = 1;

// The ball turns at these tops exactly, moving 90 twips a tick.
constexpr int kBallHighest = 150;
constexpr int kBallLowest = 2130;
constexpr int kBallStep = 90;
// Each click pushes it 1000 twips right, until its left edge is this far.
constexpr int kBallPush = 1000;
constexpr int kBallPushLimit = 8000;
// The car drives 215 steps of 15 twips; standing further right than 1000 it drives left.
constexpr int kCarSteps = 215;
constexpr qint16 kCarStep = 15;
constexpr int kCarTurnsLeftBeyond = 1000;

// clang-format off
constexpr WidgetSpec kWidgets[] = {
    frame::timer("Timer1", 100),
    frame::mediaPlayer("MMControl1", {840, 360, 3540, 330}),
    frame::command2(2),
    frame::command1(1),
    frame::richTextBox1(),
    {.name = "Picture1", .kind = WidgetKind::PictureBox, .bounds = {3360, 3000, 5940, 2280},
     .picture = "form5_picture1", .mouseIcon = "form5_picture1_cursor", .tabIndex = 3},
    frame::image13(),
    {.name = "Line1", .kind = WidgetKind::Line, .bounds = {120, 2880, 2520, 2880},
     .foreColor = 0x00E0E0E0},
    {.name = "Image5", .bounds = {120, 600, 720, 720}, .picture = "form5_image5", .visible = false},
    {.name = "Image4", .kind = WidgetKind::HotSpot, .bounds = {4560, 480, 4695, 2295},
     .mousePointer = 99, .mouseIcon = "form5_image4_cursor"},
    {.name = "Image3", .kind = WidgetKind::HotSpot, .bounds = {360, 240, 1695, 2535}},
    {.name = "Image2", .kind = WidgetKind::HotSpot, .bounds = {2040, 360, 615, 1335},
     .mousePointer = 99, .mouseIcon = "form5_image2_cursor"},
    {.name = "Image1", .bounds = {240, 120, 9060, 2805}, .picture = "form5_image1"},
};
// clang-format on

void play(Screen& s, const char* file) {
    frame::playSequence(s.player("MMControl1"), QString::fromUtf8(file));
}

// Back: the ball freezes where it is.
void command1Click(Screen& s) {
    s.guide().stop();
    s.guide().hide();
    s["Timer1"].disable();
    s.hide();
    s.program().show(ScreenId::Form1);
    frame::showTextbook(s);
}

// Text: the ball freezes too.
void command2Click(Screen& s) {
    s.guide().stop();
    s.guide().speak(QStringLiteral("Пора браться за дело!"));
    s["Timer1"].disable();
    frame::showTextbook(s);
}

// The microphone.
void image2Click(Screen& s) {
    play(s, "\\evy\\4.wav");
}

// The baby: the ball appears and starts bouncing at the next tick.
void image3Click(Screen& s) {
    s["Timer1"].enable();
    s["Image3"].setMousePointer(0);
    s["Image5"].show();
    play(s, "\\evy\\9.wav");
}

// The recorder window.
void image4Click(Screen& s) {
    s["Command2"].enable();
    s["RichTextBox1"].hide();
    play(s, "\\evy\\10.wav");
}

// The ball: a push to the right, until it is far enough.
void image5Click(Screen& s) {
    Widget& ball = s["Image5"];
    if (ball.left() < kBallPushLimit) ball.setLeft(ball.left() + kBallPush);
}

// The car, with any mouse button: it drives across with its alarm sounding, and back at the next
// press. The whole drive runs inside this handler; each step is shown as it happens.
void picture1MouseDown(Screen& s, const EventArgs& e) {
    s.setMousePointer(0);
    play(s, "\\evy\\3.wav");
    Widget& car = s["Picture1"];
    qint16& carStep = s.vars<Variables>().carStep;
    carStep = car.left() > kCarTurnsLeftBeyond ? -kCarStep : kCarStep;
    if (carStep == kCarStep) car.setMousePointer(0);
    if (e.button != 0) {
        for (int i = 0; i < kCarSteps; ++i) {
            car.setLeft(car.left() + carStep);
            car.refresh();
        }
        if (carStep == -kCarStep) car.setMousePointer(99);  // the stop sign over the parked car
    }
}

// The mouse over the car uncovers the picture.
void picture1MouseMove(Screen& s) {
    s["RichTextBox1"].hide();
    s["Command2"].enable();
}

// One step of the bouncing ball.
void timer1Timer(Screen& s) {
    Widget& ball = s["Image5"];
    qint16& direction = s.vars<Variables>().ballDirection;
    ball.hide();
    if (ball.top() == kBallHighest) direction = kFalling;
    if (ball.top() == kBallLowest) direction = kRising;
    if (direction == kRising) ball.setTop(ball.top() - kBallStep);
    if (direction == kFalling) ball.setTop(ball.top() + kBallStep);
    ball.show();
}

// Form5 Load has nothing to do, so the screen has no Load handler.
// clang-format off
const HandlerSpec kHandlers[] = {
    {"Command1", Event::Click, StepTolerant, command1Click},
    {"Command2", Event::Click, StepTolerant, command2Click},
    {"Image13", Event::Click, Strict, frame::silence},
    {"Image2", Event::Click, Strict, image2Click},
    {"Image3", Event::Click, Strict, image3Click},
    {"Image4", Event::Click, Strict, image4Click},
    {"Image5", Event::Click, Strict, image5Click},
    {"Picture1", Event::MouseDown, Strict, picture1MouseDown},
    {"Picture1", Event::MouseMove, Strict, picture1MouseMove},
    {"Timer1", Event::Timer, Strict, timer1Timer},
};
// clang-format on

}  // namespace

const ScreenDefinition& form5() {
    static const ScreenDefinition definition{
        .id = ScreenId::Form5,
        .kind = WindowKind::LessonWindow,
        .caption = "     Урок 2",
        .clientWidth = frame::kWidth,
        .clientHeight = frame::kShortHeight,
        .backColor = frame::kBackground,
        .closeClicks = "Command1",
        .widgets = kWidgets,
        .handlers = kHandlers,
        .makeVariables = [] { return std::make_unique<Variables>(); },
    };
    return definition;
}
