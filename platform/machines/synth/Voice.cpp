#include "platform/machines/synth/Voice.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace {

constexpr size_t kSineSteps = 2048;
// Pitches stop short of half the sample rate, where a wave would fold back.
constexpr float kHighestPitchShare = 0.45f;
// Every voice's noise starts from the same seed, so a render never depends on what
// played before it.
constexpr uint32_t kNoiseSeed = 0x2545F491u;

// One period of a sine, with the first point again at the end for interpolation.
const std::array<float, kSineSteps + 1>& SineTable() {
    static const auto table = [] {
        std::array<float, kSineSteps + 1> values{};
        for (size_t i = 0; i <= kSineSteps; ++i) {
            values[i] = static_cast<float>(
                std::sin(2.0 * std::numbers::pi * static_cast<double>(i) / kSineSteps));
        }
        return values;
    }();
    return table;
}

float Sine(float phase) {
    const float position = phase * static_cast<float>(kSineSteps);
    const auto index = std::min(static_cast<size_t>(position), kSineSteps - 1);
    const float fraction = position - static_cast<float>(index);
    const auto& table = SineTable();
    return table[index] + (table[index + 1] - table[index]) * fraction;
}

// The correction that rounds off a jump of a wave at `phase` over one step, so that
// square and sawtooth waves do not fold their overtones back as harsh whistles.
float SmoothedJump(float phase, float step) {
    if (phase < step) {
        const float t = phase / step;
        return t + t - t * t - 1.0f;
    }
    if (phase > 1.0f - step) {
        const float t = (phase - 1.0f) / step;
        return t * t + t + t + 1.0f;
    }
    return 0.0f;
}

// The one-pole low-pass coefficient for `hertz`; 1 passes everything.
float LowPassCoefficient(float hertz, float sampleRate) {
    if (hertz <= 0.0f) return 1.0f;
    const float cutoff = std::min(hertz, kHighestPitchShare * sampleRate);
    return 1.0f - std::exp(-2.0f * std::numbers::pi_v<float> * cutoff / sampleRate);
}

float PhaseStep(float hertz, float sampleRate) {
    return std::clamp(hertz, 0.0f, kHighestPitchShare * sampleRate) / sampleRate;
}

}  // namespace

void Voice::Begin(uint8_t channel, uint8_t key, float gain, float sampleRate) {
    m_channel = channel;
    m_key = key;
    m_gain = gain;
    m_sampleRate = sampleRate;
    m_phase = 0;
    m_filtered = 0;
    m_noise = kNoiseSeed;
    m_noiseLow = 0;
    sustained = false;
}

void Voice::StartNote(const Patch& patch, uint8_t channel, uint8_t key, float hertz, float gain,
                      float sampleRate) {
    Begin(channel, key, gain * patch.level, sampleRate);
    m_drum = false;
    m_waveform = patch.waveform;
    m_brightness = patch.brightness;
    m_envelope.Start(patch.envelope, sampleRate);
    Retune(hertz);
}

void Voice::StartDrum(const DrumPatch& patch, uint8_t channel, uint8_t key, float gain,
                      float sampleRate) {
    Begin(channel, key, gain, sampleRate);
    m_drum = true;
    m_envelope.Start({0.001f, patch.decay, 0.0f, patch.decay}, sampleRate);
    m_toneEnd = patch.toneEnd;
    m_toneSweep = patch.toneStart - patch.toneEnd;
    m_sweepFactor = std::pow(1e-3f, 1.0f / std::max(patch.sweep * sampleRate, 1.0f));
    m_toneLevel = patch.toneStart > 0.0f ? patch.toneLevel : 0.0f;
    m_noiseLevel = patch.noiseLevel;
    m_highPass = LowPassCoefficient(patch.noiseHighPass, sampleRate);
}

void Voice::Release() {
    sustained = false;
    if (!m_drum) m_envelope.Release();
}

void Voice::Silence() {
    m_envelope = Envelope();
    sustained = false;
}

void Voice::Retune(float hertz) {
    if (m_drum) return;
    m_phaseStep = PhaseStep(hertz, m_sampleRate);
    m_lowPass = LowPassCoefficient(m_brightness * hertz, m_sampleRate);
}

// A 32-bit xorshift: the same hiss on every run.
float Voice::NextNoise() {
    m_noise ^= m_noise << 13;
    m_noise ^= m_noise >> 17;
    m_noise ^= m_noise << 5;
    return static_cast<float>(static_cast<int32_t>(m_noise)) * (1.0f / 2147483648.0f);
}

float Voice::Oscillate() {
    const float phase = m_phase;
    m_phase += m_phaseStep;
    if (m_phase >= 1.0f) m_phase -= 1.0f;
    switch (m_waveform) {
        case Waveform::Sine:
            return Sine(phase);
        case Waveform::Triangle:
            return 4.0f * std::fabs(phase - 0.5f) - 1.0f;
        case Waveform::Square: {
            const float halfOn = phase + 0.5f >= 1.0f ? phase - 0.5f : phase + 0.5f;
            return (phase < 0.5f ? 1.0f : -1.0f) + SmoothedJump(phase, m_phaseStep) -
                   SmoothedJump(halfOn, m_phaseStep);
        }
        case Waveform::Sawtooth:
            return 2.0f * phase - 1.0f - SmoothedJump(phase, m_phaseStep);
        case Waveform::Noise:
            return NextNoise();
    }
    return 0.0f;
}

float Voice::DrumSample() {
    const float tone = m_toneLevel > 0.0f ? m_toneLevel * Sine(m_phase) : 0.0f;
    m_toneSweep *= m_sweepFactor;
    m_phase += PhaseStep(m_toneEnd + m_toneSweep, m_sampleRate);
    if (m_phase >= 1.0f) m_phase -= 1.0f;
    const float noise = NextNoise();
    m_noiseLow += m_highPass * (noise - m_noiseLow);
    return tone + m_noiseLevel * (noise - m_noiseLow);
}

void Voice::Render(float* out, int frames, float leftGain, float rightGain) {
    for (int frame = 0; frame < frames && Active(); ++frame) {
        float sample = 0;
        if (m_drum) {
            sample = DrumSample();
        } else {
            m_filtered += m_lowPass * (Oscillate() - m_filtered);
            sample = m_filtered;
        }
        sample *= m_gain * m_envelope.Next();
        out[2 * frame] += sample * leftGain;
        out[2 * frame + 1] += sample * rightGain;
    }
}
