#pragma once
// The album's own General MIDI synthesizer, for machines without a soundfont and for
// the browser: simple waveforms with an envelope for each instrument family, and
// noise drums on channel 10. Plain C++ with no audio library. The same messages
// rendered in the same blocks give the same samples, bit for bit.
//
// Messages it follows: note on and off, program change, pitch bend (with its range
// set through registered parameter 0), and the controllers volume (7), pan (10),
// expression (11), sustain pedal (64), all sound off (120), reset all controllers
// (121) and all notes off (123 to 127).

#include <array>
#include <cstdint>
#include <mutex>

#include "platform/machines/synth/MusicSynthesizer.h"
#include "platform/machines/synth/Voice.h"

class BuiltInSynthesizer : public MusicSynthesizer {
public:
    static constexpr std::string_view kProductName = "Built-in General MIDI";
    static constexpr int kChannels = 16;
    static constexpr uint8_t kDrumChannel = 9;
    // Notes that may sound at once; the next note takes the quietest releasing voice,
    // else the oldest.
    static constexpr size_t kVoices = 48;
    // Overall level: the album's song sounds about as loud as through FluidSynth with
    // Debian's General MIDI soundfont, which leaves much headroom.
    static constexpr float kMasterLevel = 0.14f;
    // The drums beside the instruments, balanced as that soundfont balances them.
    static constexpr float kDrumLevel = 1.4f;

    explicit BuiltInSynthesizer(int sampleRate);

    std::string_view ProductName() const override { return kProductName; }
    void Send(uint32_t message) override;
    void Reset() override;
    void Render(float* out, int frames) override;

private:
    struct Channel {
        uint8_t program = 0;
        uint8_t volume = 100;
        uint8_t expression = 127;
        uint8_t pan = 64;
        bool sustain = false;
        int32_t bend = 0;     // -8192 to 8191
        float bendRange = 2;  // semitones at full bend
        uint8_t parameterHigh = kNoParameter;
        uint8_t parameterLow = kNoParameter;
    };
    static constexpr uint8_t kNoParameter = 127;

    void NoteOn(uint8_t channel, uint8_t key, uint8_t velocity);
    void NoteOff(uint8_t channel, uint8_t key);
    void ControlChange(uint8_t channel, uint8_t controller, uint8_t value);
    void PitchBend(uint8_t channel, int32_t bend);
    void DataEntry(Channel& channel, uint8_t semitones);
    void ResetControllers(uint8_t channel);
    void SetSustain(uint8_t channel, bool down);
    void ReleaseAll(uint8_t channel);
    void SilenceAll(uint8_t channel);
    Voice& FreeVoice();
    float Hertz(uint8_t channel, uint8_t key) const;

    mutable std::mutex m_lock;
    float m_sampleRate;
    std::array<Channel, kChannels> m_channels{};
    std::array<Voice, kVoices> m_voices{};
    uint32_t m_notesStarted = 0;
};
