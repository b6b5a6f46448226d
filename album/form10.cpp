// The drawing album.
#include "shell/program.h"
#include "shell/screens.h"

namespace {

// clang-format off
constexpr WidgetSpec kWidgets[] = {
    {.name = "CommonDialog1", .kind = WidgetKind::CommonDialog},
};
// clang-format on

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
    };
    return definition;
}
