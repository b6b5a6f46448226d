#include "media/media_path.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The entry of `dir` called `name` in any letter case; an exact match wins.
QString findEntry(const QString& dir, const QString& name) {
    const QString exact = QDir(dir).filePath(name);
    if (QFileInfo::exists(exact)) return exact;
    const QStringList entries =
        QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    for (const QString& entry : entries)
        if (entry.compare(name, Qt::CaseInsensitive) == 0) return QDir(dir).filePath(entry);
    return {};
}

QString walkDown(QString path, const QStringList& components) {
    for (const QString& component : components) {
        if (component == QLatin1String(".")) continue;
        if (component == QLatin1String("..")) return {};  // media names never climb out
        path = findEntry(path, component);
        if (path.isEmpty()) return {};
    }
    return path;
}

}  // namespace

QString findMediaRoot(const QString& workingDir) {
    QDir dir(QFileInfo(workingDir).absoluteFilePath());
    for (;;) {
        const QString evy = findEntry(dir.path(), QStringLiteral("evy"));
        if (!evy.isEmpty() && QFileInfo(evy).isDir()) return QFileInfo(evy).absoluteFilePath();
        if (!dir.cdUp()) return {};
    }
}

QString resolveMediaPath(const QString& rawName, const QString& workingDir) {
    QString name = rawName.trimmed();
    if (name.size() >= 2 && name[1] == QLatin1Char(':') && name[0].isLetter()) name = name.mid(2);
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (name.isEmpty()) return {};
    QStringList components = name.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    if (components.isEmpty()) return {};

    QString found;
    if (name.startsWith(QLatin1Char('/'))) {
        if (components.first().compare(QLatin1String("evy"), Qt::CaseInsensitive) != 0) {
            found = walkDown(QStringLiteral("/"), components);  // an ordinary absolute path
        } else {
            const QString root = findMediaRoot(workingDir);
            if (root.isEmpty()) return {};
            components.removeFirst();
            found = walkDown(root, components);
        }
    } else {
        found = walkDown(QFileInfo(workingDir).absoluteFilePath(), components);
    }
    return found.isEmpty() ? QString() : QFileInfo(found).absoluteFilePath();
}

QString resolveMediaPath(const QString& name) {
    return resolveMediaPath(name, QDir::currentPath());
}
