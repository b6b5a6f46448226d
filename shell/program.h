#pragma once
// The running program: its screens, created on first reference and kept until the end (only the
// album and the author screen are ever unloaded), the form-level variables that outlive them,
// the services every screen shares, and the one place where events reach handlers.
#include <QObject>
#include <array>
#include <deque>
#include <functional>
#include <memory>

#include "shell/screen.h"

class Clock;
class Dialogs;
class Guide;
class MediaBackendFactory;

struct Services {
    Clock& clock;
    MediaBackendFactory& media;
    Guide& guide;
    Dialogs& dialogs;
    QString workingDir;  // where bare media names and the media folder are looked up from
};

// The definitions of all eleven screens.
using ScreenCatalog = std::array<const ScreenDefinition*, kScreenCount>;

class Program : public QObject {
    Q_OBJECT
public:
    Program(const ScreenCatalog& catalog, Services services);
    ~Program() override;

    // Creates the main menu, runs its Load and shows it.
    void start();

    // Referring to a screen creates and loads it, hidden, if it does not exist.
    Screen& screen(ScreenId id);
    Screen* existing(ScreenId id) const { return screens_[indexOf(id)].get(); }

    void show(ScreenId id);
    void hide(ScreenId id);
    void unload(ScreenId id);
    // Ends the program at once: no further handler runs, no Unload handler runs.
    void end();
    bool hasEnded() const { return ended_; }

    // Delivers an event to the handler of a screen's widget (or of the screen itself), if any.
    // Handlers run one at a time: an event raised while one runs waits until it has finished.
    void fire(ScreenId id, const QString& widget, int index, Event event,
              const EventArgs& args = {});
    void fire(ScreenId id, const QString& widget, Event event, const EventArgs& args = {}) {
        fire(id, widget, -1, event, args);
    }
    // Whether the screen has a handler for this event (views track the mouse only where needed).
    bool handles(ScreenId id, const QString& widget, int index, Event event) const;

    // Inside a modal dialog other events (timer ticks above all) run while the handler waits.
    void runModal(const std::function<void()>& dialog);

    Clock& clock() { return services_.clock; }
    MediaBackendFactory& media() { return services_.media; }
    Guide& guide() { return services_.guide; }
    Dialogs& dialogs() { return services_.dialogs; }
    const QString& workingDir() const { return services_.workingDir; }

signals:
    void screenCreated(Screen& screen);
    void screenShown(ScreenId id);
    void screenHidden(ScreenId id);
    void screenUnloaded(ScreenId id);  // the Screen object is gone when this arrives
    void ended();

private:
    struct Pending {
        ScreenId id;
        QString widget;
        int index;
        Event event;
        EventArgs args;
    };
    const HandlerSpec* handlerFor(const Screen& screen, const QString& widget, int index,
                                  Event event) const;
    void run(Screen& screen, const HandlerSpec& handler, const EventArgs& args);
    void deliver(const Pending& p);

    const ScreenCatalog& catalog_;
    Services services_;
    std::array<std::unique_ptr<Screen>, kScreenCount> screens_;
    std::array<std::unique_ptr<FormVariables>, kScreenCount> variables_;
    std::vector<std::unique_ptr<Screen>> graveyard_;  // unloaded while a handler still ran
    std::deque<Pending> pending_;
    int running_ = 0;
    int modalDepth_ = 0;
    bool ended_ = false;
};
