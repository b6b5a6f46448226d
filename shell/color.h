#pragma once
// Colours as the screens write them: &H00BBGGRR&, red in the lowest byte. &H800000nn& names the
// window system's colour number nn.
#include <QtGlobal>

using ColorValue = quint32;

constexpr ColorValue kNoColor = 0xFFFFFFFFu;  // the widget keeps the window system's own colour

constexpr bool isSystemColor(ColorValue c) {
    return c != kNoColor && (c & 0x80000000u);
}
constexpr int systemColorIndex(ColorValue c) {
    return static_cast<int>(c & 0xFFu);
}
constexpr ColorValue rgbColor(int red, int green, int blue) {
    return static_cast<ColorValue>(red) | static_cast<ColorValue>(green) << 8 |
           static_cast<ColorValue>(blue) << 16;
}
constexpr int redOf(ColorValue c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int greenOf(ColorValue c) {
    return static_cast<int>(c >> 8 & 0xFF);
}
constexpr int blueOf(ColorValue c) {
    return static_cast<int>(c >> 16 & 0xFF);
}
