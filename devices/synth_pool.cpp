#include "devices/synth_pool.h"

#include <fluidsynth.h>

#include <QElapsedTimer>
#include <QFileInfo>
#include <QThread>

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

Synthesizer::~Synthesizer() {
    delete_fluid_synth(synth_);
    delete_fluid_settings(settings_);
}

SynthPool::SynthPool(const QString& soundfontPath)
    : soundfont_(QFileInfo(soundfontPath).absoluteFilePath().toLocal8Bit()) {
    // The synthesizer's own messages would reach the terminal; the program keeps quiet.
    for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level)
        fluid_set_log_function(level, nullptr, nullptr);
    loader_ = QThread::create([this] {
        // Behind the event thread when the two compete for a core, but never starved: a starved
        // loader would hold the allocator's locks that the sound threads need.
        setpriority(PRIO_PROCESS, static_cast<id_t>(syscall(SYS_gettid)), 10);
        load();
    });
    loader_->setObjectName(QStringLiteral("soundfont loader"));
    loader_->start();
}

SynthPool::~SynthPool() {
    {
        std::lock_guard lock(mutex_);
        quit_ = true;
    }
    wake_.notify_all();
    loader_->wait();
    delete loader_;
}

std::unique_ptr<Synthesizer> SynthPool::makeSynth() const {
    fluid_settings_t* settings = new_fluid_settings();
    fluid_settings_setnum(settings, "synth.sample-rate", Synthesizer::kSampleRate);
    fluid_settings_setnum(settings, "synth.gain", 0.5);
    fluid_settings_setint(settings, "synth.cpu-cores", 1);
    fluid_synth_t* synth = new_fluid_synth(settings);
    if (!synth || fluid_synth_sfload(synth, soundfont_.constData(), 1) == FLUID_FAILED) {
        if (synth) delete_fluid_synth(synth);
        delete_fluid_settings(settings);
        return nullptr;
    }
    return std::make_unique<Synthesizer>(settings, synth);
}

void SynthPool::load() {
    for (;;) {
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock,
                       [this] { return quit_ || static_cast<int>(reserve_.size()) < wanted_; });
            if (quit_) return;
        }
        QElapsedTimer timer;
        timer.start();
        auto synth = makeSynth();
        {
            std::lock_guard lock(mutex_);
            if (firstLoadMs_ < 0) firstLoadMs_ = timer.elapsed();
            if (!synth) {
                broken_ = true;
            } else {
                reserve_.push_back(std::move(synth));
            }
        }
        QMetaObject::invokeMethod(
            this, [this] { serveWaiters(); }, Qt::QueuedConnection);
        if (broken()) return;
    }
}

std::unique_ptr<Synthesizer> SynthPool::take() {
    std::unique_ptr<Synthesizer> synth;
    {
        std::lock_guard lock(mutex_);
        if (reserve_.empty()) return nullptr;
        synth = std::move(reserve_.front());
        reserve_.pop_front();
    }
    wake_.notify_all();  // make the next one
    return synth;
}

void SynthPool::whenAvailable(QObject* context,
                              std::function<void(std::unique_ptr<Synthesizer>)> deliver) {
    waiters_.push_back({context, std::move(deliver)});
    {
        std::lock_guard lock(mutex_);
        wanted_ = 1 + static_cast<int>(waiters_.size());
    }
    wake_.notify_all();
    QMetaObject::invokeMethod(
        this, [this] { serveWaiters(); }, Qt::QueuedConnection);
}

void SynthPool::serveWaiters() {
    while (!waiters_.empty()) {
        Waiter& first = waiters_.front();
        if (!first.context) {
            waiters_.erase(waiters_.begin());
            continue;
        }
        std::unique_ptr<Synthesizer> synth = take();
        if (!synth && !broken()) break;
        Waiter waiter = std::move(first);
        waiters_.erase(waiters_.begin());
        waiter.deliver(std::move(synth));
    }
    std::lock_guard lock(mutex_);
    wanted_ = 1 + static_cast<int>(waiters_.size());
}

bool SynthPool::broken() const {
    std::lock_guard lock(mutex_);
    return broken_;
}

qint64 SynthPool::firstLoadMs() const {
    std::lock_guard lock(mutex_);
    return firstLoadMs_;
}
