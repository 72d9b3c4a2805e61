#include "platform/machines/synth/StreamMixer.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

#include "platform/machines/synth/MusicSynthesizer.h"
#include "platform/machines/synth/Resampler.h"
#include "platform/mm/WaveSamples.h"

void StreamMixer::SetMusic(std::shared_ptr<MusicSynthesizer> music) {
    m_music = std::move(music);
}

void StreamMixer::MusicOpened() {
    ++m_musicOutputs;
}

void StreamMixer::MusicClosed() {
    if (m_musicOutputs > 0) --m_musicOutputs;
}

void StreamMixer::SetMusicVolume(float volume) {
    m_musicVolume = volume;
}

void StreamMixer::StartEffect(std::vector<float> effect) {
    m_effect = std::move(effect);
    m_effectPosition = 0;
}

void StreamMixer::StopEffect() {
    StartEffect({});
}

bool StreamMixer::EffectPlaying() const {
    return m_effectPosition < m_effect.size();
}

bool StreamMixer::Silent() const {
    return m_musicOutputs == 0 && !EffectPlaying();
}

void StreamMixer::Mix(std::span<float> out) {
    if (m_music) {
        m_music->Render(out.data(), static_cast<int>(out.size() / kChannels));
        const float level = kMusicLevel * m_musicVolume;
        for (float& sample : out) sample *= level;
    } else {
        std::fill(out.begin(), out.end(), 0.0f);
    }
    const size_t effectSamples = std::min(out.size(), m_effect.size() - m_effectPosition);
    for (size_t i = 0; i < effectSamples; ++i)
        out[i] += kEffectLevel * m_effect[m_effectPosition + i];
    m_effectPosition += effectSamples;
    for (float& sample : out) sample = std::clamp(sample, -1.0f, 1.0f);
}

std::vector<float> StreamMixer::Decode(std::span<const uint8_t> wave) {
    const std::optional<WaveSamples> decoded = WaveSamples::Decode(wave);
    if (!decoded) return {};
    const size_t frames = decoded->Frames();
    const std::span<const float> planar(decoded->samples);
    const std::span<const float> left = planar.first(frames);
    const std::span<const float> right =
        decoded->channels > 1 ? planar.subspan(frames, frames) : left;
    const auto rate = static_cast<uint32_t>(kSampleRate);
    const std::vector<float> leftAtRate = Resampler::Convert(left, decoded->sampleRate, rate);
    const std::vector<float> rightAtRate = Resampler::Convert(right, decoded->sampleRate, rate);
    std::vector<float> interleaved;
    interleaved.reserve(leftAtRate.size() * kChannels);
    for (size_t frame = 0; frame < leftAtRate.size(); ++frame) {
        interleaved.push_back(leftAtRate[frame]);
        interleaved.push_back(rightAtRate[frame]);
    }
    return interleaved;
}

std::vector<float> StreamMixer::Tone() {
    constexpr size_t kFrames = static_cast<size_t>(kSampleRate) * kBeepMilliseconds / 1000;
    constexpr size_t kFadeFrames = kSampleRate / 200;
    std::vector<float> tone;
    tone.reserve(kFrames * kChannels);
    for (size_t frame = 0; frame < kFrames; ++frame) {
        const double fade =
            static_cast<double>(std::min({frame, kFrames - 1 - frame, kFadeFrames})) / kFadeFrames;
        const double phase =
            2 * std::numbers::pi * kBeepHertz * static_cast<double>(frame) / kSampleRate;
        const auto sample = static_cast<float>(kBeepLevel * fade * std::sin(phase));
        tone.insert(tone.end(), kChannels, sample);
    }
    return tone;
}
