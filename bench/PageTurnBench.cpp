// Turning a page of a full book: the page on screen saved, the next page's background
// and every one of its stickers loaded from the generated pictures, the page composed
// off screen and presented through the page window. The turns go back and forth between
// the page with the most stickers and the one after it, with every sticker of both
// stuck. Goal: a turn within 30 ms ("median_ms").
//
// A frame of a full page's celebration on the fullest page: the twinkling stars'
// areas composed again and presented, as the page window's timer does every 30 ms.
// Goal: a frame within 3 ms ("median_ms"), so that input never waits behind one.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <vector>

#include "album/PageEffects.h"
#include "catalogue/PageGeometry.h"
#include "catalogue/PageTable.h"
#include "catalogue/StickerHomePositions.h"
#include "catalogue/StickerNumbering.h"
#include "io/FileManager.h"
#include "platform/kernel/Clock.h"
#include "platform/machines/headless/HeadlessBackend.h"
#include "platform/user/User.h"
#include "scene/AnimDoc.h"
#include "scene/AnimDocCorners.h"
#include "scene/AnimView.h"
#include "scene/ChildWindow.h"

namespace fs = std::filesystem;

namespace {

int32_t StickersOn(int32_t pageIndex) {
    return static_cast<int32_t>(
        std::count_if(StickerHomePositions.begin(), StickerHomePositions.end(),
                      [pageIndex](const StickerHome& home) {
                          return PageIndexOfPageNumber(home.pageNumber) == pageIndex;
                      }));
}

int32_t FullestPage() {
    int32_t fullest = 0;
    for (int32_t page = 1; page < kNumberOfPages; ++page) {
        if (StickersOn(page) > StickersOn(fullest)) fullest = page;
    }
    return fullest;
}

void PutLong(std::ofstream& file, int32_t value) {
    const auto bits = static_cast<uint32_t>(value);
    const char bytes[4] = {static_cast<char>(bits & 0xFF), static_cast<char>((bits >> 8) & 0xFF),
                           static_cast<char>((bits >> 16) & 0xFF),
                           static_cast<char>((bits >> 24) & 0xFF)};
    file.write(bytes, sizeof bytes);
}

// The page's save file with every sticker of the page stuck at its home.
void WriteFullPage(const fs::path& folder, int32_t pageIndex) {
    std::string name = PageSaveFiles[static_cast<size_t>(pageIndex)] + 1;
    std::replace(name.begin(), name.end(), '\\', '/');
    std::ofstream file(folder / name, std::ios::binary);
    PutLong(file, 8);
    file.write("QUILRY03", 8);
    PutLong(file, 768);
    for (int32_t sticker = 0; sticker < NUMBEROFSTICKERGRAPHICS; ++sticker) {
        const StickerHome& home = StickerHomePositions[static_cast<size_t>(sticker)];
        if (PageIndexOfPageNumber(home.pageNumber) != pageIndex) continue;
        for (int32_t value : {sticker, home.x, home.y, 11, 0}) PutLong(file, value);
    }
}

// The album folder with the generated pictures and two full pages, the document and
// view linked as start-up links them, and the page window they present through.
class FullBook {
public:
    explicit FullBook(int32_t pageIndex)
        : m_folder(fs::temp_directory_path() / "quillory_page_turn_bench") {
        fs::remove_all(m_folder);
        fs::create_directories(m_folder / "save003");
        fs::create_directory_symlink(fs::path(QUILLORY_ALBUM_DIR) / "data003",
                                     m_folder / "data003");
        WriteFullPage(m_folder, pageIndex);
        WriteFullPage(m_folder, NextPageIndex(pageIndex));
        fs::current_path(m_folder);
        CFileManager::SetBaseDirectoryFromCurrent();

        WNDCLASSEXA windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = ProgramInstance();
        windowClass.lpszClassName = "PageTurnBenchMain";
        RegisterClassExA(&windowClass);
        m_main = CreateWindowExA(0, "PageTurnBenchMain", "Quillory 3", WS_POPUP | WS_VISIBLE, 0, 0,
                                 kScreenWidth, kScreenHeight, nullptr, nullptr, ProgramInstance(),
                                 nullptr);
        view.SetDocument(&doc);
        doc.SetView(&view);
        doc.SetMainWindow(m_main);
        m_page = std::make_unique<ChildWindow>(ProgramInstance(), m_main, &view);
        doc.LoadPage(m_main, PageBackgroundFiles[0], &kPageCorners);
        while (doc.GetCurrentPage() != pageIndex) doc.ChangePage(kPageNext);
        view.Update(m_page->GetHWnd());
    }
    ~FullBook() {
        m_page.reset();
        DestroyWindow(m_main);
        fs::remove_all(m_folder);
    }

    HWND PageWindow() const { return m_page->GetHWnd(); }

    CAnimView view;
    CAnimDoc doc;

private:
    fs::path m_folder;
    HWND m_main = nullptr;
    std::unique_ptr<ChildWindow> m_page;
};

double Median(std::vector<double>& times) {
    std::nth_element(times.begin(), times.begin() + static_cast<long>(times.size() / 2),
                     times.end());
    return times[times.size() / 2];
}

void BM_PageTurnOfAFullPage(benchmark::State& state) {
    const int32_t fullest = FullestPage();
    FullBook book(fullest);
    std::vector<double> times;
    bool forward = true;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        book.doc.ChangePage(forward ? kPageNext : kPagePrevious);
        book.view.Update(book.PageWindow());
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
        forward = !forward;
    }
    state.counters["median_ms"] = Median(times);
    state.counters["stickers_on_page"] = StickersOn(fullest);
}
BENCHMARK(BM_PageTurnOfAFullPage)->Unit(benchmark::kMillisecond)->UseRealTime();

// The stars' clock is the headless machine's virtual one, moved a frame on at each
// step; a celebration that has ended starts again.
void BM_CelebrationFrameOnAFullPage(benchmark::State& state) {
    HeadlessBackend::Instance().SetVirtualClock(0);
    FullBook book(FullestPage());
    PageEffects effects(book.view);
    book.view.SetOverlay(&effects);
    std::vector<double> times;
    for (auto _ : state) {
        if (!effects.IsRunning()) effects.Celebrate(book.PageWindow());
        Sleep(PageEffects::kFrameInterval);
        const auto start = std::chrono::steady_clock::now();
        effects.OnTimer(book.PageWindow());
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    book.view.SetOverlay(nullptr);
    HeadlessBackend::Instance().SetVirtualClock(std::nullopt);
    state.counters["median_ms"] = Median(times);
}
BENCHMARK(BM_CelebrationFrameOnAFullPage)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
