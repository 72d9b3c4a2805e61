#include <gtest/gtest.h>

#include "platform/Multimedia.h"
#include "platform/WaveResourceTable.h"
#include "sound/SoundEffect.h"
#include "tests/sound/VirtualMidiMachine.h"

namespace {

class SoundEffectTest : public ::testing::Test {
protected:
    SoundEffectTest() {
        for (int32_t index = 0; index < SoundEffect::kCount; ++index) {
            WaveResourceTable::Instance().Add(
                SoundEffect::ResourceName(index),
                std::vector<uint8_t>(static_cast<size_t>(10 + index)));
        }
    }
    ~SoundEffectTest() override { WaveResourceTable::Instance().Clear(); }

    std::vector<std::string> Played() const {
        std::vector<std::string> names;
        for (const auto& sound : m_machine.Devices().SoundsPlayed()) names.push_back(sound.name);
        return names;
    }

    VirtualMidiMachine m_machine;
};

TEST_F(SoundEffectTest, EachIndexPlaysItsResourceFoundWhateverTheCase) {
    for (int32_t index = -1; index <= SoundEffect::kCount; ++index)
        SoundEffect effect(nullptr, index);
    EXPECT_EQ(Played(),
              (std::vector<std::string>{"ClearWAVE", "PeelWAVE", "StickWAVE", "SelectWAVE"}));
    const auto sounds = m_machine.Devices().SoundsPlayed();
    EXPECT_EQ(sounds[1].bytes, 11u);
    EXPECT_EQ(sounds[1].time, VirtualMidiMachine::kStartTime);
    EXPECT_EQ(SoundEffect::ResourceName(SoundEffect::kCount), nullptr);
    // Resources are found without regard to case; unknown ones fail.
    m_machine.Devices().Reset();
    EXPECT_EQ(PlaySoundA("peelwave", nullptr, SND_RESOURCE | SND_ASYNC), TRUE);
    EXPECT_EQ(PlaySoundA("NoSuchWAVE", nullptr, SND_RESOURCE | SND_ASYNC), FALSE);
    EXPECT_EQ(PlaySoundA("PeelWAVE", nullptr, SND_ASYNC), FALSE);
    EXPECT_EQ(Played(), std::vector<std::string>{"peelwave"});
    EXPECT_EQ(PlaySoundA(nullptr, nullptr, 0), TRUE);
    EXPECT_EQ(m_machine.Devices().SoundPlaying(), "");
}

}  // namespace
