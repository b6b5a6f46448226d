#pragma once
// The guide's speech balloon: a window of its own beside the figure that shows the whole sentence,
// wrapped, with a tail toward the mouth. It never takes a click or the focus, and it stays inside
// the screen.
#include <QPainterPath>
#include <QWidget>

class GuideBalloon final : public QWidget {
    Q_OBJECT
public:
    static constexpr int kTextWidth = 240;  // the widest line, in pixels
    static constexpr int kPadding = 12;

    GuideBalloon();

    // Shows `text` beside a figure whose frame and mouth are given in global coordinates.
    void say(const QString& text, const QRect& figure, QPoint mouth);
    // Keeps the balloon beside the figure as it is dragged about.
    void follow(const QRect& figure, QPoint mouth);
    // Soft edges over a compositor, or a window cut to the balloon's outline without one.
    void setTranslucent(bool on);

    const QString& text() const { return text_; }
    // The balloon's outline in its own coordinates.
    const QPainterPath& outline() const { return outline_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void place(const QRect& figure, QPoint mouth);

    QString text_;
    QRect textRect_;  // in the window
    QPainterPath outline_;
    bool translucent_ = false;
};
