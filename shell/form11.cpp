// The author screen: the authors' picture; a click on it returns to the menu.
#include "lessons/lesson_frame.h"
#include "media/media_player.h"
#include "shell/program.h"
#include "shell/screens.h"

namespace {

void formClick(Screen& s) {
    s.unload();
    s.program().show(ScreenId::Form1);
}

void formUnload(Screen& s) {
    frame::playSequence(s.form(ScreenId::Form1).player("MMControl1"), QStringLiteral("/evy/8.mid"));
}

const HandlerSpec kHandlers[] = {
    {"Form11", Event::Click, Strict, formClick},
    {"Form11", Event::Unload, Strict, formUnload},
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
        .handlers = kHandlers,
    };
    return definition;
}
