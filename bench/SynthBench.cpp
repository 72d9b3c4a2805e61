// The built-in synthesizer's cost, one second of music at the mix rate per iteration in
// 512-frame blocks: a busy passage like the album's song, and every voice sounding at
// once. Target: a second of the song in under 10 ms (1 % of a core, as FluidSynth with
// a soundfont takes), every voice in under 50 ms.

#include <benchmark/benchmark.h>

#include <vector>

#include "platform/machines/synth/BuiltInSynthesizer.h"
#include "platform/machines/synth/MixLevels.h"

namespace {

constexpr int kRate = MixLevels::kSampleRate;
constexpr int kBlock = 512;
constexpr int kBlocksPerSecond = kRate / kBlock;

uint32_t NoteOn(uint32_t channel, uint32_t key, uint32_t velocity) {
    return 0x90u | channel | key << 8 | velocity << 16;
}

// Every eighth of a second: a three-note chord, a melody note, a bass note and a drum,
// the notes before let go.
void BusyMusic(benchmark::State& state) {
    BuiltInSynthesizer synthesizer(kRate);
    for (const uint32_t program : {0xC0u | 73u << 8, 0xC1u | 12u << 8, 0xC2u | 32u << 8})
        synthesizer.Send(program);
    std::vector<float> block(2 * kBlock);
    uint32_t step = 0;
    for (auto _ : state) {
        for (int i = 0; i < kBlocksPerSecond; ++i) {
            if (i % 11 == 0) {
                for (uint32_t channel = 0; channel < 3; ++channel)
                    synthesizer.Send(0xB0u | channel | 123u << 8);
                ++step;
                for (const uint32_t key : {60u, 64u, 67u})
                    synthesizer.Send(NoteOn(1, key + step % 5, 70));
                synthesizer.Send(NoteOn(0, 72 + step % 7, 92));
                synthesizer.Send(NoteOn(2, 36 + step % 5, 88));
                synthesizer.Send(NoteOn(9, step % 2 == 0 ? 36 : 42, 60));
            }
            synthesizer.Render(block.data(), kBlock);
            benchmark::DoNotOptimize(block.data());
        }
    }
}
BENCHMARK(BusyMusic)->Unit(benchmark::kMillisecond);

void EveryVoice(benchmark::State& state) {
    BuiltInSynthesizer synthesizer(kRate);
    synthesizer.Send(0xC0u | 48u << 8);  // strings: they hold
    for (uint32_t key = 40; key < 40 + BuiltInSynthesizer::kVoices; ++key)
        synthesizer.Send(NoteOn(0, key, 100));
    std::vector<float> block(2 * kBlock);
    for (auto _ : state) {
        for (int i = 0; i < kBlocksPerSecond; ++i) {
            synthesizer.Render(block.data(), kBlock);
            benchmark::DoNotOptimize(block.data());
        }
    }
}
BENCHMARK(EveryVoice)->Unit(benchmark::kMillisecond);

}  // namespace
