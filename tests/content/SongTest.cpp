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
    std::vector<std::pair<uint32_t, int32_t>> notesAt;  // (tick, channel << 8 | key)
    std::set<std::pair<uint32_t, int32_t>> programsAt;  // (tick, program)
    uint32_t beatsPerBar = 0;                           // 0: no time signature
};

void Count(TrackSummary& summary, const MidiEvent& event) {
    if (event.kind == MidiEvent::Kind::Meta && event.metaType == 0x58) {
        ASSERT_GE(event.payload.size(), 2u);
        ASSERT_EQ(event.payload[1], 2) << "beats of a quarter note";
        summary.beatsPerBar = event.payload[0];
    }
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
        summary.programsAt.insert({summary.totalTicks, event.data1});
    } else if (kind == 0x90 && event.data2 > 0) {
        ++summary.notesStarted[channel];
        summary.notesAt.push_back({summary.totalTicks, channel << 8 | event.data1});
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

// The song as the album's player reads it, walked track by track.
struct WalkedSong {
    MidiSong song;
    std::vector<TrackSummary> tracks;

    WalkedSong() {
        const auto error =
            LoadMidiFile(std::string(QUILLORY_ALBUM_DIR) + "/" + MidiManager::kSongFile, song);
        EXPECT_FALSE(error.has_value()) << *error;
        for (const MidiTrack& track : song.tracks) tracks.push_back(Walk(track));
    }
    uint32_t BarTicks() const { return tracks.front().beatsPerBar * song.division; }
};

// The notes of `track` from `from` to `to`, each timed from `from`.
std::vector<std::pair<uint32_t, int32_t>> NotesBetween(const TrackSummary& track, uint32_t from,
                                                       uint32_t to) {
    std::vector<std::pair<uint32_t, int32_t>> notes;
    for (const auto& [tick, note] : track.notesAt) {
        if (tick >= from && tick < to) notes.push_back({tick - from, note});
    }
    return notes;
}

}  // namespace

// The player starts the song again when its last track ends: a format 1 file whose
// tracks end together, with no note left sounding, makes a loop without a seam. Each
// instrument chooses its General MIDI sound before it plays. It is heard all afternoon:
// a minute and a half at least before it repeats, at a walking pace.
TEST(SongTest, LoopsCleanlyAfterNinetySecondsWithMelodyBassChordsAndLightPercussion) {
    const WalkedSong walked;
    ASSERT_EQ(walked.song.format, 1);
    const std::vector<TrackSummary>& tracks = walked.tracks;
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
    const double beatsPerMinute = 60e6 / conductor.tempos.front();
    EXPECT_GE(beatsPerMinute, 96.0);
    EXPECT_LE(beatsPerMinute, 132.0);
    const double seconds = static_cast<double>(conductor.totalTicks) / walked.song.division *
                           conductor.tempos.front() / 1e6;
    EXPECT_GE(seconds, 90.0);
    EXPECT_LE(seconds, 180.0);
}

// The first instrument track carries the tune. No eight bars of it repeat the eight
// before (the loop's seam included), and the instruments under it change with it; the
// tune itself passes between instruments along the way.
TEST(SongTest, EachEightBarsDifferFromTheEightBeforeInTuneAndAccompaniment) {
    const WalkedSong walked;
    ASSERT_GE(walked.tracks.size(), 2u);
    const uint32_t bar = walked.BarTicks();
    ASSERT_GT(bar, 0u) << "no time signature";
    const uint32_t end = walked.tracks.front().totalTicks;
    const uint32_t phrase = 8 * bar;
    const TrackSummary& tune = walked.tracks[1];
    const auto accompaniment = [&](uint32_t from) {
        std::set<int32_t> channels;
        for (size_t i = 2; i < walked.tracks.size(); ++i) {
            for (const auto& [tick, note] : NotesBetween(walked.tracks[i], from, from + phrase))
                channels.insert(note >> 8);
        }
        return channels;
    };
    for (uint32_t from = 0; from < end; from += phrase) {
        SCOPED_TRACE("bar " + std::to_string(from / bar + 1));
        const uint32_t before = (from == 0 ? end : from) - phrase;
        EXPECT_NE(NotesBetween(tune, from, from + phrase),
                  NotesBetween(tune, before, before + phrase));
        EXPECT_NE(accompaniment(from), accompaniment(before));
    }
    std::set<int32_t> programs;
    for (const auto& [tick, program] : tune.programsAt) programs.insert(program);
    EXPECT_GE(programs.size(), 3u) << "instruments playing the tune";
}
