#pragma once
// One track of a Standard MIDI File, built from events placed at absolute ticks and
// written as an "MTrk" chunk with delta-times.

#include <cstdint>
#include <string>
#include <vector>

class MidiTrack {
public:
    void Name(const std::string& name);
    void Tempo(uint32_t microsecondsPerQuarter);
    void TimeSignature(uint8_t beatsPerBar, uint8_t beatUnitPower);
    void Program(uint8_t channel, uint8_t program, uint32_t tick = 0);
    void Controller(uint8_t channel, uint8_t controller, uint8_t value, uint32_t tick = 0);
    void Note(uint8_t channel, uint8_t key, uint8_t velocity, uint32_t tick, uint32_t length);

    // The chunk, ending with the end-of-track event at `endTick`. Every track of a
    // song ends at the same tick, so that the song loops without a gap or an overlap.
    std::vector<uint8_t> Chunk(uint32_t endTick) const;

private:
    struct Event {
        uint32_t tick;
        // At one tick, notes end before new ones begin, and settings come first.
        uint8_t order;
        std::vector<uint8_t> bytes;
    };
    void Meta(uint8_t type, std::vector<uint8_t> data);

    std::vector<Event> m_events;
};
