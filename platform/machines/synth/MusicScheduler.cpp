#include "platform/machines/synth/MusicScheduler.h"

#include <algorithm>
#include <cmath>

#include "platform/machines/synth/MusicSynthesizer.h"

MusicScheduler::MusicScheduler(MusicSynthesizer& synthesizer, int sampleRate, float level)
    : m_synthesizer(synthesizer),
      m_sampleRate(sampleRate),
      m_level(level),
      m_block(static_cast<size_t>(kBlockFrames) * 2) {}

void MusicScheduler::Restart() {
    m_queuedFrames = -1;
    m_left.clear();
    m_right.clear();
}

double MusicScheduler::SecondsOf(int64_t frames) const {
    return static_cast<double>(frames) / m_sampleRate;
}

double MusicScheduler::QueuedEnd() const {
    return m_origin + SecondsOf(m_queuedFrames);
}

void MusicScheduler::Anchor(double now) {
    if (m_queuedFrames >= 0 && QueuedEnd() >= now) return;
    m_origin = now + kStartSeconds;
    m_queuedFrames = 0;
}

void MusicScheduler::CatchUp(double now) {
    Anchor(now);
    const double renderedEnd = QueuedEnd() + SecondsOf(static_cast<int64_t>(m_left.size()));
    const double missing = now + kLeadSeconds - renderedEnd;
    if (missing <= 0) return;
    const auto blocks = static_cast<int64_t>(std::ceil(missing * m_sampleRate / kBlockFrames));
    const float gain = m_level * m_volume;
    for (int64_t block = 0; block < blocks; ++block) {
        m_synthesizer.Render(m_block.data(), kBlockFrames);
        for (size_t frame = 0; frame < kBlockFrames; ++frame) {
            m_left.push_back(std::clamp(m_block[frame * 2] * gain, -1.0f, 1.0f));
            m_right.push_back(std::clamp(m_block[frame * 2 + 1] * gain, -1.0f, 1.0f));
        }
    }
}

double MusicScheduler::SecondsUntilDue(double now) const {
    if (m_queuedFrames < 0) return 0;
    return std::max(0.0, QueuedEnd() - now - kMarginSeconds);
}

std::optional<MusicScheduler::Chunk> MusicScheduler::Next(double now) {
    Anchor(now);
    if (QueuedEnd() - now > kLeadSeconds - kChunkSeconds) return std::nullopt;
    CatchUp(now);
    Chunk chunk{QueuedEnd(), {}};
    chunk.samples.reserve(m_left.size() * 2);
    chunk.samples.insert(chunk.samples.end(), m_left.begin(), m_left.end());
    chunk.samples.insert(chunk.samples.end(), m_right.begin(), m_right.end());
    m_queuedFrames += static_cast<int64_t>(m_left.size());
    m_left.clear();
    m_right.clear();
    return chunk;
}
