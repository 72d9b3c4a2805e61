#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <set>
#include <thread>
#include <vector>

#include "platform/kernel/Kernel.h"
#include "platform/mm/Multimedia.h"
#include "platform/mm/WaveResourceTable.h"
#include "sound/SoundEffect.h"
#include "tests/sound/VirtualMidiMachine.h"

namespace {

struct TickLog {
    std::vector<DWORD> times{};
    std::vector<std::thread::id> threads{};
    UINT killOnTick = 0;
    // A one-shot timer starts the next one from its callback this many times, as the
    // music does at each wake-up.
    int restarts = 0;
    // How long each callback takes.
    std::chrono::milliseconds linger{0};
    std::atomic<int> count{0};
    std::atomic<int> finished{0};

    DWORD_PTR User() { return reinterpret_cast<DWORD_PTR>(this); }
};

void RecordTick(UINT timerId, UINT, DWORD_PTR user, DWORD_PTR, DWORD_PTR) {
    auto& log = *reinterpret_cast<TickLog*>(user);
    log.times.push_back(timeGetTime());
    log.threads.push_back(std::this_thread::get_id());
    const int count = ++log.count;
    if (count == static_cast<int>(log.killOnTick)) timeKillEvent(timerId);
    if (count <= log.restarts) timeSetEvent(1, 0, RecordTick, user, TIME_ONESHOT);
    std::this_thread::sleep_for(log.linger);
    ++log.finished;
}

TEST(MultimediaTimerTest, HandDrivenTimersRunExactlyWhenDueOnceOrUntilKilled) {
    VirtualMidiMachine machine;
    TickLog log, once;
    const DWORD start = machine.Now();
    const UINT timer = timeSetEvent(3, 0, RecordTick, log.User(), TIME_PERIODIC);
    const UINT oneShot = timeSetEvent(5, 0, RecordTick, once.User(), TIME_ONESHOT);
    ASSERT_TRUE(timer != 0 && oneShot != 0);
    machine.Advance(10);
    EXPECT_EQ(log.times, (std::vector<DWORD>{start + 3, start + 6, start + 9}));
    EXPECT_EQ(once.times, (std::vector<DWORD>{start + 5}));
    EXPECT_NE(timeKillEvent(oneShot), TIMERR_NOERROR) << "a one-shot timer ends by itself";
    Sleep(7);
    machine.Advance(1);
    EXPECT_EQ(log.times.size(), 6u) << "caught up after the sleep";
    EXPECT_EQ(timeKillEvent(timer), TIMERR_NOERROR);
    EXPECT_NE(timeKillEvent(timer), TIMERR_NOERROR);
    machine.Advance(10);
    EXPECT_EQ(log.times.size(), 6u);
}

// Every timer runs on the one timer thread, side by side with the others, however
// often one is started from a callback; a kill from elsewhere waits for the callback.
TEST(MultimediaTimerTest, TimersRunOnOneTimerThreadAndEndOnceOrWhenKilled) {
    VirtualMidiMachine machine(false);
    TickLog log{.killOnTick = 3}, killed{.linger = std::chrono::milliseconds(20)},
        chain{.restarts = 3};
    ASSERT_NE(timeSetEvent(1, 0, RecordTick, log.User(), TIME_PERIODIC), 0u);
    ASSERT_NE(timeSetEvent(1, 0, RecordTick, chain.User(), TIME_ONESHOT), 0u);
    const UINT timer = timeSetEvent(1, 0, RecordTick, killed.User(), TIME_PERIODIC);
    while (killed.count < 2) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    timeKillEvent(timer);
    const int afterKill = killed.count;
    EXPECT_EQ(killed.finished, afterKill) << "no callback runs on once the kill returns";
    for (int wait = 0; wait < 5000 && machine.Devices().RunningTimers() != 0; ++wait)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    EXPECT_EQ(machine.Devices().RunningTimers(), 0u);
    EXPECT_EQ(log.count, 3);
    EXPECT_EQ(chain.count, 4);
    EXPECT_EQ(killed.count, afterKill);
    std::set<std::thread::id> threads;
    for (const TickLog* ticks : {&log, &killed, &chain})
        threads.insert(ticks->threads.begin(), ticks->threads.end());
    EXPECT_EQ(threads.size(), 1u);
    EXPECT_FALSE(threads.contains(std::this_thread::get_id()));
}

TEST(MidiOutputTest, DescribesDevicesAndRefusesUnknownOnesAndClosedHandles) {
    VirtualMidiMachine machine;
    machine.Devices().SetMidiDevices({"A synthesizer with a very long product name indeed"});
    ASSERT_EQ(midiOutGetNumDevs(), 1u);
    MIDIOUTCAPSA caps{};
    ASSERT_EQ(midiOutGetDevCapsA(0, &caps, sizeof(caps)), MMSYSERR_NOERROR);
    EXPECT_STREQ(caps.szPname, "A synthesizer with a very long ");
    EXPECT_EQ(midiOutGetDevCapsA(1, &caps, sizeof(caps)), MMSYSERR_BADDEVICEID);
    HMIDIOUT output = nullptr;
    EXPECT_EQ(midiOutOpen(&output, 1, 0, 0, CALLBACK_NULL), MMSYSERR_BADDEVICEID);
    EXPECT_EQ(output, nullptr);
    // A closed or null handle is refused without effect.
    ASSERT_EQ(midiOutOpen(&output, MIDI_MAPPER, 0, 0, CALLBACK_NULL), MMSYSERR_NOERROR);
    EXPECT_EQ(midiOutShortMsg(output, 0x403C90), MMSYSERR_NOERROR);
    EXPECT_EQ(midiOutClose(output), MMSYSERR_NOERROR);
    EXPECT_EQ(midiOutShortMsg(output, 0x403C90), MMSYSERR_INVALHANDLE);
    EXPECT_EQ(midiOutReset(output), MMSYSERR_INVALHANDLE);
    EXPECT_EQ(midiOutClose(output), MMSYSERR_INVALHANDLE);
    EXPECT_EQ(midiOutShortMsg(nullptr, 0x403C90), MMSYSERR_INVALHANDLE);
    EXPECT_EQ(machine.MessagesFrom(0), (std::vector<TimedMessage>{{machine.Now(), 0x403C90}}));
}

TEST(SoundEffectTest, EachIndexPlaysItsResourceFoundWhateverTheCase) {
    VirtualMidiMachine machine;
    for (int32_t index = 0; index < SoundEffect::kCount; ++index)
        WaveResourceTable::Instance().Add(SoundEffect::ResourceName(index),
                                          std::vector<uint8_t>(static_cast<size_t>(10 + index)));
    const auto played = [&] {
        std::vector<std::string> names;
        for (const auto& sound : machine.Devices().SoundsPlayed()) names.push_back(sound.name);
        return names;
    };
    for (int32_t index = -1; index <= SoundEffect::kCount; ++index)
        SoundEffect effect(nullptr, index);
    EXPECT_EQ(played(),
              (std::vector<std::string>{"ClearWAVE", "PeelWAVE", "StickWAVE", "SelectWAVE",
                                        "BoopWAVE", "JingleWAVE", "FanfareWAVE"}));
    const auto sounds = machine.Devices().SoundsPlayed();
    EXPECT_EQ(sounds[1].wave.size(), 11u);
    EXPECT_EQ(sounds[1].time, VirtualMidiMachine::kStartTime);
    EXPECT_EQ(SoundEffect::ResourceName(SoundEffect::kCount), nullptr);
    // Resources are found without regard to case; unknown ones fail.
    machine.Devices().Reset();
    EXPECT_EQ(PlaySoundA("peelwave", nullptr, SND_RESOURCE | SND_ASYNC), TRUE);
    EXPECT_EQ(PlaySoundA("NoSuchWAVE", nullptr, SND_RESOURCE | SND_ASYNC), FALSE);
    EXPECT_EQ(PlaySoundA("PeelWAVE", nullptr, SND_ASYNC), FALSE);
    EXPECT_EQ(played(), std::vector<std::string>{"peelwave"});
    EXPECT_EQ(PlaySoundA(nullptr, nullptr, 0), TRUE);
    EXPECT_EQ(machine.Devices().SoundPlaying(), "");
    WaveResourceTable::Instance().Clear();
}

// A RIFF WAVE image of one channel holding `samples` of `bits` bits each.
std::vector<uint8_t> WaveOf(uint16_t bits, const std::vector<uint8_t>& samples) {
    const auto little = [](uint32_t value, size_t count) {
        std::vector<uint8_t> bytes;
        for (size_t i = 0; i < count; ++i) bytes.push_back(static_cast<uint8_t>(value >> (8 * i)));
        return bytes;
    };
    const auto text = [](const char* id) { return std::vector<uint8_t>(id, id + 4); };
    const uint32_t rate = 22050;
    const auto align = static_cast<uint16_t>(bits / 8);
    std::vector<uint8_t> wave = text("RIFF");
    for (const auto& part :
         {little(static_cast<uint32_t>(36 + samples.size()), 4), text("WAVE"), text("fmt "),
          little(16, 4), little(1, 2), little(1, 2), little(rate, 4), little(rate * align, 4),
          little(align, 2), little(bits, 2), text("data"),
          little(static_cast<uint32_t>(samples.size()), 4), samples}) {
        wave.insert(wave.end(), part.begin(), part.end());
    }
    return wave;
}

// The grown-ups' effects setting: off plays nothing; a volume scales every sample the
// mixer is given towards silence (8-bit samples around 128, 16-bit ones around 0), and
// leaves the rest of the image as it is.
TEST(SoundEffectTest, EffectsOffPlayNothingAndTheVolumeScalesTheSamplesPlayed) {
    VirtualMidiMachine machine;
    const std::vector<uint8_t> eightBits{0, 64, 128, 192, 255};
    // 16-bit samples: -32768, -16384, 0, 16384, 32767.
    const std::vector<uint8_t> sixteenBits{0x00, 0x80, 0x00, 0xC0, 0, 0, 0x00, 0x40, 0xFF, 0x7F};
    WaveResourceTable::Instance().Add("PeelWAVE", WaveOf(8, eightBits));
    WaveResourceTable::Instance().Add("StickWAVE", WaveOf(16, sixteenBits));
    const struct {
        int32_t percent;
        std::vector<uint8_t> eight;
        std::vector<uint8_t> sixteen;
    } volumes[] = {
        {100, eightBits, sixteenBits},
        {50, {64, 96, 128, 160, 191}, {0x00, 0xC0, 0x00, 0xE0, 0, 0, 0x00, 0x20, 0xFF, 0x3F}},
        {0, {128, 128, 128, 128, 128}, std::vector<uint8_t>(10, 0)},
    };
    for (const auto& volume : volumes) {
        machine.Devices().Reset();
        SoundEffect::SetEffects(true, volume.percent);
        SoundEffect(nullptr, SoundEffect::kPeel);
        SoundEffect(nullptr, SoundEffect::kStick);
        const auto sounds = machine.Devices().SoundsPlayed();
        ASSERT_EQ(sounds.size(), 2u);
        EXPECT_EQ(sounds[0].wave, WaveOf(8, volume.eight)) << volume.percent << "%";
        EXPECT_EQ(sounds[1].wave, WaveOf(16, volume.sixteen)) << volume.percent << "%";
    }
    machine.Devices().Reset();
    SoundEffect::SetEffects(false, 100);
    SoundEffect(nullptr, SoundEffect::kPeel);
    EXPECT_TRUE(machine.Devices().SoundsPlayed().empty());
    SoundEffect::SetEffects(true, 100);
    WaveResourceTable::Instance().Clear();
}

}  // namespace
