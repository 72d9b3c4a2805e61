#include <gtest/gtest.h>

#include "platform/machines/CountedTimerPeriods.h"

// timeBeginPeriod and timeEndPeriod as the machines with millisecond timers answer them:
// periods out of range are refused, and each end needs a begin still open.
TEST(CountedTimerPeriods, EachEndNeedsAnOpenBeginAndPeriodsOutOfRangeAreRefused) {
    const struct {
        bool begin;
        UINT period;
        bool accepted;
        int32_t openAfter;
    } calls[] = {
        {false, 1, false, 0},       // never begun
        {true, 0, false, 0},        // below the range
        {true, 1000001, false, 0},  // above it
        {true, 1, true, 1},         // the finest
        {true, 1000000, true, 2},   // the coarsest, beside it
        {false, 0, false, 2},       // out of range even to end
        {false, 1000000, true, 1},  // in any order
        {false, 1, true, 0},        // all ended
        {false, 1, false, 0},       // one end too many
    };
    CountedTimerPeriods periods;
    EXPECT_EQ(periods.TimerCapabilities().wPeriodMin, 1u);
    EXPECT_EQ(periods.TimerCapabilities().wPeriodMax, 1000000u);
    for (const auto& call : calls) {
        const bool accepted = call.begin ? periods.BeginTimerPeriod(call.period)
                                         : periods.EndTimerPeriod(call.period);
        EXPECT_EQ(accepted, call.accepted) << (call.begin ? "begin " : "end ") << call.period;
        EXPECT_EQ(periods.OpenTimerPeriods(), call.openAfter);
    }
}
