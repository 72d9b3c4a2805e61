#include <filesystem>
#include <utility>

#include "catalogue/DataFiles.h"
#include "tests/scenarios/AlbumScenario.h"

namespace fs = std::filesystem;

using StartAndClose = AlbumScenario;

// A data file counts as there only when it can be opened for reading: a socket (on
// Windows a folder) of the same name is there by name alone. The first and last page
// backgrounds are checked too.
TEST_F(StartAndClose, AMissingOrUnreadableDataFileGivesOneMessageNamingItAndNoWindow) {
    const std::pair<std::string, bool> cases[] = {{StickerPictureFiles[5], false},
                                                  {PageBackgroundFiles[0], false},
                                                  {PageBackgroundFiles[kNumberOfPages - 1], false},
                                                  {StickerPictureFiles[200], true}};
    for (const auto& [missing, unreadable] : cases) {
        SCOPED_TRACE(missing + (unreadable ? " unreadable" : " missing"));
        const std::string hostPath = FileIn("data003/" + missing.substr(missing.rfind('\\') + 1));
        fs::remove(hostPath);
        ASSERT_TRUE(!unreadable || MakeUnreadableEntry(hostPath));
        EXPECT_EQ(RunAlbum(), 0);
        const auto boxes = machine.MessageBoxesShown();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].text, "A file (" + folder.Path().string() + missing +
                                     ") needed for Quillory is missing.");
        EXPECT_EQ(boxes[0].caption, "Error");
        EXPECT_TRUE(log.Contains("No handle was created."));
        EXPECT_FALSE(fs::exists(FileIn("options03.dta")));
        ResetMachine();
        fs::remove(hostPath);
        LinkFile(fs::path(QUILLORY_ALBUM_DIR) / "data003" / fs::path(hostPath).filename(),
                 hostPath);
    }
    // Ended from outside while the message is open: the album ends at once, and the
    // child's saved stickers are left as they were.
    const std::string hostPath = FileIn("data003/" + std::string(StickerPictureFiles[5] + 9));
    fs::create_directory(FileIn("save003"));
    const Bytes record{'k', 'e', 'p', 't'};
    WriteBytes(FileIn("save003/page00.sav"), record);
    fs::remove(hostPath);
    machine.HoldMessageBoxes();
    machine.EndSession();
    EXPECT_EQ(RunAlbum(), 0);
    EXPECT_EQ(machine.MessageBoxesShown().size(), 1u);
    EXPECT_EQ(FileBytes("save003/page00.sav"), record);
}

// The music follows activation and the ending screen stops it; on the title Enter or
// Space starts the book and letters do nothing.
TEST_F(StartAndClose, TheMusicFollowsActivationAndTheTitleStartsOnEnterOrSpaceOnly) {
    machine.Activate(true);
    Then([this] { EXPECT_EQ(multimedia.RunningTimers(), 1u) << "the song plays while active"; });
    machine.Activate(false);
    Then([this] { EXPECT_EQ(multimedia.RunningTimers(), 0u); });
    machine.Activate(true);
    for (UINT key : {UINT{'A'}, UINT{'Q'}, UINT{'I'}, UINT{VK_NEXT}}) PressKey(key);
    Then([this] {
        EXPECT_EQ(Messages().GetPlayState(), kPlayStateTitle);
        EXPECT_EQ(album->Phase().Current(), &album->Title());
    });
    PressKey(VK_SPACE);
    Then([this] {
        EXPECT_EQ(Messages().GetPlayState(), kPlayStatePlaying);
        EXPECT_EQ(multimedia.RunningTimers(), 1u);
    });
    PressKey(VK_RETURN);
    Then([] { EXPECT_EQ(Messages().GetPlayState(), kPlayStatePlaying) << "Enter: nothing"; });
    EXPECT_EQ(RunAndCloseAlbum(), 0);
    EXPECT_EQ(multimedia.RunningTimers(), 0u);
    ASSERT_FALSE(multimedia.MidiRecords().empty());
    EXPECT_EQ(multimedia.MidiRecords().back().action, HeadlessMultimedia::MidiAction::Close);
    // A fresh start creates the record, every empty page and the options; the record's and the
    // pages' bytes are the used-sticker record's test.
    EXPECT_EQ(FileBytes("save003/page00.sav").size(), 918u);
    EXPECT_EQ(PageFileBytes(kNumberOfPages - 1).size(), 16u);
    EXPECT_EQ(FileBytes("options03.dta").size(), 20u);
    EXPECT_TRUE(machine.MessageBoxesShown().empty());
}

// While the title shows, the buttons' pictures are read only once every one of them is
// at hand (a browser may still be bringing them in), so that the title never waits for
// them: the first input after the last has come prepares them. Play prepares them
// whatever it takes.
TEST_F(StartAndClose, TheTitlePreparesTheButtonsOnlyOnceEveryPictureIsAtHand) {
    const std::string lastStickerButton = StickerButtonFiles[NUMBEROFSTICKERGRAPHICS - 1];
    for (const std::string& file : {lastStickerButton, std::string(SheetButtonFiles[7]),
                                    std::string(CommandButtonFiles[0])}) {
        SCOPED_TRACE(file);
        machine.HoldBackFiles({"data003/" + file.substr(file.rfind('\\') + 1)});
        // Each move, then a moment for the idle loop.
        machine.MovePointer(POINT{20, 20});
        machine.Pause(10);
        Then([this] {
            EXPECT_FALSE(Messages().ButtonsPrepared());
            machine.HoldBackFiles({});
        });
        machine.MovePointer(POINT{30, 30});
        machine.Pause(10);
        Then([this] { EXPECT_TRUE(Messages().ButtonsPrepared()); });
        EXPECT_EQ(RunAndCloseAlbum(), 0);
        ResetMachine();
    }
    machine.HoldBackFiles({"data003/b0101.dat"});
    StartBook();
    Then([this] { EXPECT_TRUE(Messages().ButtonsPrepared()); });
    EXPECT_EQ(RunAndCloseAlbum(), 0);
}
