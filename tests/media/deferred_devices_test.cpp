// Media and a voice used before the real devices have come: what was asked meanwhile happens when
// they come, what was taken back does not, and afterwards everything goes straight through. The
// module with the real devices loads from the build tree.
#include <gtest/gtest.h>

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "media/deferred_devices.h"
#include "media/media_player.h"
#include "shell/device_loader.h"
#include "shell/manual_clock.h"
#include "tests/media/media_fixtures.h"
#include "tests/support/test_program.h"

namespace {

using Mode = MediaPlayer::Mode;

// Writes down what it is told to say, and hands out the `lasts` it was given.
class NotedVoice final : public GuideVoice {
public:
    void say(const QString& text, std::function<void(qint64)> lasts) override {
        said << text;
        lasts_ = std::move(lasts);
    }
    void hush() override { said << QStringLiteral("(hush)"); }
    float mouth() const override { return 0.5F; }
    void speechLasts(qint64 ms) {
        if (lasts_) lasts_(ms);
    }

    QStringList said;

private:
    std::function<void(qint64)> lasts_;
};

class DeferredDevicesTest : public ::testing::Test {
protected:
    DeferredDevicesTest() {
        for (const char* name : {"a.wav", "b.wav"}) {
            QFile f(dir.filePath(QString::fromLatin1(name)));
            EXPECT_TRUE(f.open(QIODevice::WriteOnly));
            f.write("RIFF");
        }
    }

    std::unique_ptr<MediaPlayer> playerOf(const char* file) {
        auto player = std::make_unique<MediaPlayer>(devices.media());
        player->setWorkingDir(dir.path());
        player->setMediaFile(QString::fromLatin1(file));
        return player;
    }

    // The real devices: media that open every file there is, and the noted voice.
    void arrive() {
        auto media = std::make_unique<FakeMedia>(clock);
        realMedia = media.get();
        auto speaker = std::make_unique<NotedVoice>();
        voice = speaker.get();
        devices.arrive({std::move(media), std::move(speaker)});
    }

