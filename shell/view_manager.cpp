#include "shell/view_manager.h"

#include <QApplication>

#include "shell/program.h"
#include "shell/screen_window.h"

ViewManager::ViewManager(Program& program) : program_(program) {
    connect(&program, &Program::screenCreated, this, &ViewManager::created);
    connect(&program, &Program::screenUnloaded, this, &ViewManager::unloaded);
    connect(&program, &Program::ended, this, &ViewManager::ended);
    for (ScreenId id : kAllScreens)
        if (Screen* s = program.existing(id)) created(*s);
}

ViewManager::~ViewManager() {
    for (auto& window : windows_) delete window;
}

void ViewManager::created(Screen& screen) {
    windows_[indexOf(screen.id())] = new ScreenWindow(program_, screen);
}

void ViewManager::unloaded(ScreenId id) {
    ScreenWindow* window = windows_[indexOf(id)];
    windows_[indexOf(id)] = nullptr;
    if (!window) return;
    // The window may be delivering the very click that unloaded its screen.
    window->hide();
    window->disconnect();
    window->deleteLater();
}

void ViewManager::ended() {
    for (auto& window : windows_)
        if (window) window->hide();
    QCoreApplication::exit(0);
}

ScreenWindow* ViewManager::window(ScreenId id) const {
    return windows_[indexOf(id)];
}
