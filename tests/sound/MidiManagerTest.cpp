// The music follows the program's activation; the stress test stops and starts it from
// the user-interface thread while ticks run on another thread and the song restarts
// itself at its end: no tick outlives a stop, nothing deadlocks, and everything is
// released at the end. Run under ThreadSanitizer by scripts/test.sh --thread.

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "sound/MidiManager.h"
#include "tests/sound/MidiBytes.h"
#include "tests/sound/VirtualMidiMachine.h"
#include "tests/support/TempDirectory.h"

namespace {

using Action = HeadlessMultimedia::MidiAction;

constexpr DWORD kOpeningTime = 160;

class MidiManagerTest : public ::testing::Test {
protected:
    MidiManagerTest() { WriteMidiFile(m_folder / MidiManager::kSongFile, kNoteSong); }

    TempDirectory m_folder;
    VirtualMidiMachine m_machine;
    MidiManager m_music;
};

// An activation before start-up waits for it; a deactivation silences the music, a
// reactivation restarts it, and a stop closes everything. A start-up while inactive opens
// the device without playing.
TEST_F(MidiManagerTest, PlaysFromStartUpWhileActiveOnlyAndStopClosesEverything) {
    m_music.ActivateApp(1, nullptr);
    EXPECT_EQ(m_machine.CountOf(Action::Open), 0u);
    m_music.StartAtStartUp(nullptr);
    EXPECT_EQ(m_music.MusicStarted(), 1);
    EXPECT_EQ(m_music.SongPath(), m_folder.Path().string() + "\\QLY03.mid");
    const DWORD playing = m_machine.Now();
    m_machine.Advance(5);

    m_music.ActivateApp(0, nullptr);
    EXPECT_EQ(m_machine.TimesOf(Action::Reset, playing), std::vector<DWORD>{5});
    EXPECT_EQ(m_machine.CountOf(Action::Close), 1u);
    EXPECT_TRUE(m_machine.Released());
    m_machine.Advance(100);
    EXPECT_EQ(m_machine.MessagesFrom(playing), (std::vector<TimedMessage>{{1, kNoteOn}}));

    const DWORD reactivated = m_machine.Now();
    m_music.ActivateApp(1, nullptr);
    m_machine.Advance(11);
    EXPECT_EQ(m_machine.MessagesFrom(reactivated + kOpeningTime),
              (std::vector<TimedMessage>{{1, kNoteOn}, {11, kNoteOff}}));
    m_music.StopMIDI();
    EXPECT_FALSE(m_music.Sequencer().IsOpen());
    EXPECT_TRUE(m_machine.Released());
    m_music.ActivateApp(0, nullptr);
    m_music.StartAtStartUp(nullptr);
    EXPECT_TRUE(m_music.Sequencer().IsOpen());
    EXPECT_FALSE(m_music.Sequencer().IsPlaying());
    m_music.ActivateApp(1, nullptr);
    EXPECT_TRUE(m_music.Sequencer().IsPlaying());

    std::filesystem::remove(m_folder / MidiManager::kSongFile);
    m_music.ActivateApp(0, nullptr);
    m_music.ActivateApp(1, nullptr);
    EXPECT_TRUE(m_music.Sequencer().IsOpen());
    EXPECT_FALSE(m_music.Sequencer().IsPlaying());
}

// The grown-ups' music switch: off, no output opens at all, at start-up or on activation;
// turned on, the song starts at once while the album is active (and waits for the next
// activation while it is not); turned off again, the output closes. The volume reaches
// the output as it opens and while it is open.
TEST_F(MidiManagerTest, MusicOffOpensNoOutputAndTheSwitchAndVolumeApplyAtOnce) {
    m_music.SetMusic(false, 100);
    m_music.ActivateApp(1, nullptr);
    m_music.StartAtStartUp(nullptr);
    m_music.ActivateApp(0, nullptr);
    m_music.ActivateApp(1, nullptr);
    EXPECT_EQ(m_machine.CountOf(Action::Open), 0u);
    EXPECT_TRUE(m_machine.Released());

    m_music.SetMusic(true, 40);
    EXPECT_TRUE(m_music.Sequencer().IsPlaying());
    m_music.SetMusic(true, 0);
    const auto volumes = [this] {
        std::vector<DWORD> levels;
        for (const auto& record : m_machine.Devices().MidiRecords())
            if (record.action == Action::Volume) levels.push_back(record.message);
        return levels;
    };
    EXPECT_EQ(volumes(), (std::vector<DWORD>{0xFFFF * 40 / 100, 0}));

    m_music.SetMusic(false, 0);
    EXPECT_FALSE(m_music.Sequencer().IsOpen());
    EXPECT_TRUE(m_machine.Released());
    m_music.ActivateApp(0, nullptr);
    m_music.SetMusic(true, 70);
    EXPECT_FALSE(m_music.Sequencer().IsOpen()) << "the music waits for the album to be active";
    m_music.ActivateApp(1, nullptr);
    EXPECT_TRUE(m_music.Sequencer().IsPlaying());
    EXPECT_EQ(volumes().back(), 0xFFFFu * 70 / 100) << "an output is told as it opens";
    EXPECT_EQ(m_machine.CountOf(Action::Open), 2u);
}

// Ticks driven by hand from another thread, then on the timer thread.
TEST(SequencerStressTest, TicksFromOtherThreadsAgainstActivationChanges) {
    for (const bool byHand : {true, false}) {
        SCOPED_TRACE(byHand ? "by hand" : "timer thread");
        TempDirectory folder;
        // A song that ends after a few periods, so that it restarts itself again and again.
        WriteMidiFile(
            folder / MidiManager::kSongFile,
            MidiFile(1, 500,
                     {Joined({{0x00, 0x90, 0x3C, 0x40, 0x02, 0x80, 0x3C, 0x00}, kEndOfTrack}),
                      Joined({{0x00, 0x91, 0x41, 0x40, 0x03, 0x81, 0x41, 0x00}, kEndOfTrack})}));
        VirtualMidiMachine machine(byHand);
        MidiManager music;
        std::atomic<bool> done{false};
        std::thread timerThread([&] {
            while (byHand && !done) machine.Advance(1);
        });
        music.ActivateApp(1, nullptr);
        music.StartAtStartUp(nullptr);
        for (int round = 0; round < 150; ++round) {
            music.ActivateApp(0, nullptr);
            music.ActivateApp(1, nullptr);
            std::this_thread::yield();
        }
        music.StopMIDI();
        done = true;
        timerThread.join();
        EXPECT_TRUE(machine.Released());
        EXPECT_EQ(machine.CountOf(Action::Open), machine.CountOf(Action::Close));
        const auto records = machine.Devices().MidiRecords();
        ASSERT_FALSE(records.empty());
        EXPECT_EQ(records.back().action, Action::Close);
    }
}

}  // namespace
