#pragma once
// The headless multimedia devices on the virtual clock, with timers driven by hand,
// for one test; everything is reset and the real clock restored afterwards.

#include <cstdint>
#include <vector>

#include "platform/headless/HeadlessMultimedia.h"

struct TimedMessage {
    DWORD time;  // milliseconds after the origin asked for
    DWORD message;
    friend bool operator==(const TimedMessage&, const TimedMessage&) = default;
};

class VirtualMidiMachine {
public:
    static constexpr DWORD kStartTime = 100000;
    using Action = HeadlessMultimedia::MidiAction;

    explicit VirtualMidiMachine(bool timersByHand = true);
    ~VirtualMidiMachine();
    VirtualMidiMachine(const VirtualMidiMachine&) = delete;
    VirtualMidiMachine& operator=(const VirtualMidiMachine&) = delete;

    HeadlessMultimedia& Devices() const { return HeadlessMultimedia::Instance(); }
    DWORD Now() const;
    void Advance(DWORD milliseconds) const { Devices().AdvanceClock(milliseconds); }

    // The short messages sent at or after `origin`, timed from it.
    std::vector<TimedMessage> MessagesFrom(DWORD origin) const;
    // The times (from `origin`) of the records of `action`.
    std::vector<DWORD> TimesOf(Action action, DWORD origin) const;
    size_t CountOf(Action action) const { return TimesOf(action, 0).size(); }
};
