#pragma once
// The album run whole on the headless machine, in a fresh base directory that holds
// the generated pictures and song. A test scripts what a child does, runs the album
// until it ends, and then reads the screen, the files, the sounds and the log. Steps
// scripted with Then run while the album is still going.

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "album/Album.h"
#include "album/SettingsHolder.h"
#include "app/WM_Messages.h"
#include "app/WinMain.h"
#include "catalogue/ButtonLayout.h"
#include "catalogue/PageTable.h"
#include "catalogue/StickerHomePositions.h"
#include "platform/kernel/Kernel.h"
#include "platform/machines/headless/HeadlessBackend.h"
#include "platform/machines/headless/HeadlessMultimedia.h"
#include "platform/user/User.h"
#include "tests/support/Files.h"
#include "tests/support/LogCapture.h"
#include "tests/support/TempDirectory.h"

class AlbumScenario : public testing::Test {
protected:
    AlbumScenario();
    ~AlbumScenario() override;

    // Runs a fresh album, as a start of the program does (with `settingsForThisRun` as a
    // command line gives them, and the album `name`); the album stays for the checks made
    // after it ends.
    int RunAlbum(const GrownUpSettings::Changes& settingsForThisRun = {},
                 const std::string& name = {}) {
        album = Album::Open(name, settingsForThisRun);
        return ::RunAlbum(*album, ProgramInstance(), SW_SHOWNORMAL);
    }
    // The main window's messages while the album runs.
    static const WM_Messages& Messages() {
        return *WM_Messages::OfMainWindow(GetSharedWindowHandle());
    }
    // Puts everything back as before a first start, keeping the folder: a restart.
    static void ResetMachine();

    static RECT AreaOf(const ButtonRow& row) {
        return RECT{row.x, row.y, row.x + row.width, row.y + row.height};
    }
    // The middle of `box`, whose coordinates count from `corner`.
    static POINT CentreOf(const RECT& box, POINT corner = {}) {
        return POINT{corner.x + (box.left + box.right) / 2, corner.y + (box.top + box.bottom) / 2};
    }
    void ClickButton(const ButtonRow& row) { machine.Click(CentreOf(AreaOf(row))); }
    void PressKey(UINT virtualKey) { machine.PressKey(virtualKey); }
    void RightClick() {
        machine.PressButton(POINT{300, 300}, InputEvent::Button::Right);
        machine.ReleaseButton(POINT{300, 300}, InputEvent::Button::Right);
    }
    // Runs `step` once the album has drawn everything due, as its idle loop would.
    void Then(std::function<void()> step);
    // Enter on the title; the playing screen's first paint, which a child waits for,
    // makes the book playable.
    void StartBook() {
        PressKey(VK_RETURN);
        Then([] {});
    }
    // Runs the album through the steps scripted so far, then the window's close and Quit
    // on the ending screen.
    int RunAndCloseAlbum(const GrownUpSettings::Changes& settingsForThisRun = {},
                         const std::string& name = {}) {
        machine.Close();
        PressKey(VK_RETURN);
        return RunAlbum(settingsForThisRun, name);
    }
    void ChooseSheetOf(int32_t stickerIndex) {
        ClickButton(SheetButtonRows[static_cast<size_t>(stickerIndex / kStickersPerSheet)]);
    }
    // Clicks the sticker's button on the sheet shown; answers the first-pick hint when `hint`.
    void PickSticker(int32_t stickerIndex, bool hint = false) {
        ClickButton(StickerButtonRows[static_cast<size_t>(stickerIndex % kStickersPerSheet)]);
        if (hint) PressKey(VK_RETURN);
    }
    // Carries the sticker so that its top-left corner comes to `pageTopLeft` and clicks.
    void DropStickerAt(int32_t stickerIndex, POINT pageTopLeft);
    void Stick(int32_t stickerIndex, bool hint = false) {
        ChooseSheetOf(stickerIndex);
        PickSticker(stickerIndex, hint);
        DropStickerAt(stickerIndex, HomeOf(stickerIndex));
    }

    // The stickers whose home is on the page, in sticker order.
    static std::vector<int32_t> StickersOf(int32_t pageIndex);
    static POINT HomeOf(int32_t stickerIndex) {
        const StickerHome& home = StickerHomePositions[static_cast<size_t>(stickerIndex)];
        return POINT{home.x, home.y};
    }
    // A screen point where the sticker, stuck at its home, shows, and its colour there:
    // opaque in its picture, on the page, clear of the page corners and of the stickers
    // `above` it.
    static POINT OpaquePointOfStickerAtHome(int32_t stickerIndex, uint32_t& colour,
                                            const std::vector<int32_t>& above = {});
    bool ShowsAtHome(int32_t stickerIndex, const std::vector<int32_t>& above = {}) const;
    // The surface's 0x00RRGGBB of a picture colour (red in the low byte).
    static uint32_t ScreenColour(COLORREF colour) {
        return ((colour & 0xFF) << 16) | (colour & 0xFF00) | ((colour >> 16) & 0xFF);
    }
    // The screen colours of a block of a picture file, and of the screen.
    static std::vector<uint32_t> PictureBlock(const char* file, RECT area);
    std::vector<uint32_t> ScreenBlock(RECT area) const {
        std::vector<uint32_t> pixels;
        for (LONG y = area.top; y < area.bottom; ++y)
            for (LONG x = area.left; x < area.right; ++x)
                pixels.push_back(machine.ScreenPixels().Pixel(x, y));
        return pixels;
    }
    // Whether the screen shows page `pageIndex`: its label and a block of its picture.
    bool ShowsPage(int32_t pageIndex) const;
    // A page file of the given records: sticker, x, y, priority, flipped.
    static Bytes PageFileOf(const std::vector<std::vector<int32_t>>& records);
    // The stickers a page file holds, bottom-most first, and those the record marks used.
    static std::vector<int32_t> StickersInPageFile(int32_t pageIndex);
    std::vector<int32_t> StickersInRecord() const;

    // The effects played, without the sheet changes' select sound.
    std::vector<std::string> SoundsPlayed() const {
        std::vector<std::string> names;
        for (const auto& sound : multimedia.SoundsPlayed()) names.push_back(sound.name);
        std::erase(names, "SelectWAVE");
        return names;
    }
    bool SelectSoundPlayed() const {
        return SoundsPlayed().size() != multimedia.SoundsPlayed().size();
    }
    std::string FileIn(const std::string& name) const { return folder / name; }
    // The grown-ups' settings file of the headless machine: "config" in the folder.
    std::string SettingsPath() const {
        return FileIn("config/" + std::string(SettingsHolder::kFileName));
    }
    void WriteSettings(const GrownUpSettings& settings) const;
    Bytes FileBytes(const std::string& name) const { return ReadBytes(folder / name); }
    Bytes PageFileBytes(int32_t pageIndex) const {
        return FileBytes(ToHostPath(PageSaveFiles[static_cast<size_t>(pageIndex)] + 1));
    }

    // The album running, or the one run last.
    std::unique_ptr<Album> album;
    HeadlessBackend& machine = HeadlessBackend::Instance();
    HeadlessMultimedia& multimedia = HeadlessMultimedia::Instance();
    // One folder serves every scenario of the process, emptied and filled afresh for
    // each.
    TempDirectory& folder = FreshFolder();
    LogCapture log;

private:
    static TempDirectory& FreshFolder();
};
