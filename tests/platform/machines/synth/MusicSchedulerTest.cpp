// The music queued ahead of a browser's audio clock: how much and when, where each
// chunk starts, where a message to the synthesizer is heard, what happens after falling
// behind, and the samples' layout and level.

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "platform/machines/synth/MixLevels.h"
#include "platform/machines/synth/MusicScheduler.h"
#include "platform/machines/synth/MusicSynthesizer.h"

namespace {

constexpr int kRate = MixLevels::kSampleRate;
constexpr float kLevel = 4;
constexpr double kLead = MusicScheduler::kLeadSeconds;
constexpr double kStart = MusicScheduler::kStartSeconds;

// Renders a constant left and right, counts the frames asked of it, and notes after how
// many frames each message came.
class SteadySynthesizer : public MusicSynthesizer {
public:
    std::string_view ProductName() const override { return "steady"; }
    void Send(uint32_t) override { messagesAt.push_back(rendered); }
    void Reset() override {}
    void Render(float* out, int frames) override {
        for (int frame = 0; frame < frames; ++frame) {
            out[2 * frame] = 0.1f;
            out[2 * frame + 1] = -0.3f;
        }
        rendered += frames;
    }
    int64_t rendered = 0;
    std::vector<int64_t> messagesAt;
};

// The frames that cover `seconds`, in whole blocks.
size_t BlocksFor(double seconds) {
    return static_cast<size_t>(std::ceil(seconds * kRate / MusicScheduler::kBlockFrames)) *
           MusicScheduler::kBlockFrames;
}

double EndOf(const MusicScheduler::Chunk& chunk) {
    return chunk.start + static_cast<double>(chunk.Frames()) / kRate;
}

}  // namespace

// One call of Next after another on the same scheduler, each at a clock time counted
// from the end of the music queued so far (or absolute, after a gap).
TEST(MusicScheduler, QueuesChunksOnlyWhenThereIsRoomFollowingOnOrStartingAfterTheClock) {
    struct Call {
        const char* what;
        double at;  // clock time: seconds before the queued end, or absolute
        bool beforeQueuedEnd;
        std::optional<double> start;  // where the chunk starts (kFollowsOn: at the queued
                                      // end); nothing queued when unset
        double seconds;               // the chunk's length, before rounding to blocks
    };
    constexpr double kFollowsOn = -1;
    constexpr double kRoom = kLead - MusicScheduler::kChunkSeconds;
    const Call calls[] = {
        {"the first chunk starts just after the clock", 5.0, false, 5.0 + kStart, kLead - kStart},
        {"the lead is queued already", kLead - 0.001, true, std::nullopt, 0},
        {"less than a chunk's room", kRoom + 0.01, true, std::nullopt, 0},
        {"a chunk's room", kRoom - 0.001, true, kFollowsOn, MusicScheduler::kChunkSeconds + 0.001},
        {"late but not behind", 0.05, true, kFollowsOn, kLead - 0.05},
        {"behind the clock: starts after it, no catching up", 20.0, false, 20.0 + kStart,
         kLead - kStart},
    };
    SteadySynthesizer synthesizer;
    MusicScheduler scheduler(synthesizer, kRate, kLevel);
    double queuedEnd = 0;
    size_t frames = 0;
    for (const Call& call : calls) {
        const double now = call.beforeQueuedEnd ? queuedEnd - call.at : call.at;
        const std::optional<MusicScheduler::Chunk> chunk = scheduler.Next(now);
        ASSERT_EQ(chunk.has_value(), call.start.has_value()) << call.what;
        if (!chunk) continue;
        EXPECT_DOUBLE_EQ(chunk->start, *call.start == kFollowsOn ? queuedEnd : *call.start)
            << call.what;
        EXPECT_EQ(chunk->Frames(), BlocksFor(call.seconds)) << call.what;
        queuedEnd = EndOf(*chunk);
        frames += chunk->Frames();
    }
    EXPECT_EQ(static_cast<size_t>(synthesizer.rendered), frames) << "nothing rendered twice";

    scheduler.CatchUp(20.2);
    scheduler.Restart();
    const std::optional<MusicScheduler::Chunk> restarted = scheduler.Next(20.3);
    ASSERT_TRUE(restarted);
    EXPECT_DOUBLE_EQ(restarted->start, 20.3 + kStart);
    EXPECT_EQ(restarted->Frames(), BlocksFor(kLead - kStart)) << "what was rendered is forgotten";
}

