#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "tests/support/Files.h"

namespace {

const std::string SONG_PATH = std::string(QUILLORY_ALBUM_DIR) + "/QLY03.mid";

uint32_t BigEndian(const Bytes& bytes, size_t at, size_t size) {
    uint32_t value = 0;
    for (size_t i = 0; i < size; ++i) {
        value = value << 8 | bytes.at(at + i);
    }
    return value;
}

// What a walk over one track found. The walk follows the program's MIDI reader:
// variable-length numbers of at most four bytes, data bytes below 0x80, meta-events
// 0x00 to 0x06 and 0x7F with a variable length and the others with a length byte,
// and the track must end with its end-of-track event.
struct TrackSummary {
    uint32_t totalTicks = 0;
    bool ended = false;
    bool trailingBytes = false;
    std::vector<uint32_t> tempos;
    std::map<int32_t, int32_t> programs;         // channel -> program
    std::map<int32_t, int32_t> notesStarted;     // channel -> count
    std::map<std::pair<int32_t, int32_t>, int32_t> sounding;  // (channel, key) -> depth
    bool noteEndedTwice = false;
};

class TrackWalker {
public:
    TrackWalker(const Bytes& bytes, size_t begin, size_t end)
        : m_bytes(bytes), m_at(begin), m_end(end) {}

    TrackSummary Walk() {
        TrackSummary summary;
        uint8_t status = 0;
        while (!summary.ended) {
            summary.totalTicks += VariableLength();
            const uint8_t first = Next();
            if (first == 0xFF) {
                Meta(summary);
            } else if (first == 0xF0 || first == 0xF7) {
                Skip(VariableLength());
            } else {
                EXPECT_FALSE(first >= 0xF1) << "system message in a song";
                const bool running = first < 0x80;
                EXPECT_FALSE(running && status == 0) << "running status without a status";
                if (!running) {
                    status = first;
                }
                const uint8_t data1 = running ? first : Next();
                const bool oneByte = (status & 0xF0) == 0xC0 || (status & 0xF0) == 0xD0;
                const uint8_t data2 = oneByte ? 0 : Next();
                EXPECT_LT(data1, 0x80);
                EXPECT_LT(data2, 0x80);
                Channel(summary, status, data1, data2);
            }
        }
        summary.trailingBytes = m_at != m_end;
        return summary;
    }

private:
    uint8_t Next() {
        if (m_at >= m_end) {
            throw std::runtime_error("track data ends inside an event");
        }
        return m_bytes[m_at++];
    }

    uint32_t VariableLength() {
        uint32_t value = 0;
        for (int32_t count = 0; count < 4; ++count) {
            const uint8_t byte = Next();
            value = value << 7 | (byte & 0x7F);
            if (byte < 0x80) {
                return value;
            }
        }
        throw std::runtime_error("variable-length number longer than four bytes");
    }

    void Skip(uint32_t count) {
        for (uint32_t i = 0; i < count; ++i) {
            Next();
        }
    }

    void Meta(TrackSummary& summary) {
        const uint8_t type = Next();
        if (type == 0x2F) {
            EXPECT_EQ(Next(), 0);
            summary.ended = true;
            return;
        }
        const uint32_t length = type <= 0x06 || type == 0x7F ? VariableLength() : Next();
        if (type == 0x51) {
            EXPECT_EQ(length, 3u);
            summary.tempos.push_back(BigEndian(m_bytes, m_at, 3));
        }
        Skip(length);
    }

    static void Channel(TrackSummary& summary, uint8_t status, uint8_t data1, uint8_t data2) {
        const int32_t channel = status & 0x0F;
        const int32_t kind = status & 0xF0;
        if (kind == 0xC0) {
            summary.programs[channel] = data1;
        } else if (kind == 0x90 && data2 > 0) {
            ++summary.notesStarted[channel];
            ++summary.sounding[{channel, data1}];
        } else if (kind == 0x80 || kind == 0x90) {
            int32_t& depth = summary.sounding[{channel, data1}];
            summary.noteEndedTwice |= depth == 0;
            --depth;
        }
    }

