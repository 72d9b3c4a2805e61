#include "tests/sound/MidiBytes.h"

#include <fstream>

namespace {

void AppendBigEndian(MidiBytes& bytes, uint32_t value, int count) {
    for (int shift = (count - 1) * 8; shift >= 0; shift -= 8) {
        bytes.push_back(static_cast<uint8_t>(value >> shift));
    }
}

void AppendLittleEndian32(MidiBytes& bytes, uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        bytes.push_back(static_cast<uint8_t>(value >> shift));
}

void AppendText(MidiBytes& bytes, const char* text) {
    for (; *text != '\0'; ++text) bytes.push_back(static_cast<uint8_t>(*text));
}

}  // namespace

MidiBytes MidiHeader(int16_t format, int16_t trackCount, uint16_t division) {
    MidiBytes bytes;
    AppendText(bytes, "MThd");
    AppendBigEndian(bytes, 6, 4);
    AppendBigEndian(bytes, static_cast<uint16_t>(format), 2);
    AppendBigEndian(bytes, static_cast<uint16_t>(trackCount), 2);
    AppendBigEndian(bytes, division, 2);
    return bytes;
}

MidiBytes TrackChunk(const MidiBytes& events) {
    MidiBytes bytes;
    AppendText(bytes, "MTrk");
    AppendBigEndian(bytes, static_cast<uint32_t>(events.size()), 4);
    bytes.insert(bytes.end(), events.begin(), events.end());
    return bytes;
}

MidiBytes MidiFile(int16_t format, uint16_t division, const std::vector<MidiBytes>& tracks) {
    MidiBytes bytes = MidiHeader(format, static_cast<int16_t>(tracks.size()), division);
    for (const MidiBytes& track : tracks) {
        const MidiBytes chunk = TrackChunk(track);
        bytes.insert(bytes.end(), chunk.begin(), chunk.end());
    }
    return bytes;
}

MidiBytes RiffWrapped(const MidiBytes& midiFile) {
    MidiBytes bytes;
    AppendText(bytes, "RIFF");
    AppendLittleEndian32(bytes, static_cast<uint32_t>(midiFile.size() + 12));
    AppendText(bytes, "RMIDdata");
    AppendLittleEndian32(bytes, static_cast<uint32_t>(midiFile.size()));
    bytes.insert(bytes.end(), midiFile.begin(), midiFile.end());
    return bytes;
}

MidiBytes Joined(std::initializer_list<MidiBytes> parts) {
    MidiBytes bytes;
    for (const MidiBytes& part : parts) bytes.insert(bytes.end(), part.begin(), part.end());
    return bytes;
}

void WriteMidiFile(const std::string& path, const MidiBytes& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}
