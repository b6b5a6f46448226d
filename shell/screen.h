#pragma once
// A screen is data plus handlers: window values, a table of widgets front to back, and event
// handlers named after widget and event. Creating a screen instantiates the table; unloading
// throws the instance away, while the form-level variables live on in the Program.
#include <QObject>
#include <QPoint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "shell/screen_id.h"
#include "shell/widget.h"

class Guide;
class Program;

enum class WindowKind {
    PictureWindow,  // no border, no title bar; a picture fills it
    LessonWindow,   // fixed single border, title bar, no minimise or maximise
    AlbumWindow,    // sizable, title bar with the usual buttons, menu bar
};

enum class Event { Load, Unload, Click, MouseDown, MouseMove, Timer, Done, StatusUpdate };

// What an event carries: mouse button state (1 left, 2 right, 4 middle), shift state and the
// pointer position in twips relative to the widget; Done carries its notify code in `code`.
struct EventArgs {
    int button = 0;
    int shift = 0;
    int x = 0;
    int y = 0;
    int code = 0;
};

// Step-tolerant: every step stands alone and a failing step is skipped.
// Strict: a failing step ends the handler. Neither ever crashes the program or shows an error.
enum class HandlerKind { StepTolerant, Strict };
constexpr HandlerKind StepTolerant = HandlerKind::StepTolerant;
constexpr HandlerKind Strict = HandlerKind::Strict;

class Screen;

// Thrown by a step that cannot be carried out.
struct StepFailed {
    const char* what;
};

// One step of a step-tolerant handler that can fail: a failure skips just this step.
template <class Step>
void step(Step&& run) {
    try {
        run();
    } catch (const StepFailed&) {
    }
}

struct HandlerSpec {
    using Run = std::function<void(Screen&, const EventArgs&)>;

    HandlerSpec(const char* widget, Event event, HandlerKind kind, void (*run)(Screen&))
        : HandlerSpec(widget, -1, event, kind, run) {}
    HandlerSpec(const char* widget, Event event, HandlerKind kind,
                void (*run)(Screen&, const EventArgs&))
        : HandlerSpec(widget, -1, event, kind, run) {}
    HandlerSpec(const char* widget, int index, Event event, HandlerKind kind, void (*run)(Screen&))
        : widget(widget),
          index(index),
          event(event),
          kind(kind),
          run([run](Screen& s, const EventArgs&) { run(s); }) {}
    HandlerSpec(const char* widget, int index, Event event, HandlerKind kind,
                void (*run)(Screen&, const EventArgs&))
        : widget(widget), index(index), event(event), kind(kind), run(run) {}

    const char* widget;  // a widget name, or the screen's own name ("Form11") for its events
    int index;           // -1: every member of a widget array
    Event event;
    HandlerKind kind;
    Run run;
};

// The form-level variables of one screen; they survive its unloading.
struct FormVariables {
    virtual ~FormVariables() = default;
};

struct ScreenDefinition {
    ScreenId id;
    WindowKind kind;
    const char* caption;
    int clientWidth;  // twips
    int clientHeight;
    ColorValue backColor = kNoColor;
    const char* picture = nullptr;    // background picture filling the window
    const char* icon = nullptr;       // window icon asset
    const char* mouseIcon = nullptr;  // the screen's own cursor icon, shown with MousePointer 99
    // The widget whose Click the window's close button stands for; none: the close unloads.
    const char* closeClicks = nullptr;
    std::span<const WidgetSpec> widgets = {};
    std::span<const HandlerSpec> handlers = {};
    std::function<std::unique_ptr<FormVariables>()> makeVariables = [] {
        return std::make_unique<FormVariables>();
    };
};

class Screen : public QObject {
    Q_OBJECT
public:
    Screen(Program& program, const ScreenDefinition& definition, FormVariables& variables);
    ~Screen() override;

    ScreenId id() const { return definition_.id; }
    QString name() const { return nameOf(id()); }
    const ScreenDefinition& definition() const { return definition_; }
    Program& program() { return program_; }
    Guide& guide();

    // Widgets by name ("Image13") or as a member of an array (w("Shape1", 2)). A name that is not
    // on the screen is a fault of the screen's code and fails the step.
    Widget& w(const char* name, int index = -1);
    Widget& operator[](const char* name) { return w(name); }
    Widget* find(const QString& name, int index = -1);
    const std::vector<std::unique_ptr<Widget>>& widgets() const { return widgets_; }
    MediaPlayer& player(const char* name);

    // Another screen, created (and loaded, hidden) on first reference.
    Screen& form(ScreenId id);

    template <class V>
    V& vars() {
        return static_cast<V&>(variables_);
    }

    // Window values.
    bool visible() const { return visible_; }
    int clientWidth() const { return clientWidth_; }
    int clientHeight() const { return clientHeight_; }
    void setClientSize(int width, int height);
    std::optional<QPoint> position() const { return position_; }  // window's top-left, twips
    int left() const { return position_ ? position_->x() : 0; }
    int top() const { return position_ ? position_->y() : 0; }
    void setLeft(int twips);
    void setTop(int twips);
    void placedByWindowSystem(QPoint twips) { position_ = twips; }  // the view reports a move
    int mousePointer() const { return mousePointer_; }
    void setMousePointer(int code);
    ColorValue backColor() const { return backColor_; }
    void setBackColor(ColorValue color);

    void show();
    void hide();
    void unload();
    // Prints the window's image on the default printer (the view does it; none: nothing happens).
    void printForm() { emit printRequested(); }

    // Used by the Program only.
    void setVisibleFlag(bool visible);
    void widgetChangedBy(Widget& w);
    void timerChanged(Widget& w);
    void stopTimers();

signals:
    void widgetChanged(int slot);
    void refreshRequested(int slot);  // a handler wants this widget painted now (Widget::refresh)
    void windowChanged();
    void raiseRequested();
    void printRequested();

private:
    Program& program_;
    const ScreenDefinition& definition_;
    FormVariables& variables_;
    std::vector<std::unique_ptr<Widget>> widgets_;
    std::vector<int> timerIds_;  // by slot; 0 when not running
    bool visible_ = false;
    int clientWidth_;
    int clientHeight_;
    std::optional<QPoint> position_;
    int mousePointer_ = 0;
    ColorValue backColor_;
};
