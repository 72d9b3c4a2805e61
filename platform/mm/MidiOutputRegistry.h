#pragma once
// The open MIDI outputs behind their HMIDIOUT handles. A handle is used only while it
// is listed here, so a stale or made-up handle is refused instead of being followed;
// the lock also keeps a close from pulling a device away under a message being sent.

#include <functional>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/mm/MultimediaBackend.h"
#include "platform/mm/MultimediaTypes.h"

class MidiOutputRegistry {
public:
    // Never destroyed, so that an output closed while the program ends finds it there.
    static MidiOutputRegistry& Instance();

    HMIDIOUT Add(std::unique_ptr<MidiOutputDevice> device);
    // Runs `action` on the device of `handle`; MMSYSERR_INVALHANDLE when it is not open.
    MMRESULT With(HMIDIOUT handle, const std::function<void(MidiOutputDevice&)>& action);
    MMRESULT Remove(HMIDIOUT handle);

private:
    std::mutex m_lock;
    std::vector<HMIDIOUT> m_open;
};