    QTemporaryDir dir;
    ManualClock clock;
    DeferredDevices devices;
    FakeMedia* realMedia = nullptr;
    NotedVoice* voice = nullptr;
};

TEST_F(DeferredDevicesTest, MediumPlayedBeforeTheDevicesCamePlaysWhenTheyCome) {
    auto player = playerOf("a.wav");
    QSignalSpy updates(player.get(), &MediaPlayer::statusUpdate);
    player->sendCommand(QStringLiteral("Open"));
    player->sendCommand(QStringLiteral("Play"));
    EXPECT_EQ(player->mode(), Mode::NotReady);

    arrive();
    EXPECT_EQ(realMedia->opened, 1);
    EXPECT_EQ(player->mode(), Mode::Playing);
    EXPECT_GE(updates.count(), 2);  // not ready, then playing

    clock.advance(1000);  // the real medium's end reaches the player
    EXPECT_EQ(player->mode(), Mode::Stopped);
    EXPECT_TRUE(player->atEnd());
}

TEST_F(DeferredDevicesTest, WhatWasStoppedOrClosedMeanwhileStaysSoAndMissingFilesFailAtOnce) {
    auto stopped = playerOf("a.wav");
    stopped->sendCommand(QStringLiteral("Open"));
    stopped->sendCommand(QStringLiteral("Play"));
    stopped->sendCommand(QStringLiteral("Stop"));
    auto closed = playerOf("b.wav");
    closed->sendCommand(QStringLiteral("Open"));
    closed->sendCommand(QStringLiteral("Close"));
    auto missing = playerOf("none.wav");
    missing->sendCommand(QStringLiteral("Open"));
    EXPECT_EQ(missing->mode(), Mode::NotOpen);
    auto gone = playerOf("b.wav");
    gone->sendCommand(QStringLiteral("Open"));
    gone.reset();

    arrive();
    EXPECT_EQ(realMedia->opened, 1);  // only the stopped one
    EXPECT_EQ(stopped->mode(), Mode::Stopped);
    EXPECT_EQ(closed->mode(), Mode::NotOpen);
}

TEST_F(DeferredDevicesTest, AFileTheDevicesCannotPlayFailsWhenTheyCome) {
    auto player = playerOf("a.wav");
    player->sendCommand(QStringLiteral("Open"));
    player->sendCommand(QStringLiteral("Play"));
    ASSERT_TRUE(QFile::remove(dir.filePath(QStringLiteral("a.wav"))));

    arrive();
    EXPECT_EQ(player->mode(), Mode::NotOpen);
    player->sendCommand(QStringLiteral("Play"));  // fails quietly, as for any closed player
    EXPECT_EQ(player->mode(), Mode::NotOpen);
}

TEST_F(DeferredDevicesTest, TheLastSentenceSaidMeanwhileIsSaidWhenTheVoiceComesUnlessHushed) {
    GuideVoice& v = devices.voice();
    EXPECT_LT(v.mouth(), 0);  // nothing to follow: the guide moves its mouth by itself
    qint64 heard = -1;
    v.say(QStringLiteral("Привет!"), [](qint64) {});
    v.say(QStringLiteral("Нажми мышкой на экран дисплея."), [&](qint64 ms) { heard = ms; });

    arrive();
    EXPECT_EQ(voice->said, QStringList{QStringLiteral("Нажми мышкой на экран дисплея.")});
    voice->speechLasts(1800);
    EXPECT_EQ(heard, 1800);
    EXPECT_EQ(v.mouth(), 0.5F);
    v.say(QStringLiteral("Попутного тебе ветра!"), [](qint64) {});
    v.hush();
    EXPECT_EQ(voice->said,
              (QStringList{QStringLiteral("Нажми мышкой на экран дисплея."),
                           QStringLiteral("Попутного тебе ветра!"), QStringLiteral("(hush)")}));
}

TEST_F(DeferredDevicesTest, HushedBeforeTheVoiceCameNothingIsSaid) {
    devices.voice().say(QStringLiteral("Привет!"), [](qint64) {});
    devices.voice().hush();
    arrive();
    EXPECT_TRUE(voice->said.isEmpty());
}

TEST_F(DeferredDevicesTest, WithoutDevicesNothingOpensAndTheGuideSpeaksInSilence) {
    auto player = playerOf("a.wav");
    player->sendCommand(QStringLiteral("Open"));
    devices.voice().say(QStringLiteral("Привет!"), [](qint64) {});
    devices.arrive({});
    EXPECT_EQ(player->mode(), Mode::NotOpen);
    player->sendCommand(QStringLiteral("Open"));
    EXPECT_EQ(player->mode(), Mode::NotOpen);
    EXPECT_LT(devices.voice().mouth(), 0);
}

TEST(DeferredDevicesLifetime, AMediumWaitingWhenTheDevicesGoIsLeftHarmless) {
    QTemporaryDir dir;
    QFile f(dir.filePath(QStringLiteral("a.wav")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    std::unique_ptr<MediaBackend> waiting;
    {
        DeferredDevices devices;
        waiting = devices.media().open({QStringLiteral("a.wav"), f.fileName()});
        ASSERT_TRUE(waiting);
    }
    waiting->play();
    EXPECT_FALSE(waiting->isReady());
    waiting.reset();  // must not touch the devices that went
}

TEST(DeviceModule, TheBuiltModuleMakesMediaThatPlayAndAVoice) {
    ManualClock clock;
    Devices made;
    QString why;
    ASSERT_TRUE(loadDevicesFrom(
        {QStringLiteral("/nonexistent/" DEVICE_MODULE_NAME), QStringLiteral(DEVICE_MODULE_PATH)},
        clock, made, &why))
        << why.toStdString();
    ASSERT_TRUE(made.media && made.voice);
    QTemporaryDir dir;
    const QString wave = dir.filePath(QStringLiteral("tone.wav"));
    writeBytes(wave, waveFile(Tone{.lengthMs = 300}));
    auto medium = made.media->open({QStringLiteral("tone.wav"), wave});
    ASSERT_TRUE(medium);
    medium->play();
    EXPECT_TRUE(medium->isPlaying());
}

TEST(DeviceModule, NoModuleOrABrokenOneIsRefusedWithTheReason) {
    ManualClock clock;
    Devices made;
    QString why;
    EXPECT_FALSE(loadDevicesFrom({QStringLiteral("/nonexistent/m.so")}, clock, made, &why));
    EXPECT_TRUE(why.contains(QLatin1String("/nonexistent/m.so"))) << why.toStdString();

    QTemporaryDir dir;
    QFile broken(dir.filePath(QStringLiteral("m.so")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a library");
    broken.close();
    EXPECT_FALSE(loadDevicesFrom({broken.fileName()}, clock, made, &why));
    EXPECT_FALSE(why.isEmpty());
    EXPECT_FALSE(made.media);
}

}  // namespace
