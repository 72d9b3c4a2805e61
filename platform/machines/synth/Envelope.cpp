#include "platform/machines/synth/Envelope.h"

#include <algorithm>
#include <cmath>

namespace {

// The per-sample factor that makes a level fall by 60 dB in `seconds`.
float FallFactor(float seconds, float sampleRate) {
    const float samples = std::max(seconds * sampleRate, 1.0f);
    return std::pow(1e-3f, 1.0f / samples);
}

}  // namespace

void Envelope::Start(const EnvelopeTimes& times, float sampleRate) {
    m_stage = Stage::Attack;
    m_level = 0;
    m_attackStep = 1.0f / std::max(times.attack * sampleRate, 1.0f);
    m_sustain = std::clamp(times.sustain, 0.0f, 1.0f);
    m_decayFactor = FallFactor(times.decay, sampleRate);
    m_releaseFactor = FallFactor(times.release, sampleRate);
}

void Envelope::Release() {
    if (m_stage != Stage::Finished) m_stage = Stage::Release;
}

float Envelope::Next() {
    switch (m_stage) {
        case Stage::Attack:
            m_level += m_attackStep;
            if (m_level >= 1.0f) {
                m_level = 1.0f;
                m_stage = Stage::Decay;
            }
            break;
        case Stage::Decay:
            m_level = m_sustain + (m_level - m_sustain) * m_decayFactor;
            if (m_level < kSilent) m_stage = Stage::Finished;
            break;
        case Stage::Release:
            m_level *= m_releaseFactor;
            if (m_level < kSilent) m_stage = Stage::Finished;
            break;
        case Stage::Finished:
            m_level = 0;
            break;
    }
    return m_level;
}
