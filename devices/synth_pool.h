#pragma once
// General MIDI synthesizers with the soundfont loaded, made on a thread of their own: loading
// takes tens of milliseconds, and neither start-up nor a click may wait for it. One is kept in
// reserve, so that a song usually starts at once; a song that finds none waits for the next.
#include <QObject>
#include <QPointer>
#include <QString>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

class QThread;
typedef struct _fluid_synth_t fluid_synth_t;
typedef struct _fluid_hashtable_t fluid_settings_t;

// One synthesizer with its settings; it renders 44100 frames a second of stereo float samples.
class Synthesizer {
public:
    static constexpr int kSampleRate = 44100;
    Synthesizer(fluid_settings_t* settings, fluid_synth_t* synth)
        : settings_(settings), synth_(synth) {}
    ~Synthesizer();
    Synthesizer(const Synthesizer&) = delete;
    Synthesizer& operator=(const Synthesizer&) = delete;
    fluid_synth_t* get() const { return synth_; }

private:
    fluid_settings_t* settings_;
    fluid_synth_t* synth_;
};

class SynthPool : public QObject {
public:
    explicit SynthPool(const QString& soundfontPath);
    ~SynthPool() override;

    // A synthesizer from the reserve, or nullptr when none is ready yet.
    std::unique_ptr<Synthesizer> take();
    // Hands the next ready one to `deliver` on the event thread, unless `context` is gone by
    // then; a null one when the soundfont cannot be loaded.
    void whenAvailable(QObject* context, std::function<void(std::unique_ptr<Synthesizer>)> deliver);
    // The soundfont could not be loaded: songs keep time without sound.
    bool broken() const;
    // How long the first synthesizer took to load, in milliseconds; -1 until it is ready.
    qint64 firstLoadMs() const;

private:
    struct Waiter {
        QPointer<QObject> context;
        std::function<void(std::unique_ptr<Synthesizer>)> deliver;
    };
    void load();
    void serveWaiters();
    std::unique_ptr<Synthesizer> makeSynth() const;

    const QByteArray soundfont_;
    QThread* loader_ = nullptr;
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::unique_ptr<Synthesizer>> reserve_;  // guarded by mutex_
    int wanted_ = 1;                                    // guarded by mutex_
    bool quit_ = false;                                 // guarded by mutex_
    bool broken_ = false;                               // guarded by mutex_
    qint64 firstLoadMs_ = -1;                           // guarded by mutex_
    std::vector<Waiter> waiters_;                       // event thread only
};
