#include "media/media_player.h"

#include <QDir>

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

MediaPlayer::Mode MediaPlayer::mode() const {
    if (!backend_) return Mode::NotOpen;
    return backend_->isPlaying() ? Mode::Playing : Mode::Stopped;
}

void MediaPlayer::sendCommand(const QString& command) {
    emit commandReceived(command);
    const QString c = command.trimmed().toLower();
    if (c == QLatin1String("open")) {
        open();
    } else if (c == QLatin1String("close")) {
        close();
    } else if (!backend_) {
        return;  // nothing open: every other command fails quietly
    } else if (c == QLatin1String("play")) {
        if (backend_->atEnd()) return;  // at the end nothing plays until moved or reopened
        backend_->play();
    } else if (c == QLatin1String("stop")) {
        backend_->pause();
    } else if (c == QLatin1String("next")) {
        backend_->next();
    } else {
        return;
    }
    emit statusUpdate();
}

void MediaPlayer::open() {
    backend_.reset();
    MediaSource source{
        file_, {}, deviceType_.compare(QLatin1String("CDAudio"), Qt::CaseInsensitive) == 0};
    if (!source.cdAudio) {
        source.path =
            resolveMediaPath(file_, workingDir_.isEmpty() ? QDir::currentPath() : workingDir_);
        if (source.path.isEmpty()) {
            emit statusUpdate();
            return;
        }
    }
    backend_ = factory_.open(source);
    if (backend_) backend_->onFinished = [this] { finished(); };
    emit statusUpdate();
}

void MediaPlayer::close() {
    if (!backend_) return;
    backend_.reset();
    emit statusUpdate();
}

void MediaPlayer::finished() {
    emit statusUpdate();
    emit done(1);
}
