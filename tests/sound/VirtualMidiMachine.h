#pragma once
// The headless multimedia devices on the virtual clock, with timers driven by hand,
// for one test; everything is reset and the real clock restored afterwards.

#include <cstdint>
#include <ostream>
#include <vector>

#include "platform/kernel/Kernel.h"
#include "platform/machines/headless/HeadlessBackend.h"
#include "platform/machines/headless/HeadlessMultimedia.h"

struct TimedMessage {
    DWORD time;  // milliseconds after the origin asked for
    DWORD message;
    friend bool operator==(const TimedMessage&, const TimedMessage&) = default;
    // How a failed expectation shows it: "12 ms 0x403c90".
    friend void PrintTo(const TimedMessage& timed, std::ostream* out) {
        *out << timed.time << " ms 0x" << std::hex << timed.message << std::dec;
    }
};

class VirtualMidiMachine {
public:
    static constexpr DWORD kStartTime = 100000;
    using Action = HeadlessMultimedia::MidiAction;

    explicit VirtualMidiMachine(bool timersByHand = true) {
        Devices().Reset();
        Devices().DriveTimersByHand(timersByHand);
        HeadlessBackend::Instance().SetVirtualClock(kStartTime);
    }
    ~VirtualMidiMachine() {
        Devices().Reset();
        HeadlessBackend::Instance().SetVirtualClock(std::nullopt);
    }
    VirtualMidiMachine(const VirtualMidiMachine&) = delete;
    VirtualMidiMachine& operator=(const VirtualMidiMachine&) = delete;

    HeadlessMultimedia& Devices() const { return HeadlessMultimedia::Instance(); }
    DWORD Now() const { return timeGetTime(); }
    void Advance(DWORD milliseconds) const { Devices().AdvanceClock(milliseconds); }
    // No timer runs and no timer period is held.
    bool Released() const {
        return Devices().RunningTimers() == 0 && Devices().OpenTimerPeriods() == 0;
    }

    // The short messages sent at or after `origin`, timed from it.
    std::vector<TimedMessage> MessagesFrom(DWORD origin) const {
        std::vector<TimedMessage> messages;
        for (const auto& record : Devices().MidiRecords())
            if (record.action == Action::ShortMessage && record.time >= origin)
                messages.push_back({record.time - origin, record.message});
        return messages;
    }
    // The times (from `origin`) of the records of `action`.
    std::vector<DWORD> TimesOf(Action action, DWORD origin) const {
        std::vector<DWORD> times;
        for (const auto& record : Devices().MidiRecords())
            if (record.action == action && record.time >= origin)
                times.push_back(record.time - origin);
        return times;
    }
    size_t CountOf(Action action) const { return TimesOf(action, 0).size(); }
};
