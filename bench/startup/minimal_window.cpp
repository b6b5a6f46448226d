// The yardstick for start-up time: one empty window, nothing else.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal"));
    window.resize(416, 320);
    window.show();
    return app.exec();
}
