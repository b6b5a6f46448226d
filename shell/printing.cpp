#include "shell/printing.h"

#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

bool printOnDefaultPrinter(const QImage& image, const QString& documentName) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) return false;
    QPrinter printer(info, QPrinter::HighResolution);
    if (!printer.isValid() || printer.outputFormat() != QPrinter::NativeFormat) return false;
    printer.setDocName(documentName);
    return printImage(image, printer);
}

bool printImage(const QImage& image, QPrinter& printer) {
    if (image.isNull()) return false;
    printer.setPageOrientation(image.width() > image.height() ? QPageLayout::Landscape
                                                              : QPageLayout::Portrait);
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const QRect page = painter.viewport();  // the printable area, in printer pixels
    QRect target(QPoint(0, 0), image.size().scaled(page.size(), Qt::KeepAspectRatio));
    target.moveCenter(page.center());
    // Neither smoothed nor stored as JPEG: the pencil's pixels stay crisp and true in colour.
    painter.setRenderHint(QPainter::LosslessImageRendering);
    painter.drawImage(target, image);
    return painter.end();
}
