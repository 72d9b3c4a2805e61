#pragma once
// The album's song as the program's sequencer sends it to a MIDI device, and a
// synthesizer's rendering of timed messages, measured: for the synthesizers' tests.

#include <algorithm>
#include <cmath>
#include <span>
#include <vector>

#include "platform/machines/synth/MusicSynthesizer.h"
#include "sound/MidiSequencer.h"
#include "tests/sound/VirtualMidiMachine.h"

// A message that stands for the device's reset (no MIDI message has every bit set).
constexpr DWORD kDeviceReset = 0xFFFFFFFFu;

struct Performance {
    std::vector<TimedMessage> messages;  // timed from the start of playback
    DWORD milliseconds = 0;              // one pass of the song, up to its loop
};

// One pass of the generated QLY03.mid, played by the program's sequencer on the
// virtual clock.
inline Performance PerformSong() {
    // Far longer than the song: a sequencer that never loops fails the test, not hangs it.
    constexpr DWORD kLongestSong = 300000;
    VirtualMidiMachine machine;
    MidiSequencer sequencer;
    sequencer.OpenDevice(nullptr);
    const DWORD start = machine.Now();
    sequencer.PlayFile(QUILLORY_SONG);
    // The position falls back to the beginning when the song starts again.
    float position = sequencer.Position();
    while (machine.Now() - start < kLongestSong && sequencer.Position() >= position) {
        position = sequencer.Position();
        machine.Advance(1);
    }
    Performance performance{machine.MessagesFrom(start), machine.Now() - start - 1};
    std::erase_if(performance.messages,
                  [&](const TimedMessage& m) { return m.time >= performance.milliseconds; });
    sequencer.CloseDevice();
    return performance;
}

// Renders `performance` through `synthesizer` at `sampleRate`, each message sent at
// its millisecond: interleaved stereo.
inline std::vector<float> Render(MusicSynthesizer& synthesizer, const Performance& performance,
                                 int sampleRate) {
    const auto frameAt = [sampleRate](DWORD millisecond) {
        return static_cast<size_t>(millisecond) * static_cast<size_t>(sampleRate) / 1000;
    };
    std::vector<float> out(2 * frameAt(performance.milliseconds));
    size_t rendered = 0;
    const auto renderTo = [&](size_t frame) {
        synthesizer.Render(out.data() + 2 * rendered, static_cast<int>(frame - rendered));
        rendered = frame;
    };
    for (const TimedMessage& message : performance.messages) {
        renderTo(frameAt(message.time));
        if (message.message == kDeviceReset)
            synthesizer.Reset();
        else
            synthesizer.Send(message.message);
    }
    renderTo(out.size() / 2);
    return out;
}

// One channel (0 left, 1 right) of interleaved stereo.
inline std::vector<float> ChannelOf(std::span<const float> stereo, size_t channel) {
    std::vector<float> samples;
    for (size_t i = channel; i < stereo.size(); i += 2) samples.push_back(stereo[i]);
    return samples;
}

inline double RootMeanSquare(std::span<const float> samples) {
    double sum = 0;
    for (const float sample : samples) sum += static_cast<double>(sample) * sample;
    return samples.empty() ? 0 : std::sqrt(sum / static_cast<double>(samples.size()));
}

inline float Peak(std::span<const float> samples) {
    float peak = 0;
    for (const float sample : samples) peak = std::max(peak, std::fabs(sample));
    return peak;
}