    const Bytes& m_bytes;
    size_t m_at;
    size_t m_end;
};

struct SongFile {
    uint32_t format = 0;
    uint32_t division = 0;
    std::vector<TrackSummary> tracks;
};

SongFile ReadSong(const Bytes& bytes) {
    SongFile song;
    if (bytes.size() < 14 || std::string(bytes.begin(), bytes.begin() + 4) != "MThd" ||
        BigEndian(bytes, 4, 4) != 6) {
        throw std::runtime_error("no MIDI header chunk of length 6");
    }
    song.format = BigEndian(bytes, 8, 2);
    const uint32_t trackCount = BigEndian(bytes, 10, 2);
    song.division = BigEndian(bytes, 12, 2);
    size_t at = 14;
    for (uint32_t track = 0; track < trackCount; ++track) {
        if (at + 8 > bytes.size() ||
            std::string(bytes.begin() + static_cast<std::ptrdiff_t>(at),
                        bytes.begin() + static_cast<std::ptrdiff_t>(at + 4)) != "MTrk") {
            throw std::runtime_error("chunk " + std::to_string(track) + " is not a track");
        }
        const size_t length = BigEndian(bytes, at + 4, 4);
        if (at + 8 + length > bytes.size()) {
            throw std::runtime_error("track chunk runs past the end of the file");
        }
        song.tracks.push_back(TrackWalker(bytes, at + 8, at + 8 + length).Walk());
        at += 8 + length;
    }
    if (at != bytes.size()) {
        throw std::runtime_error("bytes after the last track");
    }
    return song;
}

class SongTest : public ::testing::Test {
protected:
    SongFile m_song = ReadSong(ReadBytes(SONG_PATH));
};

}  // namespace

TEST_F(SongTest, IsAFormatOneFileOfCompleteTracks) {
    EXPECT_EQ(m_song.format, 1u);
    EXPECT_GT(m_song.division, 0u);
    EXPECT_LT(m_song.division, 0x8000u) << "tick-based time, not SMPTE";
    EXPECT_GE(m_song.tracks.size(), 4u);
    for (const TrackSummary& track : m_song.tracks) {
        EXPECT_TRUE(track.ended);
        EXPECT_FALSE(track.trailingBytes);
    }
}

// The player starts the song again when its last track ends: tracks that end
// together, with no note left sounding, make a loop without a seam.
TEST_F(SongTest, LoopsCleanly) {
    for (size_t i = 0; i < m_song.tracks.size(); ++i) {
        SCOPED_TRACE("track " + std::to_string(i));
        const TrackSummary& track = m_song.tracks[i];
        EXPECT_EQ(track.totalTicks, m_song.tracks.front().totalTicks);
        EXPECT_FALSE(track.noteEndedTwice);
        for (const auto& [note, depth] : track.sounding) {
            EXPECT_EQ(depth, 0) << "channel " << note.first << " key " << note.second;
        }
    }
}

TEST_F(SongTest, LastsBetweenFortyAndSixtySeconds) {
    const TrackSummary& conductor = m_song.tracks.front();
    ASSERT_EQ(conductor.tempos.size(), 1u);
    const double seconds = static_cast<double>(conductor.totalTicks) / m_song.division *
                           conductor.tempos.front() / 1e6;
    EXPECT_GE(seconds, 40.0);
    EXPECT_LE(seconds, 60.0);
}

TEST_F(SongTest, HasMelodyBassChordsAndLightPercussion) {
    std::set<int32_t> pitchedChannels;
    int32_t drumNotes = 0;
    for (const TrackSummary& track : m_song.tracks) {
        for (const auto& [channel, count] : track.notesStarted) {
            if (channel == 9) {
                drumNotes += count;
                continue;
            }
            pitchedChannels.insert(channel);
            // Each instrument chooses its General MIDI sound before it plays.
            EXPECT_TRUE(track.programs.contains(channel)) << "channel " << channel;
        }
    }
    EXPECT_GE(pitchedChannels.size(), 3u);
    EXPECT_GT(drumNotes, 0);
}
