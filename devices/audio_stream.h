#pragma once
// Plays samples that we make ourselves (a WAVE file's, the synthesizer's, the disc's) through the
// sound server's default device. Each stream has a thread of its own where its source is read and
// the server fed, half a second at a time, so that a busy event thread never breaks up the
// sound and a slow disc never holds up a click. Without a sound server a stream stays silent: the
// players keep time by themselves.
#include <QAudioFormat>
#include <QIODevice>
#include <QThread>
#include <functional>
#include <memory>

class SampleSource {
public:
    virtual ~SampleSource() = default;
    // Fills up to `maxBytes` (whole frames of the stream's format); 0 once there is nothing more.
    virtual qint64 read(char* data, qint64 maxBytes) = 0;
};

// A source's samples as a device for the sound device to pull. Requests come in any size, not
// only whole frames: the part of a frame that a request leaves is kept for the next one, and only
// the source's own end ends the device (a request smaller than a frame is no end).
class SampleDevice final : public QIODevice {
public:
    SampleDevice(SampleSource& source, int bytesPerFrame);
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;
    bool atEnd() const override { return finished_; }
    void reopen();  // after the source was repositioned
    bool finished() const { return finished_; }

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    qint64 takeSpare(char* data, qint64 maxSize);

    SampleSource& source_;
    const qint64 frameBytes_;
    QByteArray spare_;  // the rest of a frame split by the last request
    bool finished_ = false;
};

class AudioStream {
public:
    AudioStream(const QAudioFormat& format, std::unique_ptr<SampleSource> source);
    ~AudioStream();  // silent at once; waits for the stream's thread
    AudioStream(const AudioStream&) = delete;
    AudioStream& operator=(const AudioStream&) = delete;

    void play();   // starts or resumes the sound
    void pause();  // holds it, buffered samples kept
    // Drops the buffered sound and runs `reposition` on the stream's thread; a playing stream
    // goes on from the new place.
    void restart(std::function<void(SampleSource&)> reposition);
    // Runs `job` on the stream's thread, in order with the other requests.
    void run(std::function<void(SampleSource&)> job);

    // Whether there is a sound device to play on (checked when the stream was made).
    bool audible() const { return audible_; }

private:
    class Worker;
    QThread thread_;
    Worker* worker_;
    bool audible_;
};
