// Any bytes as the background song: the reader accepts or refuses them without
// reading outside what it was given, and an accepted song is walked event by event and
// played by the sequencer on the virtual clock, again without any read past a track.

#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/FuzzAlbum.h"
#include "platform/machines/headless/HeadlessBackend.h"
#include "platform/machines/headless/HeadlessMultimedia.h"
#include "sound/MidiEventReader.h"
#include "sound/MidiFileReader.h"
#include "sound/MidiSequencer.h"

namespace {

constexpr DWORD kMostPeriodsPlayed = 2048;

// The song file, in the memory volume.
std::string SongPath() {
    return FuzzAlbum::Base("quillory-midi-fuzz") + "\\song.mid";
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
    FuzzAlbum::PutFile("\\song.mid", data, size);
    MidiSong song;
    if (LoadMidiFile(path, song)) return 0;
    WalkEveryEvent(song);
    Play(path);
    return 0;
}
