#pragma once
// A media player widget's engine, driven by commands as the screens send them: "Open", "Play",
// "Stop", "Next", "Close". Names are resolved at every "Open". A command that cannot be carried
// out fails quietly and leaves the player without open media. Playing itself is a backend's job.
#include <QObject>
#include <QString>
#include <memory>

#include "media/media_backend.h"

class MediaPlayer : public QObject {
    Q_OBJECT
public:
    enum class Mode { NotOpen, Stopped, Playing };

    explicit MediaPlayer(MediaBackendFactory& factory, QObject* parent = nullptr);
    ~MediaPlayer() override;

    void setMediaFile(const QString& name);
    void setDeviceType(const QString& type);
    void sendCommand(const QString& command);

    QString currentMediaFile() const { return file_; }
    QString deviceType() const { return deviceType_; }
    Mode mode() const;
    bool isOpen() const { return backend_ != nullptr; }

    // Where names without a folder are looked up; the current directory by default.
    void setWorkingDir(const QString& dir) { workingDir_ = dir; }

signals:
    // Playing reached the end of the medium by itself; 1 means successful.
    void done(int notifyCode);
    // Any change of the open or playing state.
    void statusUpdate();
    // Every command as received, for observers such as the transport bar.
    void commandReceived(const QString& command);

private:
    void open();
    void close();
    void finished();

    MediaBackendFactory& factory_;
    QString file_;
    QString deviceType_;
    QString workingDir_;
    std::unique_ptr<MediaBackend> backend_;
};
