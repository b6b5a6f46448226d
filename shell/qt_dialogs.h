#pragma once
// The window system's open-file and colour dialogs.
#include "shell/dialogs.h"

class QtDialogs final : public Dialogs {
public:
    std::optional<QString> chooseOpenFile(const QString& fileName) override;
    std::optional<ColorValue> chooseColor(ColorValue initial) override;
};
