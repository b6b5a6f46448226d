// Sound that really comes out: the players play into a private sound server with a null sink
// (see with_sound_server) and the tests record its monitor.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include "devices/default_backends.h"
#include "media/media_player.h"
#include "shell/qt_clock.h"
#include "tests/media/media_fixtures.h"
#include "tests/media/sound_recorder.h"

namespace {

using Mode = MediaPlayer::Mode;

constexpr double kHeard = 0.02;  // a level well above the server's silence
constexpr double kSilent = 0.002;

class SoundTest : public ::testing::Test {
protected:
    SoundTest() : media(makeDefaultBackendFactory(clock)) {}
    void SetUp() override { ASSERT_TRUE(recorder.start()) << "no sound server to record from"; }

    std::unique_ptr<MediaPlayer> player(const QString& file) {
        auto p = std::make_unique<MediaPlayer>(*media);
        p->setWorkingDir(dir.path());
        p->setMediaFile(file);
        return p;
    }
    // Plays, waits for the medium to be ready and returns the recorder's place at that moment.
    qint64 play(MediaPlayer& p) {
        p.sendCommand("Open");
        p.sendCommand("Play");
        [&] { QTRY_COMPARE_WITH_TIMEOUT(p.mode(), Mode::Playing, 10000); }();
        return recorder.now();
    }
    // The level of what is heard over the next `ms`, leaving out the first 150 ms.
    double levelOver(int ms) {
        const qint64 from = recorder.now() + SoundRecorder::kRate * 15 / 100;
        recorder.record(ms);
        return recorder.level(from, recorder.now());
    }
    double toneOver(int ms, double frequency) {
        const qint64 from = recorder.now() + SoundRecorder::kRate * 15 / 100;
        recorder.record(ms);
        return recorder.toneLevel(from, recorder.now(), frequency);
    }
    QString path(const QString& name) const { return QDir(dir.path()).filePath(name); }

