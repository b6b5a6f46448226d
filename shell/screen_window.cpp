#include "shell/screen_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

#include "lessons/textbook_view.h"
#include "media/transport_bar.h"
#include "shell/assets.h"
#include "shell/look.h"
#include "shell/paper_view.h"
#include "shell/printing.h"
#include "shell/program.h"
#include "shell/twips.h"
#include "shell/widget_view.h"

namespace {

// Refreshes in quick succession are the frames of a handler's animation: each frame stays on the
// screen at least this long, so that a widget moved step by step is seen to move, not to jump.
constexpr int kRefreshFrameMs = 5;

bool isWindowSystemControl(WidgetKind kind) {
    return kind == WidgetKind::CommandButton || kind == WidgetKind::TextbookViewer ||
           kind == WidgetKind::MediaPlayer;
}

QRect pixelRect(const Widget& w) {
    const Bounds& b = w.bounds();
    if (w.kind() == WidgetKind::Line) {
        const QRect r = QRect(QPoint(twipsToPixels(b.left), twipsToPixels(b.top)),
                              QPoint(twipsToPixels(b.width), twipsToPixels(b.height)))
                            .normalized();
        return r.adjusted(0, 0, 1, 1);
    }
    return {twipsToPixels(b.left), twipsToPixels(b.top), twipsToPixels(b.width),
            twipsToPixels(b.height)};
}

int buttonCode(Qt::MouseButtons buttons) {
    return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0) |
           (buttons & Qt::MiddleButton ? 4 : 0);
}

int shiftCode(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
           (modifiers & Qt::AltModifier ? 4 : 0);
}

Qt::WindowFlags flagsFor(WindowKind kind) {
    switch (kind) {
        case WindowKind::PictureWindow:
            return Qt::Window | Qt::FramelessWindowHint;
        case WindowKind::LessonWindow:
            return Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint;
        case WindowKind::AlbumWindow:
            return Qt::Window;
    }
    return Qt::Window;
}

// The client area: the screen's background colour or its own picture, and the parent of all views.
class ClientArea final : public QWidget {
public:
    ClientArea(const char* picture, QWidget* parent) : QWidget(parent), picture_(picture) {}

protected:
    void paintEvent(QPaintEvent*) override {
        if (!picture_) return;
        // Drawn once at its own size, then copied on every repaint.
        const QSize size = assetSize(picture_);
        const qreal ratio = devicePixelRatioF();
        if (rendered_.deviceIndependentSize().toSize() != size ||
            rendered_.devicePixelRatio() != ratio)
            rendered_ = assetPixmap(picture_, size, ratio);
        QPainter(this).drawPixmap(0, 0, rendered_);
    }

private:
    const char* picture_;
    QPixmap rendered_;
};

}  // namespace

ScreenWindow::ScreenWindow(Program& program, Screen& screen)
    : QWidget(nullptr, flagsFor(screen.definition().kind)), program_(program), screen_(screen) {
    const ScreenDefinition& d = screen.definition();
    setWindowTitle(QString::fromUtf8(d.caption));
    setObjectName(screen.name());
    if (d.icon) setWindowIcon(assetIcon(d.icon));
    setFont(defaultScreenFont());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    // Only the album can be resized: a window of fixed size is offered no maximise or resize by
    // the window manager, whatever it makes of the title bar hints.
    if (d.kind != WindowKind::AlbumWindow) layout->setSizeConstraint(QLayout::SetFixedSize);
    client_ = new ClientArea(d.picture, this);
    client_->setObjectName(QStringLiteral("client"));
    client_->setAutoFillBackground(true);
    client_->installEventFilter(this);
    client_->setMouseTracking(true);
    layout->addWidget(client_, 1);
    build();
    connect(&screen, &Screen::widgetChanged, this, &ScreenWindow::syncWidget);
    connect(&screen, &Screen::refreshRequested, this, &ScreenWindow::refreshWidget);
    connect(&screen, &Screen::windowChanged, this, &ScreenWindow::syncWindow);
    connect(&screen, &Screen::raiseRequested, this, [this] {
        setWindowState(windowState() & ~Qt::WindowMinimized);
        raise();
        activateWindow();
    });
    connect(&screen, &Screen::printRequested, this,
            [this] { printOnDefaultPrinter(client_->grab().toImage(), windowTitle().trimmed()); });
    syncWindow();
}

ScreenWindow::~ScreenWindow() = default;

void ScreenWindow::build() {
    const auto& widgets = screen_.widgets();
    views_.assign(widgets.size(), nullptr);
    // Menus in table order: the bar reads left to right and each menu top to bottom.
    for (const auto& w : widgets)
        if (w->kind() == WidgetKind::MenuItem) createView(*w, client_);
    // The rest back to front, so that Qt's stacking follows the table: the first row on top. A
    // picture box comes before the labels it holds, which may lie behind it in the table.
    const auto inPictureBox = [](const Widget& w) { return w.spec().container != nullptr; };
    for (bool contained : {false, true}) {
        for (auto it = widgets.rbegin(); it != widgets.rend(); ++it) {
            Widget& w = **it;
            if (w.kind() == WidgetKind::MenuItem || inPictureBox(w) != contained) continue;
            QWidget* holder = contained ? viewOf(w.spec().container) : nullptr;
            views_[w.slot()] = createView(w, holder ? holder : client_);
        }
    }
    for (auto it = widgets.rbegin(); it != widgets.rend(); ++it)
        if (isWindowSystemControl((*it)->kind()) && views_[(*it)->slot()])
            views_[(*it)->slot()]->raise();
    for (const auto& w : widgets) syncWidget(w->slot());
}

