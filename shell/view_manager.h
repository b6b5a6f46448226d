#pragma once
// Follows the program with windows: one ScreenWindow for every screen that exists, gone when the
// screen is unloaded, and the application quits when the program ends.
#include <QObject>
#include <QPointer>
#include <array>

#include "shell/screen_id.h"

class Program;
class Screen;
class ScreenWindow;

class ViewManager : public QObject {
    Q_OBJECT
public:
    explicit ViewManager(Program& program);
    ~ViewManager() override;

    ScreenWindow* window(ScreenId id) const;

private:
    void created(Screen& screen);
    void unloaded(ScreenId id);
    void ended();

    Program& program_;
    std::array<QPointer<ScreenWindow>, kScreenCount> windows_;
};
