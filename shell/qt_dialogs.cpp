#include "shell/qt_dialogs.h"

#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include "media/media_path.h"

std::optional<QString> QtDialogs::chooseOpenFile(const QString& fileName) {
    // The dialog opens where the file name points, or in the media folder, or at home.
    QString start = resolveMediaPath(fileName);
    if (start.isEmpty()) {
        QString folder = fileName;
        folder.replace(QLatin1Char('\\'), QLatin1Char('/'));
        folder = resolveMediaPath(folder.section(QLatin1Char('/'), 0, -2));
        start = folder.isEmpty() ? QDir::homePath() : folder;
    }
    const QString chosen = QFileDialog::getOpenFileName(nullptr, QString(), start);
    if (chosen.isEmpty()) return std::nullopt;
    return QDir::toNativeSeparators(chosen);
}

std::optional<ColorValue> QtDialogs::chooseColor(ColorValue initial) {
    const QColor chosen =
        QColorDialog::getColor(QColor(redOf(initial), greenOf(initial), blueOf(initial)));
    if (!chosen.isValid()) return std::nullopt;
    return rgbColor(chosen.red(), chosen.green(), chosen.blue());
}
