#include "sound/SoundEffect.h"

#include "platform/mm/Multimedia.h"

namespace {

constexpr const char* kResourceNames[SoundEffect::kCount] = {
    "ClearWAVE", "PeelWAVE", "StickWAVE", "SelectWAVE", "BoopWAVE", "JingleWAVE", "FanfareWAVE"};

}  // namespace

const char* SoundEffect::ResourceName(int32_t index) {
    if (index < 0 || index >= kCount) return nullptr;
    return kResourceNames[index];
}

SoundEffect::SoundEffect(HWND /*window*/, int32_t index) {
    const char* name = ResourceName(index);
    // The program is a single module, so its resources need no module handle; the
    // result is ignored: without a sound device or resource the action stays silent.
    if (name != nullptr) PlaySoundA(name, nullptr, SND_RESOURCE | SND_ASYNC);
}
