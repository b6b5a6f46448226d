// Lesson 5, on drawing: the pencils open the drawing album beside the screen and put the arrows
// in the textbook's place; giving the album up shows the cross old man, who hides the arrows when
// clicked; the arrows open the album again.
#include "lessons/lesson_frame.h"
#include "media/guide.h"
#include "shell/program.h"
#include "shell/screens.h"

namespace {

// clang-format off
constexpr WidgetSpec kWidgets[] = {
    {.name = "MMControl1", .kind = WidgetKind::MediaPlayer, .bounds = {600, 960, 3540, 330}, .visible = false,
     .tabIndex = 3},
    frame::command1(2),
    frame::command2(1),
    frame::richTextBox1(),
    frame::image13(),
    {.name = "Image3", .bounds = {360, 480, 6375, 5280}, .picture = "form8_image3", .visible = false,
     .mousePointer = 99, .mouseIcon = "form8_image3_cursor"},
    {.name = "Image2", .bounds = {120, 0, 6810, 5775}, .picture = "form8_image2", .stretch = true,
     .visible = false, .mousePointer = 99, .mouseIcon = "form8_image1_cursor"},
    {.name = "Image1", .bounds = {8040, 720, 1155, 4005}, .picture = "form8_image1",
     .mousePointer = 99, .mouseIcon = "form8_image1_cursor"},
};
// clang-format on

// The album's place: 1180 twips right of this window's left edge and `below` twips under its top.
void openAlbumBeside(Screen& s, int below) {
    Screen& album = s.form(ScreenId::Form10);
    album.setTop(s.top() + below);
    album.setLeft(s.left() + 1180);
    album.show();
}

void hidePictures(Screen& s) {
    s["Image3"].hide();
    s["Image2"].hide();
}

void command1Click(Screen& s) {
    s.guide().stop();
    s.guide().hide();
    hidePictures(s);
    s.hide();
    s.program().show(ScreenId::Form1);
    frame::showTextbook(s);
}

void command2Click(Screen& s) {
    hidePictures(s);
    frame::showTextbook(s);
}

void load(Screen&) {
    // Nothing to prepare: the album and the pictures wait for the pencils.
}

void image1Click(Screen& s) {
    s.guide().stop();
    s.guide().play(QStringLiteral("GestureRight"));
    s.guide().speak(
        QStringLiteral("Вот тебе альбом. Точку рисуй правой кнопкой мыши, а линию - левой. "
                       "Изобрази что-нибудь неповторимое!"));
    s["Image3"].hide();
    s["Command2"].enable();
    s["RichTextBox1"].hide();
    openAlbumBeside(s, 1400);
    s["Image2"].show();
}

// The arrows open the album 30 twips lower than the pencils do.
void image2Click(Screen& s) {
    s["Image3"].hide();
    openAlbumBeside(s, 1430);
}

void image3Click(Screen& s) {
    s["Image2"].hide();
}

const HandlerSpec kHandlers[] = {
    {"Command1", Event::Click, StepTolerant, command1Click},
    {"Command2", Event::Click, Strict, command2Click},
    {"Form8", Event::Load, StepTolerant, load},
    {"Image1", Event::Click, StepTolerant, image1Click},
    {"Image13", Event::Click, Strict, frame::silence},
    {"Image2", Event::Click, StepTolerant, image2Click},
    {"Image3", Event::Click, Strict, image3Click},
};

}  // namespace

const ScreenDefinition& form8() {
    static const ScreenDefinition definition{
        .id = ScreenId::Form8,
        .kind = WindowKind::LessonWindow,
        .caption = "     Урок 5",
        .clientWidth = frame::kWidth,
        .clientHeight = frame::kShortHeight,
        .backColor = frame::kBackground,
        .closeClicks = "Command1",
        .widgets = kWidgets,
        .handlers = kHandlers,
    };
    return definition;
}
