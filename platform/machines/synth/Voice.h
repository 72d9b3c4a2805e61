#pragma once
// One sounding note of the built-in synthesizer: an oscillator (or a drum's tone and
// noise), a low-pass filter and an envelope. Voices are reused: starting one
// replaces whatever it played before.

#include <cstdint>

#include "platform/machines/synth/Envelope.h"
#include "platform/machines/synth/Instruments.h"

class Voice {
public:
    // Starts `key` of a melodic channel, sounding at `hertz`, `gain` its loudness.
    void StartNote(const Patch& patch, uint8_t channel, uint8_t key, float hertz, float gain,
                   float sampleRate);
    // Starts a drum: it dies away by itself, whatever the key does.
    void StartDrum(const DrumPatch& patch, uint8_t channel, uint8_t key, float gain,
                   float sampleRate);
    // The key is up (and no pedal holds it).
    void Release();
    // Stops the sound at once.
    void Silence();
    // A new pitch for a melodic note (the channel's pitch bend moved).
    void Retune(float hertz);

    // Adds `frames` frames of the voice to the interleaved stereo `out`.
    void Render(float* out, int frames, float leftGain, float rightGain);

    bool Active() const { return !m_envelope.Finished(); }
    bool Releasing() const { return m_envelope.Releasing(); }
    uint8_t Channel() const { return m_channel; }
    uint8_t Key() const { return m_key; }
    float Level() const { return m_envelope.Level(); }

    // Held by the sustain pedal after its key went up.
    bool sustained = false;
    // When the voice started, counted in notes: the oldest is taken first when every
    // voice is busy.
    uint32_t startOrder = 0;

private:
    void Begin(uint8_t channel, uint8_t key, float gain, float sampleRate);
    float Oscillate();
    float NextNoise();
    float DrumSample();

    Envelope m_envelope;
    Waveform m_waveform = Waveform::Sine;
    bool m_drum = false;
    uint8_t m_channel = 0;
    uint8_t m_key = 0;
    float m_sampleRate = 1;
    float m_gain = 0;
    float m_brightness = 0;
    float m_phase = 0;
    float m_phaseStep = 0;
    float m_lowPass = 1;  // filter coefficient: 1 passes everything
    float m_filtered = 0;
    uint32_t m_noise = 1;

    // Drums: the falling tone and the high-passed noise.
    float m_toneEnd = 0;
    float m_toneSweep = 0;
    float m_sweepFactor = 0;
    float m_toneLevel = 0;
    float m_noiseLevel = 0;
    float m_highPass = 0;
    float m_noiseLow = 0;
};
