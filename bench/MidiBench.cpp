// Reading a 50 KB song, the cost of one timer period of a 16-track song (goal: well
// under 5 µs, with no allocation but the player's wake-ups), measured through the
// headless timer on the virtual clock so that it holds the timer's own bookkeeping;
// and how late the music's events are on the real clock (goal: p99 within 1 ms).

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <new>
#include <thread>
#include <vector>

#include "platform/kernel/Kernel.h"
#include "platform/machines/headless/HeadlessBackend.h"
#include "platform/machines/headless/HeadlessMultimedia.h"
#include "platform/mm/MultimediaBackend.h"
#include "platform/mm/TimerQueue.h"
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
        const MidiBytes pair = {
            0x00, static_cast<uint8_t>(0x90 | channel), pitch, 0x50, 0x60, pitch, 0x00};
        events.insert(events.end(), pair.begin(), pair.end());
    }
    return Joined({events, kEndOfTrack});
}

std::string WriteSong(const std::string& name, int notesPerTrack) {
    std::vector<MidiBytes> tracks;
    for (uint8_t channel = 0; channel < 16; ++channel)
        tracks.push_back(NoteTrack(channel, notesPerTrack));
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
        static_cast<double>(g_allocations - allocationsBefore) /
        static_cast<double>(state.iterations());
    sequencer.CloseDevice();
    devices.Reset();
    HeadlessBackend::Instance().SetVirtualClock(std::nullopt);
}
// 700000 periods of 0.192 ticks stay within the 4000 quarter notes of the song.
BENCHMARK(BM_TimerTick16Tracks)->Iterations(700000);

using Clock = std::chrono::steady_clock;

// Timers on the timer thread and one software synthesizer that notes when each
// message reaches it, on the real clock.
class StopwatchDevices : public MultimediaBackend {
public:
    std::vector<Clock::time_point> arrivals;

    TIMECAPS TimerCapabilities() override { return {1, 1000000}; }
    bool BeginTimerPeriod(UINT) override { return true; }
    bool EndTimerPeriod(UINT) override { return true; }
    UINT StartTimer(UINT delay, LPTIMECALLBACK callback, DWORD_PTR user, bool periodic) override {
        return m_timers.Start(delay, callback, user, periodic);
    }
    bool KillTimer(UINT timerId) override { return m_timers.Kill(timerId); }
    UINT MidiOutputCount() override { return 1; }
    bool MidiOutputCapabilities(UINT, MIDIOUTCAPSA& caps) override {
        caps = MIDIOUTCAPSA{};
        caps.wTechnology = MOD_SWSYNTH;
        return true;
    }
    std::unique_ptr<MidiOutputDevice> OpenMidiOutput(UINT) override {
        return std::make_unique<Output>(*this);
    }
    void PlayWave(const std::string&, std::span<const uint8_t>) override {}
    void StopWave() override {}

private:
    class Output : public MidiOutputDevice {
    public:
        explicit Output(StopwatchDevices& owner) : m_owner(owner) {}
        void SendShortMessage(DWORD) override {
            std::lock_guard lock(m_owner.m_lock);
            m_owner.arrivals.push_back(Clock::now());
        }
        void Reset() override {}

    private:
        StopwatchDevices& m_owner;
    };

    std::mutex m_lock;
    TimerQueue m_timers;
};

// Four tracks of 40 notes, each track at its own pace (3 to 9 ticks between events).
std::string WriteBusySong() {
    std::vector<MidiBytes> tracks;
    for (uint8_t channel = 0; channel < 4; ++channel) {
        MidiBytes events;
        const auto gap = static_cast<uint8_t>(3 + 2 * channel);
        for (int note = 0; note < 40; ++note) {
            const auto pitch = static_cast<uint8_t>(48 + (note * 5 + channel) % 24);
            const MidiBytes pair = {
                gap, static_cast<uint8_t>(0x90 | channel), pitch, 0x50, gap, pitch, 0x00};
            events.insert(events.end(), pair.begin(), pair.end());
        }
        tracks.push_back(Joined({events, kEndOfTrack}));
    }
    const std::string path =
        (std::filesystem::temp_directory_path() / "quillory-bench-busy.mid").string();
    WriteMidiFile(path, MidiFile(1, 96, tracks));
    return path;
}

constexpr DWORD kPlayedMilliseconds = 3000;

// The period (milliseconds from the start) in which each message is due, from the
// same song on the virtual clock.
std::vector<DWORD> DuePeriods(const std::string& path) {
    HeadlessBackend::Instance().SetVirtualClock(0);
    HeadlessMultimedia& devices = HeadlessMultimedia::Instance();
    devices.Reset();
    devices.DriveTimersByHand(true);
    std::vector<DWORD> due;
    {
        MidiSequencer sequencer;
        sequencer.OpenDevice(nullptr);
        const DWORD start = timeGetTime();
        sequencer.PlayFile(path.c_str());
        devices.AdvanceClock(kPlayedMilliseconds);
        for (const auto& record : devices.MidiRecords()) {
            if (record.action == HeadlessMultimedia::MidiAction::ShortMessage &&
                record.time >= start) {
                due.push_back(record.time - start);
            }
        }
        sequencer.CloseDevice();
    }
    devices.Reset();
    HeadlessBackend::Instance().SetVirtualClock(std::nullopt);
    return due;
}

double Percentile(std::vector<double> values, double fraction) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    return values[static_cast<size_t>(fraction * static_cast<double>(values.size() - 1))];
}

void BM_EventLateness(benchmark::State& state) {
    const std::string path = WriteBusySong();
    const std::vector<DWORD> due = DuePeriods(path);
    std::vector<double> lateness;
    for (auto _ : state) {
        StopwatchDevices devices;
        MultimediaBackend* previous = MultimediaBackendSlot::Install(&devices);
        MidiSequencer sequencer;
        sequencer.OpenDevice(nullptr);
        // The instrument changes of the opening are not part of the song.
        devices.arrivals.clear();
        // Start on a fresh millisecond of the clock the player counts by, so that the
        // due times below are exact.
        for (const DWORD now = timeGetTime(); timeGetTime() == now;) {
        }
        const Clock::time_point start = Clock::now();
        sequencer.PlayFile(path.c_str());
        std::this_thread::sleep_for(std::chrono::milliseconds(kPlayedMilliseconds + 100));
        sequencer.CloseDevice();
        MultimediaBackendSlot::Install(previous);
        for (size_t i = 0; i < std::min(due.size(), devices.arrivals.size()); ++i) {
            const auto expected = start + std::chrono::milliseconds(due[i]);
            lateness.push_back(
                std::chrono::duration<double, std::micro>(devices.arrivals[i] - expected).count());
        }
    }
    state.counters["events"] = static_cast<double>(lateness.size());
    state.counters["late_p50_us"] = Percentile(lateness, 0.5);
    state.counters["late_p99_us"] = Percentile(lateness, 0.99);
    state.counters["late_max_us"] = Percentile(lateness, 1.0);
}
BENCHMARK(BM_EventLateness)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

// Counts every allocation, so that the benchmark can show a period makes none. GCC
// takes the free of a replaced operator new's memory for a mismatch; here it is not.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

void* operator new(std::size_t size) {
    ++g_allocations;
    if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
    throw std::bad_alloc();
}

void operator delete(void* memory) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}
