// Lesson 3: a kitten before a castle tosses a ball from its raised paw; the ball flies diagonally
// about the window on a 40 ms timer and sounds at every wall. A football or, once clicked, a
// basketball. A label shows the date, and a CD icon starts the audio disc on a visible player bar.
#include "lessons/lesson_frame.h"
#include "media/guide.h"
#include "media/media_player.h"
#include "shell/program.h"
#include "shell/screens.h"

namespace {

struct Variables : FormVariables {
    qint16 verticalDirection = 0;    // 0 up (top decreases), 1 down
    qint16 horizontalDirection = 0;  // 0 left (left edge decreases), 1 right
    qint16 activeBall = 0;           // the ball shown in flight: 0 the football, 1 the basketball
};

// clang-format off
constexpr WidgetSpec kWidgets[] = {
    {.name = "MMControl3", .kind = WidgetKind::MediaPlayer, .bounds = {4560, 5400, 2760, 330}, .visible = false,
     .tabIndex = 6},
    {.name = "MMControl2", .kind = WidgetKind::MediaPlayer, .bounds = {600, 600, 3540, 330}, .visible = false,
     .tabIndex = 5},
    frame::timer("Timer1", 40),
    {.name = "MMControl1", .kind = WidgetKind::MediaPlayer, .bounds = {480, 480, 3540, 330}, .visible = false,
     .tabIndex = 3},
    frame::command1(2),
    frame::command2(1),
    frame::richTextBox1(),
    frame::image13(),
    {.name = "Image4", .bounds = {8160, 2640, 720, 720}, .picture = "form6_image4",
     .tooltip = " Проигрыватель музыкальных дисков "},
    {.name = "Image3", .bounds = {4800, 1200, 480, 480}, .picture = "form6_image3", .visible = false},
    {.name = "Image2", .bounds = {4800, 1200, 480, 480}, .picture = "form6_image2", .visible = false},
    // The date: white on the sky of the picture, with no background of its own.
    {.name = "Label1", .kind = WidgetKind::Label, .bounds = {6480, 240, 2535, 615}, .tooltip = " Текущая дата ",
     .font = {"Comic Sans MS", 20.25, 700}, .foreColor = 0x80000005, .tabIndex = 4},
    {.name = "Image1", .bounds = {240, 240, 9015, 5250}, .picture = "form6_image1"},
};
// clang-format on

// The two balls in the order of ActiveBall; they always share one position.
constexpr const char* kBalls[] = {"Image2", "Image3"};
constexpr int kFootball = 0;
constexpr int kBasketball = 1;

// One axis of the flight: the walls where the ball turns, in twips of its left or top edge.
struct Axis {
    int (Widget::*position)() const;
    void (Widget::*setPosition)(int);
    int nearWall;  // reached moving up or left (direction 0): the direction turns to 1
    int farWall;   // reached moving down or right (direction 1): the direction turns to 0
};
constexpr Axis kVertical{&Widget::top, &Widget::setTop, 0, 5500};
constexpr Axis kHorizontal{&Widget::left, &Widget::setLeft, 0, 9000};
constexpr int kStep = 100;  // twips per tick on each axis

Widget& activeBall(Screen& s) {
    return s[kBalls[s.vars<Variables>().activeBall]];
}

// The position before the move decides the turn, so the ball stays at a wall for one tick.
void flyAlong(Screen& s, const Axis& axis, qint16& direction) {
    for (const char* ball : kBalls)
        if ((s[ball].*axis.position)() == axis.nearWall) direction = 1;
    for (const char* ball : kBalls)
        if ((s[ball].*axis.position)() == axis.farWall) direction = 0;
    const int move = direction == 0 ? -kStep : kStep;
    for (const char* ball : kBalls) {
        Widget& w = s[ball];
        (w.*axis.setPosition)((w.*axis.position)() + move);
    }
}

bool atWall(const Widget& ball, const Axis& axis) {
    const int at = (ball.*axis.position)();
    return at == axis.nearWall || at == axis.farWall;
}

// The date, shown afresh: a lesson left open past midnight shows the new day.
void showDate(Screen& s) {
    frame::showToday(s["Label1"], s.program().clock());
}

void command1Click(Screen& s) {
    s.guide().stop();
    s.guide().hide();
    s["Image1"].setMousePointer(99);
    s["Timer1"].disable();
    s.hide();
    s.program().show(ScreenId::Form1);
    frame::showTextbook(s);
}

// The ball keeps flying behind the textbook.
void command2Click(Screen& s) {
    s.guide().stop();
    s.guide().moveTo(680, 50);
    frame::showTextbook(s);
    showDate(s);
}

void form6Load(Screen&) {}

// The left button sets the ball flying from where it is; any other stops it and shows the date.
void image1MouseDown(Screen& s, const EventArgs& e) {
    Guide& g = s.guide();
    g.stop();
    g.play(QStringLiteral("Explain"));
    g.speak(QStringLiteral("Что у котенка в передней левой лапе?"));
    if (e.button == 1) {
        s["Image1"].setMousePointer(0);
        frame::playSequence(s.player("MMControl1"), QStringLiteral("\\evy\\8.wav"));
        s["RichTextBox1"].hide();
        s["Command2"].enable();
        s["Label1"].hide();
        s["Image2"].hide();
        s["Image3"].hide();
        s["Timer1"].enable();
    } else {
        s["Timer1"].disable();
        showDate(s);
    }
}

void image2Click(Screen& s) {
    s["Image2"].hide();
    s["Image3"].show();
    s.vars<Variables>().activeBall = kBasketball;
}

void image3Click(Screen& s) {
    s["Image2"].show();
    s["Image3"].hide();
    s.vars<Variables>().activeBall = kFootball;
}

// The icon moves beside the player bar for good; the other music stops and the disc plays.
void image4Click(Screen& s) {
    s["Image4"].setLeft(4000);
    s["Image4"].setTop(5160);
    s.form(ScreenId::Form9).player("MMControl1").sendCommand(QStringLiteral("Close"));
    s.form(ScreenId::Form1).player("MMControl1").sendCommand(QStringLiteral("Close"));
    s["MMControl3"].show();
    MediaPlayer& disc = s.player("MMControl3");
    disc.setDeviceType(QStringLiteral("CDAudio"));
    disc.sendCommand(QStringLiteral("Open"));
    disc.sendCommand(QStringLiteral("Play"));
}

void mmControl2Done(Screen&) {}

// One step of the flight: both balls move, the active one is shown, and a wall reached sounds.
void timer1Timer(Screen& s) {
    Variables& v = s.vars<Variables>();
    activeBall(s).hide();
    flyAlong(s, kVertical, v.verticalDirection);
    flyAlong(s, kHorizontal, v.horizontalDirection);
    activeBall(s).show();
    const Widget& football = s["Image2"];
    if (atWall(football, kVertical))
        frame::playSequence(s.player("MMControl2"), QStringLiteral("11.wav"));
    if (atWall(football, kHorizontal))
        frame::playSequence(s.player("MMControl2"), QStringLiteral("11.wav"));
}

// clang-format off
const HandlerSpec kHandlers[] = {
    {"Command1", Event::Click, StepTolerant, command1Click},
    {"Command2", Event::Click, StepTolerant, command2Click},
    {"Form6", Event::Load, StepTolerant, form6Load},
    {"Image1", Event::MouseDown, StepTolerant, image1MouseDown},
    {"Image13", Event::Click, Strict, frame::silence},
    {"Image2", Event::Click, Strict, image2Click},
    {"Image3", Event::Click, Strict, image3Click},
    {"Image4", Event::Click, Strict, image4Click},
    {"MMControl2", Event::Done, Strict, mmControl2Done},
    {"Timer1", Event::Timer, Strict, timer1Timer},
};
// clang-format on

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
        .makeVariables = [] { return std::make_unique<Variables>(); },
    };
    return definition;
}
