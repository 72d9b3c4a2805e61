#include <gtest/gtest.h>

#include <tuple>

#include "sound/MidiFileReader.h"
#include "tests/sound/MidiBytes.h"
#include "tests/support/TempDirectory.h"

namespace {

const MidiBytes kNoteTrack =
    Joined({{0x00, 0x90, 0x3C, 0x40, 0x60, 0x80, 0x3C, 0x00}, kEndOfTrack});

// What the reader says before a track's problem.
const std::string kInFile = "Error encountered in file: ";

class MidiFileReaderTest : public ::testing::Test {
protected:
    std::string Load(const MidiBytes& bytes) {
        WriteMidiFile(m_folder / "song.mid", bytes);
        return LoadMidiFile(m_folder / "song.mid", m_song).value_or("");
    }
    std::string LoadTrack(const MidiBytes& events) { return Load(MidiFile(1, 96, {events})); }

    TempDirectory m_folder;
    MidiSong m_song;
};

TEST_F(MidiFileReaderTest, ReadsHeaderAndTracksOfABareOrRiffWrappedFile) {
    ASSERT_EQ(Load(MidiFile(1, 96, {kNoteTrack, kEndOfTrack})), "");
    EXPECT_EQ((std::tuple{m_song.format, m_song.trackCount, m_song.division, m_song.tempo}),
              (std::tuple{1, 2, 96, 500000u}));
    ASSERT_EQ(m_song.tracks.size(), 2u);
    EXPECT_EQ(m_song.tracks[0].data, kNoteTrack);
    EXPECT_EQ(m_song.tracks[0].length, kNoteTrack.size());
    EXPECT_EQ(m_song.tracks[0].totalTicks, 0x60);
    EXPECT_EQ(m_song.tracks[1].totalTicks, 0);
    FreeSong(m_song);
    EXPECT_TRUE(m_song.tracks.empty());

    ASSERT_EQ(Load(RiffWrapped(MidiFile(0, 120, {kNoteTrack}))), "");
    EXPECT_EQ((std::tuple{m_song.format, m_song.division, m_song.tracks.size()}),
              (std::tuple{0, 120, 1u}));
    EXPECT_EQ(m_song.tracks.at(0).data, kNoteTrack);
}

TEST_F(MidiFileReaderTest, RefusesBadHeadersTimingsFormatsAndTrackChunks) {
    EXPECT_EQ(LoadMidiFile(m_folder / "missing.mid", m_song).value_or(""),
              "File cannot be loaded for reading.");
    const uint16_t twentyFiveFramesOf40 = 0xE728;
    MidiBytes wrongType = MidiFile(1, 96, {kNoteTrack});
    wrongType[3] = 'x';
    MidiBytes cut = MidiFile(1, 96, {kNoteTrack});
    cut.pop_back();
    const std::string header = "Error encountered when reading the MIDI header chunk.";
    const std::string smpte =
        "The SMPTE time codes used in this file are not supported by this program.";
    const std::string inconsistent = "Error due to inconsistent information in MIDI header chunk.";
    const std::string trackChunk = "Error encountered when reading track chunk.";
    const std::pair<MidiBytes, std::string> files[] = {
        {{'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1, 0, 1, 0},
         "Error encountered when reading the MIDI file header."},
        {{'M', 'T', 'h', 'd', 0, 0, 0, 8, 0, 1, 0, 1, 0, 96, 0, 0}, header},
        {wrongType, header},
        {MidiFile(1, twentyFiveFramesOf40, {kNoteTrack}), smpte},
        {Joined({MidiHeader(3, 1, twentyFiveFramesOf40), TrackChunk(kNoteTrack)}), smpte},
        {MidiFile(0, 96, {kNoteTrack, kNoteTrack}), inconsistent},
        {MidiFile(3, 96, {kNoteTrack}), inconsistent},
        {RiffWrapped(RiffWrapped(MidiFile(0, 120, {kNoteTrack}))), header},
        {MidiFile(2, 96, {kNoteTrack}),
         "The format of this MIDI file is not supported by this program."},
        {MidiHeader(1, -1, 96), "Error encountered when allocating memory for this file."},
        {MidiHeader(1, 1, 96), trackChunk},
        {cut, trackChunk},
        {Joined({MidiHeader(1, 1, 96), {'M', 'T', 'r', 'k', 0xFF, 0xFF, 0xFF, 0xF0, 0x00}}),
         trackChunk},
        {Joined({MidiHeader(1, 2, 96),
                 TrackChunk(kNoteTrack),
                 {'Q', 'l', 'y', 'P', 0, 0, 0, 1, 0},
                 TrackChunk(kNoteTrack)}),
         trackChunk},
    };
    for (const auto& [bytes, text] : files)
        EXPECT_EQ(Load(bytes), text) << testing::PrintToString(bytes);
    EXPECT_TRUE(m_song.tracks.empty());
}

TEST_F(MidiFileReaderTest, AcceptsRunningStatusSysExAndEveryMetaLengthForm) {
    MidiBytes longText = {0x00, 0xFF, 0x01, 0x81, 0x00};
    longText.resize(longText.size() + 128, 'a');
    const MidiBytes tracks[] = {
        {0x00, 0x90, 0x3C, 0x40, 0x60, 0x3C, 0x00, 0x00, 0xFF, 0x2F, 0x00},
        Joined({{0x00, 0xFF, 0x58, 0x04, 0x04, 0x02, 0x18, 0x08}, kEndOfTrack}),
        Joined({longText, kEndOfTrack}),
        Joined({{0x00, 0xF0, 0x03, 0x43, 0x12, 0xF7, 0x00, 0xF7, 0x01, 0xF7}, kEndOfTrack}),
        Joined({{0x00, 0xC3, 0x05, 0x00, 0xD3, 0x40}, kEndOfTrack})};
    for (const MidiBytes& track : tracks)
        EXPECT_EQ(LoadTrack(track), "") << testing::PrintToString(track);
    longText.resize(longText.size() - 28);
    EXPECT_EQ(LoadTrack(longText),
              kInFile + "Track 0 Offset 5: Variable-length data on meta-event.");
}

TEST_F(MidiFileReaderTest, NamesTheTrackAndOffsetOfEachEventProblem) {
    const std::pair<MidiBytes, std::string> tracks[] = {
        {{0x00, 0xC0, 0x05, 0x00, 0xF3}, "Track 0 Offset 5: Incorrect first byte."},
        {{0x00, 0x90, 0x3C, 0x40}, "Track 0 Offset 4: Delta-time problem."},
        {{0x84, 0x80, 0x80, 0x80, 0x00}, "Track 0 Offset 5: Delta-time problem."},
        {{0x00, 0x90, 0x90}, "Track 0 Offset 3: Message first data byte problem."},
        {{0x00}, "Track 0 Offset 1: First byte problem."},
        {{0x00, 0xFF}, "Track 0 Offset 2: Second byte problem on meta-event."},
        {{0x00, 0xFF, 0x01, 0x81}, "Track 0 Offset 4: Variable-length problem on meta-event."},
        {{0x00, 0xFF, 0x58}, "Track 0 Offset 3: Length problem on meta-event."},
        {{0x00, 0xFF, 0x58, 0x04, 0x04}, "Track 0 Offset 4: Data problem on meta-event."},
        {{0x00, 0xF0, 0x85}, "Track 0 Offset 3: Variable-length problem on SysEx message."},
        {{0x00, 0xF0, 0x05, 0x01}, "Track 0 Offset 3 Variable-Length data on SysEx message."},
    };
    for (const auto& [events, text] : tracks) EXPECT_EQ(LoadTrack(events), kInFile + text);
    EXPECT_EQ(Load(MidiFile(1, 96, {kNoteTrack, {0x00, 0x90, 0x3C}})),
              kInFile + "Track 1 Offset 3: Message second data byte problem.");
    const MidiBytes quarterBillion = {0x83, 0xFF, 0xFF, 0xFF, 0x7F, 0xFF, 0x01, 0x00};
    EXPECT_EQ(LoadTrack(Joined({quarterBillion, quarterBillion, kEndOfTrack})), "");
    EXPECT_EQ(LoadTrack(Joined({quarterBillion, quarterBillion, quarterBillion, kEndOfTrack})),
              kInFile + "Track 0 Offset 21: Total ticks can't fit in integer.");
}

}  // namespace
