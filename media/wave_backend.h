#pragma once
// WAVE files with plain samples, played straight from the mapped file through our own stream:
// no decoder to start, so a click sounds with the click.
#include <QFile>
#include <memory>

#include "media/media_backend.h"

class Clock;

// nullptr when `file` holds no plain WAVE (the decoders may still know it).
std::unique_ptr<MediaBackend> openWave(Clock& clock, std::unique_ptr<QFile> file);
