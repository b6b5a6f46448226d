// The media player's command rules and notifications on the model clock, over a scripted medium:
// no sound, no decoder, only what the screens and the transport bar rely on.
#include <gtest/gtest.h>

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "devices/media_timeline.h"
#include "media/media_player.h"
#include "shell/manual_clock.h"
#include "tests/support/test_program.h"

namespace {

using Mode = MediaPlayer::Mode;

// A medium of a given length that plays on the clock and does what the test tells it.
class ScriptedMedium final : public MediaBackend {
public:
    ScriptedMedium(Clock& clock, qint64 lengthMs, bool ready, bool* alive)
        : timeline_(clock, lengthMs), ready_(ready), alive_(alive) {
        timeline_.onEnd = [this] {
            if (onFinished) onFinished();
        };
        *alive_ = true;
    }
    ~ScriptedMedium() override { *alive_ = false; }

    void play() override { timeline_.play(); }
    void pause() override { timeline_.pause(); }
    void next() override {
        timeline_.pause();
        timeline_.seek(timeline_.length());
    }
    void previous() override { timeline_.seek(0); }
    bool atEnd() const override { return timeline_.atEnd(); }
    bool isPlaying() const override { return timeline_.isPlaying(); }
    bool isReady() const override { return ready_; }
    bool eject() override { return ejectable; }

    void becomeReady() {
        ready_ = true;
        onChanged();
    }
    void breakDown() { onFailed(); }
    qint64 position() const { return timeline_.position(); }

    bool ejectable = false;

private:
    MediaTimeline timeline_;
    bool ready_;
    bool* alive_;
};

class ScriptedMedia final : public MediaBackendFactory {
public:
    explicit ScriptedMedia(Clock& clock) : clock_(clock) {}
    std::unique_ptr<MediaBackend> open(const MediaSource& source) override {
        if (!source.cdAudio && !QFile::exists(source.path)) return nullptr;
        auto medium = std::make_unique<ScriptedMedium>(clock_, lengthMs, ready, &alive);
        last = medium.get();
        return medium;
    }
    qint64 lengthMs = 1000;
    bool ready = true;
    bool alive = false;
    ScriptedMedium* last = nullptr;

private:
    Clock& clock_;
};

class MediaPlayerTest : public ::testing::Test {
protected:
    MediaPlayerTest() : media(clock), player(media) {
        player.setWorkingDir(dir.path());
        for (const char* name : {"a.wav", "b.wav"}) {
            QFile f(dir.filePath(QString::fromLatin1(name)));
            EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        }
    }
    void openAndPlay(const char* name = "a.wav") {
        player.setMediaFile(QString::fromLatin1(name));
        player.sendCommand("Open");
        player.sendCommand("Play");
    }
    void advance(qint64 ms) { clock.advance(ms); }

