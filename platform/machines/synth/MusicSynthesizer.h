#pragma once
// A General MIDI synthesizer as the audio stream sees it: channel messages in, float
// stereo out. Messages may come from one thread while another renders; each
// synthesizer guards its own state.

#include <algorithm>
#include <cstdint>
#include <string_view>

#include "platform/mm/Multimedia.h"

class MusicSynthesizer {
public:
    virtual ~MusicSynthesizer() = default;

    // The name the MIDI output device shows.
    virtual std::string_view ProductName() const = 0;
    // A channel message packed as status | data1 << 8 | data2 << 16.
    virtual void Send(uint32_t message) = 0;
    // Silences every note at once and resets the controllers of every channel.
    virtual void Reset() = 0;
    // Renders `frames` interleaved stereo frames into `out`, replacing what it held.
    virtual void Render(float* out, int frames) = 0;
};

// What a MIDI output device playing through `synthesizer` says of itself.
inline MIDIOUTCAPSA SynthesizerCapabilities(const MusicSynthesizer& synthesizer, WORD voices) {
    MIDIOUTCAPSA caps{};
    const std::string_view name = synthesizer.ProductName();
    std::copy_n(name.begin(), std::min(name.size(), MAXPNAMELEN - 1), caps.szPname);
    caps.wTechnology = MOD_SWSYNTH;
    caps.wVoices = voices;
    caps.wNotes = voices;
    caps.wChannelMask = 0xFFFF;
    return caps;
}
