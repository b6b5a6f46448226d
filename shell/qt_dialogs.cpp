#include "shell/qt_dialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>

#include "media/media_path.h"

QString openDialogStart(const QString& fileName, const QString& workingDir) {
    const QString file = resolveMediaPath(fileName, workingDir);
    if (!file.isEmpty()) return file;
    QString name = fileName;
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QString folder = resolveMediaPath(name.section(QLatin1Char('/'), 0, -2), workingDir);
    return folder.isEmpty() || !QFileInfo(folder).isDir() ? QDir::homePath() : folder;
}

std::optional<QString> QtDialogs::chooseOpenFile(const QString& fileName) {
    // Over the window the child is using, so that it is seen and keeps that window waiting.
    const QString chosen = QFileDialog::getOpenFileName(QApplication::activeWindow(), QString(),
                                                        openDialogStart(fileName, workingDir_));
    if (chosen.isEmpty()) return std::nullopt;
    return QDir::toNativeSeparators(chosen);
}

std::optional<ColorValue> QtDialogs::chooseColor(ColorValue initial) {
    const QColor chosen =
        QColorDialog::getColor(QColor(redOf(initial), greenOf(initial), blueOf(initial)));
    if (!chosen.isValid()) return std::nullopt;
    return rgbColor(chosen.red(), chosen.green(), chosen.blue());
}
