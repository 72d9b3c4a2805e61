// The desktop backend on a real display (run under an X server, e.g. Xvfb with
// SDL_FRAMEBUFFER_ACCELERATION=0): opening the window up to the first full present,
// a sticker-sized present, a full-screen present, and the resident memory afterwards.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <fstream>
#include <string>

#include "platform/machines/sdl/SdlBackend.h"
#include "platform/user/ScreenSize.h"

namespace {

long ResidentKilobytes() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    }
    return 0;
}

void OpenToFirstPresent(benchmark::State& state) {
    Surface screen(kScreenWidth, kScreenHeight);
    screen.Fill(0x3366CC);
    for (auto _ : state) {
        std::unique_ptr<SdlBackend> backend = SdlBackend::Open(kScreenWidth, kScreenHeight);
        if (!backend) {
            state.SkipWithError("no display");
            return;
        }
        backend->Present(screen, screen.Bounds());
        // The window is shown once the program has nothing left to handle.
        backend->Settled();
        state.PauseTiming();
        state.counters["rss_kB"] = static_cast<double>(ResidentKilobytes());
        backend.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(OpenToFirstPresent)->Unit(benchmark::kMillisecond)->Iterations(5);

void PresentArea(benchmark::State& state) {
    std::unique_ptr<SdlBackend> backend = SdlBackend::Open(kScreenWidth, kScreenHeight);
    if (!backend) {
        state.SkipWithError("no display");
        return;
    }
    backend->Settled();
    Surface screen(kScreenWidth, kScreenHeight);
    screen.Fill(0xCC6633);
    const auto side = static_cast<LONG>(state.range(0));
    for (auto _ : state) {
        backend->Present(screen, RECT{100, 100, 100 + side, 100 + std::min<LONG>(side, 668)});
    }
}
BENCHMARK(PresentArea)->Arg(120)->Arg(1024)->Unit(benchmark::kMicrosecond);

}  // namespace
