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

HeadlessMultimedia& VirtualMidiMachine::Devices() const {
    return HeadlessMultimedia::Instance();
}

DWORD VirtualMidiMachine::Now() const {
    return timeGetTime();
}

void VirtualMidiMachine::Advance(DWORD milliseconds) const {
    Devices().AdvanceClock(milliseconds);
}

std::vector<TimedMessage> VirtualMidiMachine::MessagesFrom(DWORD origin) const {
    std::vector<TimedMessage> messages;
    for (const auto& record : Devices().MidiRecords()) {
        if (record.action == HeadlessMultimedia::MidiAction::ShortMessage &&
            record.time >= origin) {
            messages.push_back({record.time - origin, record.message});
        }
    }
    return messages;
}

std::vector<DWORD> VirtualMidiMachine::TimesOf(HeadlessMultimedia::MidiAction action,
                                               DWORD origin) const {
    std::vector<DWORD> times;
    for (const auto& record : Devices().MidiRecords()) {
        if (record.action == action && record.time >= origin) times.push_back(record.time - origin);
    }
    return times;
}

size_t VirtualMidiMachine::CountOf(HeadlessMultimedia::MidiAction action) const {
    size_t count = 0;
    for (const auto& record : Devices().MidiRecords()) count += record.action == action ? 1 : 0;
    return count;
}
