#pragma once
// The album run whole on the headless machine, in a fresh base directory that holds
// the generated pictures and song. A test scripts what a child does (clicks, keys,
// answers to dialogs), runs the album until it ends, and then reads the screen, the
// files, the sounds, the MIDI messages and the log. Steps scripted with Then run while
// the album is still going, to look at it in the middle.

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "catalogue/ButtonLayout.h"
#include "platform/User.h"
#include "platform/headless/HeadlessBackend.h"
#include "platform/headless/HeadlessMultimedia.h"
#include "tests/support/Files.h"
#include "tests/support/LogCapture.h"
#include "tests/support/TempDirectory.h"

class AlbumScenario : public testing::Test {
protected:
    AlbumScenario();
    ~AlbumScenario() override;

    // Runs the album until it ends; the exit code of its entry point.
    int RunAlbum();
    // Puts everything back as before a first start, keeping the folder: a restart.
    static void ResetMachine();

    // What a child does.
    void Click(POINT screenPoint) { machine.Click(screenPoint); }
    void ClickButton(const ButtonRow& row) { Click(Centre(row)); }
    void PressKey(UINT virtualKey) { machine.PressKey(virtualKey); }
    // Runs `step` once the album has drawn everything due, as its idle loop would.
    void Then(std::function<void()> step);
    // Enter on the title screen.
    void StartBook();
    // The window's close, then Quit on the ending screen.
    void CloseAlbum();
    // Shows the sheet that holds `stickerIndex`.
    void ChooseSheetOf(int32_t stickerIndex);
    // Clicks the button of `stickerIndex` on its sheet (which must be the one shown) and
    // answers the first-pick hint when `hint`.
    void PickSticker(int32_t stickerIndex, bool hint = false);
    // Carries the sticker so that its top-left corner comes to `pageTopLeft` on the page,
    // and clicks there.
    void DropStickerAt(int32_t stickerIndex, POINT pageTopLeft);

    // Paints every window that waits for it and draws the page's changes.
    static void DrawWhatIsDue();

    static POINT Centre(const ButtonRow& row) {
        return POINT{row.x + row.width / 2, row.y + row.height / 2};
    }
    // The `nth` sticker whose home is on the page with index `pageIndex`.
    static int32_t StickerOnPage(int32_t pageIndex, int32_t nth = 0);
    static const ButtonRow& ButtonOf(int32_t stickerIndex) {
        return StickerButtonRows[static_cast<size_t>(stickerIndex % STICKERSPERSHEET)];
    }
    static POINT HomeOf(int32_t stickerIndex);
    static SIZE StickerSize(int32_t stickerIndex);
    // A screen point where the sticker, stuck at its home, shows, and its colour there:
    // opaque in its picture, on the page, clear of the page corners and of the stickers
    // `above` it (stuck after it on the same page).
    static POINT OpaquePointOfStickerAtHome(int32_t stickerIndex, uint32_t& colour,
                                            const std::vector<int32_t>& above = {});
    // The screen colours of a block of a picture data file.
    static std::vector<uint32_t> PictureBlock(const char* file, RECT area);
    // The save file of the page with index `pageIndex`, relative to the album's folder.
    static std::string PageFileName(int32_t pageIndex);

    uint32_t ScreenPixel(LONG x, LONG y) const { return machine.ScreenPixels().Pixel(x, y); }
    // The effects played, without the sheet changes' select sound.
    std::vector<std::string> SoundsPlayed() const;
    bool SelectSoundPlayed() const;
    std::string FileIn(const std::string& name) const { return folder / name; }
    Bytes FileBytes(const std::string& name) const { return ReadBytes(folder / name); }

    HeadlessBackend& machine = HeadlessBackend::Instance();
    HeadlessMultimedia& multimedia = HeadlessMultimedia::Instance();
    // One folder serves every scenario of the process, emptied and filled afresh for
    // each: the used-sticker record keeps the path it was first given for the life of
    // the process, as the program's one record does.
    TempDirectory& folder = FreshFolder();
    LogCapture log;

private:
    static TempDirectory& FreshFolder();
};
