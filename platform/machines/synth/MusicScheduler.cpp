#include "platform/machines/synth/MusicScheduler.h"

#include <algorithm>
#include <cmath>

#include "platform/machines/synth/MusicSynthesizer.h"

MusicScheduler::MusicScheduler(MusicSynthesizer& synthesizer, int sampleRate, float level)
    : m_synthesizer(synthesizer), m_sampleRate(sampleRate), m_level(level) {}

void MusicScheduler::Restart() {
    m_queuedFrames = -1;
}

double MusicScheduler::QueuedEnd() const {
    return m_origin + static_cast<double>(m_queuedFrames) / m_sampleRate;
}

std::optional<MusicScheduler::Chunk> MusicScheduler::Next(double now) {
    if (m_queuedFrames < 0 || QueuedEnd() < now) {
        m_origin = now + kStartSeconds;
        m_queuedFrames = 0;
    }
    const double missing = now + kLeadSeconds - QueuedEnd();
    if (missing <= 0) return std::nullopt;
    const auto blocks = static_cast<int64_t>(std::ceil(missing * m_sampleRate / kBlockFrames));
    const auto frames = static_cast<size_t>(blocks * kBlockFrames);

    std::vector<float> stereo(frames * 2);
    m_synthesizer.Render(stereo.data(), static_cast<int>(frames));
    Chunk chunk{QueuedEnd(), std::vector<float>(frames * 2)};
    for (size_t frame = 0; frame < frames; ++frame) {
        for (size_t channel = 0; channel < 2; ++channel) {
            chunk.samples[channel * frames + frame] =
                std::clamp(stereo[frame * 2 + channel] * m_level * m_volume, -1.0f, 1.0f);
        }
    }
    m_queuedFrames += static_cast<int64_t>(frames);
    return chunk;
}
