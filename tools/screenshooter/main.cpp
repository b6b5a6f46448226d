// Writes a PNG of every screen in each of its states, for review: screenshooter DIR [FILTER].
// Runs on the offscreen platform with the bundled sample media and silent fakes for sound.
#include <QApplication>
#include <QDir>
#include <QTextStream>

#include "shell/look.h"
#include "shell/screen_window.h"
#include "shell/view_manager.h"
#include "tests/support/quiet_platform.h"
#include "tools/screenshooter/shots.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    silenceOffscreenPlatformWarnings();
    QApplication app(argc, argv);
    installFontSubstitutes();
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        QTextStream(stderr) << "usage: screenshooter DIR [NAME-FILTER]\n";
        return 2;
    }
    QDir out(args[1]);
    out.mkpath(QStringLiteral("."));
    const QString filter = args.size() > 2 ? args[2] : QString();

    std::vector<Shot> shots;
    for (auto list : {form1Shots, form2Shots, form3Shots, form4Shots, form5Shots, form6Shots,
                      form7Shots, form8Shots, form9Shots, form10Shots, form11Shots})
        for (Shot& shot : list()) shots.push_back(std::move(shot));

    int failures = 0;
    for (const Shot& shot : shots) {
        if (!filter.isEmpty() && !QString::fromUtf8(shot.name).contains(filter)) continue;
        TestProgram t(QStringLiteral(MASTERSKAYA_SAMPLE_DIR));
        ViewManager views(t.program());
        t.start();
        shot.drive(t);
        processEvents();
        ScreenWindow* window = views.window(shot.screen);
        const QString file = out.filePath(QString::fromUtf8(shot.name) + QStringLiteral(".png"));
        if (!window || !window->grab().save(file)) {
            QTextStream(stderr) << "no picture for " << shot.name << "\n";
            ++failures;
            continue;
        }
        QTextStream(stdout) << file << "\n";
    }
    return failures ? 1 : 0;
}
