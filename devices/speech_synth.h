#pragma once
// Russian speech from espeak-ng (voice "ru"), made on a thread of its own so that no caller ever
// waits for it. An utterance fills up as the samples come, so playing can begin while the rest of
// the sentence is still being made; cancelling one stops its synthesis at the next buffer.
#include <QString>
#include <QtGlobal>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

struct Utterance {
    static constexpr int kBlockMs = 10;  // loudness is kept per block of this length

    QString text;
    std::function<void()> started;   // on the synthesis thread, with the first samples
    std::function<void()> finished;  // on the synthesis thread, when nothing more will come
    std::atomic<bool> cancelled{false};

    mutable std::mutex lock;  // guards what follows
    int sampleRate = 22050;
    std::vector<qint16> samples;
    std::vector<float> loudness;  // 0 .. 1, one a block
    bool complete = false;
    bool failed = false;  // no voice: nothing was or will be made

    // Copies up to `count` samples from `from` on; how many it copied.
    qint64 read(qint64 from, qint16* out, qint64 count) const;
    qint64 length() const;
    bool done() const;
    float loudnessAt(qint64 sample) const;
    qint64 durationMs() const;  // of the samples so far
};

class SpeechSynth {
public:
    SpeechSynth();   // the voice loads in the background
    ~SpeechSynth();  // ends what is being said and waits for the thread

    // Starts making `u`; the callbacks run on the synthesis thread.
    void say(std::shared_ptr<Utterance> u);
    // Cancels every utterance not yet finished.
    void cancelAll();

private:
    void run();
    void speak(Utterance& u);

    std::mutex lock_;
    std::condition_variable wake_;
    std::deque<std::shared_ptr<Utterance>> waiting_;
    std::shared_ptr<Utterance> speaking_;
    bool quit_ = false;
    std::thread thread_;
};
