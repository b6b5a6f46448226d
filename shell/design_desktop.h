#pragma once
// The screens were laid out for an 800 x 600 desktop. On a larger screen that area is centred on
// the primary screen, so positions given in design pixels land where the screens expect them.
#include <QPoint>
#include <QRect>

constexpr int kDesignDesktopWidth = 800;
constexpr int kDesignDesktopHeight = 600;

// The design desktop's place on a screen with the given available geometry.
QRect designDesktopOn(const QRect& screenGeometry);

// A design-desktop point in global screen coordinates of the primary screen.
QPoint designToGlobal(QPoint designPoint);
