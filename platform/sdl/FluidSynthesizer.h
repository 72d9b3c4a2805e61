#pragma once
// A General MIDI synthesizer: FluidSynth with a soundfont. Channel messages may come
// from one thread while another renders (FluidSynth locks its own state).

#include <memory>
#include <string>
#include <vector>

#include "platform/WinTypes.h"

struct _fluid_hashtable_t;
struct _fluid_synth_t;

class FluidSynthesizer {
public:
    static constexpr const char* kProductName = "FluidSynth General MIDI";

    // The soundfonts to try, best first: the one the system names as its default,
    // then Debian's General MIDI soundfonts.
    static std::vector<std::string> SoundfontCandidates();
    // A synthesizer at `sampleRate` with the first of `soundfonts` that loads; null
    // when none does.
    static std::unique_ptr<FluidSynthesizer> Load(int sampleRate, const std::vector<std::string>& soundfonts);

    ~FluidSynthesizer();
    FluidSynthesizer(const FluidSynthesizer&) = delete;
    FluidSynthesizer& operator=(const FluidSynthesizer&) = delete;

    // A channel message packed as status | data1 << 8 | data2 << 16.
    void Send(DWORD message);
    // Silences every note at once and resets the controllers of every channel.
    void Reset();
    // Renders `frames` interleaved stereo frames into `out`, replacing what it held.
    void Render(float* out, int frames);

    const std::string& Soundfont() const { return m_soundfont; }

private:
    FluidSynthesizer(_fluid_hashtable_t* settings, _fluid_synth_t* synth, std::string soundfont);

    _fluid_hashtable_t* m_settings;
    _fluid_synth_t* m_synth;
    std::string m_soundfont;
};
