#include "tests/sound/VirtualMidiMachine.h"

#include "platform/Kernel.h"
#include "platform/headless/HeadlessBackend.h"

VirtualMidiMachine::VirtualMidiMachine(bool timersByHand) {
    Devices().Reset();
    Devices().DriveTimersByHand(timersByHand);
    HeadlessBackend::Instance().SetVirtualClock(kStartTime);
}

VirtualMidiMachine::~VirtualMidiMachine() {
    Devices().Reset();
    HeadlessBackend::Instance().SetVirtualClock(std::nullopt);
}

DWORD VirtualMidiMachine::Now() const {
    return timeGetTime();
}

std::vector<TimedMessage> VirtualMidiMachine::MessagesFrom(DWORD origin) const {
    std::vector<TimedMessage> messages;
    for (const auto& record : Devices().MidiRecords()) {
        if (record.action == Action::ShortMessage && record.time >= origin)
            messages.push_back({record.time - origin, record.message});
    }
    return messages;
}

std::vector<DWORD> VirtualMidiMachine::TimesOf(Action action, DWORD origin) const {
    std::vector<DWORD> times;
    for (const auto& record : Devices().MidiRecords()) {
        if (record.action == action && record.time >= origin) times.push_back(record.time - origin);
    }
    return times;
}
