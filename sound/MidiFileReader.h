#pragma once
// Reads a Standard MIDI File (format 0 or 1, ticks per quarter note, optionally in a
// RIFF wrapper) into a MidiSong and checks every track so that the player can walk it.
// Failures come back as an English text; success as no text.

#include <cstdint>
#include <optional>
#include <string>

#include "sound/MidiSong.h"

// Loads the file at the full program path `path` into `song`. On failure `song` keeps
// no track data.
std::optional<std::string> LoadMidiFile(const std::string& path, MidiSong& song);

// Walks the data of track `trackIndex` (zero-based) up to its end-of-track event and
// sums its delta-times into totalTicks.
std::optional<std::string> ScanTrack(MidiTrack& track, int32_t trackIndex);

// Releases every track's data.
void FreeSong(MidiSong& song);
