#include "platform/NullMultimedia.h"

NullMultimedia& NullMultimedia::Instance() {
    static NullMultimedia instance;
    return instance;
}

TIMECAPS NullMultimedia::TimerCapabilities() {
    return {};
}

bool NullMultimedia::BeginTimerPeriod(UINT /*period*/) {
    return false;
}

bool NullMultimedia::EndTimerPeriod(UINT /*period*/) {
    return false;
}

UINT NullMultimedia::StartTimer(UINT /*delay*/, LPTIMECALLBACK /*callback*/, DWORD_PTR /*user*/,
                                bool /*periodic*/) {
    return 0;
}

bool NullMultimedia::KillTimer(UINT /*timerId*/) {
    return false;
}

UINT NullMultimedia::MidiOutputCount() {
    return 0;
}

bool NullMultimedia::MidiOutputCapabilities(UINT /*deviceId*/, MIDIOUTCAPSA& /*caps*/) {
    return false;
}

std::unique_ptr<MidiOutputDevice> NullMultimedia::OpenMidiOutput(UINT /*deviceId*/) {
    return nullptr;
}

void NullMultimedia::PlayWave(const std::string& /*name*/, std::span<const uint8_t> /*wave*/) {}

void NullMultimedia::StopWave() {}
