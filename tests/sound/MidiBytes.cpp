#include "tests/sound/MidiBytes.h"

#include <fstream>

namespace {

// `value` in `count` bytes, most significant first unless `littleEndian`.
MidiBytes Number(uint32_t value, int count, bool littleEndian = false) {
    MidiBytes bytes;
    for (int i = 0; i < count; ++i) {
        const int shift = 8 * (littleEndian ? i : count - 1 - i);
        bytes.push_back(static_cast<uint8_t>(value >> shift));
    }
    return bytes;
}

MidiBytes Text(const char* text) {
    return MidiBytes(text, text + std::char_traits<char>::length(text));
}

}  // namespace

MidiBytes MidiHeader(int16_t format, int16_t trackCount, uint16_t division) {
    return Joined({Text("MThd"), Number(6, 4), Number(static_cast<uint16_t>(format), 2),
                   Number(static_cast<uint16_t>(trackCount), 2), Number(division, 2)});
}

MidiBytes TrackChunk(const MidiBytes& events) {
    return Joined({Text("MTrk"), Number(static_cast<uint32_t>(events.size()), 4), events});
}

MidiBytes MidiFile(int16_t format, uint16_t division, const std::vector<MidiBytes>& tracks) {
    MidiBytes bytes = MidiHeader(format, static_cast<int16_t>(tracks.size()), division);
    for (const MidiBytes& track : tracks) bytes = Joined({bytes, TrackChunk(track)});
    return bytes;
}

MidiBytes RiffWrapped(const MidiBytes& midiFile) {
    const auto size = static_cast<uint32_t>(midiFile.size());
    return Joined({Text("RIFF"), Number(size + 12, 4, true), Text("RMIDdata"),
                   Number(size, 4, true), midiFile});
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
