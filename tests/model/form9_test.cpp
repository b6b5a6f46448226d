// The After-lessons player as a child uses it, without a display: the ship's music, the pad and
// its marks, the open-file dialog with its cancels, the name and size labels, Back and Silence.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <array>

#include "media/media_player.h"
#include "tests/support/test_program.h"

namespace {

// Image8 (the microphone, shown while something is meant to play) and the play, stop, rewind and
// next marks Image9 to Image12.
using Marks = std::array<bool, 5>;
const char* const kMarkNames[] = {"Image8", "Image9", "Image10", "Image11", "Image12"};

class AfterLessons : public ::testing::Test {
protected:
    AfterLessons() {
        t.start();
        t.click(ScreenId::Form1, "Image10");
    }

    Screen& screen() { return t.screen(ScreenId::Form9); }
    MediaPlayer& player() { return screen().player("MMControl1"); }
    void click(const QString& widget) { t.click(ScreenId::Form9, widget); }
    QString label(const char* name) { return screen()[name].caption(); }

    Marks marks() {
        Marks m{};
        for (int i = 0; i < 5; ++i) m[i] = screen()[kMarkNames[i]].visible();
        return m;
    }
    void setMarks(const Marks& m) {
        for (int i = 0; i < 5; ++i) screen()[kMarkNames[i]].setVisible(m[i]);
    }

    // The child picks `path` in the dialog, through the folder icon.
    void choose(const QString& path) {
        t.dialogs.fileAnswers.push_back(path);
        click("Image7");
    }
    void cancelDialog() {
        t.dialogs.fileAnswers.push_back(std::nullopt);
        click("Image7");
    }
    QString fileOfSize(const QString& name, qint64 size) {
        const QString path = QDir(t.workingDir()).filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.resize(size)) << name;
        return path;
    }
    QStringList playerLines(int from) {
        return t.since(from).filter(QRegularExpression("^Form9\\.MMControl1 "));
    }

    TestProgram t;
};

TEST_F(AfterLessons, OpensInTextModeWithEmptyLabelsThePlayMarkAndTheMicrophone) {
    EXPECT_TRUE(screen().visible());
    EXPECT_TRUE(screen()["RichTextBox1"].visible());
    EXPECT_FALSE(screen()["Command2"].enabled());
    EXPECT_EQ(label("Label1"), "");
    EXPECT_EQ(label("Label2"), "");
    EXPECT_EQ(marks(), (Marks{true, true, false, false, false}));
    EXPECT_EQ(screen()["CommonDialog1"].fileName(), "c:\\EVY\\*.*");
    EXPECT_FALSE(player().isOpen());
}

TEST_F(AfterLessons, TheShipWishesAGoodWindSilencesTheOtherMusicAndPlaysItsOwn) {
    t.screen(ScreenId::Form6)["MMControl3"].show();
    const int from = t.mark();
    click("Image1");
    EXPECT_EQ(t.since(from).filter(QRegularExpression("^(guide|Form\\d\\.MMControl)")),
              (QStringList{"guide Stop", "guide Play Wave", "guide Speak Попутного тебе ветра!",
                           "Form1.MMControl1 Close", "Form6.MMControl3 Stop",
                           "Form6.MMControl3 Close", "Form9.MMControl1 Close",
                           "Form9.MMControl1 Open \\evy\\4.mid", "Form9.MMControl1 Play"}));
    EXPECT_EQ(player().mode(), MediaPlayer::Mode::Playing);
    EXPECT_FALSE(t.screen(ScreenId::Form6)["MMControl3"].visible());
    EXPECT_EQ(screen()["CommonDialog1"].fileName(), "\\evy\\4.mid");
    EXPECT_EQ(screen()["Image1"].mousePointer(), 99);
    EXPECT_FALSE(screen()["RichTextBox1"].visible());
    EXPECT_TRUE(screen()["Command2"].enabled());
    EXPECT_EQ(marks(), (Marks{true, true, false, false, false}));
}

// Each pad and file hot spot sets the marks its own way, from any state; "untouched" rows keep
// what was there before.
struct MarksRow {
    const char* hotSpot;
    int image8;  // 1 show, 0 hide, -1 untouched
    int lit;     // index into kMarkNames of the one mark left on
    QStringList playerSteps;
};

