// Lesson 1: a tour of the programming environment's windows. Clicking the computer swaps the
// textbook for a picture of the environment; five hot spots lie over its windows, each draws its
// coloured frame when the mouse moves over it and has the guide explain its window on a click.
#include "lessons/lesson_frame.h"
#include "media/guide.h"
#include "shell/program.h"
#include "shell/screens.h"

namespace {

// The highlight frames Shape1(0) to Shape1(4), one for each window of the picture.
constexpr int kFrames = 5;
constexpr int kProjectFrame = 0;
constexpr int kToolbarFrame = 1;
constexpr int kToolboxFrame = 2;
constexpr int kFormFrame = 3;
constexpr int kPropertiesFrame = 4;

constexpr WidgetSpec highlightFrame(int index, Bounds bounds, ColorValue color) {
    return {.name = "Shape1",
            .index = index,
            .kind = WidgetKind::Shape,
            .bounds = bounds,
            .visible = false,
            .foreColor = color};
}

// clang-format off
constexpr WidgetSpec kWidgets[] = {
    frame::mediaPlayer("MMControl1", {360, 600, 3540, 330}),
    frame::command2(2),
    frame::command1(1),
    frame::richTextBox1(),
    frame::image13(),
    highlightFrame(kPropertiesFrame, {6360, 2640, 2775, 3015}, 0x00FF00FF),
    highlightFrame(kFormFrame, {1320, 1320, 4815, 3255}, 0x00FFFF00),
    highlightFrame(kToolboxFrame, {240, 1320, 975, 4095}, 0x000000FF),
    highlightFrame(kToolbarFrame, {240, 120, 8895, 1095}, 0x0000FFFF),
    highlightFrame(kProjectFrame, {6360, 1200, 2775, 1455}, 0x0000FF00),
    {.name = "Image1", .bounds = {6360, 3000, 2655, 2655}, .picture = "form4_image1",
     .mousePointer = 99, .mouseIcon = "form4_image1_cursor"},
    frame::tourHotSpot("Image7", {240, 120, 8895, 1095}, " Панель инструментов "),
    frame::tourHotSpot("Image6", {6480, 2640, 2655, 3015}, " Окно свойств объекта "),
    frame::tourHotSpot("Image5", {6360, 1200, 2775, 1455}, " Окно проекта "),
    frame::tourHotSpot("Image4", {1320, 1320, 4815, 3255}, " Объект \"Форма\" "),
    frame::tourHotSpot("Image3", {240, 1320, 855, 4095}, " Окно инструментов "),
    {.name = "Label1", .kind = WidgetKind::Label, .bounds = {7200, 4080, 1095, 375},
     .mousePointer = 99, .mouseIcon = "form4_label1_cursor", .caption = "VB.EXE",
     .font = {"Bookman Old Style", 11.25, 600}, .foreColor = 0x8000000E},
    {.name = "Image2", .bounds = {240, 120, 8880, 5535}, .picture = "form4_image2",
     .visible = false},
};
// clang-format on

// The hot spots over the picture's windows: the frame each shows and what the guide says of it.
struct HotSpot {
    const char* name;
    int frame;
    const char* explanation;
};

constexpr HotSpot kHotSpots[] = {
    {"Image3", kToolboxFrame,
     "Это окно инструментов, содержащее набор объектов. Программист, выбирает здесь необходимые "
     "ему объекты и размещает их на форме своего приложения для WINDOWS."},
    {"Image4", kFormFrame, "Это окно Form1 - фундамент твоего будущего приложения для WINDOWS."},
    {"Image5", kProjectFrame, "В окне проекта можно увидеть состав проекта твоего приложения."},
    {"Image6", kPropertiesFrame,
     "Это окно свойств объекта. В левой колонке ты можешь выбрать какое-либо свойство нужного "
     "обьекта, а в правой колонке можно задавать значения свойства объекта."},
    {"Image7", kToolbarFrame,
     "Это панель инструментов. На ней размещены набор кнопок и система меню для управления "
     "процессом программирования."},
};

// The environment picture in place of the textbook and the computer, or the other way round.
void showEnvironment(Screen& s, bool shown) {
    s["Command2"].setEnabled(shown);
    s["Image2"].setVisible(shown);
    s["Image1"].setVisible(!shown);
    s["Label1"].setVisible(!shown);
    s["RichTextBox1"].setVisible(!shown);
}

void enableHotSpots(Screen& s, bool enabled) {
    for (const HotSpot& spot : kHotSpots) s[spot.name].setEnabled(enabled);
}

// The steps Back and Text share: the textbook and the computer return, the tour's widgets go.
void endTour(Screen& s) {
    showEnvironment(s, false);
    enableHotSpots(s, false);
    for (int i = 0; i < kFrames; ++i) s.w("Shape1", i).hide();
}

void command1Click(Screen& s) {
    s.guide().stop();
    s.guide().hide();
    endTour(s);
    s.hide();
    s.program().show(ScreenId::Form1);
}

void command2Click(Screen& s) {
    Guide& g = s.guide();
    g.stop();
    g.moveTo(600, 180);
    g.speak(QStringLiteral(
        "Засучивай рукава и приступай к построению своего первого приложения для WINDOWS !"));
    g.play(QStringLiteral("GestureRight"));
    g.play(QStringLiteral("Process"));
    g.play(QStringLiteral("GestureRight"));
    endTour(s);
}

void form4Load(Screen&) {}

// The computer: the guide announces the environment and the tour starts.
void image1Click(Screen& s) {
    Guide& g = s.guide();
    g.stop();
    g.moveTo(380, 280);
    g.speak(
        QStringLiteral("Перед тобой волшебная мастерская - среда программирования Microsoft "
                       "Visual Basic. Здесь ты будешь творить чудеса!"));
    g.play(QStringLiteral("GestureUp"));
    g.play(QStringLiteral("DoMagic1"));
    g.play(QStringLiteral("DoMagic2"));
    g.play(QStringLiteral("GestureUp"));
    showEnvironment(s, true);
    enableHotSpots(s, true);
}

// Outside the hot spots the picture does nothing.
void image2Click(Screen&) {}

// A click on a hot spot: the guide explains its window.
template <int Spot>
void hotSpotClick(Screen& s) {
    s.guide().stop();
    s.guide().speak(QString::fromUtf8(kHotSpots[Spot].explanation));
}

// Every movement over a hot spot sets all five frames in index order: its own shows, the others go.
template <int Spot>
void hotSpotMouseMove(Screen& s) {
    for (int i = 0; i < kFrames; ++i) s.w("Shape1", i).setVisible(i == kHotSpots[Spot].frame);
}

// The label lies behind the computer, so no click reaches it; it shows the picture without the
// guide and leaves the hot spots disabled.
void label1Click(Screen& s) {
    showEnvironment(s, true);
}

// clang-format off
const HandlerSpec kHandlers[] = {
    {"Command1", Event::Click, StepTolerant, command1Click},
    {"Command2", Event::Click, StepTolerant, command2Click},
    {"Form4", Event::Load, StepTolerant, form4Load},
    {"Image1", Event::Click, StepTolerant, image1Click},
    {"Image13", Event::Click, Strict, frame::silence},
    {"Image2", Event::Click, Strict, image2Click},
    {"Image3", Event::Click, StepTolerant, hotSpotClick<0>},
    {"Image4", Event::Click, StepTolerant, hotSpotClick<1>},
    {"Image5", Event::Click, StepTolerant, hotSpotClick<2>},
    {"Image6", Event::Click, StepTolerant, hotSpotClick<3>},
    {"Image7", Event::Click, StepTolerant, hotSpotClick<4>},
    {"Image3", Event::MouseMove, Strict, hotSpotMouseMove<0>},
    {"Image4", Event::MouseMove, Strict, hotSpotMouseMove<1>},
    {"Image5", Event::MouseMove, Strict, hotSpotMouseMove<2>},
    {"Image6", Event::MouseMove, Strict, hotSpotMouseMove<3>},
    {"Image7", Event::MouseMove, Strict, hotSpotMouseMove<4>},
    {"Label1", Event::Click, Strict, label1Click},
};
// clang-format on

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
