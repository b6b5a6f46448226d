// The device the sound device pulls our samples through: requests of any size give the source's
// bytes exactly, the source is only ever asked for whole frames, and only its end ends the device.
// (A request smaller than a frame once counted as the end: the menu music stopped after 20 s.)
#include <gtest/gtest.h>

#include <QByteArray>

#include "devices/audio_stream.h"

namespace {

constexpr int kFrame = 8;  // two channels of 32-bit float, as the synthesizer's stream

class CountingSource final : public SampleSource {
public:
    explicit CountingSource(int frames) : frames_(frames) {}
    qint64 read(char* data, qint64 maxBytes) override {
        if (maxBytes % kFrame != 0) splitFrameAsked = true;
        const qint64 n = std::min<qint64>(maxBytes / kFrame, frames_ - next_ / kFrame) * kFrame;
        for (qint64 i = 0; i < n; ++i) data[i] = byteAt(next_ + i);
        next_ += n;
        return n;
    }
    void rewind() { next_ = 0; }
    static char byteAt(qint64 i) { return static_cast<char>(i % 251); }
    qint64 bytes() const { return qint64(frames_) * kFrame; }

    bool splitFrameAsked = false;

private:
    int frames_;
    qint64 next_ = 0;
};

QByteArray expected(qint64 from, qint64 count) {
    QByteArray b(count, '\0');
    for (qint64 i = 0; i < count; ++i) b[i] = CountingSource::byteAt(from + i);
    return b;
}

// Reads in requests of the given sizes, round and round, until the device ends.
QByteArray readAll(SampleDevice& device, const std::vector<int>& sizes) {
    QByteArray all;
    for (size_t i = 0; !device.finished() && i < 100000; ++i) {
        QByteArray chunk(sizes[i % sizes.size()], '\0');
        const qint64 n = device.read(chunk.data(), chunk.size());
        all += chunk.left(std::max<qint64>(n, 0));
    }
    return all;
}

TEST(SampleDevice, RequestsOfAnySizeGiveEveryByteInOrderAndOnlyTheSourceEndsIt) {
    const std::vector<std::vector<int>> patterns = {
        {8}, {4096}, {1}, {3}, {4}, {7, 9}, {13, 5, 2}, {8, 4, 8, 4}, {4095, 1, 6}};
    for (const auto& sizes : patterns) {
        SCOPED_TRACE(testing::PrintToString(sizes));
        CountingSource source(1000);
        SampleDevice device(source, kFrame);
        EXPECT_EQ(readAll(device, sizes), expected(0, source.bytes()));
        EXPECT_TRUE(device.finished());
        EXPECT_FALSE(source.splitFrameAsked);
    }
}

TEST(SampleDevice, AnEmptyRequestIsNoEndAndReopeningDropsAHalfReadFrame) {
    CountingSource source(10);
    SampleDevice device(source, kFrame);
    char buffer[kFrame];
    EXPECT_EQ(device.read(buffer, 0), 0);
    EXPECT_FALSE(device.finished());
    ASSERT_EQ(device.read(buffer, 3), 3);  // the first frame's start; its rest is kept
    source.rewind();
    device.reopen();
    EXPECT_EQ(readAll(device, {kFrame}), expected(0, source.bytes()));
}

}  // namespace