QWidget* ScreenWindow::createView(Widget& w, QWidget* parent) {
    switch (w.kind()) {
        case WidgetKind::Timer:
        case WidgetKind::CommonDialog:
            return nullptr;
        case WidgetKind::MenuItem: {
            if (!menuBar_) {
                menuBar_ = new QMenuBar(this);
                static_cast<QVBoxLayout*>(layout())->setMenuBar(menuBar_);
            }
            const QString caption = w.caption();
            if (!w.spec().container) {
                QMenu* menu = menuBar_->addMenu(caption);
                menu->setObjectName(w.name());
                return nullptr;
            }
            QMenu* menu = menuBar_->findChild<QMenu*>(QString::fromUtf8(w.spec().container));
            if (!menu) return nullptr;
            QAction* action = menu->addAction(caption);
            action->setObjectName(w.name());
            action->setEnabled(w.enabled());
            action->setVisible(w.visible());
            const QString name = QString::fromUtf8(w.spec().name);
            connect(action, &QAction::triggered, this,
                    [this, name] { program_.fire(screen_.id(), name, Event::Click); });
            return nullptr;
        }
        case WidgetKind::CommandButton: {
            auto* button = new QPushButton(parent);
            button->setFont(fontFor(w.spec().font));
            button->setCursor(Qt::ArrowCursor);
            const QString name = QString::fromUtf8(w.spec().name);
            const int index = w.spec().index;
            connect(button, &QPushButton::clicked, this, [this, name, index] {
                program_.fire(screen_.id(), name, index, Event::Click);
            });
            return button;
        }
        case WidgetKind::TextbookViewer: {
            auto* viewer = new TextbookView(parent);
            viewer->setCursor(Qt::ArrowCursor);
            return viewer;
        }
        case WidgetKind::MediaPlayer:
            return new TransportBar(w.player(), parent);
        case WidgetKind::Paper:
            return new PaperView(w, parent);
        default: {
            auto* view = new WidgetView(*this, w, parent);
            const QString name = QString::fromUtf8(w.spec().name);
            view->setMouseTracking(
                program_.handles(screen_.id(), name, w.spec().index, Event::MouseMove));
            return view;
        }
    }
}

QWidget* ScreenWindow::viewOf(const Widget& widget) const {
    return widget.slot() < static_cast<int>(views_.size()) ? views_[widget.slot()] : nullptr;
}

QWidget* ScreenWindow::viewOf(const char* name, int index) const {
    Widget* w = screen_.find(QString::fromUtf8(name), index);
    return w ? viewOf(*w) : nullptr;
}

void ScreenWindow::syncWidget(int slot) {
    Widget& w = *screen_.widgets()[slot];
    QWidget* view = views_[slot];
    if (!view) return;
    view->setGeometry(pixelRect(w));
    view->setVisible(w.visible());
    const bool takesMouse = w.enabled() && w.kind() != WidgetKind::Shape &&
                            w.kind() != WidgetKind::Line && w.kind() != WidgetKind::Paper;
    view->setAttribute(Qt::WA_TransparentForMouseEvents, !takesMouse);
    if (isWindowSystemControl(w.kind())) view->setEnabled(w.enabled());
    view->setToolTip(w.tooltip());
    if (w.kind() != WidgetKind::CommandButton && w.kind() != WidgetKind::TextbookViewer) {
        if (w.mousePointer() == 99)
            view->setCursor(assetCursor(w.spec().mouseIcon));
        else
            view->unsetCursor();
    }
    if (auto* button = qobject_cast<QPushButton*>(view)) button->setText(w.caption());
    if (w.kind() == WidgetKind::TextbookViewer)
        static_cast<TextbookView*>(view)->setRtf(w.rtfText());
    view->update();
}

// Paints at once, without returning to the event loop: no other event is handled meanwhile.
// Repainting the view's place in its parent also paints what a move of the view uncovered.
void ScreenWindow::refreshWidget(int slot) {
    QWidget* view = views_[slot];
    if (!view || !isVisible()) return;
    if (sinceRefresh_.isValid() && sinceRefresh_.elapsed() < kRefreshFrameMs)
        QThread::msleep(static_cast<unsigned long>(kRefreshFrameMs - sinceRefresh_.elapsed()));
    sinceRefresh_.start();  // a frame lasts from one paint's start to the next one's
    view->parentWidget()->repaint(view->geometry());
}

