#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "sound/MidiEventReader.h"
#include "sound/MidiFileReader.h"
#include "sound/MidiManager.h"

namespace {

// What a walk over one track found.
struct TrackSummary {
    uint32_t totalTicks = 0;
    bool endsWithItsData = false;
    std::vector<uint32_t> tempos;
    std::map<int32_t, int32_t> programs;                      // channel -> program
    std::map<int32_t, int32_t> notesStarted;                  // channel -> count
    std::map<std::pair<int32_t, int32_t>, int32_t> sounding;  // (channel, key) -> depth
    bool noteEndedTwice = false;
};

void Count(TrackSummary& summary, const MidiEvent& event) {
    if (event.kind == MidiEvent::Kind::Meta && event.metaType == 0x51) {
        ASSERT_EQ(event.payload.size(), 3u);
        summary.tempos.push_back(static_cast<uint32_t>(event.payload[0] << 16 |
                                                       event.payload[1] << 8 | event.payload[2]));
    }
    if (event.kind != MidiEvent::Kind::Channel) return;
    EXPECT_LT(event.status, 0xF0) << "system message in a song";
    const int32_t channel = event.status & 0x0F;
    const int32_t kind = event.status & 0xF0;
    if (kind == 0xC0) {
        summary.programs[channel] = event.data1;
    } else if (kind == 0x90 && event.data2 > 0) {
        ++summary.notesStarted[channel];
        ++summary.sounding[{channel, event.data1}];
    } else if (kind == 0x80 || kind == 0x90) {
        int32_t& depth = summary.sounding[{channel, event.data1}];
        summary.noteEndedTwice |= depth == 0;
        --depth;
    }
}

TrackSummary Walk(const MidiTrack& track) {
    TrackSummary summary;
    MidiEventReader reader(track.data, 0, 0);
    MidiEvent event;
    do {
        const int32_t delta = reader.ReadDeltaTime();
        if (delta < 0 || reader.ReadEvent(event) != MidiReadError::None) {
            ADD_FAILURE() << "unreadable event at " << reader.Position();
            return summary;
        }
        summary.totalTicks += static_cast<uint32_t>(delta);
        Count(summary, event);
    } while (!event.IsEndOfTrack());
    // The reader stops after the end-of-track type; only its zero length byte may follow.
    summary.endsWithItsData = reader.Position() + 1 == track.data.size() && track.data.back() == 0;
    return summary;
}

}  // namespace

// The player starts the song again when its last track ends: a format 1 file whose
// tracks end together, with no note left sounding, makes a loop without a seam. Each
// instrument chooses its General MIDI sound before it plays.
TEST(SongTest, LoopsCleanlyInFortyToSixtySecondsWithMelodyBassChordsAndLightPercussion) {
    MidiSong song;
    const auto error =
        LoadMidiFile(std::string(QUILLORY_ALBUM_DIR) + "/" + MidiManager::kSongFile, song);
    ASSERT_FALSE(error.has_value()) << *error;
    EXPECT_EQ(song.format, 1);
    std::vector<TrackSummary> tracks;
    for (const MidiTrack& track : song.tracks) tracks.push_back(Walk(track));
    ASSERT_GE(tracks.size(), 4u);
    std::set<int32_t> pitchedChannels;
    int32_t drumNotes = 0;
    for (size_t i = 0; i < tracks.size(); ++i) {
        SCOPED_TRACE("track " + std::to_string(i));
        const TrackSummary& track = tracks[i];
        EXPECT_TRUE(track.endsWithItsData) << "bytes after the end of the track";
        EXPECT_EQ(track.totalTicks, tracks.front().totalTicks);
        EXPECT_FALSE(track.noteEndedTwice);
        for (const auto& [note, depth] : track.sounding)
            EXPECT_EQ(depth, 0) << "channel " << note.first << " key " << note.second;
        for (const auto& [channel, count] : track.notesStarted) {
            if (channel == 9) {
                drumNotes += count;
            } else {
                pitchedChannels.insert(channel);
                EXPECT_TRUE(track.programs.contains(channel)) << "channel " << channel;
            }
        }
    }
    EXPECT_GE(pitchedChannels.size(), 3u);
    EXPECT_GT(drumNotes, 0);
    const TrackSummary& conductor = tracks.front();
    ASSERT_EQ(conductor.tempos.size(), 1u);
    const double seconds =
        static_cast<double>(conductor.totalTicks) / song.division * conductor.tempos.front() / 1e6;
    EXPECT_GE(seconds, 40.0);
    EXPECT_LE(seconds, 60.0);
}
