#pragma once
// The media the program really plays, chosen by device type and by the file's first bytes (not
// its name): the audio disc through the disc reader, MIDI songs through the synthesizer, WAVE
// files with plain samples through our own low-latency stream, everything else through Qt
// Multimedia's decoders. All keep time on the given clock, with or without a sound device.
#include <QString>
#include <memory>

#include "media/media_backend.h"

class Clock;

struct MediaSettings {
    QString soundfont = QStringLiteral("/usr/share/sounds/sf2/TimGM6mb.sf2");
    QString discDrive;  // empty for the default drive; a .cue file plays a disc image
};

std::unique_ptr<MediaBackendFactory> makeDefaultBackendFactory(Clock& clock,
                                                               const MediaSettings& settings = {});
