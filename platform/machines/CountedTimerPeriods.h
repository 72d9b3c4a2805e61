#pragma once
// The timer resolutions of a machine whose timers keep to the millisecond (a timer
// thread, or the browser's main loop): any period from 1 ms to 1000 s may be begun,
// each begun period counts until it is ended, and ending one that was never begun fails.

#include <cstdint>
#include <mutex>

#include "platform/mm/MultimediaBackend.h"

class CountedTimerPeriods : public MultimediaBackend {
public:
    TIMECAPS TimerCapabilities() override;
    bool BeginTimerPeriod(UINT period) override;
    bool EndTimerPeriod(UINT period) override;

    // Periods begun and not yet ended.
    int32_t OpenTimerPeriods() const;

protected:
    void ForgetTimerPeriods();

private:
    mutable std::mutex m_lock;
    int32_t m_openPeriods = 0;
};
