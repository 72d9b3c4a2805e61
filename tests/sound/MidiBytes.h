#pragma once
// Builders for Standard MIDI Files, to craft exactly the bytes a test needs.

#include <cstdint>
#include <string>
#include <vector>

using MidiBytes = std::vector<uint8_t>;

MidiBytes MidiHeader(int16_t format, int16_t trackCount, uint16_t division);
MidiBytes TrackChunk(const MidiBytes& events);
// A whole file: the header, then one MTrk chunk for each track's events.
MidiBytes MidiFile(int16_t format, uint16_t division, const std::vector<MidiBytes>& tracks);
// The file inside a RIFF "RMID" wrapper with its "data" chunk.
MidiBytes RiffWrapped(const MidiBytes& midiFile);
MidiBytes Joined(std::initializer_list<MidiBytes> parts);

void WriteMidiFile(const std::string& path, const MidiBytes& bytes);

// The end-of-track meta-event after a zero delta-time.
inline const MidiBytes kEndOfTrack = {0x00, 0xFF, 0x2F, 0x00};
// With a 1 ms period and the default tempo, 500 ticks a quarter note make one tick a
// period and 375 make three quarters of one: steps that floats hold exactly.
constexpr uint16_t kOneTickAPeriod = 500;
// A note on and its note off ten ticks later, the messages they send, and a song of them.
inline const MidiBytes kNote = {0x00, 0x90, 0x3C, 0x40, 0x0A, 0x80, 0x3C, 0x00};
constexpr uint32_t kNoteOn = 0x403C90;
constexpr uint32_t kNoteOff = 0x003C80;
inline const MidiBytes kNoteSong = MidiFile(0, kOneTickAPeriod, {Joined({kNote, kEndOfTrack})});
