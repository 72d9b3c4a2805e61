#include "platform/machines/synth/BuiltInSynthesizer.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr uint8_t kNoteOff = 0x80;
constexpr uint8_t kNoteOn = 0x90;
constexpr uint8_t kControlChange = 0xB0;
constexpr uint8_t kProgramChange = 0xC0;
constexpr uint8_t kPitchBend = 0xE0;

constexpr uint8_t kDataEntry = 6;
constexpr uint8_t kVolume = 7;
constexpr uint8_t kPan = 10;
constexpr uint8_t kExpression = 11;
constexpr uint8_t kSustainPedal = 64;
constexpr uint8_t kNonRegisteredLow = 98;
constexpr uint8_t kNonRegisteredHigh = 99;
constexpr uint8_t kRegisteredLow = 100;
constexpr uint8_t kRegisteredHigh = 101;
constexpr uint8_t kAllSoundOff = 120;
constexpr uint8_t kResetAllControllers = 121;
constexpr uint8_t kAllNotesOff = 123;  // 124 to 127 (mode changes) end the notes too
constexpr uint8_t kPedalDown = 64;
constexpr int32_t kBendCentre = 8192;
constexpr float kMaxValue = 127.0f;

// Velocity, volume and expression act on a square curve, as General MIDI devices do:
// half the value is about 12 dB down.
float Curve(uint8_t value) {
    const float share = static_cast<float>(value) / kMaxValue;
    return share * share;
}

}  // namespace

BuiltInSynthesizer::BuiltInSynthesizer(int sampleRate)
    : m_sampleRate(static_cast<float>(std::max(sampleRate, 1))) {}

void BuiltInSynthesizer::Send(uint32_t message) {
    const auto status = static_cast<uint8_t>(message & 0xF0u);
    const auto channel = static_cast<uint8_t>(message & 0x0Fu);
    const auto data1 = static_cast<uint8_t>((message >> 8) & 0x7Fu);
    const auto data2 = static_cast<uint8_t>((message >> 16) & 0x7Fu);
    std::lock_guard lock(m_lock);
    switch (status) {
        case kNoteOff:
            NoteOff(channel, data1);
            break;
        case kNoteOn:
            data2 == 0 ? NoteOff(channel, data1) : NoteOn(channel, data1, data2);
            break;
        case kControlChange:
            ControlChange(channel, data1, data2);
            break;
        case kProgramChange:
            m_channels[channel].program = data1;
            break;
        case kPitchBend:
            PitchBend(channel, (data1 | data2 << 7) - kBendCentre);
            break;
        default:
            break;  // key and channel pressure, system messages and stray data bytes
    }
}

void BuiltInSynthesizer::Reset() {
    std::lock_guard lock(m_lock);
    for (uint8_t channel = 0; channel < kChannels; ++channel) {
        SilenceAll(channel);
        ResetControllers(channel);
    }
}

void BuiltInSynthesizer::Render(float* out, int frames) {
    std::fill(out, out + 2 * static_cast<ptrdiff_t>(std::max(frames, 0)), 0.0f);
    std::lock_guard lock(m_lock);
    for (Voice& voice : m_voices) {
        if (!voice.Active()) continue;
        const Channel& channel = m_channels[voice.Channel()];
        // Equal-power pan: the middle is 3 dB down on each side, the ends silent on one.
        const float place = channel.pan <= 64
                                ? static_cast<float>(channel.pan) / 128.0f
                                : 0.5f + static_cast<float>(channel.pan - 64) / 126.0f;
        const float angle = place * std::numbers::pi_v<float> / 2;
        const float level = kMasterLevel * Curve(channel.volume) * Curve(channel.expression);
        voice.Render(out, frames, level * std::cos(angle), level * std::sin(angle));
    }
}

void BuiltInSynthesizer::NoteOn(uint8_t channel, uint8_t key, uint8_t velocity) {
    const DrumPatch* drum = channel == kDrumChannel ? DrumPatchFor(key) : nullptr;
    if (channel == kDrumChannel && drum == nullptr) return;
    if (drum == nullptr) {
        // A key struck again lets its last note ring out, pedal or not, rather than
        // doubling it.
        for (Voice& voice : m_voices) {
            if (voice.Active() && voice.Channel() == channel && voice.Key() == key) voice.Release();
        }
    }
    Voice& voice = FreeVoice();
    if (drum != nullptr) {
        voice.StartDrum(*drum, channel, key, kDrumLevel * Curve(velocity), m_sampleRate);
    } else {
        voice.StartNote(InstrumentPatch(m_channels[channel].program), channel, key,
                        Hertz(channel, key), Curve(velocity), m_sampleRate);
    }
    voice.startOrder = m_notesStarted++;
}

