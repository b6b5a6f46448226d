#pragma once
// The guide's Russian voice: espeak-ng makes the speech on its own thread, and the samples go to
// the sound server through Qt Multimedia on a second thread as they come, so the first word is
// heard while the rest is still being made and nothing waits on the event thread. Without a
// sound device the speech still takes its time, so the mouth and the balloon keep in step.
#include <QObject>
#include <QThread>
#include <atomic>
#include <memory>

#include "devices/speech_synth.h"
#include "media/guide_voice.h"

class SpeechOutput;

class EspeakVoice final : public QObject, public GuideVoice {
    Q_OBJECT
public:
    EspeakVoice();
    ~EspeakVoice() override;

    void say(const QString& text, std::function<void(qint64 remainingMs)> lasts) override;
    void hush() override;
    float mouth() const override;

    // Whether the sound goes to a device (not only kept in time).
    bool hasSoundDevice() const;

private:
    void finished(const std::shared_ptr<Utterance>& u, int serial);

    std::unique_ptr<SpeechSynth> synth_;
    QThread audioThread_;
    SpeechOutput* output_;
    std::shared_ptr<Utterance> current_;
    std::function<void(qint64)> lasts_;
    int serial_ = 0;
};
