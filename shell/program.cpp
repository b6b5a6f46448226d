#include "shell/program.h"

#include <exception>

#include "media/guide.h"

Program::Program(const ScreenCatalog& catalog, Services services)
    : catalog_(catalog), services_(std::move(services)) {}

Program::~Program() {
    // Screens go before the services they use.
    for (auto& screen : screens_) screen.reset();
    graveyard_.clear();
}

void Program::start() {
    screen(ScreenId::Form1);
    show(ScreenId::Form1);
}

Screen& Program::screen(ScreenId id) {
    auto& slot = screens_[indexOf(id)];
    if (slot) return *slot;
    const ScreenDefinition& definition = *catalog_[indexOf(id)];
    auto& variables = variables_[indexOf(id)];
    if (!variables) variables = definition.makeVariables();
    slot = std::make_unique<Screen>(*this, definition, *variables);
    Screen& created = *slot;
    emit screenCreated(created);
    // Load is part of the reference itself, so it runs even inside another handler.
    if (const HandlerSpec* load = handlerFor(created, nameOf(id), -1, Event::Load))
        run(created, *load, {});
    return created;
}

void Program::show(ScreenId id) {
    if (ended_) return;
    Screen& s = screen(id);
    s.setVisibleFlag(true);
    emit s.raiseRequested();
    emit screenShown(id);
}

void Program::hide(ScreenId id) {
    if (ended_) return;
    Screen& s = screen(id);
    if (!s.visible()) return;
    s.setVisibleFlag(false);
    emit screenHidden(id);
}

void Program::unload(ScreenId id) {
    auto& slot = screens_[indexOf(id)];
    if (!slot || ended_) return;
    if (const HandlerSpec* handler = handlerFor(*slot, nameOf(id), -1, Event::Unload))
        run(*slot, *handler, {});
    if (!slot) return;  // its own Unload handler unloaded it already
    std::unique_ptr<Screen> gone = std::move(slot);
    gone->stopTimers();
    gone->setVisibleFlag(false);
    // A handler of the screen may still be running (a click that unloads its own screen): the
    // object is freed once no handler runs any more.
    graveyard_.push_back(std::move(gone));
    emit screenUnloaded(id);
    if (running_ == 0) graveyard_.clear();
}

void Program::end() {
    if (ended_) return;
    ended_ = true;
    pending_.clear();
    for (auto& screen : screens_)
        if (screen) screen->stopTimers();
    emit ended();
}

const HandlerSpec* Program::handlerFor(const Screen& screen, const QString& widget, int index,
                                       Event event) const {
    for (const HandlerSpec& handler : screen.definition().handlers)
        if (handler.event == event && widget == QLatin1String(handler.widget) &&
            (handler.index < 0 || handler.index == index))
            return &handler;
    return nullptr;
}

bool Program::handles(ScreenId id, const QString& widget, int index, Event event) const {
    const Screen* s = existing(id);
    return s && handlerFor(*s, widget, index, event);
}

void Program::fire(ScreenId id, const QString& widget, int index, Event event,
                   const EventArgs& args) {
    if (ended_) return;
    Pending p{id, widget, index, event, args};
    if (running_ > modalDepth_) {
        pending_.push_back(std::move(p));
        return;
    }
    deliver(p);
    while (!pending_.empty() && running_ <= modalDepth_ && !ended_) {
        Pending next = std::move(pending_.front());
        pending_.pop_front();
        deliver(next);
    }
}

void Program::deliver(const Pending& p) {
    Screen* s = existing(p.id);
    if (!s) return;
    if (const HandlerSpec* handler = handlerFor(*s, p.widget, p.index, p.event))
        run(*s, *handler, p.args);
}

void Program::run(Screen& screen, const HandlerSpec& handler, const EventArgs& args) {
    if (ended_) return;
    ++running_;
    try {
        handler.run(screen, args);
    } catch (const StepFailed&) {
        // A strict handler ends at its failing step; a step-tolerant one guards its fallible
        // steps itself (see step()), so reaching here only ends it early too.
    } catch (const std::exception&) {
    }
    --running_;
    if (running_ == 0) graveyard_.clear();
}

void Program::runModal(const std::function<void()>& dialog) {
    ++modalDepth_;
    dialog();
    --modalDepth_;
}
