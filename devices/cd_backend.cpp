#include "devices/cd_backend.h"

#include <cdio/cdio.h>
#include <cdio/logging.h>
#include <cdio/memory.h>
#include <cdio/paranoia/cdda.h>
#include <cdio/paranoia/paranoia.h>

#include <QPointer>
#include <cstring>

#include "devices/stream_backend.h"

namespace {

constexpr int kSectorBytes = CDIO_CD_FRAMESIZE_RAW;  // 1/75 s of 44.1 kHz 16-bit stereo
constexpr int kSectorsPerSecond = CDIO_CD_FRAMES_PER_SEC;

qint64 sectorsToMs(qint64 sectors) {
    return sectors * 1000 / kSectorsPerSecond;
}

QAudioFormat discFormat() {
    QAudioFormat f;
    f.setSampleRate(44100);
    f.setChannelCount(2);
    f.setSampleFormat(QAudioFormat::Int16);
    return f;
}

void quietLog(cdio_log_level_t, const char*) {}

struct DiscContents {
    bool playable = false;
    qint64 lengthMs = 0;
    std::vector<qint64> laterTrackStartsMs;
};

// The drive and its paranoia reader; lives on the stream's thread.
class DiscSource final : public SampleSource {
public:
    explicit DiscSource(QByteArray device) : device_(std::move(device)) {}
    ~DiscSource() override { release(); }

    DiscContents openDisc() {
        DiscContents contents;
        cdio_ = cdio_open(device_.constData(), DRIVER_UNKNOWN);
        if (!cdio_) return contents;
        const track_t first = cdio_get_first_track_num(cdio_);
        const track_t count = cdio_get_num_tracks(cdio_);
        if (first == CDIO_INVALID_TRACK || count == CDIO_INVALID_TRACK || count == 0)
            return contents;
        std::vector<lsn_t> starts;
        for (track_t t = first; t < first + count; ++t) {
            if (cdio_get_track_format(cdio_, t) != TRACK_FORMAT_AUDIO) continue;
            if (starts.empty()) firstLsn_ = cdio_get_track_lsn(cdio_, t);
            starts.push_back(cdio_get_track_lsn(cdio_, t));
            endLsn_ = cdio_get_track_last_lsn(cdio_, t) + 1;
        }
        if (starts.empty() || endLsn_ <= firstLsn_) return contents;
        drive_ = cdio_cddap_identify_cdio(cdio_, CDDA_MESSAGE_FORGETIT, nullptr);
        if (!drive_ || cdio_cddap_open(drive_) != 0) return contents;
        paranoia_ = cdio_paranoia_init(drive_);
        if (!paranoia_) return contents;
        cdio_paranoia_modeset(paranoia_, PARANOIA_MODE_OVERLAP);  // jitter only: no long retries
        seekMs(0);
        contents.playable = true;
        contents.lengthMs = sectorsToMs(endLsn_ - firstLsn_);
        for (size_t i = 1; i < starts.size(); ++i)
            contents.laterTrackStartsMs.push_back(sectorsToMs(starts[i] - firstLsn_));
        return contents;
    }

    qint64 read(char* data, qint64 maxBytes) override {
        if (!paranoia_) return 0;
        qint64 written = 0;
        while (written < maxBytes) {
            if (pendingAt_ == pending_.size()) {
                if (lsn_ >= endLsn_) break;
                const int16_t* sector = cdio_paranoia_read_limited(paranoia_, nullptr, 3);
                ++lsn_;
                if (!sector) break;
                pending_.assign(reinterpret_cast<const char*>(sector),
                                reinterpret_cast<const char*>(sector) + kSectorBytes);
                pendingAt_ = 0;
            }
            qint64 n = std::min<qint64>(maxBytes - written, pending_.size() - pendingAt_);
            n -= n % 4;  // whole frames
            if (n <= 0) break;
            std::memcpy(data + written, pending_.data() + pendingAt_, n);
            pendingAt_ += n;
            written += n;
        }
        return written;
    }

    void seekMs(qint64 ms) {
        lsn_ =
            std::min<lsn_t>(endLsn_, firstLsn_ + static_cast<lsn_t>(ms * kSectorsPerSecond / 1000));
        if (paranoia_) cdio_paranoia_seek(paranoia_, lsn_, SEEK_SET);
        pending_.clear();
        pendingAt_ = 0;
    }

    void eject() {
        release(false);
        if (cdio_) cdio_eject_media(&cdio_);  // frees the handle, whether or not the tray opened
        release();
    }

private:
    void release(bool withDrive = true) {
        if (paranoia_) cdio_paranoia_free(paranoia_);
        paranoia_ = nullptr;
        if (drive_) cdio_cddap_close_no_free_cdio(drive_);
        drive_ = nullptr;
        if (withDrive && cdio_) cdio_destroy(cdio_);
        if (withDrive) cdio_ = nullptr;
    }

    QByteArray device_;
    CdIo_t* cdio_ = nullptr;
    cdrom_drive_t* drive_ = nullptr;
    cdrom_paranoia_t* paranoia_ = nullptr;
    lsn_t firstLsn_ = 0;
    lsn_t endLsn_ = 0;
    lsn_t lsn_ = 0;
    std::vector<char> pending_;  // the rest of the last sector read
    size_t pendingAt_ = 0;
};

class CdBackend final : public StreamBackend {
public:
    CdBackend(Clock& clock, const QByteArray& device)
        : StreamBackend(clock, 0),
          disc_(std::make_unique<AudioStream>(discFormat(), std::make_unique<DiscSource>(device))) {
        waitUntilReady();
        QPointer<QObject> context = &this->context();
        disc_->run([this, context](SampleSource& source) {
            const DiscContents contents = static_cast<DiscSource&>(source).openDisc();
            QMetaObject::invokeMethod(context, [this, contents] { discOpened(contents); });
        });
    }

    bool eject() override {
        if (AudioStream* s = stream() ? stream() : disc_.get())
            s->run([](SampleSource& source) { static_cast<DiscSource&>(source).eject(); });
        return true;
    }

protected:
    std::function<void(SampleSource&)> repositionTo(qint64 ms) override {
        return [ms](SampleSource& s) { static_cast<DiscSource&>(s).seekMs(ms); };
    }

private:
    void discOpened(const DiscContents& contents) {
        if (!contents.playable) {
            if (onFailed) onFailed();
            return;
        }
        setTrackStarts(contents.laterTrackStartsMs);
        becomeReady(std::move(disc_), contents.lengthMs);
    }

    std::unique_ptr<AudioStream> disc_;  // until the disc is known to play
};

}  // namespace

std::unique_ptr<MediaBackend> openCd(Clock& clock, const QString& device) {
    cdio_log_set_handler(quietLog);
    QByteArray name = device.toLocal8Bit();
    if (name.isEmpty()) {
        char* found = cdio_get_default_device(nullptr);
        if (!found) return nullptr;
        name = found;
        cdio_free(found);
    }
    return std::make_unique<CdBackend>(clock, name);
}
