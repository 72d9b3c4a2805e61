#pragma once
// The sounds of the built-in synthesizer. Each family of eight General MIDI programs
// (pianos, chromatic percussion, organs ... sound effects) shares one simple patch: a
// waveform, a low-pass filter and an envelope. The percussion channel has one patch
// per key: a falling tone, filtered noise, or both, struck and left to die away.

#include <cstdint>

#include "platform/machines/synth/Envelope.h"

enum class Waveform : uint8_t { Sine, Triangle, Square, Sawtooth, Noise };

struct Patch {
    Waveform waveform;
    EnvelopeTimes envelope;
    float brightness;  // low-pass cutoff as a multiple of the note's pitch; 0: no filter
    float level;       // loudness beside the other families
};

struct DrumPatch {
    float toneStart;  // Hz of the tone as it is struck (0: no tone)
    float toneEnd;    // Hz the tone falls to
    float sweep;      // seconds the fall takes to cover 60 dB of the way
    float toneLevel;
    float noiseLevel;
    float noiseHighPass;  // Hz: the noise keeps what lies above it
    float decay;          // seconds to fall by 60 dB
};

constexpr uint8_t kPrograms = 128;
constexpr uint8_t kProgramsPerFamily = 8;
constexpr uint8_t kFirstDrumKey = 35;
constexpr uint8_t kLastDrumKey = 81;

const Patch& InstrumentPatch(uint8_t program);
// Null for keys outside the General MIDI percussion keys: they sound nothing.
const DrumPatch* DrumPatchFor(uint8_t key);
