#pragma once
// The window system's common dialogs as the screens need them. Each call is modal: it returns when
// the child closes the dialog; no value means the child cancelled.
#include <QString>
#include <optional>

#include "shell/color.h"

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Starts from `fileName` ("c:\EVY\*.*", "\evy\4.mid" or a full path); gives the chosen path.
    virtual std::optional<QString> chooseOpenFile(const QString& fileName) = 0;
    virtual std::optional<ColorValue> chooseColor(ColorValue initial) = 0;
};