void BuiltInSynthesizer::NoteOff(uint8_t channel, uint8_t key) {
    for (Voice& voice : m_voices) {
        if (!voice.Active() || voice.Channel() != channel || voice.Key() != key ||
            voice.Releasing())
            continue;
        if (m_channels[channel].sustain) {
            voice.sustained = true;
        } else {
            voice.Release();
        }
    }
}

void BuiltInSynthesizer::ControlChange(uint8_t channel, uint8_t controller, uint8_t value) {
    Channel& state = m_channels[channel];
    switch (controller) {
        case kDataEntry:
            DataEntry(state, value);
            break;
        case kVolume:
            state.volume = value;
            break;
        case kPan:
            state.pan = value;
            break;
        case kExpression:
            state.expression = value;
            break;
        case kSustainPedal:
            SetSustain(channel, value >= kPedalDown);
            break;
        case kRegisteredLow:
            state.parameterLow = value;
            break;
        case kRegisteredHigh:
            state.parameterHigh = value;
            break;
        case kNonRegisteredLow:
        case kNonRegisteredHigh:
            // Data entry now belongs to a parameter this synthesizer does not have.
            state.parameterHigh = kNoParameter;
            state.parameterLow = kNoParameter;
            break;
        case kAllSoundOff:
            SilenceAll(channel);
            break;
        case kResetAllControllers:
            ResetControllers(channel);
            break;
        default:
            if (controller >= kAllNotesOff) ReleaseAll(channel);
            break;
    }
}

// Registered parameter 0, the pitch bend range, is the only one this synthesizer has.
void BuiltInSynthesizer::DataEntry(Channel& channel, uint8_t semitones) {
    if (channel.parameterHigh == 0 && channel.parameterLow == 0) channel.bendRange = semitones;
}

void BuiltInSynthesizer::PitchBend(uint8_t channel, int32_t bend) {
    m_channels[channel].bend = bend;
    for (Voice& voice : m_voices) {
        if (voice.Active() && voice.Channel() == channel) voice.Retune(Hertz(channel, voice.Key()));
    }
}

// Volume and pan stay: they are the mix, not the performance.
void BuiltInSynthesizer::ResetControllers(uint8_t channel) {
    Channel& state = m_channels[channel];
    state.expression = 127;
    state.parameterHigh = kNoParameter;
    state.parameterLow = kNoParameter;
    SetSustain(channel, false);
    PitchBend(channel, 0);
}

void BuiltInSynthesizer::SetSustain(uint8_t channel, bool down) {
    m_channels[channel].sustain = down;
    if (down) return;
    for (Voice& voice : m_voices) {
        if (voice.Active() && voice.Channel() == channel && voice.sustained) voice.Release();
    }
}

void BuiltInSynthesizer::ReleaseAll(uint8_t channel) {
    for (Voice& voice : m_voices) {
        if (voice.Active() && voice.Channel() == channel) voice.Release();
    }
}

void BuiltInSynthesizer::SilenceAll(uint8_t channel) {
    for (Voice& voice : m_voices) {
        if (voice.Channel() == channel) voice.Silence();
    }
}

Voice& BuiltInSynthesizer::FreeVoice() {
    const auto idle = std::find_if(m_voices.begin(), m_voices.end(),
                                   [](const Voice& voice) { return !voice.Active(); });
    if (idle != m_voices.end()) return *idle;
    Voice* quietest = nullptr;
    for (Voice& voice : m_voices) {
        if (voice.Releasing() && (quietest == nullptr || voice.Level() < quietest->Level()))
            quietest = &voice;
    }
    if (quietest != nullptr) return *quietest;
    return *std::min_element(m_voices.begin(), m_voices.end(), [](const Voice& a, const Voice& b) {
        return a.startOrder < b.startOrder;
    });
}

float BuiltInSynthesizer::Hertz(uint8_t channel, uint8_t key) const {
    const Channel& state = m_channels[channel];
    const float semitones =
        static_cast<float>(key) - 69.0f +
        state.bendRange * static_cast<float>(state.bend) / static_cast<float>(kBendCentre);
    return 440.0f * std::exp2(semitones / 12.0f);
}
