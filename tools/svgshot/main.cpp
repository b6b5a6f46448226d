// Renders SVG files with Qt's own SVG renderer (the one the program uses) to PNG, at their
// natural size and optionally scaled, so artwork can be checked exactly as the program shows it.
// An OUTPUT ending in .argb gets the raw pixels instead, as the program's build embeds them: width
// and height as two little-endian 32-bit words, then premultiplied ARGB32 rows.
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>
#include <QtEndian>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 2) {
        QTextStream(stderr) << "usage: svgshot INPUT.svg OUTPUT.png [SCALE]\n";
        return 2;
    }
    QSvgRenderer renderer(args[0]);
    if (!renderer.isValid()) {
        QTextStream(stderr) << "not a valid SVG: " << args[0] << "\n";
        return 1;
    }
    const double scale = args.size() > 2 ? args[2].toDouble() : 1.0;
    QImage image((renderer.defaultSize() * scale), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    if (!args[1].endsWith(QLatin1String(".argb"))) return image.save(args[1]) ? 0 : 1;
    QFile out(args[1]);
    if (!out.open(QIODevice::WriteOnly)) return 1;
    const quint32 size[2] = {qToLittleEndian(quint32(image.width())),
                             qToLittleEndian(quint32(image.height()))};
    out.write(reinterpret_cast<const char*>(size), sizeof size);
    for (int y = 0; y < image.height(); ++y)
        out.write(reinterpret_cast<const char*>(image.constScanLine(y)), image.width() * 4);
    return out.flush() ? 0 : 1;
}
