#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "platform/Resources.h"
#include "tests/content/PictureBytes.h"

namespace {

struct Effect {
    const char* name;
    double seconds;
};

// The four effects, by the names the program plays them with.
const Effect EFFECTS[] = {
    {"ClearWAVE", 0.42},
    {"PeelWAVE", 0.13},
    {"StickWAVE", 0.04},
    {"SelectWAVE", 0.04},
};

std::string Text(std::span<const uint8_t> bytes, size_t at) {
    return std::string(bytes.begin() + static_cast<std::ptrdiff_t>(at),
                       bytes.begin() + static_cast<std::ptrdiff_t>(at + 4));
}

}  // namespace

TEST(WaveFormatTest, EveryEffectIsAudibleMonoPcmAt22050HertzWithoutAClick) {
    for (const Effect& effect : EFFECTS) {
        SCOPED_TRACE(effect.name);
        const Resource* sound = Resources::Find(effect.name, ResourceKind::Wave);
        ASSERT_NE(sound, nullptr);
        const std::span<const uint8_t> bytes = sound->bytes;
        ASSERT_GE(bytes.size(), 44u);
        EXPECT_EQ(Text(bytes, 0), "RIFF");
        EXPECT_EQ(LittleEndian(bytes, 4, 4), bytes.size() - 8);
        EXPECT_EQ(bytes.size() % 2, 0u) << "RIFF chunks have an even size";
        EXPECT_EQ(Text(bytes, 8), "WAVE");
        EXPECT_EQ(Text(bytes, 12), "fmt ");
        EXPECT_EQ(LittleEndian(bytes, 16, 4), 16u);
        EXPECT_EQ(LittleEndian(bytes, 20, 2), 1u) << "PCM";
        EXPECT_EQ(LittleEndian(bytes, 22, 2), 1u) << "channels";
        EXPECT_EQ(LittleEndian(bytes, 24, 4), 22050u) << "sample rate";
        EXPECT_EQ(LittleEndian(bytes, 28, 4), 22050u) << "bytes per second";
        EXPECT_EQ(LittleEndian(bytes, 32, 2), 1u) << "block alignment";
        EXPECT_EQ(LittleEndian(bytes, 34, 2), 8u) << "bits per sample";
        EXPECT_EQ(Text(bytes, 36), "data");
        const uint32_t samples = LittleEndian(bytes, 40, 4);
        ASSERT_LE(44 + samples, bytes.size());
        EXPECT_GE(44 + samples + 1, bytes.size());
        EXPECT_NEAR(samples / 22050.0, effect.seconds, effect.seconds * 0.05);

        // Eight-bit samples rest at 128: a sound that starts or ends away from it clicks,
        // and one that never leaves it is silent.
        const std::span<const uint8_t> wave = bytes.subspan(44, samples);
        ASSERT_FALSE(wave.empty());
        EXPECT_NEAR(wave.front(), 128, 3);
        EXPECT_NEAR(wave.back(), 128, 3);
        int32_t loudest = 0;
        for (uint8_t sample : wave) {
            loudest = std::max(loudest, std::abs(sample - 128));
        }
        EXPECT_GE(loudest, 60);
        EXPECT_LT(loudest, 128) << "clipped";
    }
}
