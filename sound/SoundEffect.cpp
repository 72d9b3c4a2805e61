#include "sound/SoundEffect.h"

#include "platform/mm/Multimedia.h"
#include "sound/OutputVolume.h"

namespace {

constexpr const char* kResourceNames[SoundEffect::kCount] = {
    "ClearWAVE", "PeelWAVE", "StickWAVE", "SelectWAVE", "BoopWAVE", "JingleWAVE", "FanfareWAVE"};

bool g_effectsOn = true;

}  // namespace

const char* SoundEffect::ResourceName(int32_t index) {
    if (index < 0 || index >= kCount) return nullptr;
    return kResourceNames[index];
}

SoundEffect::SoundEffect(HWND /*window*/, int32_t index) {
    const char* name = ResourceName(index);
    // The program is a single module, so its resources need no module handle; the
    // result is ignored: without a sound device or resource the action stays silent.
    if (name != nullptr && g_effectsOn) PlaySoundA(name, nullptr, SND_RESOURCE | SND_ASYNC);
}

void SoundEffect::SetEffects(bool on, int32_t volumePercent) {
    g_effectsOn = on;
    waveOutSetVolume(nullptr, OutputVolume(volumePercent));
}