TEST_F(AfterLessons, EachPadButtonLightsItsOwnMarkAndDrivesThePlayer) {
    const QString tune = fileOfSize("tune.wav", 100);
    const MarksRow rows[] = {
        {"Image3", 1, 1, {"Play"}},
        {"Image4", -1, 4, {"Next"}},
        {"Image5", 0, 2, {"Stop"}},
        {"Image6", 0, 3, {"Close", "Open " + tune}},
        {"Image7", 1, 1, {"Stop", "Close", "Open " + tune, "Play"}},
        {"Image8", 1, 1, {"Stop", "Close", "Open " + tune, "Play"}},
    };
    choose(tune);
    for (const MarksRow& row : rows) {
        for (const Marks& before : {Marks{true, true, true, true, true}, Marks{}}) {
            setMarks(before);
            if (QLatin1String(row.hotSpot) == "Image7" || QLatin1String(row.hotSpot) == "Image8")
                t.dialogs.fileAnswers.push_back(tune);
            const int from = t.mark();
            click(row.hotSpot);
            Marks expected{};
            expected[0] = row.image8 < 0 ? before[0] : row.image8 == 1;
            expected[row.lit] = true;
            EXPECT_EQ(marks(), expected) << row.hotSpot << " from " << before[0];
            QStringList steps;
            for (const QString& line : playerLines(from)) steps << line.section(' ', 1);
            EXPECT_EQ(steps, row.playerSteps) << row.hotSpot;
        }
    }
}

TEST_F(AfterLessons, AChosenFilePlaysAtOnceWithItsFullPathAndItsSizeInBytes) {
    const QString song = fileOfSize("Песенка.mp3", 512);
    const int from = t.mark();
    choose(song);
    EXPECT_EQ(t.dialogs.fileDialogStarts, QStringList{"c:\\EVY\\*.*"});
    EXPECT_EQ(playerLines(from),
              (QStringList{"Form9.MMControl1 Stop", "Form9.MMControl1 Close",
                           "Form9.MMControl1 Open " + song, "Form9.MMControl1 Play"}));
    EXPECT_EQ(player().mode(), MediaPlayer::Mode::Playing);
    EXPECT_EQ(label("Label1"), song);
    EXPECT_EQ(label("Label2"), "512 байт");
    // The folder icon lies partly outside the textbook: the dialog works in text mode too.
    EXPECT_TRUE(screen()["RichTextBox1"].visible());
    EXPECT_FALSE(screen()["Command2"].enabled());
}