void ScreenWindow::syncWindow() {
    const ScreenDefinition& d = screen_.definition();
    const QSize client(twipsToPixels(screen_.clientWidth()), twipsToPixels(screen_.clientHeight()));
    if (d.kind == WindowKind::AlbumWindow) {
        if (!isVisible()) client_->setMinimumSize(client), client_->resize(client);
    } else {
        client_->setFixedSize(client);
    }
    QPalette pal = client_->palette();
    if (screen_.backColor() != kNoColor)
        pal.setColor(QPalette::Window, toQColor(screen_.backColor()));
    client_->setPalette(pal);
    if (screen_.mousePointer() == 99)
        client_->setCursor(assetCursor(d.mouseIcon));
    else
        client_->unsetCursor();
    if (screen_.position()) {
        const QPoint wanted(twipsToPixels(screen_.position()->x()),
                            twipsToPixels(screen_.position()->y()));
        if (pos() != wanted) {
            syncingPosition_ = true;
            move(wanted);
            syncingPosition_ = false;
            placed_ = true;
        }
    }
    if (screen_.visible() && !isVisible()) {
        placeOnFirstShow();
        show();
        if (d.kind == WindowKind::AlbumWindow) {
            client_->setMinimumSize(0, 0);
            resize(size());  // from now on the child sizes it: showing it again keeps the size
        }
    } else if (!screen_.visible() && isVisible()) {
        hide();
    }
}

void ScreenWindow::placeOnFirstShow() {
    if (shownBefore_) return;
    shownBefore_ = true;
    // Sized before it is placed: a resize after the move would put the client area at the place
    // instead of the frame.
    adjustSize();
    if (placed_) {
        syncingPosition_ = true;
        move(twipsToPixels(screen_.left()), twipsToPixels(screen_.top()));
        syncingPosition_ = false;
        return;
    }
    placed_ = true;
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (!primary) return;
    QRect frame(QPoint(0, 0), sizeHint());
    frame.moveCenter(primary->geometry().center());
    syncingPosition_ = true;
    move(frame.topLeft());
    syncingPosition_ = false;
    screen_.placedByWindowSystem(QPoint(pixelsToTwips(frame.left()), pixelsToTwips(frame.top())));
}

void ScreenWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (!syncingPosition_ && isVisible())
        screen_.placedByWindowSystem(QPoint(pixelsToTwips(pos().x()), pixelsToTwips(pos().y())));
}

// Only the album can be minimised. Some window managers offer the button whatever the window
// asks for; such a minimising is undone at once, so that no screen is lost out of the child's
// reach.
void ScreenWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || !(windowState() & Qt::WindowMinimized) ||
        screen_.definition().kind == WindowKind::AlbumWindow)
        return;
    QTimer::singleShot(0, this, [this] {
        if (!screen_.visible()) return;
        setWindowState(windowState() & ~Qt::WindowMinimized);
        show();
    });
}

void ScreenWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (program_.hasEnded()) return;
    const char* standIn = screen_.definition().closeClicks;
    if (standIn)
        program_.fire(screen_.id(), QString::fromUtf8(standIn), Event::Click);
    else
        program_.unload(screen_.id());
}

bool ScreenWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client_) {
        if (event->type() == QEvent::Resize) fitPapers();
        auto* mouse = dynamic_cast<QMouseEvent*>(event);
        if (event->type() == QEvent::MouseButtonPress) fireMouse(nullptr, 0, mouse, client_);
        if (event->type() == QEvent::MouseButtonRelease) fireMouse(nullptr, 1, mouse, client_);
        if (event->type() == QEvent::MouseMove) fireMouse(nullptr, 2, mouse, client_);
    }
    return QWidget::eventFilter(watched, event);
}

// A paper covers the whole client area and grows and shrinks with the window.
void ScreenWindow::fitPapers() {
    for (const auto& w : screen_.widgets()) {
        if (w->kind() != WidgetKind::Paper) continue;
        w->setWidth(pixelsToTwips(client_->width()));
        w->setHeight(pixelsToTwips(client_->height()));
    }
}

void ScreenWindow::fireMouse(const Widget* widget, int kind, QMouseEvent* e, QWidget* source,
                             const QRect& pressedAt) {
    if (!e) return;
    const QString name = widget ? QString::fromUtf8(widget->spec().name) : screen_.name();
    const int index = widget ? widget->spec().index : -1;
    const QPoint p = e->position().toPoint();
    EventArgs args{.button = buttonCode(kind == 2 ? e->buttons() : e->button()),
                   .shift = shiftCode(e->modifiers()),
                   .x = pixelsToTwips(p.x()),
                   .y = pixelsToTwips(p.y())};
    const ScreenId id = screen_.id();
    if (kind == 0) program_.fire(id, name, index, Event::MouseDown, args);
    if (kind == 2) program_.fire(id, name, index, Event::MouseMove, args);
    const bool over = source->rect().contains(p) || pressedAt.contains(source->mapToParent(p));
    if (kind == 1 && e->button() == Qt::LeftButton && over)
        program_.fire(id, name, index, Event::Click, args);
}
