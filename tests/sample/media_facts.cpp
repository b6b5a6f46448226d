#include "tests/sample/media_facts.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <map>

namespace {

uint32_t le32(const QByteArray& b, qsizetype at) {
    if (at < 0 || at + 4 > b.size()) return 0;  // a cut file reads as zeros
    const auto* p = reinterpret_cast<const uint8_t*>(b.constData() + at);
    return p[0] | p[1] << 8 | p[2] << 16 | uint32_t(p[3]) << 24;
}
uint16_t le16(const QByteArray& b, qsizetype at) {
    if (at < 0 || at + 2 > b.size()) return 0;  // a cut file reads as zeros
    const auto* p = reinterpret_cast<const uint8_t*>(b.constData() + at);
    return uint16_t(p[0] | p[1] << 8);
}
uint32_t be32(const QByteArray& b, qsizetype at) {
    if (at < 0 || at + 4 > b.size()) return 0;  // a cut file reads as zeros
    const auto* p = reinterpret_cast<const uint8_t*>(b.constData() + at);
    return uint32_t(p[0]) << 24 | p[1] << 16 | p[2] << 8 | p[3];
}
uint16_t be16(const QByteArray& b, qsizetype at) {
    if (at < 0 || at + 2 > b.size()) return 0;  // a cut file reads as zeros
    const auto* p = reinterpret_cast<const uint8_t*>(b.constData() + at);
    return uint16_t(p[0] << 8 | p[1]);
}

struct Chunk {
    QByteArray id;
    qsizetype body;  // offset of the chunk's data
    qsizetype size;
};

// The RIFF chunks between `from` and `to`, each padded to an even length; empty on overrun.
QList<Chunk> riffChunks(const QByteArray& b, qsizetype from, qsizetype to, QString* error) {
    QList<Chunk> chunks;
    qsizetype at = from;
    while (at + 8 <= to) {
        const Chunk c{b.mid(at, 4), at + 8, le32(b, at + 4)};
        if (c.body + c.size > to) {
            *error = QStringLiteral("chunk %1 runs past its parent").arg(QString::fromLatin1(c.id));
            return {};
        }
        chunks << c;
        at = c.body + c.size + (c.size & 1);
    }
    return chunks;
}

const Chunk* find(const QList<Chunk>& chunks, const char* id) {
    for (const Chunk& c : chunks)
        if (c.id == id) return &c;
    return nullptr;
}

// A RIFF file's top-level chunks after checking its header and form type.
QList<Chunk> riffForm(const QByteArray& b, const char* form, QString* error) {
    if (b.size() < 12 || !b.startsWith("RIFF") || b.mid(8, 4) != form) {
        *error = QStringLiteral("not a RIFF %1 file").arg(QLatin1String(form));
        return {};
    }
    if (le32(b, 4) != uint32_t(b.size() - 8)) {
        *error =
            QStringLiteral("RIFF size %1 for a file of %2 bytes").arg(le32(b, 4)).arg(b.size());
        return {};
    }
    return riffChunks(b, 12, b.size(), error);
}

// A MIDI variable-length number; false past the end or after four bytes.
bool varlen(const QByteArray& b, qsizetype& at, qsizetype end, uint32_t& value) {
    value = 0;
    for (int i = 0; i < 4 && at < end; ++i) {
        const uint8_t byte = uint8_t(b[at++]);
        value = value << 7 | (byte & 0x7F);
        if (!(byte & 0x80)) return true;
    }
    return false;
}

}  // namespace

MediaFacts wavFacts(const QByteArray& b) {
    MediaFacts f;
    const QList<Chunk> chunks = riffForm(b, "WAVE", &f.error);
    if (!f.error.isEmpty()) return f;
    const Chunk* fmt = find(chunks, "fmt ");
    const Chunk* data = find(chunks, "data");
    if (!fmt || fmt->size < 16 || !data) {
        f.error = QStringLiteral("no fmt or data chunk");
        return f;
    }
    const int tag = le16(b, fmt->body), channels = le16(b, fmt->body + 2);
    const uint32_t rate = le32(b, fmt->body + 4);
    const int align = le16(b, fmt->body + 12), bits = le16(b, fmt->body + 14);
    if (tag != 1 || channels < 1 || channels > 2 || rate < 8000 || rate > 48000 ||
        (bits != 8 && bits != 16) || align != channels * bits / 8) {
        f.error = QStringLiteral("not plain PCM: tag %1, %2 channels, %3 Hz, %4 bits")
                      .arg(tag)
                      .arg(channels)
                      .arg(rate)
                      .arg(bits);
        return f;
    }
    if (data->size == 0 || data->size % align) {
        f.error = QStringLiteral("data chunk of %1 bytes").arg(data->size);
        return f;
    }
    f.seconds = double(data->size / align) / rate;
    for (qsizetype at = data->body; at < data->body + data->size; at += bits / 8) {
        const int sample =
            bits == 16 ? int(int16_t(le16(b, at))) : (int(uint8_t(b[at])) - 128) * 256;
        f.peak = std::max(f.peak, std::abs(sample));
    }
    return f;
}

