// The one audio stream's mix, shared by the desktop and Windows machines: the levels of
// the music and the effects, a new effect cutting off the one before, when the stream
// falls silent, and the effects and the beep decoded to the stream's format.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>
#include <vector>

#include "platform/kernel/ByteOrder.h"
#include "platform/machines/synth/MusicSynthesizer.h"
#include "platform/machines/synth/Resampler.h"
#include "platform/machines/synth/StreamMixer.h"
#include "sound/WaveFormat.h"

namespace {

constexpr float kMusicSample = 0.01f;

// Renders a constant on both channels.
class SteadySynthesizer : public MusicSynthesizer {
public:
    std::string_view ProductName() const override { return "steady"; }
    void Send(uint32_t) override {}
    void Reset() override {}
    void Render(float* out, int frames) override { std::fill(out, out + 2 * frames, kMusicSample); }
};

// A mono 16-bit WAVE of `samples` at `rate`.
std::vector<uint8_t> Wave16(const std::vector<int16_t>& samples, uint32_t rate,
                            uint16_t channels = 1) {
    std::vector<uint8_t> wave;
    WaveHeader{channels, rate, 16, static_cast<uint32_t>(samples.size() * 2)}.Append(wave);
    for (const int16_t sample : samples) AppendLittleEndian(wave, static_cast<uint16_t>(sample), 2);
    return wave;
}

std::vector<float> Sine(double hertz, uint32_t rate, size_t frames) {
    std::vector<float> sine(frames);
    for (size_t i = 0; i < frames; ++i)
        sine[i] = static_cast<float>(
            std::sin(2 * std::numbers::pi * hertz * static_cast<double>(i) / rate));
    return sine;
}

std::vector<float> MixFrames(StreamMixer& mixer, size_t frames) {
    std::vector<float> out(frames * StreamMixer::kChannels, 99.0f);
    mixer.Mix(out);
    return out;
}

}  // namespace

// What one block of the stream holds, by the music and the effect under way.
TEST(StreamMixer, MixesTheMusicUnderTheEffectAtTheirLevels) {
    constexpr float kMusic = kMusicSample * StreamMixer::kMusicLevel;
    const struct {
        const char* what;
        bool music;
        float volume;
        float effect;  // a steady effect's sample, 0 for none
        float expected;
    } cases[] = {
        {"no music, no effect: silence written", false, 1, 0, 0},
        {"the music raised to its level", true, 1, 0, kMusic},
        {"the music's volume scales it", true, 0.25f, 0, kMusic * 0.25f},
        {"an effect alone at its level", false, 1, 0.5f, 0.5f * StreamMixer::kEffectLevel},
        {"the effect over the music", true, 0.5f, -0.4f,
         kMusic * 0.5f - 0.4f * StreamMixer::kEffectLevel},
        {"kept within full scale", true, 1, 5, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        StreamMixer mixer;
        if (c.music) mixer.SetMusic(std::make_shared<SteadySynthesizer>());
        mixer.SetMusicVolume(c.volume);
        if (c.effect != 0) mixer.StartEffect(std::vector<float>(64, c.effect));
        for (const float sample : MixFrames(mixer, 32)) ASSERT_FLOAT_EQ(sample, c.expected);
    }
}

// One mixer through a story of calls: after each, whether the stream has anything to
// hear, whether an effect sounds, and the first sample of the next block.
TEST(StreamMixer, ANewEffectCutsOffTheOneBeforeAndTheStreamFallsSilentWhenNothingSounds) {
    StreamMixer mixer;
    const auto effect = [](float value, size_t frames) {
        return std::vector<float>(frames * StreamMixer::kChannels, value);
    };
    const struct {
        const char* what;
        std::function<void()> call;
        size_t mixFrames;
        bool silentAfter;
        bool effectAfter;
        float firstSample;
    } steps[] = {
        {"a new mixer is silent", [] {}, 0, true, false, 0},
        {"an effect sounds", [&] { mixer.StartEffect(effect(0.2f, 100)); }, 60, false, true,
         0.2f * StreamMixer::kEffectLevel},
        {"the next one cuts it off, heard from its start",
         [&] { mixer.StartEffect(effect(-0.6f, 50)); }, 30, false, true,
         -0.6f * StreamMixer::kEffectLevel},
        {"played out to its end, silent again", [] {}, 30, true, false, -0.6f * 0.5f},
        {"a music output keeps the stream going", [&] { mixer.MusicOpened(); }, 10, false, false,
         0},
        {"a second one too", [&] { mixer.MusicOpened(); }, 0, false, false, 0},
        {"closing one of two still plays", [&] { mixer.MusicClosed(); }, 0, false, false, 0},
        {"closing the last falls silent", [&] { mixer.MusicClosed(); }, 0, true, false, 0},
        {"closing more than were open changes nothing", [&] { mixer.MusicClosed(); }, 0, true,
         false, 0},
        {"stopping an effect falls silent at once",
         [&] {
             mixer.StartEffect(effect(0.3f, 100));
             mixer.StopEffect();
         },
         0, true, false, 0},
        {"an empty effect is none", [&] { mixer.StartEffect({}); }, 0, true, false, 0},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.what);
        step.call();
        if (step.mixFrames > 0) {
            EXPECT_FLOAT_EQ(MixFrames(mixer, step.mixFrames)[0], step.firstSample);
        }
        EXPECT_EQ(mixer.Silent(), step.silentAfter);
        EXPECT_EQ(mixer.EffectPlaying(), step.effectAfter);
    }
}

