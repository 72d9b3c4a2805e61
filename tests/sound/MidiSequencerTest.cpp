#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "sound/MidiSequencer.h"
#include "tests/sound/MidiBytes.h"
#include "tests/sound/VirtualMidiMachine.h"
#include "tests/support/TempDirectory.h"

namespace {

using Action = HeadlessMultimedia::MidiAction;

class MidiSequencerTest : public ::testing::Test {
protected:
    DWORD Play(const MidiBytes& song) {
        WriteMidiFile(m_folder / "song.mid", song);
        m_sequencer.OpenDevice(nullptr);
        const DWORD start = m_machine.Now();
        m_sequencer.PlayFile((m_folder / "song.mid").c_str());
        return start;
    }

    TempDirectory m_folder;
    VirtualMidiMachine m_machine;
    MidiSequencer m_sequencer;
};

// A hardware port gets 10 ms to take each program change and the reset on stopping; a
// software synthesizer takes them at once.
TEST_F(MidiSequencerTest, OpeningResetsTheDeviceAndSetsEveryChannelToProgramZero) {
    for (const WORD technology : {WORD{MOD_MIDIPORT}, WORD{MOD_SWSYNTH}}) {
        SCOPED_TRACE(technology);
        const DWORD pause = technology == MOD_SWSYNTH ? 0 : 10;
        m_machine.Devices().SetMidiTechnology(technology);
        const DWORD start = m_machine.Now();
        m_sequencer.OpenDevice(nullptr);
        EXPECT_EQ(m_sequencer.DeviceId(), 0);
        std::vector<TimedMessage> programs;
        for (DWORD channel = 0; channel < 16; ++channel)
            programs.push_back({channel * pause, 0xC0 + channel});
        EXPECT_EQ(m_machine.MessagesFrom(start), programs);
        Play(kNoteSong);
        m_machine.Advance(3);
        m_sequencer.CloseDevice();
        const DWORD stop = 16 * pause + 3;
        EXPECT_EQ(m_machine.TimesOf(Action::Open, start).size(), 1u) << "opened once";
        EXPECT_EQ(m_machine.TimesOf(Action::Reset, start), (std::vector<DWORD>{0, stop}));
        EXPECT_EQ(m_machine.TimesOf(Action::Close, start), std::vector<DWORD>{stop + pause});
        EXPECT_TRUE(m_machine.Released());
        m_machine.Advance(20);
        EXPECT_EQ(m_machine.MessagesFrom(start).back(), (TimedMessage{stop - 2, kNoteOn}))
            << "nothing after closing";
    }
}

TEST_F(MidiSequencerTest, ChoosesTheFirstDeviceWithout401InItsNameAndPlaysSilentlyWithNone) {
    m_machine.Devices().SetMidiDevices({"MPU-401 Port", "Wavetable Synth"});
    m_sequencer.OpenDevice(nullptr);
    EXPECT_EQ(m_sequencer.DeviceId(), 1);
    m_sequencer.CloseDevice();
    m_machine.Devices().SetMidiDevices({"MPU-401 Port", "Another 401"});
    m_sequencer.OpenDevice(nullptr);
    EXPECT_EQ(m_sequencer.DeviceId(), -1);
    EXPECT_EQ(m_machine.Devices().MidiRecords().back().device, -1);
    m_sequencer.CloseDevice();

    m_machine.Devices().SetMidiDevices({});
    const DWORD start = Play(kNoteSong);
    EXPECT_EQ(m_sequencer.DeviceId(), -2);
    EXPECT_FALSE(m_sequencer.IsOpen());
    EXPECT_TRUE(m_sequencer.IsPlaying());
    m_machine.Advance(50);
    EXPECT_TRUE(m_machine.MessagesFrom(start).empty());
    m_sequencer.CloseDevice();
    EXPECT_TRUE(m_machine.Released());
}

// Each song ends by 11 ms and starts again no sooner than 10 ms later.
TEST_F(MidiSequencerTest, SendsEachEventInItsPeriod) {
    const struct {
        const char* name;
        uint16_t division;
        MidiBytes track;  // before its end
        std::vector<TimedMessage> sent;
    } timings[] = {
        // One period late after the delta-times; bytes after the end are never looked at.
        {"one period late",
         kOneTickAPeriod,
         Joined({kNote, kEndOfTrack, {0x7F}}),
         {{1, kNoteOn}, {11, kNoteOff}}},
        // Three quarters of a tick a period, in running status: the remainder carries, so
        // late events do not shift the next; velocity 0 goes out as a note on.
        {"remainder carried",
         375,
         {0x00, 0x90, 0x3C, 0x40, 0x01, 0x3C, 0x00, 0x01, 0x3C, 0x40, 0x01, 0x3C, 0x00, 0x01, 0x3C,
          0x40},
         {{1, kNoteOn}, {3, 0x003C90}, {4, kNoteOn}, {5, 0x003C90}, {7, kNoteOn}}},
        {"tempo doubles the step",
         kOneTickAPeriod,
         Joined({{0x00, 0xFF, 0x51, 0x03, 0x03, 0xD0, 0x90}, kNote}),
         {{1, kNoteOn}, {6, kNoteOff}}},
        // SysEx and meta-events skipped; a one-byte tempo read safely and ignored.
        {"SysEx and a short tempo skipped",
         kOneTickAPeriod,
         {0x00, 0xF0, 0x02, 0x43, 0xF7, 0x00, 0xFF, 0x51, 0x01, 0x07, 0x00, 0xFF,
          0x01, 0x02, 'h',  'i',  0x00, 0x90, 0x3C, 0x40, 0x05, 0x80, 0x3C, 0x00},
         {{1, kNoteOn}, {6, kNoteOff}}}};
    for (const auto& timing : timings) {
        SCOPED_TRACE(timing.name);
        const DWORD start =
            Play(MidiFile(0, timing.division, {Joined({timing.track, kEndOfTrack})}));
        m_machine.Advance(12);
        EXPECT_EQ(m_machine.MessagesFrom(start), timing.sent);
        m_sequencer.CloseDevice();
    }
}

// Notes on channel 1, one every 40 ticks with its note off 20 ticks later, at three
// quarters of a tick a period; the instrument and volume are set at the start, the
// expression and instrument change at tick 1000.
MidiBytes NotesWithChangesMidway() {
    MidiBytes events = {0x00, 0xC1, 0x05, 0x00, 0xB1, 0x07, 0x64};
    for (int note = 0; note < 100; ++note) {
        const auto key = static_cast<uint8_t>(0x30 + note % 12);
        const uint8_t rest = note == 0 ? 0 : 20;
        if (note == 25) {
            events.insert(events.end(), {rest, 0xB1, 0x0B, 0x5A, 0x00, 0xC1, 0x07, 0x00});
        } else {
            events.push_back(rest);
        }
        events.insert(events.end(), {0x91, key, 0x40, 20, 0x81, key, 0x00});
    }
    return MidiFile(0, 375, {Joined({events, kEndOfTrack})});
}

bool SetsControllerOrInstrument(DWORD message) {
    return (message & 0xF0) == 0xB0 || (message & 0xF0) == 0xC0;
}

// The timer wakes `lateness` ms after the first event it was to play, as after the
// machine was suspended or the process stopped. Up to 250 ms late, the missed events
// are played at once, in order; later than that they are not played late: every note
// is ended on every channel, the controllers and instruments of the missed span are
// sent, and the song goes on from where it stands now. Either way, the events after
// keep the times they have when nothing stalls.
TEST_F(MidiSequencerTest, AfterAStallTheSongGoesOnFromWhereItStandsNow) {
    constexpr DWORD kPlayed = 3000;
    const MidiBytes song = NotesWithChangesMidway();
    const DWORD onTimeStart = Play(song);
    m_machine.Advance(kPlayed);
    const std::vector<TimedMessage> onTime = m_machine.MessagesFrom(onTimeStart);
    m_sequencer.CloseDevice();
    // The first event after 300 ms is the first one missed.
    const auto firstMissed =
        std::ranges::find_if(onTime, [](const TimedMessage& m) { return m.time > 300; });
    const DWORD missed = firstMissed->time;
    for (const DWORD lateness : {20u, 250u, 251u, 2000u}) {
        SCOPED_TRACE(lateness);
        const bool skipped = lateness > 250;
        const DWORD wake = missed + lateness;
        std::vector<TimedMessage> expected(onTime.begin(), firstMissed);
        for (DWORD channel = 0; skipped && channel < 16; ++channel)
            expected.push_back({wake, 0x7BB0 + channel});
        for (auto m = firstMissed; m != onTime.end(); ++m) {
            if (m->time > wake)
                expected.push_back(*m);
            else if (!skipped || SetsControllerOrInstrument(m->message))
                expected.push_back({wake, m->message});
        }

        const DWORD start = Play(song);
        m_machine.Advance(missed - 1);
        Sleep(lateness);
        m_machine.Advance(kPlayed - missed + 1 - lateness);
        EXPECT_EQ(m_machine.MessagesFrom(start), expected);
        m_sequencer.CloseDevice();
    }
}

TEST_F(MidiSequencerTest, TwoTrackSongRestartsAtTickZeroWithTheDefaultTempo) {
    const MidiBytes trackA =
        Joined({{0x00, 0x90, 0x3C, 0x40, 0x0C, 0x80, 0x3C, 0x00}, kEndOfTrack});
    const MidiBytes trackB = Joined(
        {{0x00, 0x91, 0x41, 0x40, 0x04, 0xFF, 0x51, 0x03, 0x03, 0xD0, 0x90, 0x04, 0x81, 0x41, 0x00},
         kEndOfTrack});
    const DWORD start = Play(MidiFile(1, kOneTickAPeriod, {trackA, trackB}));
    m_machine.Advance(30);
    // Track B ends first (its second half runs at double speed); once track A has
    // ended too, the song stops, resets the device, waits 10 ms and starts again.
    const std::vector<TimedMessage> firstRun = {
        {1, kNoteOn}, {1, 0x404191}, {7, 0x004181}, {9, kNoteOff}};
    std::vector<TimedMessage> expected = firstRun;
    for (const auto& message : firstRun) expected.push_back({message.time + 19, message.message});
    EXPECT_EQ(m_machine.MessagesFrom(start), expected);
    EXPECT_EQ(m_machine.TimesOf(Action::Reset, start), (std::vector<DWORD>{9, 28}));
    EXPECT_EQ(m_machine.Devices().RunningTimers(), 1u);
    EXPECT_EQ(m_machine.Devices().OpenTimerPeriods(), 1);
}

// A file that does not load leaves the song playing; a song that no longer loads at
// its end stops the timer, and a song without tracks never starts it.
TEST_F(MidiSequencerTest, AFileThatDoesNotLoadLeavesTheSongPlayingUntilItsEnd) {
    const DWORD start = Play(kNoteSong);
    m_machine.Advance(3);
    m_sequencer.PlayFile((m_folder / "missing.mid").c_str());
    std::filesystem::remove(m_folder / "song.mid");
    m_machine.Advance(7);
    EXPECT_TRUE(m_sequencer.IsPlaying());
    m_machine.Advance(30);
    EXPECT_FALSE(m_sequencer.IsPlaying());
    EXPECT_TRUE(m_machine.Released());
    EXPECT_EQ(m_machine.TimesOf(Action::Reset, start), (std::vector<DWORD>{11}));
    EXPECT_EQ(m_machine.MessagesFrom(start),
              (std::vector<TimedMessage>{{1, kNoteOn}, {11, kNoteOff}}));

    m_sequencer.CloseDevice();
    const DWORD trackless = Play(MidiHeader(1, 0, kOneTickAPeriod));
    m_machine.Advance(20);
    EXPECT_FALSE(m_sequencer.IsPlaying());
    EXPECT_TRUE(m_machine.Released());
    EXPECT_TRUE(m_machine.MessagesFrom(trackless).empty());
}

}  // namespace
