#pragma once
// The one generic renderer: turns any screen's widget table into Qt widgets and keeps them in step
// with the model. Table order is stacking and hit-testing order; window-system controls (buttons,
// viewer, player bars) stand in front of pictures. Mouse input goes back to the model as events.
#include <QElapsedTimer>
#include <QWidget>
#include <vector>

class Program;
class Screen;
class Widget;
class QMenuBar;

class ScreenWindow : public QWidget {
    Q_OBJECT
public:
    ScreenWindow(Program& program, Screen& screen);
    ~ScreenWindow() override;

    Screen& screen() { return screen_; }
    // The Qt widget that shows a model widget (nullptr for timers and dialogs).
    QWidget* viewOf(const Widget& widget) const;
    QWidget* viewOf(const char* name, int index = -1) const;
    // The area the screen's widgets lie in (below the menu bar on the album).
    QWidget* clientArea() const { return client_; }

    // Sends a mouse event of a view to the model. A release over the source, or over the place in
    // its parent where it lay when the button went down (`pressedAt`), is a click: a picture that
    // moves on its own can still be clicked.
    void fireMouse(const Widget* widget, int event, QMouseEvent* e, QWidget* source,
                   const QRect& pressedAt = {});

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();
    QWidget* createView(Widget& widget, QWidget* parent);
    void syncWidget(int slot);
    void refreshWidget(int slot);
    void syncWindow();
    void placeOnFirstShow();
    void fitPapers();

    Program& program_;
    Screen& screen_;
    QWidget* client_ = nullptr;
    QMenuBar* menuBar_ = nullptr;
    std::vector<QWidget*> views_;  // by slot
    bool placed_ = false;
    bool shownBefore_ = false;
    bool syncingPosition_ = false;
    QElapsedTimer sinceRefresh_;
};
