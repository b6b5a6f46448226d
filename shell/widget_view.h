#pragma once
// The view of a picture image, hot spot, label, picture box, shape or line: paints its model
// widget and reports the mouse. Window-system controls have views of their own.
#include <QPixmap>
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
    QRect pressedAt_;  // where the view lay when the button went down
    // The picture as rendered for the view's size: repainting under a moving widget then copies
    // pixels instead of rendering the whole drawing again.
    QPixmap picture_;
};

// What a label of `size` shows of `caption`: all of it, wrapped at blanks and, inside a word longer
// than a line (a file path), anywhere; when that needs more lines than a label of two or more lines
// holds, the end after an ellipsis, since the end of a long path is the file's own name.
QString fittedLabelCaption(const QString& caption, const QFont& font, QSize size);
