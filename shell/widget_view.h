#pragma once
// The view of a picture image, hot spot, label, picture box, shape or line: paints its model
// widget and reports the mouse. Window-system controls have views of their own.
#include <QWidget>

class ScreenWindow;
class Widget;

class WidgetView : public QWidget {
    Q_OBJECT
public:
    WidgetView(ScreenWindow& window, Widget& widget, QWidget* parent);
    Widget& widget() { return widget_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    ScreenWindow& window_;
    Widget& widget_;
};
