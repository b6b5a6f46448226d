#pragma once
// The row of transport buttons a visible media player shows: previous, next, play, pause, stop
// and, for the audio disc, eject. Each button is enabled by the player's state and sends the
// player its command when the child presses it (mouse, or Tab, arrows and Space). Drawn by us in
// the raised grey of the program's windows, with coloured symbols that a child reads at a glance.
#include <QWidget>
#include <vector>

class MediaPlayer;

class TransportBar final : public QWidget {
    Q_OBJECT
public:
    enum class Button { Prev, Next, Play, Pause, Stop, Eject };

    TransportBar(MediaPlayer& player, QWidget* parent = nullptr);

    std::vector<Button> buttons() const;  // those shown, left to right
    bool buttonEnabled(Button b) const;
    QRect buttonRect(Button b) const;
    void press(Button b);  // as a click on it: nothing when it is disabled

    QSize sizeHint() const override { return {236, 22}; }

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void leaveEvent(QEvent*) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent*) override;
    bool event(QEvent* e) override;

private:
    int buttonAt(QPoint p) const;  // index into buttons(), or -1
    void moveFocus(int step);

    MediaPlayer& player_;
    int hovered_ = -1;
    int pressed_ = -1;
    int focused_ = 0;
};
