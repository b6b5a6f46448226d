#pragma once
// The window a video plays in: no screen gives it a place, so it is a window of its own, of the
// video's size, titled with the file name. Closing it by hand stops the video like "Stop".
#include <QVideoWidget>
#include <functional>

class VideoWindow final : public QVideoWidget {
public:
    explicit VideoWindow(const QString& title);
    std::function<void()> onClosedByHand;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void fitVideo();
    bool sized_ = false;
};
