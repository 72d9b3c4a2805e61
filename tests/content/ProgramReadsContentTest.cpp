// The generated album read by the program's own readers: every data file through both
// picture readers, the song through the MIDI reader.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "album/DataFiles.h"
#include "gfx/DIB.h"
#include "gfx/DIBSection.h"
#include "io/FileManager.h"
#include "sound/MidiFileReader.h"
#include "sound/MidiManager.h"
#include "sound/MidiSong.h"

namespace {

// Runs a test with the album folder as the base directory, as the program runs.
class ProgramReadsContentTest : public testing::Test {
protected:
    void SetUp() override {
        std::filesystem::current_path(QUILLORY_ALBUM_DIR);
        CFileManager::SetBaseDirectoryFromCurrent();
    }
    void TearDown() override { std::filesystem::current_path(m_previous); }

    static std::vector<const char*> EveryDataFile() {
        std::vector<const char*> names = DataFilesToCheck();
        names.push_back(StickersLeftCaptionFile);
        names.push_back(StickersLeftNumberFile);
        return names;
    }

private:
    std::filesystem::path m_previous = std::filesystem::current_path();
};

}  // namespace

TEST_F(ProgramReadsContentTest, EveryDataFileReadsThroughBothPictureReaders) {
    for (const char* name : EveryDataFile()) {
        CDIB picture(1, 1);
        ASSERT_TRUE(picture.Load(name)) << name;

        CFileManager file;
        ASSERT_NE(file.OpenForRead(name), nullptr) << name;
        CDIBSection section;
        EXPECT_TRUE(section.ReadSection(file, nullptr)) << name;
        file.Close();
        EXPECT_EQ(section.GetWidth(), picture.GetWidth()) << name;
        EXPECT_EQ(section.GetHeight(), picture.GetHeight()) << name;
    }
}

TEST_F(ProgramReadsContentTest, TheSongLoadsWithSeveralTracks) {
    MidiSong song;
    const auto error = LoadMidiFile(MidiManager::kSongFile, song);
    EXPECT_FALSE(error.has_value()) << error.value_or("");
    EXPECT_EQ(song.format, 1);
    EXPECT_GE(song.trackCount, 4);
    FreeSong(song);
}
