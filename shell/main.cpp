// Starts the course: the main menu and nothing else; every other screen comes when first named.
#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>

#include "lessons/textbook_view.h"
#include "media/deferred_devices.h"
#include "media/guide_character.h"
#include "media/null_backend.h"
#include "shell/device_loader.h"
#include "shell/first_frame.h"
#include "shell/look.h"
#include "shell/program.h"
#include "shell/qt_clock.h"
#include "shell/qt_dialogs.h"
#include "shell/screens.h"
#include "shell/view_manager.h"

namespace {

QtMessageHandler previousMessageHandler = nullptr;

// Qt Multimedia warns, for every video, that it converts the frames' colours in software: that is
// the course's choice (see main), not a fault worth a line in the terminal.
void dropSoftwareVideoNotice(QtMsgType type, const QMessageLogContext& context,
                             const QString& message) {
    if (type == QtWarningMsg && message.contains(QLatin1String("Using CPU conversion"))) return;
    if (previousMessageHandler) previousMessageHandler(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
    // Everything is painted in software, the video too: OpenGL would only load a driver stack of
    // some 60 MB for one small video window.
    if (!qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");
    QApplication app(argc, argv);
    previousMessageHandler = qInstallMessageHandler(dropSoftwareVideoNotice);
    QApplication::setApplicationName(QStringLiteral("masterskaya"));
    QApplication::setQuitOnLastWindowClosed(false);  // screens hide and show; only the exit ends
    installFontSubstitutes();
    // The window system's own dialogs (colours, files) speak Russian like the rest of the course.
    QTranslator dialogTexts;
    if (dialogTexts.load(QStringLiteral("qtbase_ru"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&dialogTexts);

    QtClock clock;
    // The sound, video, disc and voice devices come once the menu is on the screen: their
    // libraries would hold up its first frame. What the menu plays meanwhile waits for them.
    DeferredDevices devices;
    const std::unique_ptr<Guide> guide = makeGuideCharacter(clock, devices.voice());
    QtDialogs dialogs;
    Program program(screenCatalog(),
                    Services{clock, devices.media(), *guide, dialogs, QDir::currentPath()});
    ViewManager views(program);
    program.start();
    afterFirstFrame([&] {
        Devices made;
        QString why;
        if (!loadDevices(clock, made, &why)) {
            qWarning("No sound, video or voice: %s", qPrintable(why));
            made.media = std::make_unique<NullBackendFactory>();
        }
        devices.arrive(std::move(made));
        // Then, while the child looks at the menu, the fonts and the texts of the lessons.
        QTimer::singleShot(0, [&program] {
            TextbookView::warmUp();
            TextbookView::prepareLessonTexts(program.workingDir());
        });
    });
    return QApplication::exec();
}
