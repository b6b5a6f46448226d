#include "shell/design_desktop.h"

#include <QGuiApplication>
#include <QScreen>

QRect designDesktopOn(const QRect& screen) {
    QRect area(0, 0, kDesignDesktopWidth, kDesignDesktopHeight);
    area.moveCenter(screen.center());
    // A screen smaller than the design desktop starts it at its own corner.
    if (area.left() < screen.left()) area.moveLeft(screen.left());
    if (area.top() < screen.top()) area.moveTop(screen.top());
    return area;
}

QPoint designToGlobal(QPoint designPoint) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect geometry =
        screen ? screen->geometry() : QRect(0, 0, kDesignDesktopWidth, kDesignDesktopHeight);
    return designDesktopOn(geometry).topLeft() + designPoint;
}
