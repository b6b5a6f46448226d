#pragma once
// The guide on the desktop: a frameless, always-on-top window that takes no focus and is not in
// the task bar, shaped to the figure so clicks beside it reach the windows beneath. It follows the
// steps of the queue on the queue's clock, with its speech balloon; the child can drag it away.
// Over a compositor its edges are soft; without one the window is cut to the figure's outline.
#include <QImage>
#include <QRegion>
#include <QWidget>
#include <memory>

#include "media/guide_animations.h"
#include "media/guide_balloon.h"
#include "shell/clock.h"

class GuideFigure;
class GuideQueue;
class GuideVoice;
struct GuideStep;

// Whether a compositing manager runs on the display (always so on Wayland, never offscreen).
bool compositorRunning();

class GuideWindow final : public QWidget {
    Q_OBJECT
public:
    static constexpr int kActiveFrameMs = 16;  // while it moves, gestures or speaks
    static constexpr int kIdleFrameMs = 100;   // breathing and blinking need no more

    GuideWindow(GuideQueue& queue, const GuideVoice* voice);
    ~GuideWindow() override;

    // All the first appearance needs but the appearance: the figure's parts drawn and the native
    // window made, so that the click that first calls the guide does not wait for them.
    void prepare();

    bool translucent() const { return translucent_; }
    const GuideBalloon& balloon() const { return balloon_; }
    const QRegion& figureMask() const { return mask_; }
    int framesDrawn() const { return frames_; }

    // Where a design-desktop position puts the window on the screen (kept wholly on it), and back.
    static QPoint toGlobal(QPoint design);
    static QPoint toDesign(QPoint global);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void stepStarted(const GuideStep& step);
    void stepEnded(const GuideStep& step);
    void stopped();
    void frame();
    void runFrames(int intervalMs);
    void chooseLook();
    GuidePose pose(qint64 now, qreal& opacity, qreal& scale) const;
    float mouthOpening(const GuideStep& speech, qint64 now) const;
    QPoint mouth() const;
    void render(const GuidePose& pose, qreal opacity, qreal scale, qint64 now);

    GuideQueue& queue_;
    const GuideVoice* voice_;
    Clock& clock_;
    std::unique_ptr<GuideFigure> figure_;
    GuideBalloon balloon_;
    QImage image_;
    QRegion mask_;
    bool translucent_ = false;
    Clock::TimerId timer_ = 0;
    int intervalMs_ = 0;
    int frames_ = 0;
    bool dragging_ = false;
    QPoint grab_;  // where in the window the child holds the figure
};
