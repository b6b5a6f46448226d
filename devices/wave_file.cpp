#include "devices/wave_file.h"

#include <QtEndian>

namespace {

quint32 u32(QByteArrayView b, qint64 at) {
    return qFromLittleEndian<quint32>(b.data() + at);
}
quint16 u16(QByteArrayView b, qint64 at) {
    return qFromLittleEndian<quint16>(b.data() + at);
}

constexpr quint16 kPcm = 1;
constexpr quint16 kFloat = 3;
constexpr quint16 kExtensible = 0xFFFE;

bool readFormat(QByteArrayView chunk, WaveLayout& w) {
    if (chunk.size() < 16) return false;
    quint16 tag = u16(chunk, 0);
    w.channels = u16(chunk, 2);
    w.sampleRate = static_cast<int>(u32(chunk, 4));
    const int blockAlign = u16(chunk, 12);
    w.bitsPerSample = u16(chunk, 14);
    if (tag == kExtensible) {
        if (chunk.size() < 26) return false;
        tag = u16(chunk, 24);  // the first two bytes of the sub-format GUID
    }
    w.isFloat = tag == kFloat;
    if (tag != kPcm && !(w.isFloat && w.bitsPerSample == 32)) return false;
    const bool sensible = w.channels >= 1 && w.channels <= 8 && w.sampleRate >= 1000 &&
                          w.sampleRate <= 384000 &&
                          (w.bitsPerSample == 8 || w.bitsPerSample == 16 || w.bitsPerSample == 24 ||
                           w.bitsPerSample == 32);
    return sensible && blockAlign == w.bytesPerFrame();
}

}  // namespace

std::optional<WaveLayout> readWaveLayout(QByteArrayView file) {
    if (file.size() < 12 || file.first(4) != "RIFF" || file.sliced(8, 4) != "WAVE")
        return std::nullopt;
    WaveLayout w;
    bool haveFormat = false;
    for (qint64 at = 12; at + 8 <= file.size();) {
        const QByteArrayView id = file.sliced(at, 4);
        const qint64 size = u32(file, at + 4);
        const qint64 body = at + 8;
        const qint64 available = std::min(size, file.size() - body);
        if (id == "fmt ") {
            if (!readFormat(file.sliced(body, available), w)) return std::nullopt;
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat) return std::nullopt;
            w.dataOffset = body;
            w.dataBytes = available - available % w.bytesPerFrame();
            return w;
        }
        at = body + size + (size & 1);  // chunks are padded to an even length
    }
    return std::nullopt;
}
