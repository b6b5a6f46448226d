// The real media behind the player, against files the tests make, on the model clock: which
// files open, quiet failure of bad ones, and end notifications at the time the medium would end.
// Whether sound really comes out is media_sound_test's business; these pass with or without a
// sound device.
#include <gtest/gtest.h>

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "devices/default_backends.h"
#include "media/media_player.h"
#include "shell/manual_clock.h"
#include "tests/media/media_fixtures.h"
#include "tests/support/test_program.h"

namespace {

using Mode = MediaPlayer::Mode;

class MediaBackendsTest : public ::testing::Test {
protected:
    explicit MediaBackendsTest(MediaSettings settings = {})
        : media(makeDefaultBackendFactory(clock, settings)), player(*media) {
        player.setWorkingDir(dir.path());
    }
    QString path(const QString& name) const { return QDir(dir.path()).filePath(name); }
    // Opens and waits while the medium is being read (decoders and discs take a moment).
    Mode open(const QString& name) {
        player.setMediaFile(name);
        player.sendCommand("Open");
        [&] { QTRY_VERIFY_WITH_TIMEOUT(player.mode() != Mode::NotReady, 10000); }();
        return player.mode();
    }
    // Plays from where it stands; true when the end comes exactly `ms` later on the clock.
    bool endsAfter(qint64 ms) {
        done.clear();
        player.sendCommand("Play");
        clock.advance(ms - 1);
        processEvents();
        if (!done.isEmpty()) return false;
        clock.advance(1);
        processEvents();
        return done.count() == 1 && done.first().first().toInt() == 1;
    }

