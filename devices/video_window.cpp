#include "devices/video_window.h"

#include <QCloseEvent>
#include <QVideoSink>

namespace {
constexpr QSize kBeforeTheFirstFrame(320, 240);
}  // namespace

VideoWindow::VideoWindow(const QString& title) : QVideoWidget(nullptr) {
    setWindowTitle(title);
    setObjectName(QStringLiteral("video"));
    setAttribute(Qt::WA_ShowWithoutActivating);  // the child's screen keeps the keyboard
    resize(kBeforeTheFirstFrame);
    // Queued: the sink announces a new size while it still holds the lock that videoSize() takes.
    connect(videoSink(), &QVideoSink::videoSizeChanged, this, &VideoWindow::fitVideo,
            Qt::QueuedConnection);
}

void VideoWindow::fitVideo() {
    const QSize size = videoSink()->videoSize();
    if (sized_ || size.isEmpty()) return;
    sized_ = true;  // once: a size the child chose by hand stays
    resize(size);
}

void VideoWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (onClosedByHand) onClosedByHand();
}
