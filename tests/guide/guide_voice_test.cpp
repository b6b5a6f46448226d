// The guide's voice: espeak-ng makes Russian speech of a plausible length, off the calling thread,
// and stops when told; without a sound device the speech still keeps its time.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTest>
#include <future>

#include "devices/espeak_voice.h"
#include "devices/speech_synth.h"

namespace {

// Makes the sentence and waits (with a generous limit) until nothing more comes.
std::shared_ptr<Utterance> synthesise(SpeechSynth& synth, const QString& text,
                                      std::function<void(Utterance&)> onStart = {}) {
    auto u = std::make_shared<Utterance>();
    u->text = text;
    std::promise<void> done;
    Utterance* raw = u.get();
    if (onStart) u->started = [raw, onStart] { onStart(*raw); };
    u->finished = [&done] { done.set_value(); };
    synth.say(u);
    EXPECT_EQ(done.get_future().wait_for(std::chrono::seconds(20)), std::future_status::ready);
    return u;
}

double rms(const std::vector<qint16>& samples) {
    double sum = 0;
    for (qint16 s : samples) sum += double(s) * s;
    return samples.empty() ? 0 : std::sqrt(sum / double(samples.size()));
}

TEST(SpeechSynth, MakesRussianSpeechOfAPlausibleLength) {
    struct Case {
        const char* text;
        int words;
    } cases[] = {
        {"Пиши, звони, не тормози!", 4},
        {"Нажми мышкой на экран дисплея.", 5},
        {"Вот некоторые объекты Visual Basic. Что бы узнать название объекта - наведи на него "
         "указатель мыши. Для получения более подробной информации - нажми на интересующий тебя "
         "объект.",
         26},
    };
    SpeechSynth synth;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const auto u = synthesise(synth, QString::fromUtf8(c.text));
        EXPECT_FALSE(u->failed);
        EXPECT_TRUE(u->done());
        // A child-friendly pace: a fifth to two thirds of a second a word.
        EXPECT_GT(u->durationMs(), c.words * 200);
        EXPECT_LT(u->durationMs(), c.words * 700 + 500);
        EXPECT_GT(rms(u->samples), 500);  // speech, not silence
        // The mouth has something to follow: loud syllables and quiet gaps.
        const auto [quiet, loud] = std::minmax_element(u->loudness.begin(), u->loudness.end());
        EXPECT_LT(*quiet, 0.05f);
        EXPECT_GT(*loud, 0.3f);
    }
}

TEST(SpeechSynth, CancellingStopsTheSentenceEarly) {
    SpeechSynth synth;
    const QString text = QStringLiteral(
        "Ступи на палубу парусника и отправляйся в кругосветное путешествие в мир мультимедиа!");
    const auto whole = synthesise(synth, text);
    const auto cut = synthesise(synth, text, [](Utterance& u) { u.cancelled = true; });
    EXPECT_TRUE(cut->done());
    EXPECT_GT(cut->length(), 0);
    EXPECT_LT(cut->length() * 4, whole->length());
}

TEST(EspeakVoice, TellsHowLongTheSpeechLastsAndMovesTheMouthWithIt) {
    // Offscreen tests usually have no sound server: the voice keeps time all the same.
    EspeakVoice voice;
    qint64 remaining = -1;
    QElapsedTimer since;
    since.start();
    voice.say(QStringLiteral("Нажми мышкой на экран дисплея."), [&](qint64 ms) { remaining = ms; });
    QTRY_VERIFY_WITH_TIMEOUT(remaining >= 0, 20'000);
    EXPECT_GT(remaining, 1000);
    EXPECT_LT(remaining, 4000);
    float widest = 0;
    QElapsedTimer speaking;
    speaking.start();
    while (speaking.elapsed() < 1000) {
        widest = std::max(widest, voice.mouth());
        QTest::qWait(10);
    }
    EXPECT_GT(widest, 0.3f);
    voice.hush();
    EXPECT_EQ(voice.mouth(), 0.0f);
}

TEST(EspeakVoice, ANewSentenceCutsTheOldOneAndOnlyItsLengthIsReported) {
    EspeakVoice voice;
    QStringList reports;
    voice.say(QStringLiteral("Ударь стражника по шлему!"), [&](qint64) { reports << "first"; });
    voice.say(QStringLiteral("Наступи на левое ухо котенка."),
              [&](qint64) { reports << "second"; });
    QTRY_VERIFY_WITH_TIMEOUT(!reports.isEmpty(), 20'000);
    QTest::qWait(200);
    EXPECT_EQ(reports, QStringList{"second"});
}

}  // namespace
