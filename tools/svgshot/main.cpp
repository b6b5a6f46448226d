// Renders SVG files with Qt's own SVG renderer (the one the program uses) to PNG, at their
// natural size and optionally scaled, so artwork can be checked exactly as the program shows it.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

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
    return image.save(args[1]) ? 0 : 1;
}
