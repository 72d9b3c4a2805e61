#include "sound/MidiFileReader.h"

#include <array>
#include <limits>
#include <new>

#include "diag/TextFormat.h"
#include "platform/kernel/Kernel.h"
#include "sound/MidiEventReader.h"
#include "sound/MidiFormat.h"

namespace {

constexpr const char* kCannotOpen = "File cannot be loaded for reading.";
constexpr const char* kFileHeader = "Error encountered when reading the MIDI file header.";
constexpr const char* kHeaderChunk = "Error encountered when reading the MIDI header chunk.";
constexpr const char* kSmpte =
    "The SMPTE time codes used in this file are not supported by this program.";
constexpr const char* kInconsistent = "Error due to inconsistent information in MIDI header chunk.";
constexpr const char* kFormatUnsupported =
    "The format of this MIDI file is not supported by this program.";
constexpr const char* kAllocation = "Error encountered when allocating memory for this file.";
constexpr const char* kTrackChunk = "Error encountered when reading track chunk.";

constexpr size_t kHeaderBytes = MidiHeaderChunk::kSize;
constexpr size_t kRiffSkip = 6;
constexpr int kHeaderPasses = 2;

using HeaderBytes = std::array<uint8_t, kHeaderBytes>;

// The open song file; closed on every path out of the load.
class SongFile {
public:
    explicit SongFile(const std::string& path)
        : m_handle(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    ~SongFile() {
        if (IsOpen()) CloseHandle(m_handle);
    }
    SongFile(const SongFile&) = delete;
    SongFile& operator=(const SongFile&) = delete;

    bool IsOpen() const { return m_handle != INVALID_HANDLE_VALUE; }

    bool ReadExactly(void* buffer, size_t count) {
        DWORD done = 0;
        return ReadFile(m_handle, buffer, static_cast<DWORD>(count), &done, nullptr) != FALSE &&
               done == count;
    }

    // Bytes between the read position and the end of the file.
    uint64_t Remaining() const {
        const DWORD position = SetFilePointer(m_handle, 0, nullptr, FILE_CURRENT);
        const DWORD size = GetFileSize(m_handle, nullptr);
        if (position == INVALID_SET_FILE_POINTER || size == INVALID_FILE_SIZE || size < position) {
            return 0;
        }
        return size - position;
    }

private:
    HANDLE m_handle;
};

// Reads the header chunk, passing over up to one RIFF wrapper in front of it.
const char* ReadHeader(SongFile& file, HeaderBytes& header) {
    for (int pass = 0; pass < kHeaderPasses; ++pass) {
        if (!file.ReadExactly(header.data(), header.size())) return kFileHeader;
        if (!MidiChunkHeader::HasType(header.data(), "RIFF")) break;
        std::array<uint8_t, kRiffSkip> riffRest{};
        if (pass + 1 < kHeaderPasses && !file.ReadExactly(riffRest.data(), riffRest.size())) {
            return kFileHeader;
        }
    }
    if (!MidiChunkHeader::HasType(header.data(), MidiChunkHeader::kHeaderType) ||
        MidiChunkHeader::Length(header.data()) != MidiHeaderChunk::kDataSize) {
        return kHeaderChunk;
    }
    return nullptr;
}

const char* CheckHeader(const MidiSong& song) {
    if (static_cast<int16_t>(song.division) < 0) return kSmpte;
    const bool knownFormat = song.format >= 0 && song.format <= 2;
    if (!knownFormat || (song.format == 0 && song.trackCount != 1)) return kInconsistent;
    if (song.format == 2) return kFormatUnsupported;
    if (song.trackCount < 0) return kAllocation;
    return nullptr;
}

std::optional<std::string> ReadTrack(SongFile& file, MidiTrack& track, int32_t index) {
    std::array<uint8_t, MidiChunkHeader::kSize> chunk{};
    if (!file.ReadExactly(chunk.data(), chunk.size()) ||
        !MidiChunkHeader::HasType(chunk.data(), MidiChunkHeader::kTrackType)) {
        return kTrackChunk;
    }
    track.length = MidiChunkHeader::Length(chunk.data());
    // A length beyond the end of the file can only end in a short read; refusing it
    // first keeps a few bytes of header from asking for gigabytes of memory.
    if (track.length > file.Remaining()) return kTrackChunk;
    try {
        track.data.resize(track.length);
    } catch (const std::bad_alloc&) {
        return kAllocation;
    }
    if (!file.ReadExactly(track.data.data(), track.length)) return kTrackChunk;
    if (auto problem = ScanTrack(track, index)) {
        return FormatText("Error encountered in file: %s", problem->c_str());
    }
    return std::nullopt;
}

const char* TrackErrorText(MidiReadError error) {
    switch (error) {
        case MidiReadError::DeltaTime:
            return "Track %i Offset %i: Delta-time problem.";
        case MidiReadError::FirstByte:
            return "Track %i Offset %i: First byte problem.";
        case MidiReadError::MetaSecondByte:
            return "Track %i Offset %i: Second byte problem on meta-event.";
        case MidiReadError::MetaVariableLength:
            return "Track %i Offset %i: Variable-length problem on meta-event.";
        case MidiReadError::MetaVariableLengthData:
            return "Track %i Offset %i: Variable-length data on meta-event.";
        case MidiReadError::MetaLength:
            return "Track %i Offset %i: Length problem on meta-event.";
        case MidiReadError::MetaData:
            return "Track %i Offset %i: Data problem on meta-event.";
        case MidiReadError::SysExVariableLength:
            return "Track %i Offset %i: Variable-length problem on SysEx message.";
        case MidiReadError::SysExData:
            return "Track %i Offset %i Variable-Length data on SysEx message.";
        case MidiReadError::IncorrectFirstByte:
            return "Track %i Offset %i: Incorrect first byte.";
        case MidiReadError::FirstDataByte:
            return "Track %i Offset %i: Message first data byte problem.";
        case MidiReadError::SecondDataByte:
            return "Track %i Offset %i: Message second data byte problem.";
        case MidiReadError::None:
            break;
    }
    return "Track %i Offset %i: ";
}

std::string TrackError(const char* format, int32_t trackIndex, uint32_t offset) {
    return FormatText(format, trackIndex, static_cast<int32_t>(offset));
}

}  // namespace

std::optional<std::string> ScanTrack(MidiTrack& track, int32_t trackIndex) {
    MidiEventReader reader(track.data, 0, 0);
    int64_t totalTicks = 0;
    track.totalTicks = 0;
    for (;;) {
        const int32_t delta = reader.ReadDeltaTime();
        if (delta < 0)
            return TrackError(TrackErrorText(MidiReadError::DeltaTime), trackIndex,
                              reader.Position());
        totalTicks += delta;
        if (totalTicks > std::numeric_limits<int32_t>::max()) {
            return TrackError("Track %i Offset %i: Total ticks can't fit in integer.", trackIndex,
                              reader.Position());
        }
        track.totalTicks = static_cast<int32_t>(totalTicks);
        MidiEvent event;
        const MidiReadError error = reader.ReadEvent(event);
        if (error != MidiReadError::None) {
            return TrackError(TrackErrorText(error), trackIndex, reader.Position());
        }
        if (event.IsEndOfTrack()) return std::nullopt;
    }
}

std::optional<std::string> LoadMidiFile(const std::string& path, MidiSong& song) {
    FreeSong(song);
    SongFile file(path);
    if (!file.IsOpen()) return kCannotOpen;
    HeaderBytes header{};
    if (const char* problem = ReadHeader(file, header)) return problem;
    const MidiHeaderChunk parsed = MidiHeaderChunk::Parse(header.data());
    song.format = static_cast<int16_t>(parsed.format);
    song.trackCount = static_cast<int16_t>(parsed.trackCount);
    song.division = parsed.division;
    song.tempo = kDefaultMidiTempo;
    if (const char* problem = CheckHeader(song)) return problem;
    // The tracks are added as they are read: the header's count is only a claim, and
    // making room for all of them first would let a few bytes ask for a megabyte.
    for (int32_t index = 0; index < song.trackCount; ++index) {
        if (auto problem = ReadTrack(file, song.tracks.emplace_back(), index)) {
            FreeSong(song);
            return problem;
        }
    }
    return std::nullopt;
}

void FreeSong(MidiSong& song) {
    for (MidiTrack& track : song.tracks) {
        track.data.clear();
        track.data.shrink_to_fit();
    }
    song.tracks.clear();
    song.tracks.shrink_to_fit();
}
