#include "platform/machines/CountedTimerPeriods.h"

namespace {

constexpr UINT kMinimumPeriod = 1;
constexpr UINT kMaximumPeriod = 1000000;

bool InRange(UINT period) {
    return period >= kMinimumPeriod && period <= kMaximumPeriod;
}

}  // namespace

TIMECAPS CountedTimerPeriods::TimerCapabilities() {
    return {kMinimumPeriod, kMaximumPeriod};
}

bool CountedTimerPeriods::BeginTimerPeriod(UINT period) {
    if (!InRange(period)) return false;
    std::lock_guard lock(m_lock);
    ++m_openPeriods;
    return true;
}

bool CountedTimerPeriods::EndTimerPeriod(UINT period) {
    if (!InRange(period)) return false;
    std::lock_guard lock(m_lock);
    if (m_openPeriods == 0) return false;
    --m_openPeriods;
    return true;
}

int32_t CountedTimerPeriods::OpenTimerPeriods() const {
    std::lock_guard lock(m_lock);
    return m_openPeriods;
}

void CountedTimerPeriods::ForgetTimerPeriods() {
    std::lock_guard lock(m_lock);
    m_openPeriods = 0;
}
