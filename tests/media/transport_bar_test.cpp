// The transport bar of a visible player: which buttons the child can use in each state, and that
// a press (mouse or keyboard) sends the player its command.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "media/media_player.h"
#include "media/transport_bar.h"
#include "shell/manual_clock.h"
#include "tests/support/test_program.h"

namespace {

using B = TransportBar::Button;

class TransportBarTest : public ::testing::Test {
protected:
    TransportBarTest() : bar(player) {
        player.setWorkingDir(dir.path());
        QFile f(dir.filePath("clip.avi"));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        player.setMediaFile("clip.avi");
        bar.resize(200, 22);
        bar.show();
    }
    std::vector<B> enabled() const {
        std::vector<B> on;
        for (B b : bar.buttons())
            if (bar.buttonEnabled(b)) on.push_back(b);
        return on;
    }
    void click(B b) { QTest::mouseClick(&bar, Qt::LeftButton, {}, bar.buttonRect(b).center()); }

    QTemporaryDir dir;
    ManualClock clock;
    FakeMedia media{clock};
    MediaPlayer player{media};
    TransportBar bar;
};

TEST_F(TransportBarTest, ButtonsAreEnabledByThePlayersState) {
    const struct {
        const char* state;
        std::vector<const char*> commands;
        std::vector<B> enabled;
    } rows[] = {
        {"closed", {}, {}},
        {"open", {"Open"}, {B::Prev, B::Next, B::Play}},
        {"playing", {"Open", "Play"}, {B::Prev, B::Next, B::Pause, B::Stop}},
        {"paused", {"Open", "Play", "Pause"}, {B::Prev, B::Next, B::Play, B::Pause, B::Stop}},
        {"stopped", {"Open", "Play", "Stop"}, {B::Prev, B::Next, B::Play}},
        {"at the end", {"Open", "Next"}, {B::Prev}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.state);
        player.sendCommand("Close");
        for (const char* c : row.commands) player.sendCommand(c);
        EXPECT_EQ(enabled(), row.enabled);
    }
}

TEST_F(TransportBarTest, TheDiscAloneHasAnEjectButton) {
    const std::vector<B> file{B::Prev, B::Next, B::Play, B::Pause, B::Stop};
    EXPECT_EQ(bar.buttons(), file);
    media.discInDrive = true;
    player.setDeviceType("CDAudio");
    player.sendCommand("Open");
    std::vector<B> disc = file;
    disc.push_back(B::Eject);
    EXPECT_EQ(bar.buttons(), disc);
    EXPECT_TRUE(bar.buttonEnabled(B::Eject));
    EXPECT_LE(bar.buttonRect(B::Eject).right(), bar.width());
}

TEST_F(TransportBarTest, AClickSendsItsCommandAndADisabledButtonNothing) {
    QSignalSpy commands(&player, &MediaPlayer::commandReceived);
    click(B::Play);
    EXPECT_TRUE(commands.isEmpty());  // nothing open yet
    player.sendCommand("Open");
    commands.clear();
    click(B::Play);
    click(B::Pause);
    click(B::Pause);
    click(B::Stop);
    click(B::Prev);
    click(B::Next);
    QStringList sent;
    for (const auto& c : commands) sent << c.first().toString();
    EXPECT_EQ(sent, QStringList({"Play", "Pause", "Pause", "Stop", "Prev", "Next"}));
    EXPECT_TRUE(player.atEnd());
}

TEST_F(TransportBarTest, ThePressIsWhereTheMouseIsLetGo) {
    player.sendCommand("Open");
    QTest::mousePress(&bar, Qt::LeftButton, {}, bar.buttonRect(B::Play).center());
    QTest::mouseRelease(&bar, Qt::LeftButton, {}, bar.buttonRect(B::Next).center());
    EXPECT_EQ(player.mode(), MediaPlayer::Mode::Stopped);
    EXPECT_FALSE(player.atEnd());
}

TEST_F(TransportBarTest, TheKeyboardMovesAlongTheEnabledButtonsAndPresses) {
    player.sendCommand("Open");
    bar.setFocus(Qt::TabFocusReason);
    QTest::keyClick(&bar, Qt::Key_Right);  // Prev -> Next
    QTest::keyClick(&bar, Qt::Key_Right);  // -> Play
    QTest::keyClick(&bar, Qt::Key_Space);
    EXPECT_EQ(player.mode(), MediaPlayer::Mode::Playing);
    QTest::keyClick(&bar, Qt::Key_Right);  // Play is disabled now: on to Pause
    QTest::keyClick(&bar, Qt::Key_Return);
    EXPECT_EQ(player.mode(), MediaPlayer::Mode::Paused);
}

}  // namespace
