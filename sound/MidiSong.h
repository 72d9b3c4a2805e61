#pragma once
// A Standard MIDI File in memory: the header's numbers and one buffer of event data
// per track, with the play state kept for each track as the song plays.

#include <cstdint>
#include <vector>

struct MidiTrack {
    uint32_t length = 0;        // bytes of event data
    std::vector<uint8_t> data;  // exactly `length` bytes
    uint32_t readPosition = 0;  // next byte to interpret
    uint8_t runningStatus = 0;  // last channel status byte seen
    int32_t deltaPending = 0;   // the delta-time before the next event has been read
    int32_t ended = 0;          // the end-of-track meta-event has been played
    float ticksToNext = 0.0f;   // ticks until the next event
    int32_t totalTicks = 0;     // sum of the delta-times, as scanned
};

struct MidiSong {
    int16_t format = 0;
    int16_t trackCount = 0;
    uint16_t division = 0;  // ticks per quarter note
    uint32_t tempo = 0;     // microseconds per quarter note
    std::vector<MidiTrack> tracks;
};

// The MIDI default tempo: 120 beats per minute.
constexpr uint32_t kDefaultMidiTempo = 500000;
