#pragma once
// A General MIDI synthesizer as the audio stream sees it: channel messages in, float
// stereo out. Messages may come from one thread while another renders; each
// synthesizer guards its own state.

#include <cstdint>
#include <string_view>

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
