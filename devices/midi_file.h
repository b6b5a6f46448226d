#pragma once
// Standard MIDI files as the synthesizer gets them: checked whole before playing (a broken file
// never reaches the synthesizer) and timed, so a player knows when the song ends without sound.
#include <QByteArray>
#include <optional>

struct MidiSong {
    QByteArray smf;       // the standard MIDI file itself (unwrapped from an RMID file)
    qint64 lengthMs = 0;  // from the start to the last event, through every tempo change
};

// `file` is a standard MIDI file ("MThd") or a RIFF RMID file holding one; nullopt otherwise.
std::optional<MidiSong> readMidiSong(const QByteArray& file);
