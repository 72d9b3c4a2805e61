// Stopping and starting the music from the user-interface thread while ticks run on
// another thread, and the song restarts itself at its end: no tick outlives a stop,
// nothing deadlocks, and everything is released at the end. Run under ThreadSanitizer
// by scripts/test.sh --thread.

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "sound/MidiManager.h"
#include "tests/sound/MidiBytes.h"
#include "tests/sound/VirtualMidiMachine.h"
#include "tests/support/TempDirectory.h"

namespace {

using Action = HeadlessMultimedia::MidiAction;

constexpr int kRounds = 150;

// A song that ends after a few periods, so that it restarts itself again and again.
void WriteShortSong(const TempDirectory& folder) {
    WriteMidiFile(
        folder / MidiManager::kSongFile,
        MidiFile(1, 500,
                 {Joined({{0x00, 0x90, 0x3C, 0x40, 0x02, 0x80, 0x3C, 0x00}, kEndOfTrack}),
                  Joined({{0x00, 0x91, 0x41, 0x40, 0x03, 0x81, 0x41, 0x00}, kEndOfTrack})}));
}

void ExpectEverythingReleased(const VirtualMidiMachine& machine) {
    EXPECT_EQ(machine.Devices().RunningTimers(), 0u);
    EXPECT_EQ(machine.Devices().OpenTimerPeriods(), 0);
    EXPECT_EQ(machine.CountOf(Action::Open), machine.CountOf(Action::Close));
    const auto records = machine.Devices().MidiRecords();
    ASSERT_FALSE(records.empty());
    EXPECT_EQ(records.back().action, Action::Close);
}

// Ticks driven by hand from another thread, then on the timers' own threads.
TEST(SequencerStressTest, TicksFromOtherThreadsAgainstActivationChanges) {
    for (const bool byHand : {true, false}) {
        SCOPED_TRACE(byHand ? "by hand" : "own threads");
        TempDirectory folder;
        WriteShortSong(folder);
        VirtualMidiMachine machine(byHand);
        MidiManager music;
        std::atomic<bool> done{false};
        std::thread timerThread([&] {
            while (byHand && !done) machine.Advance(1);
        });
        music.ActivateApp(1, nullptr);
        music.StartAtStartUp(nullptr);
        for (int round = 0; round < kRounds; ++round) {
            music.ActivateApp(0, nullptr);
            music.ActivateApp(1, nullptr);
            std::this_thread::yield();
        }
        music.StopMIDI();
        done = true;
        timerThread.join();
        ExpectEverythingReleased(machine);
    }
}

}  // namespace
