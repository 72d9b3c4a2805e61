// Sound checked without speakers: SDL's disk audio driver writes the stream to a file
// (32-bit float stereo at the stream's rate), and the numbers in it are checked.

#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <stdlib.h>

#include <chrono>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <numbers>
#include <thread>
#include <vector>

#include "platform/kernel/ByteOrder.h"
#include "platform/machines/sdl/FluidSynthesizer.h"
#include "platform/machines/sdl/SdlMultimedia.h"
#include "platform/machines/synth/BuiltInSynthesizer.h"
#include "platform/machines/synth/StreamMixer.h"
#include "platform/user/Resources.h"
#include "sound/MidiSequencer.h"
#include "sound/WaveFormat.h"
#include "tests/platform/machines/sdl/HostCommand.h"
#include "tests/platform/machines/synth/Rendering.h"
#include "tests/support/TempDirectory.h"

using namespace std::chrono_literals;

namespace {

// The stream plays at CD rate; the album's effects are made at half of it.
constexpr double kRate = 44100;
constexpr float kSilence = 1e-4f;

// A mono 16-bit WAVE of a sine tone.
std::vector<uint8_t> ToneWave(double hertz, double seconds, double amplitude,
                              uint32_t rate = 22050) {
    const auto frames = static_cast<uint32_t>(seconds * rate);
    std::vector<uint8_t> wave;
    WaveHeader{1, rate, 16, frames * 2}.Append(wave);
    for (uint32_t i = 0; i < frames; ++i) {
        const double value = amplitude * std::sin(2 * std::numbers::pi * hertz * i / rate);
        AppendLittleEndian(wave, static_cast<uint16_t>(std::lround(value * 32767)), 2);
    }
    return wave;
}

// How many seconds hold sound, from the first to the last audible sample.
double AudibleSeconds(const std::vector<float>& samples) {
    const auto audible = [](float sample) { return std::fabs(sample) > kSilence; };
    const auto first = std::find_if(samples.begin(), samples.end(), audible);
    const auto last = std::find_if(samples.rbegin(), samples.rend(), audible).base();
    return first < last ? static_cast<double>(last - first) / kRate : 0;
}

// The tone's pitch, from the rising zero crossings of the audible part.
double Hertz(const std::vector<float>& samples) {
    double crossings = 0;
    for (size_t i = 1; i < samples.size(); ++i) crossings += samples[i - 1] < 0 && samples[i] >= 0;
    return crossings / AudibleSeconds(samples);
}

class DesktopAudioTest : public testing::Test {
protected:
    DesktopAudioTest() : output(folder / "stream.raw") {
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);
    }
    ~DesktopAudioTest() override {
        unsetenv("SDL_AUDIODRIVER");
        unsetenv("SDL_DISKAUDIOFILE");
    }

    TempDirectory folder;
    std::string output;
};

struct Effect {
    const char* name;
    void (*play)(SdlMultimedia&);
    double peak;
    double seconds;  // from the first audible sample to the last
    double secondsTolerance;
    double hertz;  // 0 for a mix of tones
};

const Effect kEffects[] = {
    {"a wave at its level, pitch and length",
     [](SdlMultimedia& multimedia) { multimedia.PlayWave("peel", ToneWave(440, 0.3, 0.5)); },
     0.5 * StreamMixer::kEffectLevel, 0.3, 0.01, 440},
    {"the beep, a short tone through the mixer",
     [](SdlMultimedia& multimedia) { multimedia.PlayBeep(); },
     (StreamMixer::kBeepLevel * StreamMixer::kEffectLevel), StreamMixer::kBeepMilliseconds / 1000.0,
     0.01, StreamMixer::kBeepHertz},
    // However late the second comes on a loaded machine, far short of the two seconds.
    {"a new effect cuts off the one before",
     [](SdlMultimedia& multimedia) {
         multimedia.PlayWave("long", ToneWave(440, 2.0, 0.5));
         std::this_thread::sleep_for(200ms);
         multimedia.PlayWave("short", ToneWave(880, 0.1, 0.25));
     },
     0.5 * StreamMixer::kEffectLevel, 0.9, 0.7, 0},
};

}  // namespace

