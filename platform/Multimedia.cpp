#include "platform/Multimedia.h"

#include <algorithm>
#include <atomic>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/MultimediaBackend.h"
#include "platform/WaveResourceTable.h"
#include "platform/headless/HeadlessMultimedia.h"

struct MidiOutObject {
    std::unique_ptr<MidiOutputDevice> device;
};

namespace {

std::atomic<MultimediaBackend*> g_installed{nullptr};

// The open MIDI outputs. A handle is used only while it is listed here, so a stale or
// made-up handle is refused instead of being followed; the lock also keeps a close
// from pulling a device away under a message being sent.
class MidiOutputRegistry {
public:
    HMIDIOUT Add(std::unique_ptr<MidiOutputDevice> device) {
        auto* handle = new MidiOutObject{std::move(device)};
        std::lock_guard lock(m_lock);
        m_open.push_back(handle);
        return handle;
    }

    template <typename Action>
    MMRESULT With(HMIDIOUT handle, Action action) {
        std::lock_guard lock(m_lock);
        if (std::find(m_open.begin(), m_open.end(), handle) == m_open.end()) {
            return MMSYSERR_INVALHANDLE;
        }
        action(*handle->device);
        return MMSYSERR_NOERROR;
    }

    MMRESULT Remove(HMIDIOUT handle) {
        std::unique_ptr<MidiOutObject> closing;
        {
            std::lock_guard lock(m_lock);
            const auto found = std::find(m_open.begin(), m_open.end(), handle);
            if (found == m_open.end()) return MMSYSERR_INVALHANDLE;
            closing.reset(*found);
            m_open.erase(found);
        }
        return MMSYSERR_NOERROR;
    }

private:
    std::mutex m_lock;
    std::vector<MidiOutObject*> m_open;
};

// Never destroyed, so that a device closed while the program ends finds it still there.
MidiOutputRegistry& OpenOutputs() {
    static auto* registry = new MidiOutputRegistry;
    return *registry;
}

}  // namespace

MultimediaBackend& CurrentMultimediaBackend() {
    MultimediaBackend* installed = g_installed.load();
    return installed != nullptr ? *installed : HeadlessMultimedia::Instance();
}

MultimediaBackend* InstallMultimediaBackend(MultimediaBackend* backend) {
    return g_installed.exchange(backend);
}

MMRESULT timeGetDevCaps(TIMECAPS* caps, UINT size) {
    if (caps == nullptr || size < sizeof(TIMECAPS)) return TIMERR_NOCANDO;
    *caps = CurrentMultimediaBackend().TimerCapabilities();
    return TIMERR_NOERROR;
}

MMRESULT timeBeginPeriod(UINT period) {
    return CurrentMultimediaBackend().BeginTimerPeriod(period) ? TIMERR_NOERROR : TIMERR_NOCANDO;
}

MMRESULT timeEndPeriod(UINT period) {
    return CurrentMultimediaBackend().EndTimerPeriod(period) ? TIMERR_NOERROR : TIMERR_NOCANDO;
}

UINT timeSetEvent(UINT delay, UINT /*resolution*/, LPTIMECALLBACK callback, DWORD_PTR user,
                  UINT flags) {
    if ((flags & TIME_PERIODIC) == 0) return 0;
    return CurrentMultimediaBackend().StartPeriodicTimer(delay, callback, user);
}

MMRESULT timeKillEvent(UINT timerId) {
    return CurrentMultimediaBackend().KillTimer(timerId) ? TIMERR_NOERROR : MMSYSERR_INVALPARAM;
}

UINT midiOutGetNumDevs() { return CurrentMultimediaBackend().MidiOutputCount(); }

MMRESULT midiOutGetDevCapsA(UINT deviceId, MIDIOUTCAPSA* caps, UINT size) {
    if (caps == nullptr || size < sizeof(MIDIOUTCAPSA)) return MMSYSERR_INVALPARAM;
    MIDIOUTCAPSA filled{};
    if (!CurrentMultimediaBackend().MidiOutputCapabilities(deviceId, filled)) {
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
    auto device = CurrentMultimediaBackend().OpenMidiOutput(deviceId);
    if (!device) return MMSYSERR_BADDEVICEID;
    *output = OpenOutputs().Add(std::move(device));
    return MMSYSERR_NOERROR;
}

MMRESULT midiOutShortMsg(HMIDIOUT output, DWORD message) {
    return OpenOutputs().With(output,
                              [message](MidiOutputDevice& device) { device.SendShortMessage(message); });
}

MMRESULT midiOutReset(HMIDIOUT output) {
    return OpenOutputs().With(output, [](MidiOutputDevice& device) { device.Reset(); });
}

MMRESULT midiOutClose(HMIDIOUT output) { return OpenOutputs().Remove(output); }

BOOL PlaySoundA(const char* sound, HMODULE /*module*/, DWORD flags) {
    MultimediaBackend& backend = CurrentMultimediaBackend();
    if (sound == nullptr) {
        backend.StopWave();
        return TRUE;
    }
    if ((flags & SND_RESOURCE) != SND_RESOURCE) return FALSE;
    const auto wave = WaveResourceTable::Instance().Find(sound);
    if (!wave) return FALSE;
    backend.PlayWave(sound, *wave);
    return TRUE;
}
