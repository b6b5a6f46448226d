#pragma once
// A program with its windows on the offscreen platform, and the mouse as a child uses it: a point
// of a window is hit-tested the way Qt delivers a real click.
#include <QPoint>
#include <memory>

#include "shell/screen_window.h"
#include "shell/view_manager.h"
#include "tests/support/test_program.h"

class ViewedProgram {
public:
    explicit ViewedProgram(bool mediaFolder = true, const ScreenCatalog* catalog = nullptr);

    TestProgram t;
    ViewManager views;

    ScreenWindow& window(ScreenId id);
    // The view that a click at `pixel` of the screen's client area reaches, or nullptr.
    QWidget* hit(ScreenId id, QPoint pixel);
    // The name of the model widget behind `view` ("" for the client area itself).
    QString nameOf(ScreenId id, QWidget* view);
    // A left click at `pixel` of the client area, delivered to whatever is there.
    void click(ScreenId id, QPoint pixel);
    void moveMouse(ScreenId id, QPoint pixel);
};

// The pixel centre of a rectangle given in twips.
QPoint centreOf(int left, int top, int width, int height);
