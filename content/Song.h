#pragma once
// The background song, "QLY03.mid": a cheerful tune of our own in C major, 24 bars at
// 126 beats a minute (about 46 seconds), as a format-1 Standard MIDI File with a
// tempo track and five instrument tracks (flute melody, glockenspiel sparkle,
// marimba chords, bass and light percussion on channel 10). Every track ends on the
// same tick, so the song loops without a seam.

#include <cstdint>
#include <vector>

#include "content/ContentOutput.h"

class Song {
public:
    static constexpr uint16_t kTicksPerQuarter = 96;
    static constexpr uint32_t kMicrosecondsPerQuarter = 476190;
    static constexpr uint32_t kBars = 24;

    static void Generate(ContentOutput& output);

private:
    static std::vector<uint8_t> MidiFile();
};
