#include "tests/view/view_support.h"

#include <QTest>

#include "shell/twips.h"

ViewedProgram::ViewedProgram(bool mediaFolder, const ScreenCatalog* catalog)
    : t(mediaFolder, catalog), views(t.program()) {}

ScreenWindow& ViewedProgram::window(ScreenId id) {
    t.screen(id);
    return *views.window(id);
}

QWidget* ViewedProgram::hit(ScreenId id, QPoint pixel) {
    QWidget* client = window(id).clientArea();
    QWidget* child = client->childAt(pixel);
    return child ? child : client;
}

QString ViewedProgram::nameOf(ScreenId id, QWidget* view) {
    for (const auto& w : t.screen(id).widgets())
        if (window(id).viewOf(*w) == view) return w->name();
    return {};
}

void ViewedProgram::click(ScreenId id, QPoint pixel) {
    QWidget* target = hit(id, pixel);
    const QPoint local = target->mapFrom(window(id).clientArea(), pixel);
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, local);
    processEvents();
}

void ViewedProgram::moveMouse(ScreenId id, QPoint pixel) {
    QWidget* target = hit(id, pixel);
    QTest::mouseMove(target, target->mapFrom(window(id).clientArea(), pixel));
    processEvents();
}

QPoint centreOf(int left, int top, int width, int height) {
    return {twipsToPixels(left + width / 2), twipsToPixels(top + height / 2)};
}
