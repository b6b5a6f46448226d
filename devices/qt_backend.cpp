#include "devices/qt_backend.h"

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QUrl>

#include "devices/media_timeline.h"
#include "devices/video_window.h"

namespace {

// "\evy\1.avi" and "/home/child/Видео/кино.mp4" alike: the last part of the name.
QString fileNameOf(const QString& name) {
    const qsizetype cut = std::max(name.lastIndexOf(QLatin1Char('/')), name.lastIndexOf('\\'));
    return name.mid(cut + 1);
}

class QtBackend final : public MediaBackend {
public:
    QtBackend(Clock& clock, const MediaSource& source)
        : silence_(clock, 0), window_(fileNameOf(source.name)) {
        player_.setAudioOutput(&audio_);  // without one the decoders refuse sound-only media
        player_.setVideoOutput(&window_);
        silence_.onEnd = [this] { reachedEnd(); };
        window_.onClosedByHand = [this] {
            pause();
            if (onChanged) onChanged();
        };
        QObject::connect(&player_, &QMediaPlayer::mediaStatusChanged, &context_,
                         [this](QMediaPlayer::MediaStatus s) { statusChanged(s); });
        QObject::connect(&player_, &QMediaPlayer::errorOccurred, &context_,
                         [this] { failedWhilePlaying(); });
        QObject::connect(&player_, &QMediaPlayer::hasVideoChanged, &context_,
                         [this] { showVideo(); });
        player_.setSource(QUrl::fromLocalFile(source.path));
    }

    ~QtBackend() override {
        QObject::disconnect(&player_, nullptr, &context_, nullptr);
        player_.stop();
    }

    void play() override {
        if (atEnd_ || playing_) return;
        playing_ = true;
        if (silent_)
            silence_.play();
        else
            player_.play();
        showVideo();
    }

    void pause() override {
        if (!playing_) return;
        playing_ = false;
        if (silent_)
            silence_.pause();
        else
            player_.pause();
    }

    void next() override {
        pause();
        atEnd_ = true;
        silence_.seek(silence_.length());
    }

    void previous() override {
        atEnd_ = false;
        player_.setPosition(0);
        silence_.seek(0);
        if (playing_ && !silent_) player_.play();
    }

    bool atEnd() const override { return atEnd_; }
    bool isPlaying() const override { return playing_; }
    bool isReady() const override { return loaded_ || silent_; }

private:
    void statusChanged(QMediaPlayer::MediaStatus status) {
        if (!loaded_ &&
            (status == QMediaPlayer::LoadedMedia || status == QMediaPlayer::BufferedMedia ||
             status == QMediaPlayer::EndOfMedia)) {
            loaded_ = true;
            if (onChanged) onChanged();
        }
        if (status == QMediaPlayer::InvalidMedia && !loaded_) return fail();
        if (status == QMediaPlayer::EndOfMedia && playing_ && !silent_) reachedEnd();
    }

    void failedWhilePlaying() {
        if (!loaded_ || player_.duration() <= 0) return fail();
        if (silent_) return;
        // The medium loaded, so the sound device failed: keep time without it.
        silent_ = true;
        silence_.setLength(player_.duration());
        silence_.seek(player_.position());
        if (playing_) silence_.play();
    }

    void reachedEnd() {
        playing_ = false;
        atEnd_ = true;  // a video's window keeps its last frame until "Close"
        if (onFinished) onFinished();
    }

    void fail() {
        failed_ = true;
        playing_ = false;
        window_.hide();
        if (onFailed) onFailed();
    }

    void showVideo() {
        if (playing_ && !failed_ && player_.hasVideo() && !window_.isVisible()) window_.show();
    }

    QObject context_;  // receives the player's signals; cut off first thing in the destructor
    MediaTimeline silence_;
    VideoWindow window_;
    QAudioOutput audio_;
    QMediaPlayer player_;
    bool playing_ = false;
    bool atEnd_ = false;
    bool loaded_ = false;
    bool silent_ = false;
    bool failed_ = false;
};

}  // namespace

std::unique_ptr<MediaBackend> openWithDecoders(Clock& clock, const MediaSource& source) {
    return std::make_unique<QtBackend>(clock, source);
}
