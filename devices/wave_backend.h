#pragma once
// WAVE files with plain samples, read whole and played through our own stream: no decoder to
// start, so a click sounds with the click.
#include <QFile>
#include <memory>

#include "media/media_backend.h"

class Clock;

// Three minutes of CD-quality sound; a longer file is streamed by the general decoders.
constexpr qint64 kMaxWholeWaveBytes = qint64(32) << 20;

// nullptr when `file` holds no plain WAVE that short (the decoders may still know it).
std::unique_ptr<MediaBackend> openWave(Clock& clock, std::unique_ptr<QFile> file);
