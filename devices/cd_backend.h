#pragma once
// The audio disc in a drive, read digitally into our own audio stream. Its table of contents
// gives the tracks; "Play" plays from the current place to the end of the disc, "Next" and "Prev"
// move between tracks. The drive is opened and read on the stream's thread, so a slow or empty
// drive never holds up the event thread; a drive without an audio disc fails quietly.
#include <QString>
#include <memory>

#include "media/media_backend.h"

class Clock;

// `device` names the drive (or a disc image's .cue file); empty for the default drive.
// nullptr when there is no drive at all.
std::unique_ptr<MediaBackend> openCd(Clock& clock, const QString& device);
