#pragma once
// A media player widget's engine, driven by commands as the screens and the transport bar send
// them: "Open", "Play", "Stop", "Pause", "Prev", "Next", "Eject", "Close". Names are resolved at
// every "Open". A command that cannot be carried out fails quietly and leaves the player without
// open media. Playing itself is a backend's job; this class only keeps the rules.
#include <QObject>
#include <QString>
#include <memory>
#include <vector>

#include "media/media_backend.h"

class MediaPlayer : public QObject {
    Q_OBJECT
public:
    // NotReady: open, the medium still being read. Paused is Stopped by "Pause": the next
    // "Pause" plays on.
    enum class Mode { NotOpen, NotReady, Stopped, Paused, Playing };

    explicit MediaPlayer(MediaBackendFactory& factory, QObject* parent = nullptr);
    ~MediaPlayer() override;

    void setMediaFile(const QString& name);
    void setDeviceType(const QString& type);
    void sendCommand(const QString& command);

    QString currentMediaFile() const { return file_; }
    QString deviceType() const { return deviceType_; }
    bool isCdAudio() const;
    Mode mode() const;
    bool isOpen() const { return backend_ != nullptr; }
    // Open and played to the end (or moved there by "Next"): "Play" does nothing until moved.
    bool atEnd() const { return backend_ && backend_->atEnd(); }

    // Where names without a folder are looked up; the current directory by default.
    void setWorkingDir(const QString& dir) { workingDir_ = dir; }

signals:
    // Playing reached the end of the medium by itself; 1 means successful.
    void done(int notifyCode);
    // Any change of the open or playing state, once per change.
    void statusUpdate();
    // Every command as received, for observers such as the transport bar.
    void commandReceived(const QString& command);

private:
    struct Status {
        int medium;  // which opening, 0 when closed: a new "Open" is a change of its own
        Mode mode;
        bool atEnd;
        bool operator==(const Status&) const = default;
    };
    Status status() const { return {backend_ ? opened_ : 0, mode(), atEnd()}; }
    void run(const QString& command);
    void open();
    void close();
    void attach();
    void finished();
    void failed();
    void announceChange();

    MediaBackendFactory& factory_;
    QString file_;
    QString deviceType_;
    QString workingDir_;
    std::unique_ptr<MediaBackend> backend_;
    // Backends that failed while one of their own signals ran: dropped once that has returned.
    std::vector<std::unique_ptr<MediaBackend>> retired_;
    bool paused_ = false;
    int opened_ = 0;
    Status announced_{0, Mode::NotOpen, false};
};
