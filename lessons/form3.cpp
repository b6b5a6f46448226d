// The Before-lessons screen: a toy knight beside the textbook. The knight starts the tour of a
// design form whose nine objects are hot spots: each names itself in a tooltip and, clicked, has
// the guide explain what it is for. Text and Back end the tour.
#include "lessons/lesson_frame.h"
#include "media/guide.h"
#include "shell/program.h"
#include "shell/screens.h"

namespace {

// clang-format off
constexpr WidgetSpec kWidgets[] = {
    frame::mediaPlayer("MMControl1", {4200, 2280, 3540, 330}),
    frame::command2(2),
    frame::command1(1),
    frame::richTextBox1(),
    frame::image13(),
    frame::tourHotSpot("Image11", {840, 1800, 1455, 1695}, " Объект \"Образ\" "),
    frame::tourHotSpot("Image10", {3840, 4200, 1215, 375}, " Объект \"Электронная кнопка\" "),
    frame::tourHotSpot("Image9", {2400, 4200, 1215, 375}, " Объект \"Электронная кнопка\" "),
    frame::tourHotSpot("Image8", {840, 3720, 3495, 375}, " Объект \"Управление мультимедиа\" "),
    frame::tourHotSpot("Image7", {2520, 3000, 495, 495}, " Объект \"Таймер\" "),
    frame::tourHotSpot("Image6", {2520, 2400, 495, 495}, " Объект \"Таймер\" "),
    frame::tourHotSpot("Image5", {3360, 1200, 1575, 2295}, " Объект \"Текстовое поле\" "),
    frame::tourHotSpot("Image4", {2520, 1200, 615, 495}, " Объект \"Окно общего диалога\" "),
    frame::tourHotSpot("Image3", {720, 1200, 1695, 375}, " Объект \"Этикетка\" "),
    {.name = "Image2", .bounds = {480, 600, 4800, 4215}, .picture = "form3_image2"},
    {.name = "Image1", .bounds = {6000, 0, 3510, 6600}, .picture = "form3_image1"},
};
// clang-format on

// The tour's hot spots, in the order they are switched on and off.
constexpr const char* kTourSpots[] = {"Image3", "Image4", "Image5",  "Image6", "Image7",
                                      "Image8", "Image9", "Image10", "Image11"};

void setTour(Screen& s, bool on) {
    for (const char* spot : kTourSpots) s[spot].setEnabled(on);
}

void command1Click(Screen& s) {
    s.guide().stop();
    s.guide().hide();
    s.hide();
    s.program().show(ScreenId::Form1);
    frame::showTextbook(s);
    setTour(s, false);
}

void command2Click(Screen& s) {
    s.guide().stop();
    s.guide().speak(QStringLiteral("Читай на здоровье!"));
    frame::showTextbook(s);
    setTour(s, false);
}

void load(Screen&) {}  // nothing to prepare: the table is the whole start

// The knight: the tour starts (again, when it already runs).
void image1Click(Screen& s) {
    frame::playSequence(s.player("MMControl1"), QStringLiteral("\\evy\\15.wav"));
    Guide& g = s.guide();
    g.stop();
    g.play(QStringLiteral("GestureUp"));
    g.speak(QStringLiteral(
        "Вот некоторые объекты Visual Basic. Что бы узнать название объекта - наведи на него "
        "указатель мыши. Для получения более подробной информации - нажми на интересующий тебя "
        "объект."));
    g.play(QStringLiteral("GestureRight"));
    g.play(QStringLiteral("Explain"));
    g.play(QStringLiteral("GestureRight"));
    s["Command2"].enable();
    s["RichTextBox1"].hide();
    setTour(s, true);
}

// What each object of the design form is for.
constexpr char kLabel[] = "Объект ЭТИКЕТКА служит для содания надписей на форме приложения.";
constexpr char kCommonDialog[] =
    "Объект ОКНО ОБЩЕГО ДИАЛОГА необходим для вызова одного из окон общего диалога, например "
    "ОТКРЫТИЕ ФАЙЛА, ВЫБОР ЦВЕТА и других.";
constexpr char kTextBox[] = "Объект ТЕКСТОВОЕ ПОЛЕ служит для работы с текстовой информацией.";
constexpr char kTimer[] =
    "Объект ТАЙМЕР необходим для задания временных промежутков с точностью до одной "
    "миллисекунды.";
constexpr char kMultimedia[] = "Объект УПРАВЛЕНИЕ МУЛЬТИМЕДИА позволяет работать с видео и звуком.";
constexpr char kCommandButton[] =
    "Объект ЭЛЕКТРОННАЯ КНОПКА служит для создания различных командных кнопок для управления "
    "работой приложения.";
constexpr char kImage[] = "Объект ОБРАЗ позволяет выделить на форме некоторую область.";

// A hot spot: the guide drops what it says and explains the object.
template <const char* kExplanation>
void explain(Screen& s) {
    s.guide().stop();
    s.guide().speak(QString::fromUtf8(kExplanation));
}

// clang-format off
const HandlerSpec kHandlers[] = {
    {"Command1", Event::Click, StepTolerant, command1Click},
    {"Command2", Event::Click, StepTolerant, command2Click},
    {"Form3", Event::Load, StepTolerant, load},
    {"Image1", Event::Click, StepTolerant, image1Click},
    {"Image10", Event::Click, StepTolerant, explain<kCommandButton>},
    {"Image11", Event::Click, StepTolerant, explain<kImage>},
    {"Image13", Event::Click, Strict, frame::silence},
    {"Image3", Event::Click, StepTolerant, explain<kLabel>},
    {"Image4", Event::Click, StepTolerant, explain<kCommonDialog>},
    {"Image5", Event::Click, StepTolerant, explain<kTextBox>},
    {"Image6", Event::Click, StepTolerant, explain<kTimer>},
    {"Image7", Event::Click, StepTolerant, explain<kTimer>},
    {"Image8", Event::Click, StepTolerant, explain<kMultimedia>},
    {"Image9", Event::Click, StepTolerant, explain<kCommandButton>},
};
// clang-format on

}  // namespace

const ScreenDefinition& form3() {
    static const ScreenDefinition definition{
        .id = ScreenId::Form3,
        .kind = WindowKind::LessonWindow,
        .caption = "     До уроков",
        .clientWidth = frame::kWidth,
        .clientHeight = frame::kTallHeight,
        .backColor = frame::kBackground,
        .closeClicks = "Command1",
        .widgets = kWidgets,
        .handlers = kHandlers,
    };
    return definition;
}
