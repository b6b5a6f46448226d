#include "media/media_player.h"

#include <QDir>
#include <QTimer>

#include "media/media_path.h"

MediaPlayer::MediaPlayer(MediaBackendFactory& factory, QObject* parent)
    : QObject(parent), factory_(factory) {}

MediaPlayer::~MediaPlayer() = default;

void MediaPlayer::setMediaFile(const QString& name) {
    file_ = name;
}

void MediaPlayer::setDeviceType(const QString& type) {
    deviceType_ = type;
}

bool MediaPlayer::isCdAudio() const {
    return deviceType_.trimmed().compare(QLatin1String("CDAudio"), Qt::CaseInsensitive) == 0;
}

MediaPlayer::Mode MediaPlayer::mode() const {
    if (!backend_) return Mode::NotOpen;
    if (!backend_->isReady()) return Mode::NotReady;
    if (backend_->isPlaying()) return Mode::Playing;
    return paused_ ? Mode::Paused : Mode::Stopped;
}

void MediaPlayer::sendCommand(const QString& command) {
    emit commandReceived(command);
    run(command.trimmed().toLower());
    announceChange();
}

void MediaPlayer::run(const QString& c) {
    if (c == QLatin1String("open")) return open();
    if (c == QLatin1String("close")) return close();
    if (!backend_) return;  // nothing open: every other command fails quietly
    const bool wasPaused = paused_;
    paused_ = false;
    if (c == QLatin1String("play")) {
        if (!backend_->atEnd()) backend_->play();  // at the end nothing plays until moved
    } else if (c == QLatin1String("stop")) {
        backend_->pause();
    } else if (c == QLatin1String("pause")) {
        if (wasPaused) {
            backend_->play();
        } else if (backend_->isPlaying()) {
            backend_->pause();
            paused_ = true;
        }
    } else if (c == QLatin1String("next")) {
        backend_->next();
    } else if (c == QLatin1String("prev")) {
        backend_->previous();
    } else if (c == QLatin1String("eject")) {
        if (backend_->eject()) close();
    } else {
        paused_ = wasPaused;  // not a command of ours: nothing changes
    }
}

void MediaPlayer::open() {
    close();
    MediaSource source{file_, {}, isCdAudio()};
    if (!source.cdAudio) {
        source.path =
            resolveMediaPath(file_, workingDir_.isEmpty() ? QDir::currentPath() : workingDir_);
        if (source.path.isEmpty()) return;
    }
    backend_ = factory_.open(source);
    attach();
}

void MediaPlayer::attach() {
    if (!backend_) return;
    ++opened_;
    MediaBackend* self = backend_.get();
    // Each callback checks that it still comes from the open medium.
    backend_->onFinished = [this, self] {
        if (backend_.get() == self) finished();
    };
    backend_->onChanged = [this, self] {
        if (backend_.get() == self) announceChange();
    };
    backend_->onFailed = [this, self] {
        if (backend_.get() == self) failed();
    };
}

void MediaPlayer::close() {
    paused_ = false;
    backend_.reset();
}

void MediaPlayer::finished() {
    paused_ = false;
    announceChange();
    emit done(1);
}

void MediaPlayer::failed() {
    paused_ = false;
    retired_.push_back(std::move(backend_));
    QTimer::singleShot(0, this, [this] { retired_.clear(); });
    announceChange();
}

void MediaPlayer::announceChange() {
    const Status now = status();
    if (now == announced_) return;
    announced_ = now;
    emit statusUpdate();
}
