#pragma once
// MIDI songs, rendered by a General MIDI synthesizer into our own audio stream. Every play from
// the start gets a fresh song player: the synthesizer's own player does not restart cleanly after
// a stop or after the song's end.
#include <memory>

#include "devices/midi_file.h"
#include "media/media_backend.h"

class Clock;
class SynthPool;

std::unique_ptr<MediaBackend> openMidi(Clock& clock, SynthPool& synths, MidiSong song);
