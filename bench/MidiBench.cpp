// Reading a 50 KB song, and the cost of one timer period of a 16-track song (goal:
// well under 5 µs, with no allocation). A period is measured through the headless
// timer on the virtual clock, so it also holds the timer's own bookkeeping.

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <new>

#include "platform/Kernel.h"
#include "platform/headless/HeadlessBackend.h"
#include "platform/headless/HeadlessMultimedia.h"
#include "sound/MidiFileReader.h"
#include "sound/MidiSequencer.h"
#include "tests/sound/MidiBytes.h"

namespace {

std::atomic<uint64_t> g_allocations{0};

// One track of `notes` quarter notes on `channel`, at 96 ticks a quarter note.
MidiBytes NoteTrack(uint8_t channel, int notes) {
    MidiBytes events = {0x00, static_cast<uint8_t>(0xC0 | channel), 0x05};
    for (int note = 0; note < notes; ++note) {
        const auto pitch = static_cast<uint8_t>(48 + (note + channel) % 24);
        const MidiBytes pair = {0x00, static_cast<uint8_t>(0x90 | channel), pitch, 0x50,
                                0x60, pitch, 0x00};
        events.insert(events.end(), pair.begin(), pair.end());
    }
    return Joined({events, kEndOfTrack});
}

std::string WriteSong(const std::string& name, int notesPerTrack) {
    std::vector<MidiBytes> tracks;
    for (uint8_t channel = 0; channel < 16; ++channel) tracks.push_back(NoteTrack(channel, notesPerTrack));
    const std::string path = (std::filesystem::temp_directory_path() / name).string();
    WriteMidiFile(path, MidiFile(1, 96, tracks));
    return path;
}

void BM_LoadMidiFile(benchmark::State& state) {
    // 16 tracks of 445 notes: about 50 KB.
    const std::string path = WriteSong("quillory-bench-50k.mid", 445);
    state.counters["file_bytes"] = static_cast<double>(std::filesystem::file_size(path));
    for (auto _ : state) {
        MidiSong song;
        benchmark::DoNotOptimize(LoadMidiFile(path, song));
    }
}
BENCHMARK(BM_LoadMidiFile);

void BM_TimerTick16Tracks(benchmark::State& state) {
    const std::string path = WriteSong("quillory-bench-16.mid", 4000);
    HeadlessBackend::Instance().SetVirtualClock(0);
    HeadlessMultimedia& devices = HeadlessMultimedia::Instance();
    devices.Reset();
    devices.DriveTimersByHand(true);
    devices.RecordMidi(false);
    MidiSequencer sequencer;
    sequencer.OpenDevice(nullptr);
    sequencer.PlayFile(path.c_str());
    const uint64_t allocationsBefore = g_allocations;
    for (auto _ : state) devices.AdvanceClock(1);
    state.counters["allocations_per_period"] =
        static_cast<double>(g_allocations - allocationsBefore) / static_cast<double>(state.iterations());
    sequencer.CloseDevice();
    devices.Reset();
    HeadlessBackend::Instance().SetVirtualClock(std::nullopt);
}
// 700000 periods of 0.192 ticks stay within the 4000 quarter notes of the song.
BENCHMARK(BM_TimerTick16Tracks)->Iterations(700000);

}  // namespace

// Counts every allocation, so that the benchmark can show a period makes none. GCC
// takes the free of a replaced operator new's memory for a mismatch; here it is not.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

void* operator new(std::size_t size) {
    ++g_allocations;
    if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
    throw std::bad_alloc();
}

void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