MediaFacts midiFacts(const QByteArray& b) {
    MediaFacts f;
    if (b.size() < 14 || !b.startsWith("MThd") || be32(b, 4) != 6) {
        f.error = QStringLiteral("no MThd header");
        return f;
    }
    const int format = be16(b, 8), declared = be16(b, 10), division = be16(b, 12);
    if (format > 1 || declared == 0 || division == 0 || (division & 0x8000)) {
        f.error = QStringLiteral("format %1, %2 tracks, division %3")
                      .arg(format)
                      .arg(declared)
                      .arg(division);
        return f;
    }
    std::map<uint64_t, uint32_t> tempo{{0, 500000}};  // tick -> microseconds a quarter note
    uint64_t lastTick = 0;
    qsizetype at = 14;
    while (at + 8 <= b.size()) {
        if (b.mid(at, 4) != "MTrk" || at + 8 + qsizetype(be32(b, at + 4)) > b.size()) {
            f.error = QStringLiteral("bad track chunk at byte %1").arg(at);
            return f;
        }
        const qsizetype end = at + 8 + be32(b, at + 4);
        at += 8;
        uint64_t tick = 0;
        uint8_t status = 0;
        bool ended = false;
        while (at < end && !ended) {
            uint32_t delta;
            if (!varlen(b, at, end, delta) || at >= end) break;
            tick += delta;
            if (uint8_t(b[at]) & 0x80) status = uint8_t(b[at++]);
            if (status == 0xFF) {
                if (at >= end) break;
                const uint8_t type = uint8_t(b[at++]);
                uint32_t length;
                if (!varlen(b, at, end, length) || at + length > end) break;
                if (type == 0x51 && length == 3)
                    tempo[tick] = uint32_t(uint8_t(b[at])) << 16 | uint8_t(b[at + 1]) << 8 |
                                  uint8_t(b[at + 2]);
                ended = type == 0x2F;
                at += length;
            } else if (status == 0xF0 || status == 0xF7) {
                uint32_t length;
                if (!varlen(b, at, end, length) || at + length > end) break;
                at += length;
            } else if (status >= 0x80) {
                const int kind = status >> 4;
                const int size = kind == 0xC || kind == 0xD ? 1 : 2;
                if (at + size > end || (uint8_t(b[at]) & 0x80) ||
                    (size == 2 && (uint8_t(b[at + 1]) & 0x80)))
                    break;
                if (kind == 0x9 && b[at + 1] != 0) ++f.notes;
                at += size;
            } else {
                break;  // data without a status byte
            }
        }
        if (!ended || at != end) {
            f.error =
                QStringLiteral("track %1 does not end with its end-of-track event").arg(f.tracks);
            return f;
        }
        lastTick = std::max(lastTick, tick);
        ++f.tracks;
    }
    if (f.tracks != declared || at != b.size()) {
        f.error = QStringLiteral("%1 tracks declared, %2 found").arg(declared).arg(f.tracks);
        return f;
    }
    for (auto it = tempo.begin(); it != tempo.end() && it->first < lastTick; ++it) {
        const uint64_t until =
            std::next(it) == tempo.end() ? lastTick : std::min(std::next(it)->first, lastTick);
        f.seconds += double(until - it->first) / division * it->second / 1e6;
    }
    return f;
}

MediaFacts aviFacts(const QByteArray& b) {
    MediaFacts f;
    const QList<Chunk> top = riffForm(b, "AVI ", &f.error);
    if (!f.error.isEmpty()) return f;
    const Chunk* hdrl = nullptr;
    const Chunk* movi = nullptr;
    for (const Chunk& c : top) {
        if (c.id != "LIST" || c.size < 4) continue;
        if (b.mid(c.body, 4) == "hdrl") hdrl = &c;
        if (b.mid(c.body, 4) == "movi") movi = &c;
    }
    if (!hdrl || !movi || movi->size <= 4 || !find(top, "idx1")) {
        f.error = QStringLiteral("no hdrl, movi or idx1");
        return f;
    }
    const QList<Chunk> header = riffChunks(b, hdrl->body + 4, hdrl->body + hdrl->size, &f.error);
    const Chunk* avih = find(header, "avih");
    if (!avih || avih->size < 56) {
        if (f.error.isEmpty()) f.error = QStringLiteral("no main AVI header");
        return f;
    }
    f.seconds = double(le32(b, avih->body)) * le32(b, avih->body + 16) / 1e6;
    for (const Chunk& list : header) {
        if (list.id != "LIST" || b.mid(list.body, 4) != "strl") continue;
        const QList<Chunk> stream = riffChunks(b, list.body + 4, list.body + list.size, &f.error);
        const Chunk* strh = find(stream, "strh");
        const Chunk* strf = find(stream, "strf");
        if (!strh || !strf || strh->size < 8) {
            f.error = QStringLiteral("stream without strh or strf");
            return f;
        }
        const QByteArray type = b.mid(strh->body, 4);
        f.streams << QString::fromLatin1(type) + QLatin1Char(' ') +
                         (type == "auds" && strf->size >= 2
                              ? QStringLiteral("0x%1").arg(le16(b, strf->body), 0, 16)
                              : QString::fromLatin1(b.mid(strh->body + 4, 4)));
    }
    return f;
}