    QTemporaryDir dir;
    QtClock clock;
    std::unique_ptr<MediaBackendFactory> media;
    SoundRecorder recorder;
};

TEST_F(SoundTest, AWaveIsHeardWhilePlayingAndSilentAfterStop) {
    writeBytes(path("tone.wav"), waveFile(Tone{.lengthMs = 3000}));
    EXPECT_LT(levelOver(200), kSilent);
    auto p = player("tone.wav");
    play(*p);
    EXPECT_GT(levelOver(400), kHeard);
    p->sendCommand("Stop");
    EXPECT_LT(levelOver(300), kSilent);
    p->sendCommand("Play");
    EXPECT_GT(levelOver(300), kHeard);
    p->sendCommand("Close");
    EXPECT_LT(levelOver(300), kSilent);
}

TEST_F(SoundTest, AWavePlayedToItsEndFallsSilentAndIsHeardAgainFromItsStart) {
    writeBytes(path("short.wav"), waveFile(Tone{.lengthMs = 700}));
    auto p = player("short.wav");
    QSignalSpy done(p.get(), &MediaPlayer::done);
    play(*p);
    ASSERT_TRUE(done.wait(5000));
    EXPECT_LT(levelOver(400), kSilent);
    p->sendCommand("Prev");
    p->sendCommand("Play");
    EXPECT_GT(levelOver(300), kHeard);
    ASSERT_TRUE(done.wait(5000));
    EXPECT_LT(levelOver(400), kSilent);
}

TEST_F(SoundTest, AWaveClosedAsItEndsLeavesNothingBehindThatCouldCallIt) {
    writeBytes(path("blip.wav"), waveFile(Tone{.lengthMs = 150}));
    for (int i = 0; i < 5; ++i) {
        auto p = player("blip.wav");
        QSignalSpy done(p.get(), &MediaPlayer::done);
        play(*p);
        ASSERT_TRUE(done.wait(5000));
        p.reset();  // while the server still plays out what it holds
        QTest::qWait(400);
    }
}

TEST_F(SoundTest, AWaveCutShortOnTheDiscWhileItPlaysGoesOnToItsEnd) {
    writeBytes(path("long.wav"), waveFile(Tone{.lengthMs = 8000}));
    auto p = player("long.wav");
    play(*p);
    EXPECT_GT(levelOver(300), kHeard);
    ASSERT_TRUE(QFile::resize(path("long.wav"), 100));  // a mapped file would kill us here
    EXPECT_GT(levelOver(2500), kHeard);
    EXPECT_EQ(p->mode(), Mode::Playing);
}

TEST_F(SoundTest, AMidiSongIsHeard) {
    writeBytes(path("tune.mid"), midiTune(8));
    auto p = player("tune.mid");
    play(*p);
    EXPECT_GT(levelOver(1000), kHeard / 4);
    p->sendCommand("Stop");
    EXPECT_LT(levelOver(300), kSilent);
}

TEST_F(SoundTest, AnMp3IsHeardAndEndsWithItsNotification) {
    ASSERT_TRUE(
        gstreamerMakes("audiotestsrc num-buffers=60 freq=440 volume=0.5 ! audioconvert ! "
                       "lamemp3enc ! filesink location=%1",
                       path("tone.mp3")));
    auto p = player("tone.mp3");
    QSignalSpy done(p.get(), &MediaPlayer::done);
    play(*p);
    EXPECT_GT(toneOver(400, 440), kHeard);
    QTRY_COMPARE_WITH_TIMEOUT(done.count(), 1, 10000);
    EXPECT_TRUE(p->atEnd());
}

TEST_F(SoundTest, TheSoundTrackOfAnAviIsHeardAndItsVideoHasAWindowUntilClose) {
    ASSERT_TRUE(gstreamerMakes(
        "videotestsrc num-buffers=75 ! video/x-raw,width=160,height=120,framerate=25/1 ! jpegenc ! "
        "avimux name=mux ! filesink location=%1 audiotestsrc num-buffers=130 freq=660 volume=0.5 ! "
        "audio/x-raw,rate=44100,channels=1 ! mux.",
        path("clip.avi")));
    auto p = player("\\evy\\..\\clip.avi");
    p->setMediaFile(path("clip.avi"));
    play(*p);
    EXPECT_GT(toneOver(500, 660), kHeard);
    auto videoWindow = [] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && w->windowTitle() == "clip.avi") return w;
        return static_cast<QWidget*>(nullptr);
    };
    QTRY_VERIFY(videoWindow());
    QTRY_COMPARE(videoWindow()->size(), QSize(160, 120));
    p->sendCommand("Close");
    EXPECT_FALSE(videoWindow());
    EXPECT_LT(levelOver(300), kSilent);
}

TEST_F(SoundTest, TheTracksOfADiscAreHeardAndNextGoesToTheSecond) {
    const QString cue = writeDiscImage(dir.path(), {Tone{.lengthMs = 3000, .frequency = 440},
                                                    Tone{.lengthMs = 3000, .frequency = 880}});
    auto disc = makeDefaultBackendFactory(clock, MediaSettings{.discDrive = cue});
    MediaPlayer p(*disc);
    p.setDeviceType("CDAudio");
    play(p);
    EXPECT_GT(toneOver(400, 440), kHeard);
    p.sendCommand("Next");
    const double second = toneOver(400, 880);
    EXPECT_GT(second, kHeard);
    p.sendCommand("Stop");
    EXPECT_LT(levelOver(300), kSilent);
    p.sendCommand("Close");
}

TEST_F(SoundTest, TwoPlayersMix) {
    writeBytes(path("low.wav"),
               waveFile(Tone{.lengthMs = 3000, .frequency = 440, .amplitude = 0.3}));
    writeBytes(
        path("high.wav"),
        waveFile(Tone{.sampleRate = 44100, .lengthMs = 3000, .frequency = 1000, .amplitude = 0.3}));
    auto low = player("low.wav");
    auto high = player("high.wav");
    play(*low);
    play(*high);
    const qint64 from = recorder.now() + SoundRecorder::kRate / 5;
    recorder.record(600);
    EXPECT_GT(recorder.toneLevel(from, recorder.now(), 440), kHeard);
    EXPECT_GT(recorder.toneLevel(from, recorder.now(), 1000), kHeard);
}

}  // namespace
