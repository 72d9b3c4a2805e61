#include "tests/scenarios/AlbumScenario.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

#include "catalogue/DataFiles.h"
#include "catalogue/PageGeometry.h"
#include "gfx/DIB.h"
#include "io/FileManager.h"
#include "io/SettingsFile.h"
#include "platform/user/WindowManager.h"
#include "scene/ChildWindow.h"
#include "scene/PageFile.h"
#include "sound/MidiManager.h"
#include "tests/support/ProgramState.h"

namespace fs = std::filesystem;

namespace {

constexpr LONG kCornerSide = 8;  // the page corners lie above every sticker
constexpr size_t kRecordHeadBytes = 22;
constexpr COLORREF kMagenta = 0xFF00FF;

std::unique_ptr<CDIB> PictureOf(int32_t stickerIndex) {
    auto picture = std::make_unique<CDIB>(1, 1);
    picture->Load(StickerPictureFiles[static_cast<size_t>(stickerIndex)]);
    return picture;
}

void DrawWhatIsDue() {
    const HWND main = GetSharedWindowHandle();
    if (main == nullptr || !IsWindow(main)) return;
    // Every window, the dialogs and message boxes above the main window too.
    for (const HWND top : WindowManager::Instance().TopLevelWindows()) {
        UpdateWindow(top);
        for (const HWND child : WindowManager::Instance().Children(top)) UpdateWindow(child);
    }
    const WM_Messages* messages = WM_Messages::OfMainWindow(main);
    const ChildWindow* page = messages->GetAlbum().PageWindow();
    if (page == nullptr) return;
    UpdateWindow(page->GetHWnd());
    if (messages->GetPlayState() == kPlayStatePlaying)
        messages->GetAlbum().View().Update(page->GetHWnd());
}

}  // namespace

TempDirectory& AlbumScenario::FreshFolder() {
    // One album runs per user and display: a display name of this process's own keeps
    // the scenario's album from meeting an album or scenario run elsewhere on the machine.
    static std::string display = "DISPLAY=scenario-" + std::to_string(getpid());
    static const bool ownDisplay = putenv(display.data()) == 0;
    EXPECT_TRUE(ownDisplay);
    static TempDirectory shared;
    fs::current_path(shared.Path());
    for (const auto& entry : fs::directory_iterator(shared.Path())) fs::remove_all(entry.path());
    // Links to every generated file, so that a test may take one away.
    const fs::path album = QUILLORY_ALBUM_DIR;
    fs::create_directory(shared.Path() / "data003");
    for (const auto& entry : fs::directory_iterator(album / "data003"))
        LinkFile(entry.path(), shared.Path() / "data003" / entry.path().filename());
    LinkFile(album / MidiManager::kSongFile, shared.Path() / MidiManager::kSongFile);
    return shared;
}

AlbumScenario::AlbumScenario() {
    CFileManager::SetBaseDirectoryFromCurrent();
    ResetMachine();
}

AlbumScenario::~AlbumScenario() {
    if (HasFailure()) {
        const std::string name = testing::UnitTest::GetInstance()->current_test_info()->name();
        machine.SaveScreen((folder.Path().parent_path() / (name + ".png")).string());
    }
    ResetMachine();
}

void AlbumScenario::ResetMachine() {
    WindowManager::Instance().Reset();
    HeadlessBackend::Instance().Reset();
    HeadlessBackend::Instance().SetVirtualClock(0);
    HeadlessMultimedia::Instance().Reset();
    HeadlessMultimedia::Instance().DriveTimersByHand(true);
    ResetProgramState();
}

void AlbumScenario::WriteSettings(const GrownUpSettings& settings) const {
    fs::create_directory(folder.Path() / "config");
    SettingsFile(SettingsPath()).Write(settings);
}

void AlbumScenario::Then(std::function<void()> step) {
    machine.Then([step = std::move(step)] {
        DrawWhatIsDue();
        step();
    });
}

void AlbumScenario::DropStickerAt(int32_t stickerIndex, POINT pageTopLeft) {
    // The sticker hangs centred on the pointer.
    const auto picture = PictureOf(stickerIndex);
    machine.Click(POINT{kPageLeft + pageTopLeft.x + picture->GetWidth() / 2,
                        kPageTop + pageTopLeft.y + picture->GetHeight() / 2});
}

Bytes AlbumScenario::PageFileOf(const std::vector<std::vector<int32_t>>& records) {
    Bytes page = Concat({StringBytes("QUILRY03"), LongBytes(768)});
    for (const auto& record : records)
        for (int32_t value : record) page = Concat({page, LongBytes(value)});
    return page;
}

