#include <gtest/gtest.h>

#include "sound/MidiManager.h"
#include "tests/sound/MidiBytes.h"
#include "tests/sound/VirtualMidiMachine.h"
#include "tests/support/TempDirectory.h"

namespace {

using Action = HeadlessMultimedia::MidiAction;

constexpr DWORD kNoteOn = 0x403C90;
constexpr DWORD kNoteOff = 0x003C80;
constexpr DWORD kOpeningTime = 160;

class MidiManagerTest : public ::testing::Test {
protected:
    MidiManagerTest() {
        WriteMidiFile(
            m_folder / MidiManager::kSongFile,
            MidiFile(0, 500,
                     {Joined({{0x00, 0x90, 0x3C, 0x40, 0x0A, 0x80, 0x3C, 0x00}, kEndOfTrack})}));
    }

    TempDirectory m_folder;
    VirtualMidiMachine m_machine;
    MidiManager m_music;
};

TEST_F(MidiManagerTest, AnActivationBeforeStartUpWaitsForItAndStartUpWhileInactiveWaitsForOne) {
    m_music.ActivateApp(1, nullptr);
    EXPECT_EQ(m_machine.CountOf(Action::Open), 0u);
    const DWORD start = m_machine.Now();
    m_music.StartAtStartUp(nullptr);
    EXPECT_EQ(m_music.MusicStarted(), 1);
    EXPECT_EQ(m_music.SongPath(), m_folder.Path().string() + "\\QLY03.mid");
    m_machine.Advance(1);
    EXPECT_EQ(m_machine.MessagesFrom(start + kOpeningTime),
              (std::vector<TimedMessage>{{1, kNoteOn}}));

    m_music.StopMIDI();
    MidiManager inactive;
    inactive.StartAtStartUp(nullptr);
    EXPECT_TRUE(inactive.Sequencer().IsOpen());
    EXPECT_FALSE(inactive.Sequencer().IsPlaying());
    inactive.ActivateApp(1, nullptr);
    EXPECT_TRUE(inactive.Sequencer().IsPlaying());
}

TEST_F(MidiManagerTest, DeactivationSilencesReactivationRestartsAndStopClosesEverything) {
    m_music.ActivateApp(1, nullptr);
    m_music.StartAtStartUp(nullptr);
    const DWORD playing = m_machine.Now();
    m_machine.Advance(5);

    m_music.ActivateApp(0, nullptr);
    EXPECT_EQ(m_machine.TimesOf(Action::Reset, playing), std::vector<DWORD>{5});
    EXPECT_EQ(m_machine.CountOf(Action::Close), 1u);
    EXPECT_EQ(m_machine.Devices().RunningTimers(), 0u);
    EXPECT_EQ(m_machine.Devices().OpenTimerPeriods(), 0);
    m_machine.Advance(100);
    EXPECT_EQ(m_machine.MessagesFrom(playing), (std::vector<TimedMessage>{{1, kNoteOn}}));

    const DWORD reactivated = m_machine.Now();
    m_music.ActivateApp(1, nullptr);
    m_machine.Advance(11);
    EXPECT_EQ(m_machine.MessagesFrom(reactivated + kOpeningTime),
              (std::vector<TimedMessage>{{1, kNoteOn}, {11, kNoteOff}}));
    // StopMIDI closes everything; a missing song is silent.
    m_music.StopMIDI();
    EXPECT_FALSE(m_music.Sequencer().IsOpen());
    EXPECT_EQ(m_machine.Devices().RunningTimers(), 0u);

    std::filesystem::remove(m_folder / MidiManager::kSongFile);
    m_music.ActivateApp(0, nullptr);
    m_music.ActivateApp(1, nullptr);
    EXPECT_TRUE(m_music.Sequencer().IsOpen());
    EXPECT_FALSE(m_music.Sequencer().IsPlaying());
}

}  // namespace
