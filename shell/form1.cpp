// The main menu: a title picture with a column of painted buttons, hot spots over them, two frames
// that alternate every three seconds, and the start-up music.
#include "lessons/lesson_frame.h"
#include "media/guide.h"
#include "media/media_player.h"
#include "shell/program.h"
#include "shell/screens.h"

namespace {

struct Variables : FormVariables {
    qint16 frameToggle = 0;
};

// clang-format off
constexpr WidgetSpec kWidgets[] = {
    {.name = "Image13", .bounds = {4320, 3120, 480, 480}, .picture = "common_image13", .tooltip = " Тишина "},
    {.name = "Image11", .kind = WidgetKind::HotSpot, .bounds = {4320, 4080, 495, 495},
     .tooltip = " © Velmaro. Все права защищены "},
    {.name = "Image10", .kind = WidgetKind::HotSpot, .bounds = {4320, 3600, 1455, 495}},
    {.name = "Image9", .kind = WidgetKind::HotSpot, .bounds = {4920, 3240, 855, 375}},
    {.name = "Image8", .kind = WidgetKind::HotSpot, .bounds = {4920, 2760, 855, 375}},
    {.name = "Image7", .kind = WidgetKind::HotSpot, .bounds = {4920, 2280, 855, 375}},
    {.name = "Image6", .kind = WidgetKind::HotSpot, .bounds = {4920, 1800, 855, 495}},
    {.name = "Image5", .kind = WidgetKind::HotSpot, .bounds = {4920, 1440, 855, 375}},
    {.name = "Image4", .kind = WidgetKind::HotSpot, .bounds = {4320, 960, 1455, 375}},
    {.name = "Image3", .kind = WidgetKind::HotSpot, .bounds = {4320, 480, 1455, 375}},
    {.name = "Image2", .kind = WidgetKind::HotSpot, .bounds = {4920, 4080, 855, 495}},
    {.name = "Image1", .bounds = {0, 0, 6240, 4800}, .picture = "form1_image1"},
    {.name = "Image12", .bounds = {0, 0, 6240, 4800}, .picture = "form1_image12", .visible = false},
    frame::mediaPlayer("MMControl1", {360, 2640, 3540, 330}),
    frame::mediaPlayer("MMControl2", {360, 3000, 3540, 330}),
    frame::timer("Timer1", 3000, true),
};
// clang-format on

void load(Screen& s) {
    s.setClientSize(s["Image1"].width(), s["Image1"].height());
    step([&] {
        MediaPlayer& music = s.player("MMControl1");
        music.setMediaFile(QStringLiteral("\\evy\\1.mid"));
        music.sendCommand(QStringLiteral("Open"));
        music.sendCommand(QStringLiteral("Play"));
    });
}

void timer1Timer(Screen& s) {
    auto& toggle = s.vars<Variables>().frameToggle;
    if (toggle == 0) {
        s["Image1"].hide();
        s["Image12"].show();
    }
    if (toggle == 1) {
        s["Image12"].hide();
        s["Image1"].show();
    }
    toggle = toggle == 0 ? 1 : 0;
}

// One row of the lesson hot spots: the guide's steps come before or after the rest.
struct Lesson {
    ScreenId target;
    bool guideFirst;
    void (*guideSteps)(Guide&);
};

void openLesson(Screen& s, const char* hotSpot, const Lesson& lesson) {
    const QString spot = QString::fromUtf8(hotSpot);
    if (lesson.guideFirst) lesson.guideSteps(s.guide());
    frame::playSequence(s.player("MMControl2"), QStringLiteral("1.wav"));
    if (spot == QLatin1String("Image10")) {
        s.player("MMControl1").sendCommand(QStringLiteral("Close"));
        s.form(ScreenId::Form9).player("MMControl1").sendCommand(QStringLiteral("Close"));
    }
    s.setMousePointer(99);
    if (spot == QLatin1String("Image7"))
        frame::showToday(s.form(ScreenId::Form6)["Label1"], s.program().clock());
    frame::loadLessonText(s.program(), lesson.target, frame::lessonTextOf(lesson.target));
    s.hide();
    if (spot == QLatin1String("Image9")) s.form(ScreenId::Form8)["Image3"].hide();
    s.program().show(lesson.target);
    s.setMousePointer(0);
    if (spot == QLatin1String("Image8")) {
        s.form(ScreenId::Form7)["Timer1"].enable();
        s.form(ScreenId::Form7)["Timer2"].enable();
    }
    if (!lesson.guideFirst) lesson.guideSteps(s.guide());
}

void image3Click(Screen& s) {
    openLesson(s, "Image3", {ScreenId::Form2, false, [](Guide& g) {
                                 g.stop();
                                 g.moveTo(640, 220);
                                 g.show();
                                 g.speak(QStringLiteral("Наступи левой ногой на книгу."));
                             }});
}

void image4Click(Screen& s) {
    openLesson(s, "Image4", {ScreenId::Form3, false, [](Guide& g) {
                                 g.stop();
                                 g.moveTo(360, 410);
                                 g.show();
                                 g.speak(QStringLiteral("Ударь стражника по шлему!"));
                             }});
}

void image5Click(Screen& s) {
    openLesson(s, "Image5", {ScreenId::Form4, true, [](Guide& g) {
                                 g.stop();
                                 g.moveTo(750, 250);
                                 g.show();
                                 g.play(QStringLiteral("Greet"));
                                 g.play(QStringLiteral("RestPose"));
                                 g.speak(QStringLiteral("Нажми мышкой на экран дисплея."));
                             }});
}

void image6Click(Screen& s) {
    openLesson(s, "Image6", {ScreenId::Form5, true, [](Guide& g) {
                                 g.stop();
                                 g.moveTo(540, 30);
                                 g.show();
                                 g.speak(QStringLiteral(
                                     "Проверь - работает ли микрофон, поставлен ли автомобиль на "
                                     "сигнализацию, боится ли ребенок щекотки?"));
                             }});
}

void image7Click(Screen& s) {
    openLesson(s, "Image7", {ScreenId::Form6, true, [](Guide& g) {
                                 g.stop();
                                 g.moveTo(150, 420);
                                 g.show();
                                 g.speak(QStringLiteral("Наступи на левое ухо котенка."));
                             }});
}

void image8Click(Screen& s) {
    openLesson(s, "Image8", {ScreenId::Form7, true, [](Guide& g) {
                                 g.stop();
                                 g.moveTo(460, 375);
                                 g.show();
                                 g.play(QStringLiteral("DoMagic1"));
                             }});
}

void image9Click(Screen& s) {
    openLesson(s, "Image9",
               {ScreenId::Form8, true, [](Guide& g) {
                    g.moveTo(490, 150);
                    g.show();
                    g.play(QStringLiteral("GestureLeft"));
                    g.speak(QStringLiteral("Возьми карандаш, если желаешь порисовать."));
                }});
}

void image10Click(Screen& s) {
    openLesson(s, "Image10", {ScreenId::Form9, true, [](Guide& g) {
                                  g.stop();
                                  g.moveTo(660, 330);
                                  g.show();
                                  g.play(QStringLiteral("GestureRight"));
                                  g.speak(QStringLiteral(
                                      "Ступи на палубу парусника и отправляйся в кругосветное "
                                      "путешествие в мир мультимедиа!"));
                              }});
}

// The orange square: the author screen, with its own music.
void image11Click(Screen& s) {
    Guide& g = s.guide();
    g.stop();
    g.moveTo(600, 350);
    g.show();
    g.play(QStringLiteral("Announce"));
    g.speak(QStringLiteral("Пиши, звони, не тормози!"));
    g.play(QStringLiteral("GestureRight"));
    g.play(QStringLiteral("Explain"));
    g.play(QStringLiteral("GestureRight"));
    g.play(QStringLiteral("Congratulate_2"));
    g.play(QStringLiteral("Congratulate_2"));
    g.hide();
    MediaPlayer& disc = s.form(ScreenId::Form6).player("MMControl3");
    disc.sendCommand(QStringLiteral("Stop"));
    disc.sendCommand(QStringLiteral("Close"));
    s.form(ScreenId::Form9).player("MMControl1").sendCommand(QStringLiteral("Close"));
    frame::playSequence(s.player("MMControl2"), QStringLiteral("1.wav"));
    s.hide();
    s.program().show(ScreenId::Form11);
    frame::playSequence(s.player("MMControl1"), QStringLiteral("/evy/2.mid"));
}

// Выход: the album goes, the disc stops, and the program ends at once.
void image2Click(Screen& s) {
    s.program().unload(ScreenId::Form10);
    MediaPlayer& disc = s.form(ScreenId::Form6).player("MMControl3");
    disc.sendCommand(QStringLiteral("Stop"));
    disc.sendCommand(QStringLiteral("Close"));
    s.program().end();
}

// A click beside the buttons.
void backgroundClick(Screen& s) {
    Guide& g = s.guide();
    g.stop();
    g.show();
    g.gestureAt(500, 200);
    g.play(QStringLiteral("Decline"));
    g.gestureAt(500, 200);
    g.speak(QStringLiteral("Не суетись! Выбери нужную тебе кнопку."));
}

void hotSpotMouseMove(Screen& s) {
    s.guide().hide();
}

// clang-format off
const HandlerSpec kHandlers[] = {
    {"Form1", Event::Load, Strict, load},  // the sizing is strict; the music steps guard themselves
    {"Timer1", Event::Timer, Strict, timer1Timer},
    {"Image1", Event::Click, StepTolerant, backgroundClick},
    {"Image12", Event::Click, StepTolerant, backgroundClick},
    {"Image2", Event::Click, Strict, image2Click},
    {"Image3", Event::Click, StepTolerant, image3Click},
    {"Image4", Event::Click, StepTolerant, image4Click},
    {"Image5", Event::Click, StepTolerant, image5Click},
    {"Image6", Event::Click, StepTolerant, image6Click},
    {"Image7", Event::Click, StepTolerant, image7Click},
    {"Image8", Event::Click, StepTolerant, image8Click},
    {"Image9", Event::Click, StepTolerant, image9Click},
    {"Image10", Event::Click, StepTolerant, image10Click},
    {"Image11", Event::Click, StepTolerant, image11Click},
    {"Image13", Event::Click, Strict, frame::silence},
    {"Image3", Event::MouseMove, StepTolerant, hotSpotMouseMove},
    {"Image4", Event::MouseMove, StepTolerant, hotSpotMouseMove},
    {"Image5", Event::MouseMove, StepTolerant, hotSpotMouseMove},
    {"Image6", Event::MouseMove, StepTolerant, hotSpotMouseMove},
    {"Image7", Event::MouseMove, StepTolerant, hotSpotMouseMove},
    {"Image8", Event::MouseMove, StepTolerant, hotSpotMouseMove},
    {"Image9", Event::MouseMove, StepTolerant, hotSpotMouseMove},
    {"Image10", Event::MouseMove, StepTolerant, hotSpotMouseMove},
    {"Image11", Event::MouseMove, StepTolerant, hotSpotMouseMove},
};
// clang-format on

}  // namespace

const ScreenDefinition& form1() {
    static const ScreenDefinition definition{
        .id = ScreenId::Form1,
        .kind = WindowKind::PictureWindow,
        .caption = "Form1",
        .clientWidth = 6240,
        .clientHeight = 4800,
        .icon = "form1_icon",
        .mouseIcon = "form1_cursor",
        .closeClicks = "Image2",
        .widgets = kWidgets,
        .handlers = kHandlers,
        .makeVariables = [] { return std::make_unique<Variables>(); },
    };
    return definition;
}