TEST_F(DesktopAudioTest, EffectsPlayAtTheirLevelPitchAndLength) {
    for (const Effect& effect : kEffects) {
        SCOPED_TRACE(effect.name);
        {
            SdlMultimedia multimedia({});
            ASSERT_TRUE(multimedia.HasAudio());
            effect.play(multimedia);
            WaitUntil([&] { return !multimedia.EffectPlaying(); }, 10s);
            // The stream takes the effect's end in its next buffers.
            std::this_thread::sleep_for(100ms);
        }
        const std::vector<float> rendered = ReadDiskAudio(output);
        EXPECT_NEAR(Peak(rendered), effect.peak, 0.01);
        EXPECT_NEAR(AudibleSeconds(rendered), effect.seconds, effect.secondsTolerance);
        EXPECT_TRUE(effect.hertz == 0 || std::abs(Hertz(rendered) - effect.hertz) < 15)
            << Hertz(rendered) << " Hz";
    }
}

// The one MIDI device is FluidSynth with a soundfont, else the built-in synthesizer.
// Either plays the album's song, driven by the program's own sequencer on the
// desktop's timers, without clipping; once the music closes with no effect left, the
// stream stops: nothing wakes for it.
TEST_F(DesktopAudioTest, EachSynthesizerPlaysTheSongThroughTheSequencer) {
    const std::vector<std::string> soundfonts = FluidSynthesizer::SoundfontCandidates();
    const bool fluid = FluidSynthesizer::Load(StreamMixer::kSampleRate, soundfonts) != nullptr;
    for (const bool withSoundfont : {true, false}) {
        if (withSoundfont && !fluid) continue;
        const std::string_view productName =
            withSoundfont ? FluidSynthesizer::kProductName : BuiltInSynthesizer::kProductName;
        SCOPED_TRACE(productName);
        {
            SdlMultimedia multimedia(withSoundfont ? soundfonts : std::vector<std::string>{});
            ASSERT_TRUE(multimedia.HasSynthesizer());
            ASSERT_EQ(multimedia.MidiOutputCount(), 1u);
            MIDIOUTCAPSA caps{};
            ASSERT_TRUE(multimedia.MidiOutputCapabilities(0, caps));
            EXPECT_EQ(caps.szPname, productName);
            MultimediaBackend* previous = MultimediaBackendSlot::Install(&multimedia);
            {
                MidiSequencer sequencer;
                sequencer.OpenDevice(nullptr);
                sequencer.PlayFile(QUILLORY_SONG);
                // A loaded machine plays the stream late, not short: the test waits for it.
                EXPECT_TRUE(
                    WaitUntil([&] { return AudibleSeconds(ReadDiskAudio(output)) > 1.2; }, 30s));
            }
            MultimediaBackendSlot::Install(previous);
            const auto closed = std::filesystem::file_size(output);
            // Long enough for several of the stream's buffers, had it gone on.
            std::this_thread::sleep_for(200ms);
            EXPECT_EQ(std::filesystem::file_size(output), closed) << "the stream stops";
        }
        const std::vector<float> rendered = ReadDiskAudio(output);
        EXPECT_GT(Peak(rendered), 0.005f);
        EXPECT_LT(Peak(rendered), 0.95f);
    }
    if (!fluid) GTEST_SKIP() << "no General MIDI soundfont is installed for FluidSynth";
}