    QTemporaryDir dir;
    ManualClock clock;
    ScriptedMedia media;
    MediaPlayer player;
    QSignalSpy done{&player, &MediaPlayer::done};
    QSignalSpy status{&player, &MediaPlayer::statusUpdate};
};

TEST_F(MediaPlayerTest, StopKeepsThePositionAndPlayGoesOnFromIt) {
    openAndPlay();
    advance(400);
    player.sendCommand("Stop");
    EXPECT_EQ(player.mode(), Mode::Stopped);
    advance(5000);
    EXPECT_EQ(media.last->position(), 400);
    player.sendCommand("Play");
    advance(599);
    EXPECT_EQ(done.count(), 0);
    advance(1);
    ASSERT_EQ(done.count(), 1);
    EXPECT_EQ(done.first().first().toInt(), 1);
    EXPECT_EQ(player.mode(), Mode::Stopped);
    EXPECT_TRUE(player.atEnd());
}

// Half way through, each of these ends playing without the end-of-playing notification.
TEST_F(MediaPlayerTest, OnlyPlayingToTheEndByItselfNotifies) {
    for (const char* command : {"Stop", "Close", "Open", "Next"}) {
        SCOPED_TRACE(command);
        openAndPlay();
        advance(500);
        player.sendCommand(command);
        advance(5000);
        EXPECT_EQ(done.count(), 0);
        EXPECT_NE(player.mode(), Mode::Playing);
    }
}

TEST_F(MediaPlayerTest, PlayAtTheEndPlaysNothingUntilTheMediumIsMovedOrReopened) {
    openAndPlay();
    advance(1000);
    player.sendCommand("Play");
    EXPECT_EQ(player.mode(), Mode::Stopped);
    advance(5000);
    EXPECT_EQ(done.count(), 1);

    player.sendCommand("Prev");
    EXPECT_FALSE(player.atEnd());
    player.sendCommand("Play");
    advance(1000);
    EXPECT_EQ(done.count(), 2);

    player.sendCommand("Open");
    EXPECT_FALSE(player.atEnd());
    player.sendCommand("Play");
    advance(1000);
    EXPECT_EQ(done.count(), 3);
}

TEST_F(MediaPlayerTest, NextMovesASingleTrackMediumToItsEnd) {
    openAndPlay();
    advance(100);
    player.sendCommand("Next");
    EXPECT_TRUE(player.atEnd());
    player.sendCommand("Play");
    EXPECT_EQ(player.mode(), Mode::Stopped);
}

TEST_F(MediaPlayerTest, CommandsOnAClosedPlayerAreHarmlessAndSilent) {
    for (const char* command :
         {"Close", "Play", "Stop", "Pause", "Next", "Prev", "Eject", "Close", "Record", ""})
        player.sendCommand(command);
    EXPECT_EQ(player.mode(), Mode::NotOpen);
    EXPECT_EQ(status.count(), 0);
}

TEST_F(MediaPlayerTest, AnOpenThatFailsLeavesNoMediumOpen) {
    openAndPlay();
    player.setMediaFile("\\evy\\missing.wav");
    player.sendCommand("Open");
    EXPECT_EQ(player.mode(), Mode::NotOpen);
    EXPECT_FALSE(media.alive);  // the old medium is gone, not playing on behind the failure
    player.sendCommand("Play");
    EXPECT_EQ(player.mode(), Mode::NotOpen);
    EXPECT_EQ(player.currentMediaFile(), "\\evy\\missing.wav");
}

TEST_F(MediaPlayerTest, StatusUpdateComesOncePerChangeOfState) {
    struct Step {
        const char* command;
        int updates;
    };
    player.setMediaFile("a.wav");
    for (const Step& step : {Step{"Open", 1}, Step{"Play", 1}, Step{"Play", 0}, Step{"Stop", 1},
                             Step{"Stop", 0}, Step{"Open", 1}, Step{"Pause", 0}, Step{"Play", 1},
                             Step{"Pause", 1}, Step{"Close", 1}, Step{"Close", 0}}) {
        SCOPED_TRACE(step.command);
        status.clear();
        player.sendCommand(step.command);
        EXPECT_EQ(status.count(), step.updates);
    }
    openAndPlay();
    status.clear();
    advance(1000);
    EXPECT_EQ(status.count(), 1);  // playing ended by itself
}

TEST_F(MediaPlayerTest, PauseHoldsAndASecondPausePlaysOn) {
    openAndPlay();
    advance(300);
    player.sendCommand("Pause");
    EXPECT_EQ(player.mode(), Mode::Paused);
    advance(1000);
    player.sendCommand("Pause");
    EXPECT_EQ(player.mode(), Mode::Playing);
    player.sendCommand("Pause");
    player.sendCommand("Stop");
    EXPECT_EQ(player.mode(), Mode::Stopped);  // "Stop" ends the pause: "Pause" does not play on
    player.sendCommand("Pause");
    EXPECT_EQ(player.mode(), Mode::Stopped);
    EXPECT_EQ(media.last->position(), 300);
}

TEST_F(MediaPlayerTest, AMediumThatBreaksDownAfterOpeningLeavesThePlayerClosed) {
    openAndPlay();
    status.clear();
    media.last->breakDown();
    EXPECT_EQ(player.mode(), Mode::NotOpen);
    EXPECT_EQ(status.count(), 1);
    EXPECT_TRUE(media.alive);  // not destroyed from inside its own call
    processEvents();
    EXPECT_FALSE(media.alive);
    advance(5000);
    EXPECT_EQ(done.count(), 0);
    openAndPlay("b.wav");  // the player works on
    advance(1000);
    EXPECT_EQ(done.count(), 1);
}

TEST_F(MediaPlayerTest, AMediumBeingReadIsNotReadyUntilItSaysSo) {
    media.ready = false;
    player.setMediaFile("a.wav");
    player.sendCommand("Open");
    EXPECT_EQ(player.mode(), Mode::NotReady);
    status.clear();
    media.last->becomeReady();
    EXPECT_EQ(player.mode(), Mode::Stopped);
    EXPECT_EQ(status.count(), 1);
}

TEST_F(MediaPlayerTest, EjectClosesOnlyAMediumThatLeftItsDrive) {
    openAndPlay();
    player.sendCommand("Eject");
    EXPECT_EQ(player.mode(), Mode::Playing);  // a file stays where it is
    player.setDeviceType("CDAudio");
    player.sendCommand("Open");
    media.last->ejectable = true;
    player.sendCommand("Eject");
    EXPECT_EQ(player.mode(), Mode::NotOpen);
}

}  // namespace
