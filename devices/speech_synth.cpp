#include "devices/speech_synth.h"

#include <espeak-ng/speak_lib.h>

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <thread>

namespace {

constexpr int kBufferMs = 40;  // espeak hands over samples in pieces of this length
constexpr int kRate = 150;     // words a minute: unhurried, for children
constexpr int kPitch = 58;

// espeak calls back with samples; returning 1 stops the synthesis.
int collect(short* wav, int count, espeak_EVENT* events) {
    auto* u = static_cast<Utterance*>(events ? events->user_data : nullptr);
    if (!u) return 0;
    if (u->cancelled) return 1;
    if (!wav || count <= 0) return 0;
    bool first = false;
    {
        std::lock_guard guard(u->lock);
        first = u->samples.empty();
        u->samples.insert(u->samples.end(), wav, wav + count);
        // Loudness of every finished block, for the mouth.
        const size_t block = size_t(u->sampleRate) * Utterance::kBlockMs / 1000;
        while ((u->loudness.size() + 1) * block <= u->samples.size()) {
            const qint16* s = u->samples.data() + u->loudness.size() * block;
            double sum = 0;
            for (size_t i = 0; i < block; ++i) sum += double(s[i]) * s[i];
            u->loudness.push_back(float(std::min(1.0, std::sqrt(sum / block) / 5000.0)));
        }
    }
    if (first && u->started) u->started();
    return u->cancelled ? 1 : 0;
}

// espeak-ng is one engine a process: it is loaded once and kept (it cannot be ended and loaded
// again without hanging), and one sentence at a time is made with it.
struct Engine {
    std::mutex lock;
    bool ready = false;
    int sampleRate = 22050;
};

Engine& engine() {
    static Engine e;
    static std::once_flag loaded;
    std::call_once(loaded, [] {
        const int rate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, kBufferMs, nullptr,
                                           espeakINITIALIZE_DONT_EXIT);
        e.ready = rate > 0 && espeak_SetVoiceByName("ru") == EE_OK;
        if (rate > 0) e.sampleRate = rate;
        if (e.ready) {
            espeak_SetSynthCallback(collect);
            espeak_SetParameter(espeakRATE, kRate, 0);
            espeak_SetParameter(espeakPITCH, kPitch, 0);
        }
    });
    return e;
}

}  // namespace

qint64 Utterance::read(qint64 from, qint16* out, qint64 count) const {
    std::lock_guard guard(lock);
    const qint64 n = std::clamp<qint64>(qint64(samples.size()) - from, 0, count);
    std::copy_n(samples.data() + from, n, out);
    return n;
}

qint64 Utterance::length() const {
    std::lock_guard guard(lock);
    return qint64(samples.size());
}

bool Utterance::done() const {
    std::lock_guard guard(lock);
    return complete;
}

float Utterance::loudnessAt(qint64 sample) const {
    std::lock_guard guard(lock);
    const qint64 block = sample * 1000 / (qint64(sampleRate) * kBlockMs);
    return block >= 0 && block < qint64(loudness.size()) ? loudness[size_t(block)] : 0.0f;
}

qint64 Utterance::durationMs() const {
    std::lock_guard guard(lock);
    return qint64(samples.size()) * 1000 / sampleRate;
}

SpeechSynth::SpeechSynth() : thread_([this] { run(); }) {}

SpeechSynth::~SpeechSynth() {
    {
        std::lock_guard guard(lock_);
        quit_ = true;
    }
    cancelAll();
    wake_.notify_all();
    thread_.join();
}

void SpeechSynth::say(std::shared_ptr<Utterance> u) {
    {
        std::lock_guard guard(lock_);
        waiting_.push_back(std::move(u));
    }
    wake_.notify_all();
}

void SpeechSynth::cancelAll() {
    std::lock_guard guard(lock_);
    for (auto& u : waiting_) u->cancelled = true;
    if (speaking_) speaking_->cancelled = true;
}

void SpeechSynth::run() {
    // The voice loads now, before the first sentence is asked for, but behind the event thread:
    // at start-up the two often share a core. Sentences are then made at normal priority, so
    // that speech never stutters (a thread cannot take back a priority it gave up).
    std::thread([] {
        setpriority(PRIO_PROCESS, static_cast<id_t>(syscall(SYS_gettid)), 10);
        engine();
    }).join();
    for (;;) {
        std::shared_ptr<Utterance> u;
        {
            std::unique_lock guard(lock_);
            wake_.wait(guard, [this] { return quit_ || !waiting_.empty(); });
            if (quit_) break;
            u = std::move(waiting_.front());
            waiting_.pop_front();
            speaking_ = u;
        }
        speak(*u);
        std::lock_guard guard(lock_);
        speaking_.reset();
    }
}

void SpeechSynth::speak(Utterance& u) {
    Engine& e = engine();
    {
        std::lock_guard guard(u.lock);
        u.sampleRate = e.sampleRate;
        u.failed = !e.ready;
    }
    if (e.ready && !u.cancelled) {
        const QByteArray text = u.text.toUtf8();
        std::lock_guard one(e.lock);
        espeak_Synth(text.constData(), size_t(text.size()) + 1, 0, POS_CHARACTER, 0,
                     espeakCHARS_UTF8, nullptr, &u);
    }
    {
        std::lock_guard guard(u.lock);
        u.complete = true;
    }
    if (u.finished) u.finished();
}
