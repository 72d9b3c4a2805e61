#include "content/MidiTrack.h"

#include <algorithm>
#include <stdexcept>

#include "sound/MidiFormat.h"

namespace {

enum EventOrder : uint8_t { kSetting, kNoteOff, kNoteOn };

void PutVariableLength(std::vector<uint8_t>& bytes, uint32_t value) {
    uint8_t groups[5];
    size_t count = 0;
    do {
        groups[count++] = static_cast<uint8_t>(value & 0x7F);
        value >>= 7;
    } while (value != 0);
    while (count > 1) {
        bytes.push_back(static_cast<uint8_t>(groups[--count] | 0x80));
    }
    bytes.push_back(groups[0]);
}

uint8_t Status(uint8_t kind, uint8_t channel) {
    return static_cast<uint8_t>(kind | (channel & 0x0F));
}

}  // namespace

void MidiTrack::Meta(uint8_t type, std::vector<uint8_t> data) {
    if (data.size() > 0x7F) {
        throw std::length_error("meta-event too long");
    }
    std::vector<uint8_t> bytes{0xFF, type, static_cast<uint8_t>(data.size())};
    bytes.insert(bytes.end(), data.begin(), data.end());
    m_events.push_back({0, kSetting, std::move(bytes)});
}

void MidiTrack::Name(const std::string& name) {
    Meta(0x03, std::vector<uint8_t>(name.begin(), name.end()));
}

void MidiTrack::Tempo(uint32_t microsecondsPerQuarter) {
    Meta(0x51, {static_cast<uint8_t>(microsecondsPerQuarter >> 16),
                static_cast<uint8_t>(microsecondsPerQuarter >> 8),
                static_cast<uint8_t>(microsecondsPerQuarter)});
}

void MidiTrack::TimeSignature(uint8_t beatsPerBar, uint8_t beatUnitPower) {
    // 24 MIDI clocks per metronome click, 8 thirty-seconds per quarter note.
    Meta(0x58, {beatsPerBar, beatUnitPower, 24, 8});
}

void MidiTrack::Program(uint8_t channel, uint8_t program, uint32_t tick) {
    m_events.push_back({tick, kSetting, {Status(0xC0, channel), program}});
}

void MidiTrack::Controller(uint8_t channel, uint8_t controller, uint8_t value, uint32_t tick) {
    m_events.push_back({tick, kSetting, {Status(0xB0, channel), controller, value}});
}

void MidiTrack::Note(uint8_t channel, uint8_t key, uint8_t velocity, uint32_t tick,
                     uint32_t length) {
    m_events.push_back({tick, kNoteOn, {Status(0x90, channel), key, velocity}});
    m_events.push_back({tick + length, kNoteOff, {Status(0x80, channel), key, 64}});
}

std::vector<uint8_t> MidiTrack::Chunk(uint32_t endTick) const {
    std::vector<Event> events = m_events;
    std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
        return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
    });
    if (!events.empty() && events.back().tick > endTick) {
        throw std::logic_error("a note sounds past the end of the song");
    }
    std::vector<uint8_t> data;
    uint32_t now = 0;
    for (const Event& event : events) {
        PutVariableLength(data, event.tick - now);
        data.insert(data.end(), event.bytes.begin(), event.bytes.end());
        now = event.tick;
    }
    PutVariableLength(data, endTick - now);
    data.insert(data.end(), {0xFF, 0x2F, 0x00});

    std::vector<uint8_t> chunk(MidiChunkHeader::kSize);
    MidiChunkHeader::Store(chunk.data(), MidiChunkHeader::kTrackType,
                           static_cast<uint32_t>(data.size()));
    chunk.insert(chunk.end(), data.begin(), data.end());
    return chunk;
}
