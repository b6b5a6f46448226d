#include "devices/midi_file.h"

#include <QtEndian>
#include <algorithm>
#include <map>

namespace {

// Reads a file front to back; every read past the end sets `bad` and yields zeros.
struct Reader {
    const QByteArray& b;
    qint64 at = 0;
    qint64 end;
    bool bad = false;

    bool has(qint64 n) const { return !bad && at + n <= end; }
    quint8 byte() {
        if (!has(1)) return bad = true, 0;
        return static_cast<quint8>(b[at++]);
    }
    quint32 be(int n) {
        quint32 v = 0;
        for (int i = 0; i < n; ++i) v = v << 8 | byte();
        return v;
    }
    quint32 vlq() {  // variable-length quantity, at most four bytes
        quint32 v = 0;
        for (int i = 0; i < 4; ++i) {
            const quint8 c = byte();
            v = v << 7 | (c & 0x7F);
            if (!(c & 0x80)) return v;
        }
        bad = true;
        return 0;
    }
    void skip(qint64 n) {
        if (n < 0 || !has(n))
            bad = true;
        else
            at += n;
    }
};

using TempoMap = std::map<qint64, quint32>;  // tick -> microseconds per quarter note

// Walks one track's events; returns its last tick, or -1 when the track is malformed.
qint64 walkTrack(const QByteArray& file, qint64 from, qint64 size, TempoMap& tempos) {
    Reader r{file, from, from + size};
    qint64 tick = 0;
    quint8 running = 0;
    while (r.has(1)) {
        tick += r.vlq();
        quint8 status = r.byte();
        if (status == 0xFF) {  // meta event
            const quint8 type = r.byte();
            const quint32 length = r.vlq();
            if (type == 0x51 && length == 3) {
                tempos[tick] = r.be(3);
                continue;
            }
            r.skip(length);
            if (type == 0x2F) break;  // end of track
            continue;
        }
        if (status == 0xF0 || status == 0xF7) {  // system exclusive
            r.skip(r.vlq());
            continue;
        }
        if (status < 0x80) {  // running status: this byte is the first data byte
            if (!running) return -1;
            --r.at;
            status = running;
        }
        if (status >= 0xF0) return -1;  // no other system messages belong in a file
        running = status;
        const quint8 kind = status & 0xF0;
        r.skip(kind == 0xC0 || kind == 0xD0 ? 1 : 2);
    }
    return r.bad ? -1 : tick;
}

qint64 ticksToMs(qint64 endTick, int division, const TempoMap& tempos) {
    if (division & 0x8000) {  // SMPTE: frames a second times ticks a frame
        const int fps = -static_cast<qint8>(division >> 8);
        const int perFrame = division & 0xFF;
        return fps > 0 && perFrame > 0 ? endTick * 1000 / (fps * perFrame) : 0;
    }
    if (division <= 0) return 0;
    double us = 0;
    qint64 tick = 0;
    quint32 tempo = 500000;  // 120 beats a minute until told otherwise
    for (const auto& [at, value] : tempos) {
        if (at >= endTick) break;
        us += double(at - tick) * tempo / division;
        tick = at;
        tempo = value;
    }
    us += double(endTick - tick) * tempo / division;
    return static_cast<qint64>(us / 1000);
}

// The SMF inside a RIFF RMID file: its "data" chunk.
std::optional<QByteArray> unwrapRmid(const QByteArray& file) {
    for (qint64 at = 12; at + 8 <= file.size();) {
        const qint64 size = qFromLittleEndian<quint32>(file.constData() + at + 4);
        if (file.mid(at, 4) == "data") return file.mid(at + 8, size);
        at += 8 + size + (size & 1);
    }
    return std::nullopt;
}

}  // namespace

std::optional<MidiSong> readMidiSong(const QByteArray& file) {
    MidiSong song;
    song.smf = file;
    if (file.startsWith("RIFF") && file.mid(8, 4) == "RMID") {
        auto inner = unwrapRmid(file);
        if (!inner) return std::nullopt;
        song.smf = *inner;
    }
    const QByteArray& smf = song.smf;
    Reader r{smf, 0, smf.size()};
    if (!smf.startsWith("MThd")) return std::nullopt;
    r.skip(4);
    const quint32 headerSize = r.be(4);
    const quint32 format = r.be(2);
    const quint32 tracks = r.be(2);
    const int division = static_cast<int>(r.be(2));
    if (r.bad || headerSize < 6 || format > 2 || tracks == 0) return std::nullopt;
    r.at = 8 + headerSize;

    TempoMap tempos;
    qint64 endTick = 0;
    for (quint32 found = 0; found < tracks;) {
        if (!r.has(8)) return std::nullopt;  // fewer tracks than the header promises
        const QByteArray id = smf.mid(r.at, 4);
        r.skip(4);
        const qint64 size = r.be(4);
        if (!r.has(size)) return std::nullopt;
        if (id == "MTrk") {
            const qint64 last = walkTrack(smf, r.at, size, tempos);
            if (last < 0) return std::nullopt;
            endTick = std::max(endTick, last);
            ++found;
        }
        r.skip(size);  // chunks of other kinds are skipped, as the format allows
    }
    song.lengthMs = ticksToMs(endTick, division, tempos);
    return song;
}
