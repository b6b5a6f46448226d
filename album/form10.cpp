// The drawing album: a right press puts a point on the paper, a left press draws a straight line
// from the last point; the menu changes the pencil and paper colours, clears the sheet, prints
// the drawing and gives the album up. Nothing is kept: every opening starts with a blank white
// sheet and the violet pencil.
#include "lessons/lesson_frame.h"
#include "shell/paper.h"
#include "shell/program.h"
#include "shell/screens.h"

namespace {

constexpr ColorValue kViolet = rgbColor(170, 0, 255);

struct Variables : FormVariables {
    ColorValue pencilColor = 0;
};

// clang-format off
constexpr WidgetSpec kWidgets[] = {
    {.name = "Make", .kind = WidgetKind::MenuItem, .caption = "Выбери"},
    {.name = "Color", .kind = WidgetKind::MenuItem, .caption = "Цвет карандаша", .container = "Make"},
    {.name = "ColorPaper", .kind = WidgetKind::MenuItem, .caption = "Цвет бумаги", .container = "Make"},
    {.name = "CLS", .kind = WidgetKind::MenuItem, .caption = "Очистить лист", .container = "Make"},
    {.name = "PrintForms", .kind = WidgetKind::MenuItem, .caption = "Печать рисунка", .container = "Make"},
    {.name = "EndPaint", .kind = WidgetKind::MenuItem, .caption = "Забросить живопись", .container = "Make"},
    {.name = "CommonDialog1", .kind = WidgetKind::CommonDialog, .bounds = {1440, 240, 0, 0}},
    // The window's background, on which the drawing is kept.
    {.name = "Paper", .kind = WidgetKind::Paper, .bounds = {0, 0, 4680, 3090}, .backColor = 0x00FFFFFF},
};
// clang-format on

ColorValue& pencilColor(Screen& s) {
    return s.vars<Variables>().pencilColor;
}

Paper& paper(Screen& s) {
    return s["Paper"].paper();
}

// The colour dialog; a cancel leaves the colour it had before, black until one was chosen.
ColorValue chooseColor(Screen& s) {
    Widget& dialog = s["CommonDialog1"];
    dialog.showColorDialog();
    return dialog.color();
}

void clsClick(Screen& s) {
    paper(s).clear();
}

void colorClick(Screen& s) {
    pencilColor(s) = chooseColor(s);
}

// A new paper colour fills the whole sheet and erases the drawing.
void colorPaperClick(Screen& s) {
    s["Paper"].setBackColor(chooseColor(s));
}

void endPaintClick(Screen& s) {
    Screen& lesson = s.form(ScreenId::Form8);
    frame::playSequence(lesson.player("MMControl1"), QStringLiteral("2.wav"));
    s.unload();
    lesson["Image3"].show();
}

void load(Screen& s) {
    pencilColor(s) = kViolet;
}

// Left: a line from the drawing position and its end point; right: only the point; the middle
// button draws nothing.
void formMouseDown(Screen& s, const EventArgs& e) {
    const QPoint at(e.x, e.y);
    if (e.button & 1) paper(s).lineTo(at, pencilColor(s));
    if (e.button & 3) paper(s).setPoint(at, pencilColor(s));
}

void unload(Screen&) {
    // Nothing of its own: the paper, its colour and the drawing go with the window.
}

void printFormsClick(Screen& s) {
    s.printForm();
}

const HandlerSpec kHandlers[] = {
    {"CLS", Event::Click, Strict, clsClick},
    {"Color", Event::Click, Strict, colorClick},
    {"ColorPaper", Event::Click, Strict, colorPaperClick},
    {"EndPaint", Event::Click, Strict, endPaintClick},
    {"Form10", Event::Load, Strict, load},
    {"Form10", Event::MouseDown, Strict, formMouseDown},
    {"Form10", Event::Unload, Strict, unload},
    {"PrintForms", Event::Click, Strict, printFormsClick},
};

}  // namespace

const ScreenDefinition& form10() {
    static const ScreenDefinition definition{
        .id = ScreenId::Form10,
        .kind = WindowKind::AlbumWindow,
        .caption = " Альбом для рисования",
        .clientWidth = 4680,
        .clientHeight = 3090,
        .backColor = 0x00FFFFFF,
        .widgets = kWidgets,
        .handlers = kHandlers,
        .makeVariables = [] { return std::make_unique<Variables>(); },
    };
    return definition;
}
