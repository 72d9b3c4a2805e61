#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>

#include "app/SingleInstance.h"
#include "tests/scenarios/AlbumScenario.h"

namespace fs = std::filesystem;

namespace {

// What a later copy of the program, started on this display for the album `name`, finds:
// "first" (it would run) or "second-forward" (it brings the running copy forward).
std::string SecondCopyOf(const std::string& name) {
    // Double quotes, which the POSIX shell and Windows' command interpreter both read.
    const std::string command = std::string(INSTANCE_PROBE) + " \"" + kMainWindowClass +
                                SingleInstance::MutexNameOf(name) + "\"";
    const std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), &pclose);
    char line[64] = {};
    if (pipe == nullptr || std::fgets(line, sizeof(line), pipe.get()) == nullptr) return "nothing";
    return std::string(line, std::strcspn(line, "\n"));
}

// The last long of an options file: 1 while the first-pick hint is still to be shown.
uint8_t HintStillToShow(const Bytes& options) {
    return options.empty() ? 0xFF : options[options.size() - 4];
}

}  // namespace

class AlbumsByName : public AlbumScenario {
protected:
    static std::string AlbumFile(const std::string& name, const std::string& file) {
        return "save003/albums/" + name + "/" + file;
    }
    // Runs Ann's album, sticking `sticker` (the first pick, with the hint).
    void StickInAnnsAlbum(int32_t sticker) {
        machine.Activate(true);
        StartBook();
        Stick(sticker, true);
        EXPECT_EQ(RunAndCloseAlbum({}, "Ann"), 0);
    }
    std::vector<int32_t> StickersInRecordOf(const std::string& name) const {
        const auto held = FileBytes(AlbumFile(name, "save003/page00.sav"));
        WriteBytes(FileIn("save003/page00.sav"), held);
        return StickersInRecord();
    }
};

// Each named album keeps its own pages, record and hint in its own folder inside the
// save folder: a sticker stuck in Ann's album is not in Ben's, Ben still gets the hint,
// Ann's sticker is on her page at her next start, and the album without a name (today's
// files) is never touched.
TEST_F(AlbumsByName, EachAlbumKeepsItsOwnPagesRecordAndHint) {
    const int32_t sticker = StickersOf(0).front();
    StickInAnnsAlbum(sticker);
    EXPECT_FALSE(fs::exists(FileIn("save003/page00.sav"))) << "the unnamed album untouched";
    EXPECT_FALSE(fs::exists(FileIn("options03.dta")));
    EXPECT_EQ(HintStillToShow(FileBytes(AlbumFile("Ann", "options03.dta"))), 0);

    ResetMachine();
    machine.Activate(true);
    StartBook();
    Then([this] { EXPECT_EQ(album->Stickers().GetStickersLeft(), NUMBEROFSTICKERGRAPHICS); });
    EXPECT_EQ(RunAndCloseAlbum({}, "Ben"), 0);
    EXPECT_EQ(HintStillToShow(FileBytes(AlbumFile("Ben", "options03.dta"))), 1);

    ResetMachine();
    machine.Activate(true);
    StartBook();
    Then([this, sticker] { EXPECT_TRUE(ShowsAtHome(sticker)) << "on Ann's page again"; });
    EXPECT_EQ(RunAndCloseAlbum({}, "Ann"), 0);
    EXPECT_EQ(StickersInRecordOf("Ann"), std::vector<int32_t>{sticker});
    EXPECT_EQ(StickersInRecordOf("Ben"), std::vector<int32_t>{});
    EXPECT_TRUE(machine.MessageBoxesShown().empty());
}

// One copy per album: while Ann's album runs, a copy for Ann brings it forward and one
// for Ben or the unnamed album runs; Ann's folder held on another screen refuses Ann's
// album with today's message, and Ben's runs beside it.
TEST_F(AlbumsByName, TheSameAlbumTwiceIsRefusedAndTwoDifferentRunAtOnce) {
    Then([] {
        EXPECT_EQ(SecondCopyOf("Ann"), "second-forward");
        EXPECT_EQ(SecondCopyOf("Ben"), "first");
        EXPECT_EQ(SecondCopyOf(""), "first");
    });
    EXPECT_EQ(RunAndCloseAlbum({}, "Ann"), 0);

    ResetMachine();
    const HANDLE held = CreateFileA(FileIn(AlbumFile("Ann", "save003.lock")).c_str(), GENERIC_WRITE,
                                    0, nullptr, OPEN_ALWAYS, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    ASSERT_TRUE(
        LockFileEx(held, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, nullptr));
    EXPECT_EQ(RunAlbum({}, "Ann"), 0);
    const auto boxes = machine.MessageBoxesShown();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Quillory 3 is already open on another screen");

    ResetMachine();
    EXPECT_EQ(RunAndCloseAlbum({}, "Ben"), 0);
    EXPECT_TRUE(machine.MessageBoxesShown().empty());
    EXPECT_TRUE(fs::exists(FileIn(AlbumFile("Ben", "save003/page00.sav"))));
    CloseHandle(held);
}

// With several albums and no name given, the title offers them all, the first chosen:
// a click on Ben's card chooses Ben's album, and the start opens it in place of Ann's
// (her name and folder let go). With one album there is, the title is today's.
TEST_F(AlbumsByName, TheTitleOffersTheAlbumsAndTheStartOpensTheOneChosen) {
    const int32_t sticker = StickersOf(0).front();
    StickInAnnsAlbum(sticker);
    ResetMachine();
    Then([this] {
        EXPECT_FALSE(album->Title().Chooser().IsOffering()) << "one album: today's title";
        EXPECT_EQ(album->Name(), "Ann") << "the one album there is opens";
    });
    EXPECT_EQ(RunAndCloseAlbum(), 0);
    ResetMachine();
    EXPECT_EQ(RunAndCloseAlbum({}, "Ben"), 0);

    ResetMachine();
    machine.Activate(true);
    Then([this] {
        EXPECT_EQ(album->Title().Chooser().Chosen(), "Ann");
        EXPECT_EQ(album->Name(), "Ann");
    });
    AlbumChooser twoAlbums;
    twoAlbums.Offer({"Ann", "Ben"}, "Ann");
    const RECT ben = twoAlbums.CardArea(1);
    machine.Click(CentreOf(ben));
    Then([this, ben] {
        EXPECT_EQ(album->Title().Chooser().Chosen(), "Ben");
        EXPECT_EQ(multimedia.SoundsPlayed().back().name, "SelectWAVE");
        EXPECT_EQ(machine.ScreenPixels().Pixel(ben.left - 4, CentreOf(ben).y), 0xFF9B3Du)
            << "the chosen card is ringed";
    });
    StartBook();
    Then([this] {
        EXPECT_EQ(album->Name(), "Ben");
        EXPECT_EQ(album->Stickers().GetStickersLeft(), NUMBEROFSTICKERGRAPHICS);
        EXPECT_EQ(SecondCopyOf("Ben"), "second-forward");
        EXPECT_EQ(SecondCopyOf("Ann"), "first");
    });
    EXPECT_EQ(RunAndCloseAlbum(), 0);
    EXPECT_EQ(StickersInRecordOf("Ann"), std::vector<int32_t>{sticker});
    EXPECT_EQ(StickersInRecordOf("Ben"), std::vector<int32_t>{});
    EXPECT_FALSE(fs::exists(FileIn("save003/page00.sav.tmp")));
}