// Effects at the stream's rate, both channels, as long as they were: a sound already at
// the rate is taken sample for sample, and a slower one keeps its samples where the new
// moments fall on them.
TEST(StreamMixer, DecodesEffectsToInterleavedStereoAtTheStreamsRate) {
    const std::vector<int16_t> ramp = {0, 8192, 16384, -16384, 32767, -32768, 100, -100};
    const struct {
        const char* what;
        std::vector<uint8_t> wave;
        size_t frames;
        size_t step;  // input frames fall on every step-th output frame
    } cases[] = {
        {"44,100 mono, both channels the same", Wave16(ramp, 44100), 8, 1},
        {"22,050 mono, twice as many frames", Wave16(ramp, 22050), 16, 2},
        {"11,025 mono, four times as many", Wave16(ramp, 11025), 32, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::vector<float> decoded = StreamMixer::Decode(c.wave);
        ASSERT_EQ(decoded.size(), c.frames * StreamMixer::kChannels);
        for (size_t i = 0; i < ramp.size(); ++i) {
            const float expected = ramp[i] / 32768.0f;
            EXPECT_FLOAT_EQ(decoded[2 * i * c.step], expected) << i;
            EXPECT_FLOAT_EQ(decoded[2 * i * c.step + 1], expected) << i;
        }
    }
    const std::vector<float> stereo =
        StreamMixer::Decode(Wave16({1000, -2000, 3000, -4000}, 44100, 2));
    EXPECT_EQ(stereo, (std::vector<float>{1000 / 32768.0f, -2000 / 32768.0f, 3000 / 32768.0f,
                                          -4000 / 32768.0f}))
        << "a stereo sound keeps its channels";
    const std::vector<uint8_t> wave = Wave16(ramp, 22050);
    for (const std::vector<uint8_t>& noWave :
         {std::vector<uint8_t>{}, std::vector<uint8_t>(wave.begin(), wave.begin() + 30),
          std::vector<uint8_t>(64, 0x41)}) {
        EXPECT_TRUE(StreamMixer::Decode(noWave).empty());
    }
}

// A tone keeps its pitch and strength through a change of rate, and a tone above what
// the new rate can hold is taken away, not folded back as another.
TEST(Resampler, KeepsWhatTheNewRateHoldsAndRemovesWhatItCannot) {
    const struct {
        const char* what;
        double hertz;
        uint32_t from;
        uint32_t to;
        bool kept;
    } cases[] = {
        {"1 kHz up from 22,050", 1000, 22050, 44100, true},
        {"3 kHz up from 11,025 to 44,100", 3000, 11025, 44100, true},
        {"1 kHz down from 48,000", 1000, 48000, 44100, true},
        {"30 kHz down from 96,000 is gone", 30000, 96000, 44100, false},
    };
    constexpr double kSeconds = 0.2;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto frames = static_cast<size_t>(kSeconds * c.from);
        const std::vector<float> converted =
            Resampler::Convert(Sine(c.hertz, c.from, frames), c.from, c.to);
        ASSERT_EQ(converted.size(), frames * c.to / c.from);
        // Away from the ends, where the filter reaches past the sound.
        const size_t margin = converted.size() / 10;
        const std::vector<float> exact = Sine(c.hertz, c.to, converted.size());
        double error = 0;
        double power = 0;
        for (size_t i = margin; i < converted.size() - margin; ++i) {
            error = std::max(error, static_cast<double>(std::fabs(converted[i] - exact[i])));
            power += converted[i] * converted[i];
        }
        const double rms = std::sqrt(power / static_cast<double>(converted.size() - 2 * margin));
        if (c.kept) {
            EXPECT_LT(error, 0.005);
        } else {
            EXPECT_LT(rms, 0.05) << "a tone folded back would be near 0.7";
        }
    }
}

// The beep: its pitch's length, at its level, starting and ending without a click.
TEST(StreamMixer, TheBeepIsAShortToneThatFadesInAndOut) {
    const std::vector<float> tone = StreamMixer::Tone();
    ASSERT_EQ(tone.size(), static_cast<size_t>(StreamMixer::kSampleRate *
                                               StreamMixer::kBeepMilliseconds / 1000 * 2));
    float peak = 0;
    int crossings = 0;
    for (size_t i = 0; i + 2 < tone.size(); i += 2) {
        EXPECT_EQ(tone[i], tone[i + 1]);
        peak = std::max(peak, std::fabs(tone[i]));
        crossings += tone[i] < 0 && tone[i + 2] >= 0;
    }
    EXPECT_NEAR(peak, StreamMixer::kBeepLevel, 0.01);
    EXPECT_NEAR(crossings, StreamMixer::kBeepHertz * StreamMixer::kBeepMilliseconds / 1000, 2);
    EXPECT_EQ(tone.front(), 0.0f);
    EXPECT_EQ(tone.back(), 0.0f);
}
