// Saving and loading a full page file: the save runs whenever a page is turned, so
// it must stay far below what a child would notice (goal: under 5 ms for 224 stickers).

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "io/DeSerializer.h"
#include "io/Serializer.h"

namespace {

constexpr int kStickersOnAFullPage = 224;
constexpr int kLongsPerSticker = 5;

std::string BenchFile() {
    return (std::filesystem::temp_directory_path() / "quillory-bench-page.sav").string();
}

void SaveFullPage(benchmark::State& state) {
    const std::string path = BenchFile();
    for (auto _ : state) {
        Serializer out(path);
        out.PutString("QUILRY03");
        out.PutLong(768);
        out.PutLong(kStickersOnAFullPage);
        for (int32_t i = 0; i < kStickersOnAFullPage * kLongsPerSticker; ++i) out.PutLong(i);
    }
    std::filesystem::remove(path);
}
BENCHMARK(SaveFullPage)->Unit(benchmark::kMillisecond);

void LoadFullPage(benchmark::State& state) {
    const std::string path = BenchFile();
    {
        Serializer out(path);
        out.PutString("QUILRY03");
        for (int32_t i = 0; i < kStickersOnAFullPage * kLongsPerSticker + 2; ++i) out.PutLong(i);
    }
    for (auto _ : state) {
        DeSerializer in(path);
        benchmark::DoNotOptimize(in.GetString());
        for (int i = 0; i < kStickersOnAFullPage * kLongsPerSticker + 2; ++i) {
            benchmark::DoNotOptimize(in.GetLong());
        }
    }
    std::filesystem::remove(path);
}
BENCHMARK(LoadFullPage)->Unit(benchmark::kMicrosecond);

}  // namespace
