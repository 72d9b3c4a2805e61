// Composing the page: the speed of picture block copies and of the redraw of a drag step
// and of a full page, each next to a plain memcpy of the same bytes. Each composing run
// reports its time as a multiple of that memcpy ("x_memcpy"). Goal: the full page within
// 1.5 x the memcpy of the page's bytes plus the stickers' bytes.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <memory>
#include <vector>

#include "catalogue/PageGeometry.h"
#include "gfx/DIB.h"
#include "scene/Sprite.h"
#include "scene/SpriteList.h"
#include "tests/gfx/PictureBytes.h"

namespace {

constexpr LONG kSticker = 120;
constexpr int kStickersOnPage = 30;
constexpr COLORREF kMagenta = 0xFF00FF;

COLORREF Scenery(LONG x, LONG y) {
    return static_cast<COLORREF>(((x * 7) & 0xFF) | ((y * 3) & 0xFF) << 8 | 0x400000);
}

// A round sticker: opaque inside the circle, magenta around it, as the album's art is.
COLORREF RoundSticker(LONG x, LONG y) {
    const LONG dx = x - kSticker / 2;
    const LONG dy = y - kSticker / 2;
    return dx * dx + dy * dy < (kSticker / 2 - 2) * (kSticker / 2 - 2) ? 0x2080C0 : kMagenta;
}

double Median(std::vector<double>& samples) {
    const auto middle = samples.begin() + static_cast<std::ptrdiff_t>(samples.size() / 2);
    std::nth_element(samples.begin(), middle, samples.end());
    return *middle;
}

template <typename Body>
double NanosecondsOf(Body& body) {
    const auto start = std::chrono::steady_clock::now();
    body();
    return std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - start)
        .count();
}

// The time of one memcpy of `bytes`, the median of many, in nanoseconds.
double MemcpyNanoseconds(size_t bytes) {
    std::vector<uint8_t> from(bytes, 1);
    std::vector<uint8_t> to(bytes, 0);
    auto copy = [&] {
        std::memcpy(to.data(), from.data(), bytes);
        benchmark::ClobberMemory();
    };
    std::vector<double> times;
    for (int run = 0; run < 501; ++run) times.push_back(NanosecondsOf(copy));
    return Median(times);
}

// Runs `body` as the benchmark's work and reports its median time against the median
// memcpy of `bytes`: medians, because the machine is shared and a run may be preempted.
template <typename Body>
void RunAgainstMemcpy(benchmark::State& state, size_t bytes, Body body) {
    const double memcpyNs = MemcpyNanoseconds(bytes);
    std::vector<double> times;
    for (auto _ : state) times.push_back(NanosecondsOf(body));
    state.counters["memcpy_us"] = memcpyNs / 1000.0;
    state.counters["median_us"] = Median(times) / 1000.0;
    state.counters["x_memcpy"] = Median(times) / memcpyNs;
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(bytes));
}

size_t PictureBytes(LONG width, LONG height) {
    return static_cast<size_t>(width) * static_cast<size_t>(height) * 3;
}

// The page of the album: a background, 30 stickers and an off-screen image to compose into.
struct Page {
    Page() : background(kPageWidth, kPageHeight), image(kPageWidth, kPageHeight) {
        FillPicture(background, Scenery);
        for (int i = 0; i < kStickersOnPage; ++i) {
            const POINT at{(i % 6) * 130 + 20, (i / 6) * 110 + 10};
            auto sticker = std::make_unique<CSprite>(i, i, &at);
            sticker->Create(kSticker, kSticker);
            FillPicture(*sticker, RoundSticker);
            sticker->ResetColourKey();
            stickers.Add(std::move(sticker));
        }
    }

    void Compose(const RECT& area) {
        background.CopyTo(&image, area.left, area.top, area.right - area.left,
                          area.bottom - area.top, area.left, area.top, CDIB::kNoKey);
        for (CSprite* sprite = stickers.First(); sprite != nullptr; sprite = stickers.Next()) {
            sprite->Draw(&image, &area);
        }
    }

    CDIB background;
    CDIB image;
    CSpriteList stickers;
};

void CopyStickerWithoutKey(benchmark::State& state) {
    CDIB sticker(kSticker, kSticker);
    FillPicture(sticker, RoundSticker);
    CDIB page(kPageWidth, kPageHeight);
    RunAgainstMemcpy(state, PictureBytes(kSticker, kSticker), [&] {
        sticker.CopyTo(&page, 100, 100, kSticker, kSticker, 0, 0, CDIB::kNoKey);
        benchmark::ClobberMemory();
    });
}
BENCHMARK(CopyStickerWithoutKey)->Unit(benchmark::kMicrosecond);

void CopyStickerWithKey(benchmark::State& state) {
    CDIB sticker(kSticker, kSticker);
    FillPicture(sticker, RoundSticker);
    CDIB page(kPageWidth, kPageHeight);
    RunAgainstMemcpy(state, PictureBytes(kSticker, kSticker), [&] {
        sticker.CopyTo(&page, 100, 100, kSticker, kSticker, 0, 0, kMagenta);
        benchmark::ClobberMemory();
    });
}
BENCHMARK(CopyStickerWithKey)->Unit(benchmark::kMicrosecond);

void DrawStickerSprite(benchmark::State& state) {
    CSprite sticker;
    sticker.Create(kSticker, kSticker);
    FillPicture(sticker, RoundSticker);
    sticker.ResetColourKey();
    sticker.MoveTo(100, 100);
    CDIB page(kPageWidth, kPageHeight);
    RunAgainstMemcpy(state, PictureBytes(kSticker, kSticker), [&] {
        sticker.Draw(&page, nullptr);
        benchmark::ClobberMemory();
    });
}
BENCHMARK(DrawStickerSprite)->Unit(benchmark::kMicrosecond);

void ComposeDragStep(benchmark::State& state) {
    Page page;
    // A sticker carried across others: where it was and where it is now.
    const RECT before{300, 200, 300 + kSticker, 200 + kSticker};
    const RECT after{306, 204, 306 + kSticker, 204 + kSticker};
    RunAgainstMemcpy(state, 2 * PictureBytes(kSticker, kSticker), [&] {
        page.Compose(before);
        page.Compose(after);
        benchmark::ClobberMemory();
    });
}
BENCHMARK(ComposeDragStep)->Unit(benchmark::kMicrosecond);

void ComposeFullPage(benchmark::State& state) {
    Page page;
    const RECT whole{0, 0, kPageWidth, kPageHeight};
    const size_t bytes =
        PictureBytes(kPageWidth, kPageHeight) + kStickersOnPage * PictureBytes(kSticker, kSticker);
    RunAgainstMemcpy(state, bytes, [&] {
        page.Compose(whole);
        benchmark::ClobberMemory();
    });
}
BENCHMARK(ComposeFullPage)->Unit(benchmark::kMicrosecond);

}  // namespace
