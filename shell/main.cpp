// Starts the course: the main menu and nothing else; every other screen comes when first named.
#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

#include "media/default_backends.h"
#include "media/guide_character.h"
#include "shell/look.h"
#include "shell/program.h"
#include "shell/qt_clock.h"
#include "shell/qt_dialogs.h"
#include "shell/screens.h"
#include "shell/view_manager.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("masterskaya"));
    QApplication::setQuitOnLastWindowClosed(false);  // screens hide and show; only the exit ends
    installFontSubstitutes();
    // The window system's own dialogs (colours, files) speak Russian like the rest of the course.
    QTranslator dialogTexts;
    if (dialogTexts.load(QStringLiteral("qtbase_ru"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&dialogTexts);

    QtClock clock;
    const auto media = makeDefaultBackendFactory(clock);
    const std::unique_ptr<Guide> guide = makeGuideCharacter(clock);
    QtDialogs dialogs;
    Program program(screenCatalog(), Services{clock, *media, *guide, dialogs, QDir::currentPath()});
    ViewManager views(program);
    program.start();
    return QApplication::exec();
}
