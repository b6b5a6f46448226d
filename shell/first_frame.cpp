#include "shell/first_frame.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

namespace {

class FirstFrame final : public QObject {
public:
    explicit FirstFrame(std::function<void()> then) : then_(std::move(then)) {
        QCoreApplication::instance()->installEventFilter(this);
        QTimer::singleShot(kLatestMs, this, [this] { done(); });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // Painting a frame and putting it on the screen is one step of the event loop: a call
        // queued from within it runs once the frame is shown.
        if (event->type() == QEvent::Paint && watched->isWidgetType() && !queued_) {
            queued_ = true;
            QMetaObject::invokeMethod(
                this, [this] { done(); }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    static constexpr int kLatestMs = 1000;

    void done() {
        if (!then_) return;
        QCoreApplication::instance()->removeEventFilter(this);
        const auto then = std::move(then_);
        then_ = nullptr;
        deleteLater();
        then();
    }

    std::function<void()> then_;
    bool queued_ = false;
};

}  // namespace

void afterFirstFrame(std::function<void()> then) {
    new FirstFrame(std::move(then));
}
