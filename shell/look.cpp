#include "shell/look.h"

#include <QApplication>
#include <QPalette>

#include "lessons/rtf/rtf_fonts.h"

QColor toQColor(ColorValue value) {
    if (value == kNoColor) return {};
    if (!isSystemColor(value)) return QColor(redOf(value), greenOf(value), blueOf(value));
    const QPalette palette = QApplication::palette();
    switch (systemColorIndex(value)) {
        case 1:
            return QColor(0x3a, 0x6e, 0xa5);  // the desktop
        case 5:
            return palette.color(QPalette::Base);  // window background
        case 8:
            return palette.color(QPalette::Text);
        case 13:
            return palette.color(QPalette::Highlight);
        case 14:
            return palette.color(QPalette::HighlightedText);
        case 15:
            return palette.color(QPalette::Button);
        default:
            return palette.color(QPalette::Window);
    }
}

void installFontSubstitutes() {
    // The same open stand-ins with Cyrillic glyphs that the lesson texts get.
    for (const char* face : {"MS Sans Serif", "Bookman Old Style", "Comic Sans MS"}) {
        const QString name = QString::fromLatin1(face);
        QFont::insertSubstitutions(name, rtf::openStandIns(name));
    }
}

QFont defaultScreenFont() {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    return font;
}

QFont fontFor(const FontSpec& spec) {
    QFont font = defaultScreenFont();
    if (spec.family) font.setFamily(QString::fromUtf8(spec.family));
    if (spec.points > 0) font.setPointSizeF(spec.points);
    font.setWeight(static_cast<QFont::Weight>(spec.weight));
    return font;
}