std::vector<int32_t> AlbumScenario::StickersOf(int32_t pageIndex) {
    std::vector<int32_t> stickers;
    for (int32_t sticker = 0; sticker < NUMBEROFSTICKERGRAPHICS; ++sticker) {
        const int32_t home = StickerHomePositions[static_cast<size_t>(sticker)].pageNumber;
        if (PageIndexOfPageNumber(home) == pageIndex) stickers.push_back(sticker);
    }
    return stickers;
}

POINT AlbumScenario::OpaquePointOfStickerAtHome(int32_t stickerIndex, uint32_t& colour,
                                                const std::vector<int32_t>& above) {
    std::vector<std::unique_ptr<CDIB>> abovePictures;
    for (int32_t other : above) abovePictures.push_back(PictureOf(other));
    const auto opaqueAt = [](int32_t sticker, const CDIB& dib, POINT at, COLORREF& pixel) {
        const POINT home = HomeOf(sticker);
        return dib.GetPixel(at.x - home.x, at.y - home.y, pixel) && pixel != kMagenta;
    };
    // Off the page, under a page corner, or under a sticker above.
    const auto hiddenAt = [&](POINT at) {
        COLORREF covering = 0;
        for (size_t i = 0; i < above.size(); ++i)
            if (opaqueAt(above[i], *abovePictures[i], at, covering)) return true;
        return at.x < 0 || at.x >= kPageWidth || at.y < 0 || at.y >= kPageHeight ||
               ((at.x < kCornerSide || at.x >= kPageWidth - kCornerSide) &&
                (at.y < kCornerSide || at.y >= kPageHeight - kCornerSide));
    };
    const auto picture = PictureOf(stickerIndex);
    const POINT home = HomeOf(stickerIndex);
    const LONG width = picture->GetWidth();
    const LONG height = picture->GetHeight();
    // From the middle row outwards, so that the point lies well inside the picture.
    for (LONG step = 0; step < width * height; ++step) {
        const LONG row = step / width;
        const LONG y = (height / 2 + (row % 2 == 0 ? row / 2 : height - 1 - row / 2)) % height;
        const POINT at{home.x + (width / 2 + step % width) % width, home.y + y};
        COLORREF pixel = 0;
        if (opaqueAt(stickerIndex, *picture, at, pixel) && !hiddenAt(at)) {
            colour = ScreenColour(pixel);
            return POINT{kPageLeft + at.x, kPageTop + at.y};
        }
    }
    ADD_FAILURE() << "sticker " << stickerIndex << " shows nowhere at its home";
    return POINT{};
}

bool AlbumScenario::ShowsAtHome(int32_t stickerIndex, const std::vector<int32_t>& above) const {
    uint32_t colour = 0;
    const POINT point = OpaquePointOfStickerAtHome(stickerIndex, colour, above);
    return machine.ScreenPixels().Pixel(point.x, point.y) == colour;
}

std::vector<uint32_t> AlbumScenario::PictureBlock(const char* file, RECT area) {
    CDIB picture(1, 1);
    picture.Load(file);
    std::vector<uint32_t> pixels;
    for (LONG y = area.top; y < area.bottom; ++y) {
        for (LONG x = area.left; x < area.right; ++x) {
            COLORREF pixel = 0;
            picture.GetPixel(x, y, pixel);
            pixels.push_back(ScreenColour(pixel));
        }
    }
    return pixels;
}

bool AlbumScenario::ShowsPage(int32_t pageIndex) const {
    const LONG top = 40 * (pageIndex + 1);
    const RECT block{400, 250, 440, 270};
    return ScreenBlock(RECT{414, 705, 470, 740}) ==
               PictureBlock(kPageLabelsFile, RECT{0, top, 56, top + 35}) &&
           ScreenBlock(RECT{kPageLeft + block.left, kPageTop + block.top, kPageLeft + block.right,
                            kPageTop + block.bottom}) ==
               PictureBlock(PageBackgroundFiles[static_cast<size_t>(pageIndex)], block);
}

std::vector<int32_t> AlbumScenario::StickersInPageFile(int32_t pageIndex) {
    std::vector<PageFileRecord> records;
    PageFile::Read(CFileManager::BaseDirectory() + PageSaveFiles[static_cast<size_t>(pageIndex)],
                   records);
    std::vector<int32_t> stickers;
    for (const PageFileRecord& record : records) stickers.push_back(record.spriteIndex);
    return stickers;
}

std::vector<int32_t> AlbumScenario::StickersInRecord() const {
    const Bytes record = FileBytes("save003/page00.sav");
    std::vector<int32_t> used;
    for (int32_t sticker = 0; sticker < NUMBEROFSTICKERGRAPHICS; ++sticker) {
        const size_t at = kRecordHeadBytes + static_cast<size_t>(sticker) * 4;
        if (at < record.size() && record[at] != 0) used.push_back(sticker);
    }
    return used;
}