    QTemporaryDir dir;
    ManualClock clock;
    std::unique_ptr<MediaBackendFactory> media;
    MediaPlayer player;
    QSignalSpy done{&player, &MediaPlayer::done};
};

// Songs keep time in silence without a soundfont, so no test waits for one to load.
class SilentSongs : public MediaBackendsTest {
protected:
    SilentSongs()
        : MediaBackendsTest(MediaSettings{.soundfont = "/nonexistent/font.sf2", .discDrive = {}}) {}
};

TEST_F(MediaBackendsTest, WaveFilesEndWhenTheirSamplesWouldEnd) {
    const Tone tones[] = {
        {.sampleRate = 11025, .bits = 8, .lengthMs = 750},
        {.sampleRate = 44100, .channels = 2, .lengthMs = 750},
        {.sampleRate = 48000, .channels = 2, .bits = 24, .lengthMs = 750},
        {.channels = 2, .bits = 32, .isFloat = true, .lengthMs = 750},
    };
    for (const Tone& tone : tones) {
        SCOPED_TRACE(tone.bits);
        writeBytes(path("tone.wav"), waveFile(tone));
        ASSERT_EQ(open("tone.wav"), Mode::Stopped);
        EXPECT_TRUE(endsAfter(750));
    }
}

TEST_F(MediaBackendsTest, StopKeepsTheWavePositionAndPrevGoesBackToItsStart) {
    writeBytes(path("tone.wav"), waveFile(Tone{.lengthMs = 1000}));
    open("tone.wav");
    player.sendCommand("Play");
    clock.advance(300);
    player.sendCommand("Stop");
    clock.advance(10000);
    EXPECT_TRUE(endsAfter(700));
    player.sendCommand("Prev");
    EXPECT_TRUE(endsAfter(1000));
}

TEST_F(MediaBackendsTest, AWaveWithCutOffSamplesPlaysWhatIsThere) {
    writeBytes(path("cut.wav"), waveFile(Tone{.lengthMs = 1000}).left(44 + 22050));  // 500 ms
    ASSERT_EQ(open("cut.wav"), Mode::Stopped);
    EXPECT_TRUE(endsAfter(500));
}

TEST_F(SilentSongs, AMidiSongEndsAtItsLastEventAndAFreshPlayStartsItAgain) {
    const QByteArray song = midiFile(
        {midiTrack(tempoEvent(960, 1000000)),
         midiTrack(noteEvent(0, 60, true) + noteEvent(960, 60, false) + noteEvent(480, 62, true))});
    writeBytes(path("EVY/song.MID"), song);
    ASSERT_EQ(open("\\evy\\song.mid"), Mode::Stopped);
    EXPECT_TRUE(endsAfter(2000));
    player.sendCommand("Play");
    EXPECT_EQ(player.mode(), Mode::Stopped);  // at the end until moved
    player.sendCommand("Prev");
    EXPECT_TRUE(endsAfter(2000));
}

TEST_F(MediaBackendsTest, ContentNotTheNameChoosesHowAFilePlays) {
    writeBytes(path("music.wav"), midiTune(3));                      // a song under a sound's name
    writeBytes(path("sound.mid"), waveFile(Tone{.lengthMs = 400}));  // and the other way round
    ASSERT_EQ(open("music.wav"), Mode::Stopped);
    EXPECT_TRUE(endsAfter(1500));
    ASSERT_EQ(open("sound.mid"), Mode::Stopped);
    EXPECT_TRUE(endsAfter(400));
}

// Bad media fail quietly: no crash, no open medium, no notification, and the player goes on.
TEST_F(MediaBackendsTest, BadMediaFailQuietlyAndThePlayerGoesOn) {
    QByteArray brokenTrack = midiTune(2);
    brokenTrack.replace(14, 4, "MTrX");
    QByteArray noise(4096, '\0');
    for (int i = 0; i < noise.size(); ++i) noise[i] = char((i * 7919 + 13) % 251);
    writeBytes(path("empty.wav"), {});
    writeBytes(path("short.wav"), waveFile(Tone{}).left(30));
    writeBytes(path("noise.wav"), noise);
    writeBytes(path("broken.mid"), brokenTrack);
    QDir(dir.path()).mkdir("folder.wav");
    writeBytes(path("good.wav"), waveFile(Tone{.lengthMs = 250}));

    for (const char* name : {"empty.wav", "short.wav", "noise.wav", "broken.mid", "folder.wav",
                             "missing.wav", "\\evy\\missing.mid", "c:\\EVY\\*.*"}) {
        SCOPED_TRACE(name);
        ASSERT_EQ(open("good.wav"), Mode::Stopped);
        EXPECT_EQ(open(QString::fromUtf8(name)), Mode::NotOpen);
        for (const char* command : {"Play", "Stop", "Next", "Prev", "Pause", "Play"})
            player.sendCommand(command);
        EXPECT_EQ(player.mode(), Mode::NotOpen);
        clock.advance(1000);
        processEvents();
        EXPECT_TRUE(done.isEmpty());
    }
    ASSERT_EQ(open("good.wav"), Mode::Stopped);
    EXPECT_TRUE(endsAfter(250));
}

TEST_F(MediaBackendsTest, NamesWithCyrillicLettersAndBlanksPlay) {
    writeBytes(path("EVY/Звуки урока/Кот мяукает.wav"), waveFile(Tone{.lengthMs = 300}));
    ASSERT_EQ(open("\\evy\\звуки урока\\кот мяукает.WAV"), Mode::Stopped);
    EXPECT_TRUE(endsAfter(300));
}

// A disc of two tracks, 2 s and 3 s, made once for all the tests.
QString discImage() {
    static QTemporaryDir dir;
    static const QString cue =
        writeDiscImage(dir.path(), {Tone{.lengthMs = 2000}, Tone{.lengthMs = 3000}});
    return cue;
}

class DiscTest : public MediaBackendsTest {
protected:
    DiscTest() : MediaBackendsTest(MediaSettings{.discDrive = discImage()}) {
        player.setDeviceType("CDAudio");
    }
};

TEST_F(DiscTest, PlaysTheDiscToItsEndAndNextGoesToTheSecondTrack) {
    ASSERT_EQ(open(""), Mode::Stopped);
    EXPECT_TRUE(endsAfter(5000));  // both tracks: play goes on to the end of the disc

    player.sendCommand("Prev");  // near the end of track 2: back to its start
    EXPECT_TRUE(endsAfter(3000));

    player.sendCommand("Close");
    ASSERT_EQ(open(""), Mode::Stopped);  // the drive was released and opens again
    player.sendCommand("Play");
    clock.advance(500);
    player.sendCommand("Next");  // to track 2, playing on
    EXPECT_EQ(player.mode(), Mode::Playing);
    clock.advance(1000);
    player.sendCommand("Stop");
    clock.advance(5000);
    EXPECT_TRUE(endsAfter(2000));  // Stop kept the place in track 2

    player.sendCommand("Close");
    EXPECT_EQ(player.mode(), Mode::NotOpen);
}

TEST_F(DiscTest, PrevNearATrackStartGoesToTheTrackBefore) {
    ASSERT_EQ(open(""), Mode::Stopped);
    player.sendCommand("Next");
    player.sendCommand("Play");
    clock.advance(500);
    player.sendCommand("Prev");
    EXPECT_TRUE(endsAfter(5000));
}

TEST_F(DiscTest, PlayBeforeTheDiscIsReadStartsOnceItIs) {
    player.sendCommand("Open");
    player.sendCommand("Play");
    QTRY_COMPARE_WITH_TIMEOUT(player.mode(), Mode::Playing, 10000);
    clock.advance(4999);
    processEvents();
    EXPECT_TRUE(done.isEmpty());
    clock.advance(1);
    processEvents();
    EXPECT_EQ(done.count(), 1);
}

class NoDisc : public MediaBackendsTest {
protected:
    NoDisc() : MediaBackendsTest(MediaSettings{.discDrive = "/nonexistent/drive"}) {
        player.setDeviceType("CDAudio");
    }
};

TEST_F(NoDisc, ADriveWithoutADiscFailsQuietly) {
    player.sendCommand("Open");
    player.sendCommand("Play");
    QTRY_COMPARE_WITH_TIMEOUT(player.mode(), Mode::NotOpen, 10000);
    player.sendCommand("Stop");
    player.sendCommand("Close");
    EXPECT_EQ(player.mode(), Mode::NotOpen);
}

}  // namespace
