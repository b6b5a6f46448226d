// The Introduction screen: a book and a small drawing beside the textbook. Either opens the truck
// activity, with the drawing enlarged beneath the truck; the truck or the Text button brings the
// textbook back.
#include "lessons/lesson_frame.h"
#include "media/guide.h"
#include "shell/program.h"
#include "shell/screens.h"

namespace {

// The drawing's bounds beside the textbook and beneath the truck.
constexpr Bounds kSmallDrawing = {6000, 3960, 3360, 1215};
constexpr Bounds kLargeDrawing = {2400, 2880, 6960, 2295};

// clang-format off
constexpr WidgetSpec kWidgets[] = {
    frame::mediaPlayer("MMControl1", {480, 840, 3540, 330}),
    frame::command2(2),
    frame::command1(1),
    frame::richTextBox1(),
    {.name = "Image3", .bounds = {6120, 1200, 2940, 2100}, .picture = "form2_image3"},
    frame::image13(),
    {.name = "Image2", .bounds = kSmallDrawing, .picture = "form2_image2", .stretch = true,
     .mousePointer = 99, .mouseIcon = "form2_image2_cursor"},
    {.name = "Image1", .bounds = {1440, 240, 7605, 2625}, .picture = "form2_image1",
     .visible = false, .mousePointer = 99, .mouseIcon = "form2_image1_cursor"},
};
// clang-format on

constexpr char kPraise[] =
    "Я вижу ты уже умеешь читать! Молодец! В таком случае прочти ВВЕДЕНИЕ, это будет полезно.";

// Height first, then width, top and left, as every way back to the text does it.
void shrinkDrawing(Screen& s) {
    Widget& drawing = s["Image2"];
    drawing.setHeight(kSmallDrawing.height);
    drawing.setWidth(kSmallDrawing.width);
    drawing.setTop(kSmallDrawing.top);
    drawing.setLeft(kSmallDrawing.left);
}

// The truck goes, the book comes back, and the textbook with it.
void leaveTheDrive(Screen& s) {
    shrinkDrawing(s);
    s["Image1"].hide();
    s["Image3"].show();
    frame::showTextbook(s);
}

void command1Click(Screen& s) {
    s.guide().stop();
    s.guide().hide();
    s["Image3"].show();
    shrinkDrawing(s);
    s["Image1"].hide();
    s.hide();
    s.program().show(ScreenId::Form1);
    frame::showTextbook(s);
}

void command2Click(Screen& s) {
    Guide& g = s.guide();
    g.stop();
    g.moveTo(610, 140);
    g.speak(QStringLiteral("Слушаюсь и повинуюсь!"));
    g.play(QStringLiteral("Greet"));
    g.play(QStringLiteral("Restpose"));
    g.speak(QString::fromUtf8(kPraise));
    g.play(QStringLiteral("GestureRight"));
    g.play(QStringLiteral("Read"));
    g.play(QStringLiteral("Read"));
    leaveTheDrive(s);
}

void load(Screen&) {}  // nothing to prepare: the table is the whole start

// The truck.
void image1Click(Screen& s) {
    Guide& g = s.guide();
    g.stop();
    g.moveTo(610, 140);
    g.speak(QString::fromUtf8(kPraise));
    g.play(QStringLiteral("GestureRight"));
    g.play(QStringLiteral("Read"));
    frame::playSequence(s.player("MMControl1"), QStringLiteral("\\evy\\12.wav"));
    leaveTheDrive(s);
}

// The drawing and the book: the question, the truck, and the drawing enlarged beneath it.
void startTheDrive(Screen& s) {
    Guide& g = s.guide();
    g.stop();
    g.moveTo(380, 350);
    g.speak(QStringLiteral("Можешь ли водить автомобиль? СЛАБО!"));
    frame::playSequence(s.player("MMControl1"), QStringLiteral("\\evy\\5.wav"));
    s["Command2"].enable();
    s["RichTextBox1"].hide();
    s["Image3"].hide();
    s["Image1"].show();
    Widget& drawing = s["Image2"];
    drawing.setLeft(kLargeDrawing.left);
    drawing.setTop(kLargeDrawing.top);
    drawing.setWidth(kLargeDrawing.width);
    drawing.setHeight(kLargeDrawing.height);
}

// clang-format off
const HandlerSpec kHandlers[] = {
    {"Command1", Event::Click, StepTolerant, command1Click},
    {"Command2", Event::Click, StepTolerant, command2Click},
    {"Form2", Event::Load, StepTolerant, load},
    {"Image1", Event::Click, StepTolerant, image1Click},
    {"Image13", Event::Click, Strict, frame::silence},
    {"Image2", Event::Click, StepTolerant, startTheDrive},
    {"Image3", Event::Click, StepTolerant, startTheDrive},
};
// clang-format on

}  // namespace

const ScreenDefinition& form2() {
    static const ScreenDefinition definition{
        .id = ScreenId::Form2,
        .kind = WindowKind::LessonWindow,
        .caption = "     Введение",
        .clientWidth = frame::kWidth,
        .clientHeight = frame::kShortHeight,
        .backColor = frame::kBackground,
        .icon = "form2_icon",
        .closeClicks = "Command1",
        .widgets = kWidgets,
        .handlers = kHandlers,
    };
    return definition;
}
