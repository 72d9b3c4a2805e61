// Windows' multimedia devices on whatever audio output the system has. With one, the
// synthesizer is the one MIDI device and the music and an effect play through the
// system's output; without one, everything runs silently. Either way nothing hangs:
// the devices open and close at once, whatever is sounding. A run that sets
// QUILLORY_EXPECT_AUDIO is given an audio output (CMake gives Wine one that writes to a
// file): there, running silently is a failure.

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <memory>
#include <thread>

#include "platform/machines/synth/BuiltInSynthesizer.h"
#include "platform/machines/win32/Win32Multimedia.h"
#include "platform/user/Resources.h"

using namespace std::chrono_literals;

namespace {

bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(5ms);
    }
    return true;
}

std::span<const uint8_t> AnEffect() {
    for (const Resource& resource : Resources::All()) {
        if (resource.kind == ResourceKind::Wave) return resource.bytes;
    }
    return {};
}

// Ends the devices; true when that took no longer than a moment.
bool ClosesAtOnce(std::unique_ptr<Win32Multimedia>& multimedia) {
    const auto start = std::chrono::steady_clock::now();
    multimedia.reset();
    return std::chrono::steady_clock::now() - start < 2s;
}

void CountCall(UINT, UINT, DWORD_PTR user, DWORD_PTR, DWORD_PTR) {
    ++*reinterpret_cast<std::atomic<int>*>(user);
}

}  // namespace

TEST(Win32Multimedia, PlaysTheMusicAndAnEffectOrRunsSilentlyAndClosesAtOnce) {
    const std::span<const uint8_t> effect = AnEffect();
    ASSERT_FALSE(effect.empty());
    auto devices = std::make_unique<Win32Multimedia>();
    Win32Multimedia& multimedia = *devices;
    std::atomic<int> calls = 0;
    EXPECT_NE(multimedia.StartTimer(10, CountCall, reinterpret_cast<DWORD_PTR>(&calls), false), 0u);
    EXPECT_TRUE(WaitUntil([&] { return calls == 1; }, 5s)) << "the timer thread runs";

    if (std::getenv("QUILLORY_EXPECT_AUDIO") != nullptr) {
        ASSERT_TRUE(multimedia.HasAudio());
    }
    if (!multimedia.HasAudio()) {
        RecordProperty("audio", "none: silent");
        EXPECT_EQ(multimedia.MidiOutputCount(), 0u);
        EXPECT_EQ(multimedia.OpenMidiOutput(0), nullptr);
        multimedia.PlayWave("effect", effect);
        multimedia.PlayBeep();
        EXPECT_FALSE(multimedia.EffectPlaying());
        EXPECT_TRUE(ClosesAtOnce(devices));
        return;
    }
    RecordProperty("audio", "the system's output");
    ASSERT_EQ(multimedia.MidiOutputCount(), 1u);
    MIDIOUTCAPSA caps{};
    ASSERT_TRUE(multimedia.MidiOutputCapabilities(0, caps));
    EXPECT_EQ(caps.szPname, BuiltInSynthesizer::kProductName);
    std::unique_ptr<MidiOutputDevice> music = multimedia.OpenMidiOutput(MIDI_MAPPER);
    ASSERT_NE(music, nullptr);
    music->SendShortMessage(0x7F3C90);  // a loud middle C on the first channel
    const int64_t before = multimedia.BlocksMixed();
    EXPECT_TRUE(WaitUntil([&] { return multimedia.BlocksMixed() > before + 2; }, 5s))
        << "the music is mixed while its output is open";

    // Played out at the output's pace: a short effect ends within seconds.
    multimedia.PlayWave("effect", effect);
    EXPECT_TRUE(multimedia.EffectPlaying());
    EXPECT_TRUE(WaitUntil([&] { return !multimedia.EffectPlaying(); }, 10s));
    // The beep is cut off by a stop, and a new effect is cut off by the devices' end.
    multimedia.PlayBeep();
    EXPECT_TRUE(multimedia.EffectPlaying());
    multimedia.StopWave();
    EXPECT_FALSE(multimedia.EffectPlaying());
    // With the music closed and no effect, nothing more is mixed.
    music.reset();
    const int64_t silent = multimedia.BlocksMixed();
    std::this_thread::sleep_for(300ms);
    EXPECT_EQ(multimedia.BlocksMixed(), silent) << "the stream rests while silent";
    music = multimedia.OpenMidiOutput(0);
    multimedia.PlayWave("effect", effect);
    music.reset();
    EXPECT_TRUE(ClosesAtOnce(devices));
}
