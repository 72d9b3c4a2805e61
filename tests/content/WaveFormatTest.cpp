#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <span>

#include "platform/Resources.h"
#include "sound/WaveFormat.h"

namespace {

struct Effect {
    const char* name;
    double seconds;
};

const Effect EFFECTS[] = {
    {"ClearWAVE", 0.42}, {"PeelWAVE", 0.13}, {"StickWAVE", 0.04}, {"SelectWAVE", 0.04}};

}  // namespace

TEST(WaveFormatTest, EveryEffectIsAudibleMonoPcmAt22050HertzWithoutAClick) {
    for (const Effect& effect : EFFECTS) {
        SCOPED_TRACE(effect.name);
        const Resource* sound = Resources::Find(effect.name, ResourceKind::Wave);
        ASSERT_NE(sound, nullptr);
        const std::optional<WaveHeader> header = WaveHeader::Parse(sound->bytes);
        ASSERT_TRUE(header.has_value()) << "a RIFF WAVE of PCM whose chunk sizes fit its bytes";
        EXPECT_EQ(header->channels, 1u);
        EXPECT_EQ(header->sampleRate, 22050u);
        EXPECT_EQ(header->bitsPerSample, 8u);
        EXPECT_EQ(sound->bytes.size() % 2, 0u) << "RIFF chunks have an even size";
        const uint32_t samples = header->dataSize;
        EXPECT_NEAR(samples / 22050.0, effect.seconds, effect.seconds * 0.05);

        // Eight-bit samples rest at 128: a sound that starts or ends away from it clicks,
        // and one that never leaves it is silent.
        const std::span<const uint8_t> wave = sound->bytes.subspan(WaveHeader::kSize, samples);
        ASSERT_FALSE(wave.empty());
        EXPECT_NEAR(wave.front(), 128, 3);
        EXPECT_NEAR(wave.back(), 128, 3);
        int32_t loudest = 0;
        for (uint8_t sample : wave) loudest = std::max(loudest, std::abs(sample - 128));
        EXPECT_GE(loudest, 60);
        EXPECT_LT(loudest, 128) << "clipped";
    }
}