TEST_F(AfterLessons, TheSizeIsTheFileLengthAndStaysEmptyWhenTheFileCannotBeMeasured) {
    struct Row {
        const char* name;
        qint64 size;  // -1: no such file
        QString caption;
    };
    const Row rows[] = {
        {"empty.wav", 0, "0 байт"},
        {"large.avi", 5'000'000'000, "5000000000 байт"},  // beyond the 32-bit range, sparse
        {"gone.wav", -1, ""},
    };
    for (const Row& row : rows) {
        const QString path =
            row.size < 0 ? QDir(t.workingDir()).filePath(row.name) : fileOfSize(row.name, row.size);
        choose(path);
        EXPECT_EQ(label("Label2"), row.caption) << row.name;
        EXPECT_EQ(label("Label1"), path) << row.name;  // the handler goes on past the size
        EXPECT_EQ(marks(), (Marks{true, true, false, false, false})) << row.name;
    }
}

TEST_F(AfterLessons, CancellingTheDialogPlaysTheNameItHadBefore) {
    // Before anything: the dialog's first name, which the player cannot open and which names no
    // file to measure; the labels and marks are set all the same.
    cancelDialog();
    EXPECT_FALSE(player().isOpen());
    EXPECT_EQ(label("Label1"), "c:\\EVY\\*.*");
    EXPECT_EQ(label("Label2"), "");
    EXPECT_EQ(marks(), (Marks{true, true, false, false, false}));

    // After only the ship: its music, named as the ship named it.
    click("Image1");
    int from = t.mark();
    cancelDialog();
    EXPECT_EQ(t.dialogs.fileDialogStarts.last(), "\\evy\\4.mid");
    EXPECT_EQ(playerLines(from).filter("Open"), QStringList{"Form9.MMControl1 Open \\evy\\4.mid"});
    EXPECT_EQ(player().mode(), MediaPlayer::Mode::Playing);
    EXPECT_EQ(label("Label1"), "\\evy\\4.mid");
    EXPECT_EQ(label("Label2"), "5 байт");  // the test media folder's files hold "media"

    // After a file: that file again, from the start.
    const QString song = fileOfSize("song.wav", 2048);
    t.media.durationMs[song] = 4000;
    choose(song);
    t.advance(3000);
    from = t.mark();
    cancelDialog();
    EXPECT_EQ(playerLines(from).filter("Open"), QStringList{"Form9.MMControl1 Open " + song});
    EXPECT_EQ(label("Label1"), song);
    EXPECT_EQ(label("Label2"), "2048 байт");
    t.advance(3999);
    EXPECT_EQ(player().mode(), MediaPlayer::Mode::Playing);
}

TEST_F(AfterLessons, RewindReopensTheDialogsFileStoppedAndPlayStartsItFromTheBeginning) {
    t.media.durationMs["\\evy\\4.mid"] = 10000;
    click("Image1");
    t.advance(6000);
    click("Image6");
    EXPECT_EQ(player().currentMediaFile(), "\\evy\\4.mid");
    EXPECT_EQ(player().mode(), MediaPlayer::Mode::Stopped);
    t.advance(20000);
    EXPECT_EQ(player().mode(), MediaPlayer::Mode::Stopped);

    click("Image3");
    t.advance(9999);
    EXPECT_EQ(player().mode(), MediaPlayer::Mode::Playing);
    EXPECT_TRUE(screen()["Image9"].visible());
    t.advance(1);
    EXPECT_EQ(player().mode(), MediaPlayer::Mode::Stopped);
    EXPECT_FALSE(screen()["Image9"].visible());
}

TEST_F(AfterLessons, RewindBeforeAnyFileSetsTheMarksAndStaysSilent) {
    click("Image6");
    EXPECT_EQ(marks(), (Marks{false, false, false, true, false}));
    EXPECT_FALSE(player().isOpen());
    click("Image3");
    EXPECT_FALSE(player().isOpen());
    EXPECT_EQ(marks(), (Marks{true, true, false, false, false}));
}

TEST_F(AfterLessons, TheEndOfPlayingPutsOutOnlyThePlayMark) {
    click("Image1");
    click("Command2");  // text mode; the microphone stays shown
    t.advance(999);
    EXPECT_TRUE(screen()["Image9"].visible());
    t.advance(1);
    EXPECT_EQ(marks(), (Marks{true, false, false, false, false}));
    EXPECT_TRUE(screen()["RichTextBox1"].visible());
}

TEST_F(AfterLessons, TextShowsTheTextbookAndTheMicrophoneAndKeepsPlaying) {
    click("Image1");
    click("Command2");
    EXPECT_TRUE(screen()["RichTextBox1"].visible());
    EXPECT_FALSE(screen()["Command2"].enabled());
    EXPECT_EQ(player().mode(), MediaPlayer::Mode::Playing);

    click("Image1");
    click("Image5");  // stopped: the microphone goes
    ASSERT_FALSE(screen()["Image8"].visible());
    click("Command2");
    EXPECT_TRUE(screen()["Image8"].visible());
    EXPECT_EQ(marks(), (Marks{true, false, true, false, false}));
}

TEST_F(AfterLessons, BackKeepsTheMusicPlayingAndTheNextVisitShowsEmptyLabelsAndTheSameMarks) {
    const QString song = fileOfSize("song.wav", 64);
    t.media.durationMs[song] = 60000;
    click("Image1");
    choose(song);
    int from = t.mark();
    click("Command1");
    EXPECT_EQ(t.since(from).filter(QRegularExpression("^(guide|hide|show|Form9)")),
              (QStringList{"guide Stop", "guide Hide", "hide Form9", "show Form1"}));
    EXPECT_EQ(player().mode(), MediaPlayer::Mode::Playing);
    EXPECT_EQ(label("Label1"), "");
    EXPECT_EQ(label("Label2"), "");
    EXPECT_EQ(screen()["Image1"].mousePointer(), 99);
    EXPECT_TRUE(screen()["RichTextBox1"].visible());
    EXPECT_FALSE(screen()["Command2"].enabled());
    EXPECT_EQ(marks(), (Marks{true, true, false, false, false}));

    // Stopped on the next visit: the stop mark alone is still lit on the one after.
    t.click(ScreenId::Form1, "Image10");
    click("Image1");
    click("Image5");
    click("Command1");
    t.click(ScreenId::Form1, "Image10");
    EXPECT_TRUE(screen().visible());
    EXPECT_TRUE(screen()["RichTextBox1"].visible());
    EXPECT_EQ(marks(), (Marks{false, false, true, false, false}));
    EXPECT_EQ(screen()["CommonDialog1"].fileName(), "\\evy\\4.mid");
}

TEST_F(AfterLessons, SilenceHereEndsTheChildsFileWithTheSilenceSoundAndKeepsLabelsAndMarks) {
    const QString song = fileOfSize("song.wav", 64);
    t.media.durationMs[song] = 60000;
    choose(song);
    const int from = t.mark();
    click("Image13");
    EXPECT_EQ(playerLines(from),
              (QStringList{"Form9.MMControl1 Close", "Form9.MMControl1 Open \\evy\\13.wav",
                           "Form9.MMControl1 Play"}));
    EXPECT_EQ(player().currentMediaFile(), "\\evy\\13.wav");
    EXPECT_EQ(player().mode(), MediaPlayer::Mode::Playing);
    EXPECT_EQ(label("Label1"), song);
    EXPECT_EQ(label("Label2"), "64 байт");
    EXPECT_EQ(marks(), (Marks{true, true, false, false, false}));
}

}  // namespace
