#pragma once
// The window system's open-file and colour dialogs.
#include <QDir>

#include "shell/dialogs.h"

class QtDialogs final : public Dialogs {
public:
    // Media names are looked up from `workingDir`, as the players look them up.
    explicit QtDialogs(QString workingDir = QDir::currentPath())
        : workingDir_(std::move(workingDir)) {}

    std::optional<QString> chooseOpenFile(const QString& fileName) override;
    std::optional<ColorValue> chooseColor(ColorValue initial) override;

private:
    QString workingDir_;
};

// Where the open-file dialog starts for `fileName`: the file itself when it exists, else its
// folder ("c:\EVY\*.*" names the media folder), else the home folder. A drive prefix is dropped
// and media names resolve as the players resolve them.
QString openDialogStart(const QString& fileName, const QString& workingDir);
