#include "platform/mm/MidiOutputRegistry.h"

#include <algorithm>

struct MidiOutObject {
    std::unique_ptr<MidiOutputDevice> device;
};

MidiOutputRegistry& MidiOutputRegistry::Instance() {
    static auto* registry = new MidiOutputRegistry;
    return *registry;
}

HMIDIOUT MidiOutputRegistry::Add(std::unique_ptr<MidiOutputDevice> device) {
    auto* handle = new MidiOutObject{std::move(device)};
    std::lock_guard lock(m_lock);
    m_open.push_back(handle);
    return handle;
}

MMRESULT MidiOutputRegistry::With(HMIDIOUT handle,
                                  const std::function<void(MidiOutputDevice&)>& action) {
    std::lock_guard lock(m_lock);
    if (std::find(m_open.begin(), m_open.end(), handle) == m_open.end())
        return MMSYSERR_INVALHANDLE;
    action(*handle->device);
    return MMSYSERR_NOERROR;
}

MMRESULT MidiOutputRegistry::Remove(HMIDIOUT handle) {
    std::unique_ptr<MidiOutObject> closing;
    std::lock_guard lock(m_lock);
    const auto found = std::find(m_open.begin(), m_open.end(), handle);
    if (found == m_open.end()) return MMSYSERR_INVALHANDLE;
    closing.reset(*found);
    m_open.erase(found);
    return MMSYSERR_NOERROR;
}
