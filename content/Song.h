#pragma once
// The background song, "QLY03.mid": a cheerful tune of our own in C major at 120 beats
// a minute, 52 bars (104 seconds) before it starts again, as a format-1 Standard MIDI
// File with a tempo track and seven instrument tracks. It is heard all afternoon, so
// its sections take turns: the flute's tune, the same tune dressed up with broken
// chords and a glockenspiel, a vibraphone over strings, the tune again with a strings
// line under it, a music box over plucked strings in F, a short clarinet bridge back
// home, and the flute once more. Every track ends on the same tick, so the song loops
// without a seam.

#include <cstdint>
#include <vector>

#include "content/ContentOutput.h"

class Song {
public:
    static constexpr uint16_t kTicksPerQuarter = 96;
    static constexpr uint32_t kMicrosecondsPerQuarter = 500000;
    static constexpr uint32_t kBars = 52;

    static void Generate(ContentOutput& output);

private:
    static std::vector<uint8_t> MidiFile();
};
