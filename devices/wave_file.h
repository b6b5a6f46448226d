#pragma once
// The layout of a RIFF WAVE file with plain samples (integer PCM of 8 to 32 bits or 32-bit float):
// what our own audio stream can play without a decoder. Anything else is left to the decoders.
#include <QByteArrayView>
#include <optional>

struct WaveLayout {
    int sampleRate = 0;
    int channels = 0;
    int bitsPerSample = 0;  // 8, 16, 24 or 32
    bool isFloat = false;
    qint64 dataOffset = 0;  // of the first sample in the file
    qint64 dataBytes = 0;   // whole frames only; a truncated file keeps what is there

    int bytesPerFrame() const { return channels * bitsPerSample / 8; }
    qint64 frames() const { return bytesPerFrame() ? dataBytes / bytesPerFrame() : 0; }
    // Up to the end of the last sample, in whole milliseconds.
    qint64 lengthMs() const {
        return sampleRate ? (frames() * 1000 + sampleRate - 1) / sampleRate : 0;
    }
};

// `file` is the whole file (or as much of it as there is); nullopt when it is no such WAVE.
std::optional<WaveLayout> readWaveLayout(QByteArrayView file);
