#pragma once
// The album's song as the program's sequencer sends it to a MIDI device, and a
// synthesizer's rendering of timed messages, measured: for the synthesizers' tests.

#include <span>
#include <vector>

#include "platform/synth/MusicSynthesizer.h"
#include "tests/sound/VirtualMidiMachine.h"

// A message that stands for the device's reset (no MIDI message has every bit set).
constexpr DWORD kDeviceReset = 0xFFFFFFFFu;

struct Performance {
    std::vector<TimedMessage> messages;  // timed from the start of playback
    DWORD milliseconds = 0;              // one pass of the song, up to its loop
};

// One pass of the generated QLY03.mid, played by the program's sequencer on the
// virtual clock.
Performance PerformSong();

// Renders `performance` through `synthesizer` at `sampleRate`, each message sent at
// its millisecond: interleaved stereo.
std::vector<float> Render(MusicSynthesizer& synthesizer, const Performance& performance,
                          int sampleRate);

// One channel (0 left, 1 right) of interleaved stereo.
std::vector<float> ChannelOf(std::span<const float> stereo, size_t channel);
double RootMeanSquare(std::span<const float> samples);
float Peak(std::span<const float> samples);
