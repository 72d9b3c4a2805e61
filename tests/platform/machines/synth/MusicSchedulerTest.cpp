// The music queued ahead of a browser's audio clock: how much, where each chunk starts,
// what happens after falling behind, and the samples' layout and level.

#include <gtest/gtest.h>

#include <cmath>

#include "platform/machines/synth/MixLevels.h"
#include "platform/machines/synth/MusicScheduler.h"
#include "platform/machines/synth/MusicSynthesizer.h"

namespace {

constexpr int kRate = MixLevels::kSampleRate;
constexpr float kLevel = 4;

// Renders a constant left and right, and counts the frames asked of it.
class SteadySynthesizer : public MusicSynthesizer {
public:
    std::string_view ProductName() const override { return "steady"; }
    void Send(uint32_t) override {}
    void Reset() override {}
    void Render(float* out, int frames) override {
        for (int frame = 0; frame < frames; ++frame) {
            out[2 * frame] = 0.1f;
            out[2 * frame + 1] = -0.3f;
        }
        rendered += frames;
    }
    int rendered = 0;
};

// The frames that cover `seconds`, in whole blocks.
size_t BlocksFor(double seconds) {
    return static_cast<size_t>(std::ceil(seconds * kRate / MusicScheduler::kBlockFrames)) *
           MusicScheduler::kBlockFrames;
}

}  // namespace

TEST(MusicScheduler, KeepsTheLeadQueuedInChunksThatFollowOnOrStartAfterTheClockWhenBehind) {
    SteadySynthesizer synthesizer;
    MusicScheduler scheduler(synthesizer, kRate, kLevel);
    const std::optional<MusicScheduler::Chunk> first = scheduler.Next(5.0);
    ASSERT_TRUE(first);
    EXPECT_DOUBLE_EQ(first->start, 5.0 + MusicScheduler::kStartSeconds);
    EXPECT_EQ(first->Frames(),
              BlocksFor(MusicScheduler::kLeadSeconds - MusicScheduler::kStartSeconds));
    EXPECT_FALSE(scheduler.Next(5.0)) << "the lead is queued already";

    const double firstEnd = first->start + static_cast<double>(first->Frames()) / kRate;
    const double later = firstEnd - MusicScheduler::kLeadSeconds + 0.05;
    const std::optional<MusicScheduler::Chunk> second = scheduler.Next(later);
    ASSERT_TRUE(second);
    EXPECT_DOUBLE_EQ(second->start, firstEnd) << "no gap and no overlap";
    EXPECT_EQ(second->Frames(), BlocksFor(0.05));
    EXPECT_EQ(static_cast<size_t>(synthesizer.rendered), first->Frames() + second->Frames());
    // The left channel, then the right, raised and kept in range.
    for (const size_t frame : {size_t{0}, first->Frames() - 1}) {
        EXPECT_FLOAT_EQ(first->samples[frame], 0.4f);
        EXPECT_FLOAT_EQ(first->samples[first->Frames() + frame], -1.0f) << "-1.2 is kept to -1";
    }

    // After falling behind or a restart the music starts just after the clock.
    const std::optional<MusicScheduler::Chunk> behind = scheduler.Next(20.0);
    ASSERT_TRUE(behind);
    EXPECT_DOUBLE_EQ(behind->start, 20.0 + MusicScheduler::kStartSeconds);
    EXPECT_EQ(behind->Frames(), first->Frames()) << "no catching up";
    scheduler.Restart();
    const std::optional<MusicScheduler::Chunk> restarted = scheduler.Next(20.01);
    ASSERT_TRUE(restarted);
    EXPECT_DOUBLE_EQ(restarted->start, 20.01 + MusicScheduler::kStartSeconds);
}