// Without a soundfont the song is neither drowned nor drowning the effects: its level
// stays within 3 dB of FluidSynth's.
TEST(DesktopMusicLevel, TheBuiltInSynthesizerPlaysTheSongAsLoudAsFluidSynth) {
    std::unique_ptr<FluidSynthesizer> fluid =
        FluidSynthesizer::Load(StreamMixer::kSampleRate, FluidSynthesizer::SoundfontCandidates());
    if (!fluid) GTEST_SKIP() << "no General MIDI soundfont is installed";
    BuiltInSynthesizer builtIn(StreamMixer::kSampleRate);
    const Performance song = PerformSong();
    const double fluidLevel = RootMeanSquare(Render(*fluid, song, StreamMixer::kSampleRate));
    const double builtInLevel = RootMeanSquare(Render(builtIn, song, StreamMixer::kSampleRate));
    EXPECT_NEAR(20 * std::log10(builtInLevel / fluidLevel), 0, 3)
        << "FluidSynth " << fluidLevel << ", built-in " << builtInLevel;
}

TEST(DesktopAudioWithoutDevice, RunsSilently) {
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    SdlMultimedia multimedia(FluidSynthesizer::SoundfontCandidates());
    unsetenv("SDL_AUDIODRIVER");
    EXPECT_TRUE(!multimedia.HasAudio() && multimedia.MidiOutputCount() == 0 &&
                multimedia.OpenMidiOutput(0) == nullptr);
    multimedia.PlayWave("peel", ToneWave(440, 0.1, 0.5));
    EXPECT_FALSE(multimedia.EffectPlaying());
}

namespace {

// What SDL's own loader and converter make of a WAVE at the stream's format, as the
// desktop's stream played the effects before the mixer decoded them itself.
std::vector<float> DecodedBySdl(std::span<const uint8_t> wave) {
    SDL_AudioSpec format{};
    Uint8* samples = nullptr;
    Uint32 length = 0;
    SDL_RWops* source = SDL_RWFromConstMem(wave.data(), static_cast<int>(wave.size()));
    if (SDL_LoadWAV_RW(source, 1, &format, &samples, &length) == nullptr) return {};
    SDL_AudioCVT conversion{};
    SDL_BuildAudioCVT(&conversion, format.format, format.channels, format.freq, AUDIO_F32SYS,
                      StreamMixer::kChannels, StreamMixer::kSampleRate);
    std::vector<Uint8> buffer(static_cast<size_t>(length) *
                              static_cast<size_t>(std::max(conversion.len_mult, 1)));
    std::memcpy(buffer.data(), samples, length);
    SDL_FreeWAV(samples);
    conversion.buf = buffer.data();
    conversion.len = static_cast<int>(length);
    if (SDL_ConvertAudio(&conversion) != 0) return {};
    std::vector<float> decoded(static_cast<size_t>(conversion.len_cvt) / sizeof(float));
    std::memcpy(decoded.data(), buffer.data(), decoded.size() * sizeof(float));
    return decoded;
}

}  // namespace

// The album's own effects sound as they did through SDL's converter: the same length,
// and the same samples but for the two filters' small differences (SDL's weighs the old
// samples a little off their moments), some 55 dB below the effect: far below hearing.
TEST(DesktopAudioDecoding, TheAlbumsEffectsDecodeAsSdlDecodedThem) {
    int effects = 0;
    for (const Resource& resource : Resources::All()) {
        if (resource.kind != ResourceKind::Wave) continue;
        SCOPED_TRACE(resource.name);
        ++effects;
        const std::vector<float> ours = StreamMixer::Decode(resource.bytes);
        const std::vector<float> sdl = DecodedBySdl(resource.bytes);
        ASSERT_FALSE(sdl.empty());
        ASSERT_EQ(ours.size(), sdl.size());
        double difference = 0;
        double loudness = 0;
        for (size_t i = 0; i < ours.size(); ++i) {
            difference += (ours[i] - sdl[i]) * (ours[i] - sdl[i]);
            loudness += sdl[i] * sdl[i];
        }
        const double decibels = 10 * std::log10(difference / loudness);
        EXPECT_LT(decibels, -50);
    }
    EXPECT_GT(effects, 0);
}
