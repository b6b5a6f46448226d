#pragma once
// The program's own pictures, icons and cursors, compiled in from assets/NAME.svg.
#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QSize>

class QPainter;
class QRectF;

// Whether the picture exists; a missing one draws nothing.
bool hasAsset(const char* name);
// The picture's own size in pixels.
QSize assetSize(const char* name);
// Draws the picture into `target`, scaled to fill it.
void paintAsset(QPainter& painter, const char* name, const QRectF& target);
// The picture rendered at `size` device-independent pixels for `devicePixelRatio`.
QPixmap assetPixmap(const char* name, QSize size, qreal devicePixelRatio = 1.0);
// A 32 x 32 cursor icon with its hot spot at the centre; the arrow when the icon is missing.
QCursor assetCursor(const char* name);
// A window icon with 16 x 16 and 32 x 32 images.
QIcon assetIcon(const char* name);
