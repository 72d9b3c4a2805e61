// Any bytes as the background song: the reader accepts or refuses them without
// reading outside what it was given, and an accepted song is walked event by event and
// played by the sequencer on the virtual clock, again without any read past a track.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/Kernel.h"
#include "platform/headless/HeadlessBackend.h"
#include "platform/headless/HeadlessMultimedia.h"
#include "sound/MidiEventReader.h"
#include "sound/MidiFileReader.h"
#include "sound/MidiSequencer.h"

namespace {

constexpr DWORD kMostPeriodsPlayed = 2048;

std::string SongPath() {
    static const std::string path = [] {
        auto folder = std::filesystem::temp_directory_path() / "quillory-midi-fuzz";
        std::filesystem::create_directories(folder);
        return (folder / "song.mid").string();
    }();
    return path;
}

void WalkEveryEvent(const MidiSong& song) {
    for (const MidiTrack& track : song.tracks) {
        MidiEventReader reader(track.data, 0, 0);
        MidiEvent event;
        while (reader.ReadDeltaTime() >= 0 && reader.ReadEvent(event) == MidiReadError::None &&
               !event.IsEndOfTrack()) {
        }
    }
}

// Plays until the song has ended once (its restart sets the position back to zero) or
// for a bounded number of periods, whichever comes first.
void Play(const std::string& path) {
    HeadlessMultimedia& devices = HeadlessMultimedia::Instance();
    devices.Reset();
    devices.DriveTimersByHand(true);
    devices.RecordMidi(false);
    MidiSequencer sequencer;
    sequencer.OpenDevice(nullptr);
    sequencer.PlayFile(path.c_str());
    float position = 0.0f;
    for (DWORD period = 0; period < kMostPeriodsPlayed && sequencer.IsPlaying(); ++period) {
        devices.AdvanceClock(1);
        if (sequencer.Position() < position) break;
        position = sequencer.Position();
    }
    sequencer.CloseDevice();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    HeadlessBackend::Instance().SetVirtualClock(0);
    const std::string path = SongPath();
    {
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    MidiSong song;
    if (LoadMidiFile(path, song)) return 0;
    WalkEveryEvent(song);
    Play(path);
    return 0;
}
