#pragma once
// How the screens' colours and fonts look on this system: system colour numbers become palette
// colours, and the fonts the screens name become open fonts with Cyrillic glyphs.
#include <QColor>
#include <QFont>

#include "shell/color.h"
#include "shell/widget.h"

QColor toQColor(ColorValue value);
QFont fontFor(const FontSpec& spec);
// The font of buttons and labels that name none.
QFont defaultScreenFont();
// Tells Qt's font matching about the substitutes, once at start-up.
void installFontSubstitutes();
