// The author screen: the authors' picture with a computer icon that hops between two places every
// half second. Catching the icon shows a flag that flees from the pointer; a click on the picture
// returns to the menu, whose music then changes.
#include "lessons/lesson_frame.h"
#include "media/media_player.h"
#include "shell/program.h"
#include "shell/screens.h"

namespace {

struct Variables : FormVariables {
    qint16 blinkPhase =
        0;  // which place the next tick shows: 0 Image2, 1 Image1; kept across visits
};

// clang-format off
constexpr WidgetSpec kWidgets[] = {
    frame::timer("Timer1", 500, true),
    {.name = "Image3", .bounds = {240, 1920, 900, 600}, .picture = "form11_image3", .visible = false},
    {.name = "Image2", .bounds = {4200, 480, 480, 480}, .picture = "form11_image1", .visible = false},
    {.name = "Image1", .bounds = {4080, 360, 480, 480}, .picture = "form11_image1", .visible = false},
};
// clang-format on

void formClick(Screen& s) {
    s.unload();
    s.program().show(ScreenId::Form1);
}

void formUnload(Screen& s) {
    frame::playSequence(s.form(ScreenId::Form1).player("MMControl1"), QStringLiteral("/evy/8.mid"));
}

void iconClick(Screen& s) {
    s["Timer1"].disable();
    s["Image1"].hide();
    s["Image2"].hide();
    s["Image3"].show();
    s.setMousePointer(99);
}

void image3MouseMove(Screen& s) {
    s["Image3"].hide();
}

void timer1Timer(Screen& s) {
    auto& phase = s.vars<Variables>().blinkPhase;
    if (phase == 0) {
        s["Image1"].hide();
        s["Image2"].show();
    } else {
        s["Image2"].hide();
        s["Image1"].show();
    }
    phase = phase == 0 ? 1 : 0;
}

const HandlerSpec kHandlers[] = {
    {"Form11", Event::Click, Strict, formClick},
    {"Form11", Event::Unload, Strict, formUnload},
    {"Image1", Event::Click, Strict, iconClick},
    {"Image2", Event::Click, Strict, iconClick},
    {"Image3", Event::MouseMove, Strict, image3MouseMove},
    {"Timer1", Event::Timer, Strict, timer1Timer},
};

}  // namespace

const ScreenDefinition& form11() {
    static const ScreenDefinition definition{
        .id = ScreenId::Form11,
        .kind = WindowKind::PictureWindow,
        .caption = " Velmaro",
        .clientWidth = 5040,
        .clientHeight = 3150,
        .picture = "form11_picture",
        .mouseIcon = "form11_cursor",
        .widgets = kWidgets,
        .handlers = kHandlers,
        .makeVariables = [] { return std::make_unique<Variables>(); },
    };
    return definition;
}