TEST(MusicScheduler, IsDueWhileTheMarginRemainsAndAtOnceWhenNothingIsQueued) {
    SteadySynthesizer synthesizer;
    MusicScheduler scheduler(synthesizer, kRate, kLevel);
    EXPECT_EQ(scheduler.SecondsUntilDue(1.0), 0.0) << "nothing queued yet";
    const std::optional<MusicScheduler::Chunk> chunk = scheduler.Next(1.0);
    ASSERT_TRUE(chunk);
    const double end = EndOf(*chunk);
    EXPECT_NEAR(scheduler.SecondsUntilDue(1.0), end - 1.0 - MusicScheduler::kMarginSeconds, 1e-9);
    EXPECT_EQ(scheduler.SecondsUntilDue(end + 0.1), 0.0) << "behind the clock";
    // By the time it is due, there is room for a chunk.
    EXPECT_TRUE(scheduler.Next(1.0 + scheduler.SecondsUntilDue(1.0)));
}

// Messages sent at clock times t are heard at t + kLeadSeconds (to a block), however
// seldom the music is queued, so long as the music is caught up before each.
TEST(MusicScheduler, HearsEachMessageTheLeadAfterItWasSentWhateverTheChunks) {
    const double sentAt[] = {2.0, 2.013, 2.125, 2.25, 2.31};
    SteadySynthesizer synthesizer;
    MusicScheduler scheduler(synthesizer, kRate, kLevel);
    const std::optional<MusicScheduler::Chunk> first = scheduler.Next(2.0);
    ASSERT_TRUE(first);
    for (const double at : sentAt) {
        scheduler.CatchUp(at);
        synthesizer.Send(0x90);
    }
    const std::optional<MusicScheduler::Chunk> second = scheduler.Next(2.31);
    ASSERT_TRUE(second);
    EXPECT_DOUBLE_EQ(second->start, EndOf(*first));
    for (size_t i = 0; i < std::size(sentAt); ++i) {
        const double heardAt =
            first->start + static_cast<double>(synthesizer.messagesAt[i]) / kRate;
        EXPECT_NEAR(heardAt, sentAt[i] + kLead,
                    static_cast<double>(MusicScheduler::kBlockFrames) / kRate)
            << "message " << i;
    }
    EXPECT_EQ(static_cast<size_t>(synthesizer.rendered), first->Frames() + second->Frames())
        << "what was caught up is queued, once";
}

TEST(MusicScheduler, KeepsWhatWasRenderedWhenItFallsBehindAndStartsItAfterTheClock) {
    SteadySynthesizer synthesizer;
    MusicScheduler scheduler(synthesizer, kRate, kLevel);
    ASSERT_TRUE(scheduler.Next(1.0));
    scheduler.CatchUp(1.2);
    synthesizer.Send(0x90);
    const std::optional<MusicScheduler::Chunk> behind = scheduler.Next(9.0);
    ASSERT_TRUE(behind);
    EXPECT_DOUBLE_EQ(behind->start, 9.0 + kStart);
    const double heardAt =
        EndOf(*behind) -
        static_cast<double>(synthesizer.rendered - synthesizer.messagesAt[0]) / kRate;
    EXPECT_GT(heardAt, behind->start) << "the note after falling behind is not lost";

    // Far behind again, a message renders the lead from the clock on, not the time missed.
    const int64_t before = synthesizer.rendered;
    scheduler.CatchUp(60.0);
    EXPECT_LE(static_cast<size_t>(synthesizer.rendered - before), BlocksFor(kLead));
}

TEST(MusicScheduler, LaysOutTheLeftThenTheRightRaisedByLevelAndVolumeAndKeptInRange) {
    struct Case {
        float volume;
        float left;
        float right;
    };
    const Case cases[] = {{1.0f, 0.4f, -1.0f}, {0.5f, 0.2f, -0.6f}, {0.0f, 0.0f, 0.0f}};
    for (const Case& c : cases) {
        SteadySynthesizer synthesizer;
        MusicScheduler scheduler(synthesizer, kRate, kLevel);
        scheduler.SetVolume(c.volume);
        const std::optional<MusicScheduler::Chunk> chunk = scheduler.Next(0.0);
        ASSERT_TRUE(chunk);
        for (const size_t frame : {size_t{0}, chunk->Frames() - 1}) {
            EXPECT_FLOAT_EQ(chunk->samples[frame], c.left) << "volume " << c.volume;
            EXPECT_FLOAT_EQ(chunk->samples[chunk->Frames() + frame], c.right)
                << "volume " << c.volume;
        }
    }
}
