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

    explicit VirtualMidiMachine(bool timersByHand = true);
    ~VirtualMidiMachine();
    VirtualMidiMachine(const VirtualMidiMachine&) = delete;
    VirtualMidiMachine& operator=(const VirtualMidiMachine&) = delete;

    HeadlessMultimedia& Devices() const;
    DWORD Now() const;
    void Advance(DWORD milliseconds) const;

    // The short messages sent at or after `origin`, timed from it.
    std::vector<TimedMessage> MessagesFrom(DWORD origin) const;
    // The times (from `origin`) of the records of `action`.
    std::vector<DWORD> TimesOf(HeadlessMultimedia::MidiAction action, DWORD origin) const;
    size_t CountOf(HeadlessMultimedia::MidiAction action) const;
};
