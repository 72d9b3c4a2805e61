#pragma once
// A General MIDI synthesizer: FluidSynth with a soundfont. Channel messages may come
// from one thread while another renders (FluidSynth locks its own state).

#include <memory>
#include <string>
#include <vector>

#include "platform/machines/synth/MusicSynthesizer.h"

struct _fluid_hashtable_t;
struct _fluid_synth_t;

class FluidSynthesizer : public MusicSynthesizer {
public:
    static constexpr std::string_view kProductName = "FluidSynth General MIDI";

    // The soundfonts to try, best first: the one the system names as its default,
    // then Debian's General MIDI soundfonts.
    static std::vector<std::string> SoundfontCandidates();
    // A synthesizer at `sampleRate` with the first of `soundfonts` that loads; null
    // when none does.
    static std::unique_ptr<FluidSynthesizer> Load(int sampleRate,
                                                  const std::vector<std::string>& soundfonts);

    ~FluidSynthesizer() override;
    FluidSynthesizer(const FluidSynthesizer&) = delete;
    FluidSynthesizer& operator=(const FluidSynthesizer&) = delete;

    std::string_view ProductName() const override { return kProductName; }
    void Send(uint32_t message) override;
    void Reset() override;
    void Render(float* out, int frames) override;

private:
    FluidSynthesizer(_fluid_hashtable_t* settings, _fluid_synth_t* synth);

    _fluid_hashtable_t* m_settings;
    _fluid_synth_t* m_synth;
};
