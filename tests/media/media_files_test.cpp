// Reading WAVE layouts and MIDI songs: which files our own stream and the synthesizer take, how
// long they last, and which broken ones never get that far.
#include <gtest/gtest.h>

#include <QtEndian>

#include "devices/midi_file.h"
#include "devices/wave_file.h"
#include "tests/media/media_fixtures.h"

namespace {

struct WaveRow {
    const char* name;
    Tone tone;
};

class PlainWave : public ::testing::TestWithParam<WaveRow> {};

TEST_P(PlainWave, IsReadWithItsFormatAndLength) {
    const Tone& t = GetParam().tone;
    const auto w = readWaveLayout(waveFile(t));
    ASSERT_TRUE(w);
    EXPECT_EQ(w->sampleRate, t.sampleRate);
    EXPECT_EQ(w->channels, t.channels);
    EXPECT_EQ(w->bitsPerSample, t.bits);
    EXPECT_EQ(w->isFloat, t.isFloat);
    EXPECT_EQ(w->dataOffset, 44);
    EXPECT_EQ(w->lengthMs(), t.lengthMs);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, PlainWave,
    ::testing::Values(WaveRow{"u8_mono_11k", Tone{.sampleRate = 11025, .bits = 8}},
                      WaveRow{"s16_stereo_44k", Tone{.sampleRate = 44100, .channels = 2}},
                      WaveRow{"s24_stereo_48k",
                              Tone{.sampleRate = 48000, .channels = 2, .bits = 24}},
                      WaveRow{"s32_mono", Tone{.bits = 32}},
                      WaveRow{"float_stereo", Tone{.channels = 2, .bits = 32, .isFloat = true}}),
    [](const auto& info) { return std::string(info.param.name); });

QByteArray withFormatTag(QByteArray file, quint16 tag) {
    qToLittleEndian<quint16>(tag, file.data() + 20);
    return file;
}

TEST(WaveLayout, TruncatedDataKeepsTheWholeFramesThatAreThere) {
    const QByteArray file = waveFile(Tone{.channels = 2, .lengthMs = 1000});
    const auto w = readWaveLayout(file.left(44 + 22050 * 4 / 2 + 3));  // half, and a broken frame
    ASSERT_TRUE(w);
    EXPECT_EQ(w->frames(), 22050 / 2);
    EXPECT_EQ(w->lengthMs(), 500);
}

TEST(WaveLayout, ChunksBeforeTheSamplesAreSkippedWithTheirPadding) {
    QByteArray file = waveFile(Tone{});
    const QByteArray list(
        "LIST\x03\x00\x00\x00"
        "abc\x00",
        12);  // odd size, one pad byte
    file.insert(36, list);
    const auto w = readWaveLayout(file);
    ASSERT_TRUE(w);
    EXPECT_EQ(w->dataOffset, 44 + list.size());
    EXPECT_EQ(w->lengthMs(), 500);
}

TEST(WaveLayout, FilesOurStreamCannotPlayAreLeftToTheDecoders) {
    const QByteArray good = waveFile(Tone{});
    QByteArray noFormat = good;
    noFormat.replace(12, 4, "junk");
    QByteArray extensibleAdpcm = withFormatTag(good, 0xFFFE);
    const struct {
        const char* what;
        QByteArray file;
    } rows[] = {
        {"empty", {}},
        {"header cut short", good.left(30)},
        {"random bytes", QByteArray("\x13\x37\xC0\xDE\xBA\xAD\xF0\x0D\x01\x02\x03\x04", 12)},
        {"ADPCM", withFormatTag(good, 2)},
        {"MP3 inside RIFF", withFormatTag(good, 0x55)},
        {"extensible without its sub-format", extensibleAdpcm.left(44)},
        {"no format chunk before the samples", noFormat},
        {"not WAVE but AVI", QByteArray(good).replace(8, 4, "AVI ")},
    };
    for (const auto& row : rows) EXPECT_FALSE(readWaveLayout(row.file)) << row.what;
}

TEST(MidiSong, LastsFromTheStartToItsLastEventThroughTempoChanges) {
    // Two quarters at 120 beats a minute (1000 ms), then a tempo of one second a quarter and one
    // more quarter, in a second track (2000 ms in all).
    const QByteArray notes =
        noteEvent(0, 60, true) + noteEvent(960, 60, false) + noteEvent(480, 62, true);
    const QByteArray tempo = tempoEvent(960, 1000000);
    const auto song = readMidiSong(midiFile({midiTrack(tempo), midiTrack(notes)}));
    ASSERT_TRUE(song);
    EXPECT_EQ(song->lengthMs, 2000);
}

TEST(MidiSong, RunningStatusAndSystemExclusiveAreWalkedOver) {
    const QByteArray events = vlq(0) + QByteArray("\xF0\x03\x7E\x7F\xF7", 5) + vlq(0) +
                              QByteArray("\x90\x3C\x64", 3) + vlq(480) +
                              QByteArray("\x3C\x00", 2);  // a note off as note on, running status
    const auto song = readMidiSong(midiFile({midiTrack(events)}, 480, 0));
    ASSERT_TRUE(song);
    EXPECT_EQ(song->lengthMs, 500);
}

TEST(MidiSong, SmpteTimingCountsFramesAndTicks) {
    // 25 frames a second, 40 ticks a frame: 1000 ticks a second.
    const auto song = readMidiSong(
        midiFile({midiTrack(noteEvent(0, 60, true) + noteEvent(1500, 60, false))}, 0xE728, 0));
    ASSERT_TRUE(song);
    EXPECT_EQ(song->lengthMs, 1500);
}

TEST(MidiSong, AnRmidFileGivesTheSongInside) {
    const QByteArray smf = midiTune(2);
    QByteArray rmid = "RIFF";
    rmid += QByteArray(4, '\0') + "RMIDdata";
    QByteArray size(4, '\0');
    qToLittleEndian<quint32>(smf.size(), size.data());
    rmid += size + smf;
    const auto song = readMidiSong(rmid);
    ASSERT_TRUE(song);
    EXPECT_EQ(song->smf, smf);
    EXPECT_EQ(song->lengthMs, 1000);
}

TEST(MidiSong, BrokenFilesAreRefusedWhole) {
    QByteArray brokenTrackHeader = midiTune(2);
    brokenTrackHeader.replace(14, 4, "MTrX");
    QByteArray trackTooLong = midiTune(2);
    qToBigEndian<quint32>(100000, trackTooLong.data() + 18);
    QByteArray badEvent = midiFile({midiTrack(vlq(0) + QByteArray("\xF4\x00", 2))}, 480, 0);
    QByteArray noRunningStatus = midiFile({midiTrack(vlq(0) + QByteArray("\x3C\x64", 2))}, 480, 0);
    const struct {
        const char* what;
        QByteArray file;
    } rows[] = {
        {"empty", {}},
        {"header only", midiTune(2).left(14)},
        {"broken track header", brokenTrackHeader},
        {"track longer than the file", trackTooLong},
        {"more tracks promised than there are",
         midiFile({}, 480, 1).replace(10, 2, QByteArray("\x00\x02", 2))},
        {"system message inside a track", badEvent},
        {"data byte before any status", noRunningStatus},
        {"endless length quantity", midiFile({midiTrack(QByteArray(8, '\xFF'))}, 480, 0)},
    };
    for (const auto& row : rows) EXPECT_FALSE(readMidiSong(row.file)) << row.what;
}

}  // namespace
