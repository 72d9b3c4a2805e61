#include "platform/mm/Multimedia.h"

#include <atomic>
#include <memory>

#include "platform/mm/MidiOutputRegistry.h"
#include "platform/mm/MultimediaBackend.h"
#include "platform/mm/WaveResourceTable.h"
#include "platform/mm/WaveVolume.h"

namespace {

MidiOutputRegistry& OpenOutputs() {
    return MidiOutputRegistry::Instance();
}

// The left channel's level of a volume: the album's outputs are heard as one.
DWORD LeftLevel(DWORD volume) {
    return volume & WaveVolume::kFull;
}

std::atomic<DWORD> g_waveLevel{WaveVolume::kFull};

}  // namespace

MMRESULT timeGetDevCaps(TIMECAPS* caps, UINT size) {
    if (caps == nullptr || size < sizeof(TIMECAPS)) return TIMERR_NOCANDO;
    *caps = MultimediaBackendSlot::Current().TimerCapabilities();
    return TIMERR_NOERROR;
}

MMRESULT timeBeginPeriod(UINT period) {
    return MultimediaBackendSlot::Current().BeginTimerPeriod(period) ? TIMERR_NOERROR
                                                                     : TIMERR_NOCANDO;
}

MMRESULT timeEndPeriod(UINT period) {
    return MultimediaBackendSlot::Current().EndTimerPeriod(period) ? TIMERR_NOERROR
                                                                   : TIMERR_NOCANDO;
}

UINT timeSetEvent(UINT delay, UINT /*resolution*/, LPTIMECALLBACK callback, DWORD_PTR user,
                  UINT flags) {
    return MultimediaBackendSlot::Current().StartTimer(delay, callback, user,
                                                       (flags & TIME_PERIODIC) != 0);
}

MMRESULT timeKillEvent(UINT timerId) {
    return MultimediaBackendSlot::Current().KillTimer(timerId) ? TIMERR_NOERROR
                                                               : MMSYSERR_INVALPARAM;
}

UINT midiOutGetNumDevs() {
    return MultimediaBackendSlot::Current().MidiOutputCount();
}

MMRESULT midiOutGetDevCapsA(UINT deviceId, MIDIOUTCAPSA* caps, UINT size) {
    if (caps == nullptr || size < sizeof(MIDIOUTCAPSA)) return MMSYSERR_INVALPARAM;
    MIDIOUTCAPSA filled{};
    if (!MultimediaBackendSlot::Current().MidiOutputCapabilities(deviceId, filled)) {
        return MMSYSERR_BADDEVICEID;
    }
    filled.szPname[MAXPNAMELEN - 1] = '\0';
    *caps = filled;
    return MMSYSERR_NOERROR;
}

MMRESULT midiOutOpen(HMIDIOUT* output, UINT deviceId, DWORD_PTR callback, DWORD_PTR /*instance*/,
                     DWORD flags) {
    if (output == nullptr || callback != 0 || flags != CALLBACK_NULL) return MMSYSERR_INVALPARAM;
    *output = nullptr;
    auto device = MultimediaBackendSlot::Current().OpenMidiOutput(deviceId);
    if (!device) return MMSYSERR_BADDEVICEID;
    *output = OpenOutputs().Add(std::move(device));
    return MMSYSERR_NOERROR;
}

MMRESULT midiOutShortMsg(HMIDIOUT output, DWORD message) {
    return OpenOutputs().With(
        output, [message](MidiOutputDevice& device) { device.SendShortMessage(message); });
}

MMRESULT midiOutReset(HMIDIOUT output) {
    return OpenOutputs().With(output, [](MidiOutputDevice& device) { device.Reset(); });
}

MMRESULT midiOutClose(HMIDIOUT output) {
    return OpenOutputs().Remove(output);
}

MMRESULT midiOutSetVolume(HMIDIOUT output, DWORD volume) {
    const float level = static_cast<float>(LeftLevel(volume)) / WaveVolume::kFull;
    return OpenOutputs().With(output,
                              [level](MidiOutputDevice& device) { device.SetVolume(level); });
}

MMRESULT waveOutSetVolume(HWAVEOUT output, DWORD volume) {
    if (output != nullptr) return MMSYSERR_INVALHANDLE;
    g_waveLevel = LeftLevel(volume);
    return MMSYSERR_NOERROR;
}

BOOL PlaySoundA(const char* sound, HMODULE /*module*/, DWORD flags) {
    MultimediaBackend& backend = MultimediaBackendSlot::Current();
    if (sound == nullptr) {
        backend.StopWave();
        return TRUE;
    }
    if ((flags & SND_RESOURCE) != SND_RESOURCE) return FALSE;
    const auto wave = WaveResourceTable::Instance().Find(sound);
    if (!wave) return FALSE;
    const DWORD level = g_waveLevel;
    if (level == WaveVolume::kFull) {
        backend.PlayWave(sound, *wave);
    } else {
        backend.PlayWave(sound, WaveVolume::Scaled(*wave, level));
    }
    return TRUE;
}
