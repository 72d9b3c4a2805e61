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

// Writes `bytes` to the host path `path`.
void WriteMidiFile(const std::string& path, const MidiBytes& bytes);

// The end-of-track meta-event after a zero delta-time.
inline const MidiBytes kEndOfTrack = {0x00, 0xFF, 0x2F, 0x00};
