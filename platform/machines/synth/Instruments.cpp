#include "platform/machines/synth/Instruments.h"

#include <array>
#include <cstddef>

namespace {

// Levels even out the waveforms' loudness: a square wave carries about twice the
// energy of a triangle or a filtered sawtooth at the same peak.
constexpr std::array<Patch, kPrograms / kProgramsPerFamily> kFamilies = {{
    {Waveform::Triangle, {0.002f, 3.0f, 0.0f, 0.30f}, 0.0f, 1.0f},   // piano
    {Waveform::Sine, {0.001f, 0.9f, 0.0f, 0.30f}, 0.0f, 0.6f},       // chromatic percussion
    {Waveform::Square, {0.005f, 0.2f, 0.9f, 0.06f}, 4.0f, 0.55f},    // organ
    {Waveform::Sawtooth, {0.002f, 1.5f, 0.0f, 0.20f}, 5.0f, 0.9f},   // guitar
    {Waveform::Triangle, {0.004f, 1.2f, 0.35f, 0.08f}, 0.0f, 1.1f},  // bass
    {Waveform::Sawtooth, {0.080f, 0.4f, 0.8f, 0.35f}, 6.0f, 0.7f},   // strings
    {Waveform::Sawtooth, {0.100f, 0.4f, 0.85f, 0.40f}, 5.0f, 0.7f},  // ensemble
    {Waveform::Sawtooth, {0.030f, 0.3f, 0.75f, 0.12f}, 8.0f, 0.7f},  // brass
    {Waveform::Square, {0.030f, 0.3f, 0.8f, 0.10f}, 5.0f, 0.5f},     // reed
    {Waveform::Triangle, {0.040f, 0.2f, 0.9f, 0.12f}, 3.0f, 1.0f},   // pipe
    {Waveform::Square, {0.005f, 0.3f, 0.9f, 0.10f}, 6.0f, 0.5f},     // synth lead
    {Waveform::Sawtooth, {0.300f, 0.8f, 0.9f, 0.60f}, 3.0f, 0.7f},   // synth pad
    {Waveform::Triangle, {0.200f, 1.0f, 0.8f, 0.80f}, 0.0f, 0.9f},   // synth effects
    {Waveform::Sawtooth, {0.002f, 1.0f, 0.0f, 0.25f}, 5.0f, 0.9f},   // ethnic
    {Waveform::Sine, {0.001f, 0.5f, 0.0f, 0.20f}, 0.0f, 1.0f},       // percussive
    {Waveform::Noise, {0.050f, 0.5f, 0.6f, 0.30f}, 8.0f, 0.5f},      // sound effects
}};

constexpr DrumPatch Tone(float hertz, float decay) {
    return {hertz, hertz, 1.0f, 1.0f, 0.0f, 0.0f, decay};
}
constexpr DrumPatch Tom(float hertz) {
    return {hertz * 1.5f, hertz, 0.15f, 1.0f, 0.15f, 2000.0f, 0.45f};
}
constexpr DrumPatch Hiss(float highPass, float decay) {
    return {0.0f, 0.0f, 1.0f, 0.0f, 1.0f, highPass, decay};
}

constexpr DrumPatch kKick{150.0f, 48.0f, 0.08f, 1.0f, 0.08f, 1000.0f, 0.40f};
constexpr DrumPatch kSnare{220.0f, 180.0f, 0.05f, 0.35f, 0.8f, 1200.0f, 0.22f};
constexpr DrumPatch kClosedHat = Hiss(7000.0f, 0.07f);
constexpr DrumPatch kOpenHat = Hiss(7000.0f, 0.45f);
constexpr DrumPatch kCymbal = Hiss(5000.0f, 1.6f);
constexpr DrumPatch kRide = Hiss(6000.0f, 1.0f);
constexpr DrumPatch kShaker = Hiss(6000.0f, 0.12f);

// Keys 35 (acoustic bass drum) to 81 (open triangle).
constexpr std::array<DrumPatch, kLastDrumKey - kFirstDrumKey + 1> kDrumKit = {{
    kKick,                                               // 35 acoustic bass drum
    kKick,                                               // 36 electric bass drum
    {800.0f, 800.0f, 1.0f, 0.5f, 0.6f, 2500.0f, 0.05f},  // 37 side stick
    kSnare,                                              // 38 acoustic snare
    Hiss(900.0f, 0.18f),                                 // 39 hand clap
    kSnare,                                              // 40 electric snare
    Tom(82.0f),                                          // 41 low floor tom
    kClosedHat,                                          // 42 closed hi-hat
    Tom(98.0f),                                          // 43 high floor tom
    Hiss(7000.0f, 0.10f),                                // 44 pedal hi-hat
    Tom(110.0f),                                         // 45 low tom
    kOpenHat,                                            // 46 open hi-hat
    Tom(131.0f),                                         // 47 low-mid tom
    Tom(147.0f),                                         // 48 high-mid tom
    kCymbal,                                             // 49 crash cymbal
    Tom(175.0f),                                         // 50 high tom
    kRide,                                               // 51 ride cymbal
    Hiss(4000.0f, 1.2f),                                 // 52 Chinese cymbal
    {900.0f, 900.0f, 1.0f, 0.6f, 0.5f, 6000.0f, 0.7f},   // 53 ride bell
    Hiss(6500.0f, 0.22f),                                // 54 tambourine
    Hiss(5000.0f, 0.8f),                                 // 55 splash cymbal
    Tone(560.0f, 0.30f),                                 // 56 cowbell
    kCymbal,                                             // 57 crash cymbal 2
    Hiss(2500.0f, 0.6f),                                 // 58 vibraslap
    kRide,                                               // 59 ride cymbal 2
    Tom(400.0f),                                         // 60 high bongo
    Tom(300.0f),                                         // 61 low bongo
    Tone(330.0f, 0.08f),                                 // 62 mute high conga
    Tom(330.0f),                                         // 63 open high conga
    Tom(250.0f),                                         // 64 low conga
    Tom(200.0f),                                         // 65 high timbale
    Tom(160.0f),                                         // 66 low timbale
    Tone(900.0f, 0.25f),                                 // 67 high agogo
    Tone(680.0f, 0.25f),                                 // 68 low agogo
    kShaker,                                             // 69 cabasa
    kShaker,                                             // 70 maracas
    Tone(2400.0f, 0.25f),                                // 71 short whistle
    Tone(2100.0f, 0.6f),                                 // 72 long whistle
    Hiss(3000.0f, 0.10f),                                // 73 short guiro
    Hiss(3000.0f, 0.30f),                                // 74 long guiro
    Tone(2500.0f, 0.05f),                                // 75 claves
    Tone(1000.0f, 0.07f),                                // 76 high wood block
    Tone(800.0f, 0.07f),                                 // 77 low wood block
    Tom(600.0f),                                         // 78 mute cuica
    Tom(450.0f),                                         // 79 open cuica
    Tone(4200.0f, 0.20f),                                // 80 mute triangle
    Tone(4200.0f, 1.0f),                                 // 81 open triangle
}};

}  // namespace

const Patch& InstrumentPatch(uint8_t program) {
    return kFamilies[static_cast<size_t>(program % kPrograms) /
                     static_cast<size_t>(kProgramsPerFamily)];
}

const DrumPatch* DrumPatchFor(uint8_t key) {
    if (key < kFirstDrumKey || key > kLastDrumKey) return nullptr;
    return &kDrumKit[key - kFirstDrumKey];
}
