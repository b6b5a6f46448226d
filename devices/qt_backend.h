#pragma once
// Everything our own stream does not play (MP3, OGG, MP4, AVI, MPEG, video disc .dat files,
// WAVE files with compressed sound), decoded by Qt Multimedia. Video plays in a window of its
// own. A file the decoders reject fails quietly once they have said so; a sound device that fails
// under a medium that loaded leaves it keeping time in silence.
#include <memory>

#include "media/media_backend.h"

class Clock;

std::unique_ptr<MediaBackend> openWithDecoders(Clock& clock, const MediaSource& source);
