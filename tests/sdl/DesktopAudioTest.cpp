// Sound checked without speakers: SDL's disk audio driver writes the stream to a file
// (32-bit float stereo at the stream's rate), and the numbers in it are checked.

#include <gtest/gtest.h>

#include <stdlib.h>

#include <chrono>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <thread>
#include <vector>

#include "platform/sdl/AudioMixer.h"
#include "platform/sdl/FluidSynthesizer.h"
#include "platform/sdl/SdlMultimedia.h"
#include "platform/synth/BuiltInSynthesizer.h"
#include "sound/MidiSequencer.h"
#include "tests/support/TempDirectory.h"
#include "tests/synth/Rendering.h"

namespace {

constexpr double kRate = AudioMixer::kSampleRate;
constexpr float kSilence = 1e-4f;

// A mono 16-bit WAVE of a sine tone.
std::vector<uint8_t> ToneWave(double hertz, double seconds, double amplitude,
                              uint32_t rate = 22050) {
    const auto frames = static_cast<uint32_t>(seconds * rate);
    std::vector<uint8_t> wave;
    const auto put32 = [&wave](uint32_t v) {
        for (int i = 0; i < 4; ++i) wave.push_back(static_cast<uint8_t>(v >> (8 * i)));
    };
    const auto put16 = [&wave](uint16_t v) {
        wave.push_back(static_cast<uint8_t>(v));
        wave.push_back(static_cast<uint8_t>(v >> 8));
    };
    const auto tag = [&wave](const char* t) {
        for (int i = 0; i < 4; ++i) wave.push_back(static_cast<uint8_t>(t[i]));
    };
    tag("RIFF");
    put32(36 + frames * 2);
    tag("WAVE");
    tag("fmt ");
    put32(16);
    put16(1);
    put16(1);
    put32(rate);
    put32(rate * 2);
    put16(2);
    put16(16);
    tag("data");
    put32(frames * 2);
    for (uint32_t i = 0; i < frames; ++i) {
        const double value = amplitude * std::sin(2 * std::numbers::pi * hertz * i / rate);
        put16(static_cast<uint16_t>(static_cast<int16_t>(std::lround(value * 32767))));
    }
    return wave;
}

struct Rendered {
    std::vector<float> left;  // the left channel; the right one is the same here

    float Peak() const {
        float peak = 0;
        for (const float s : left) peak = std::max(peak, std::fabs(s));
        return peak;
    }
    // How many seconds hold sound, from its first to its last audible sample.
    double AudibleSeconds() const {
        size_t first = left.size();
        size_t last = 0;
        for (size_t i = 0; i < left.size(); ++i) {
            if (std::fabs(left[i]) <= kSilence) continue;
            first = std::min(first, i);
            last = i;
        }
        return first < left.size() ? static_cast<double>(last - first + 1) / kRate : 0;
    }
    // The tone's pitch, from the rising zero crossings of the audible part.
    double Hertz() const {
        double crossings = 0;
        for (size_t i = 1; i < left.size(); ++i)
            crossings += left[i - 1] < 0 && left[i] >= 0 ? 1 : 0;
        return crossings / AudibleSeconds();
    }
};

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

    Rendered ReadStream() const {
        std::ifstream file(output, std::ios::binary);
        std::vector<float> samples(std::filesystem::file_size(output) / sizeof(float));
        file.read(reinterpret_cast<char*>(samples.data()),
                  static_cast<std::streamsize>(samples.size() * sizeof(float)));
        Rendered rendered;
        for (size_t i = 0; i + 1 < samples.size(); i += 2) rendered.left.push_back(samples[i]);
        return rendered;
    }

    static void WaitForEffect(const SdlMultimedia& multimedia) {
        for (int i = 0; i < 300 && multimedia.EffectPlaying(); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }

    TempDirectory folder;
    std::string output;
};

}  // namespace

TEST_F(DesktopAudioTest, AnEffectPlaysAtItsLevelPitchAndLength) {
    {
        SdlMultimedia multimedia({});
        ASSERT_TRUE(multimedia.HasAudio());
        multimedia.PlayWave("peel", ToneWave(440, 0.3, 0.5));
        WaitForEffect(multimedia);
    }
    const Rendered rendered = ReadStream();
    EXPECT_NEAR(rendered.Peak(), 0.5 * AudioMixer::kEffectLevel, 0.01);
    EXPECT_NEAR(rendered.AudibleSeconds(), 0.3, 0.01);
    EXPECT_NEAR(rendered.Hertz(), 440, 10);
}

TEST_F(DesktopAudioTest, TheBeepIsAShortToneThroughTheMixer) {
    {
        SdlMultimedia multimedia({});
        ASSERT_TRUE(multimedia.HasAudio());
        multimedia.PlayBeep();
        WaitForEffect(multimedia);
    }
    const Rendered rendered = ReadStream();
    EXPECT_NEAR(rendered.Peak(), AudioMixer::kBeepLevel * AudioMixer::kEffectLevel, 0.01);
    EXPECT_NEAR(rendered.AudibleSeconds(), AudioMixer::kBeepMilliseconds / 1000.0, 0.01);
    EXPECT_NEAR(rendered.Hertz(), AudioMixer::kBeepHertz, 15);
}

TEST_F(DesktopAudioTest, ANewEffectCutsOffTheOneBefore) {
    {
        SdlMultimedia multimedia({});
        ASSERT_TRUE(multimedia.HasAudio());
        multimedia.PlayWave("long", ToneWave(440, 2.0, 0.5));
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        multimedia.PlayWave("short", ToneWave(880, 0.1, 0.25));
        WaitForEffect(multimedia);
    }
    const Rendered rendered = ReadStream();
    // Far less than the two seconds of the first one.
    EXPECT_LT(rendered.AudibleSeconds(), 0.6);
    EXPECT_GT(rendered.AudibleSeconds(), 0.2);
}

struct SynthesizerCase {
    const char* name;
    bool withSoundfont;
    std::string_view productName;
    friend void PrintTo(const SynthesizerCase& c, std::ostream* out) { *out << c.name; }
};

class DesktopSynthesizerTest : public DesktopAudioTest,
                               public testing::WithParamInterface<SynthesizerCase> {
protected:
    std::vector<std::string> Soundfonts() const {
        return GetParam().withSoundfont ? FluidSynthesizer::SoundfontCandidates()
                                        : std::vector<std::string>{};
    }
    void SetUp() override {
        if (GetParam().withSoundfont &&
            !FluidSynthesizer::Load(AudioMixer::kSampleRate, Soundfonts())) {
            GTEST_SKIP() << "no General MIDI soundfont is installed";
        }
    }
};

// The one MIDI device is FluidSynth with a soundfont, else the built-in synthesizer.
TEST_P(DesktopSynthesizerTest, PlaysANoteBelowTheEffectsLevel) {
    {
        SdlMultimedia multimedia(Soundfonts());
        ASSERT_TRUE(multimedia.HasSynthesizer());
        ASSERT_EQ(multimedia.MidiOutputCount(), 1u);
        MIDIOUTCAPSA caps{};
        ASSERT_TRUE(multimedia.MidiOutputCapabilities(0, caps));
        EXPECT_EQ(caps.szPname, GetParam().productName);
        std::unique_ptr<MidiOutputDevice> synth = multimedia.OpenMidiOutput(MIDI_MAPPER);
        ASSERT_NE(synth, nullptr);
        synth->SendShortMessage(0x000000C0);  // piano
        synth->SendShortMessage(0x007F3C90);  // middle C, loudest
        std::this_thread::sleep_for(std::chrono::milliseconds(600));
        synth->SendShortMessage(0x00003C80);
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
    const Rendered rendered = ReadStream();
    EXPECT_GT(rendered.AudibleSeconds(), 0.4);
    EXPECT_GT(rendered.Peak(), 0.05f);
    EXPECT_LT(rendered.Peak(), 0.95f);
}

INSTANTIATE_TEST_SUITE_P(
    EachSynthesizer, DesktopSynthesizerTest,
    testing::Values(SynthesizerCase{"FluidSynth", true, FluidSynthesizer::kProductName},
                    SynthesizerCase{"BuiltIn", false, BuiltInSynthesizer::kProductName}),
    [](const testing::TestParamInfo<SynthesizerCase>& tested) { return tested.param.name; });

// Where no soundfont is installed, the album's song plays through the built-in
// synthesizer, driven by the program's own sequencer on the desktop's timers.
TEST_F(DesktopAudioTest, TheSongPlaysWithoutASoundfont) {
    {
        SdlMultimedia multimedia({});
        MultimediaBackend* previous = InstallMultimediaBackend(&multimedia);
        {
            MidiSequencer sequencer;
            sequencer.OpenDevice(nullptr);
            sequencer.PlayFile(QUILLORY_SONG);
            std::this_thread::sleep_for(std::chrono::milliseconds(1500));
        }
        InstallMultimediaBackend(previous);
    }
    const Rendered rendered = ReadStream();
    EXPECT_GT(rendered.AudibleSeconds(), 1.2);
    EXPECT_GT(rendered.Peak(), 0.005f);
    EXPECT_LT(rendered.Peak(), AudioMixer::kMusicLevel);
}

// Without a soundfont the song is neither drowned nor drowning the effects: its level
// stays within 3 dB of FluidSynth's.
TEST(DesktopMusicLevel, TheBuiltInSynthesizerPlaysTheSongAsLoudAsFluidSynth) {
    std::unique_ptr<FluidSynthesizer> fluid =
        FluidSynthesizer::Load(AudioMixer::kSampleRate, FluidSynthesizer::SoundfontCandidates());
    if (!fluid) GTEST_SKIP() << "no General MIDI soundfont is installed";
    BuiltInSynthesizer builtIn(AudioMixer::kSampleRate);
    const Performance song = PerformSong();
    const double fluidLevel = RootMeanSquare(Render(*fluid, song, AudioMixer::kSampleRate));
    const double builtInLevel = RootMeanSquare(Render(builtIn, song, AudioMixer::kSampleRate));
    EXPECT_NEAR(20 * std::log10(builtInLevel / fluidLevel), 0, 3)
        << "FluidSynth " << fluidLevel << ", built-in " << builtInLevel;
}

// Once the music closes with no effect left, the stream stops: nothing wakes for it.
TEST_F(DesktopAudioTest, TheStreamStopsWithTheMusic) {
    SdlMultimedia multimedia(FluidSynthesizer::SoundfontCandidates());
    if (!multimedia.HasSynthesizer()) GTEST_SKIP() << "no General MIDI soundfont is installed";
    const auto written = [this] { return std::filesystem::file_size(output); };
    std::unique_ptr<MidiOutputDevice> synth = multimedia.OpenMidiOutput(0);
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    const auto playing = written();
    EXPECT_GT(playing, 0u);
    synth.reset();
    const auto closed = written();
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_EQ(written(), closed);
}

TEST(DesktopAudioWithoutDevice, RunsSilently) {
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    SdlMultimedia multimedia(FluidSynthesizer::SoundfontCandidates());
    unsetenv("SDL_AUDIODRIVER");
    EXPECT_FALSE(multimedia.HasAudio());
    EXPECT_EQ(multimedia.MidiOutputCount(), 0u);
    EXPECT_EQ(multimedia.OpenMidiOutput(0), nullptr);
    multimedia.PlayWave("peel", ToneWave(440, 0.1, 0.5));
    EXPECT_FALSE(multimedia.EffectPlaying());
}

TEST(DesktopAudioDecoding, BytesThatAreNoWaveDecodeToNothing) {
    const std::vector<uint8_t> wave = ToneWave(440, 0.1, 0.5);
    // The stream's rate, two channels.
    EXPECT_NEAR(static_cast<double>(AudioMixer::Decode(wave).size()), 0.1 * kRate * 2, 16);
    // A wave at another rate is converted to the stream's.
    EXPECT_NEAR(static_cast<double>(AudioMixer::Decode(ToneWave(440, 0.1, 0.5, 11025)).size()),
                0.1 * kRate * 2, 16);
    EXPECT_TRUE(AudioMixer::Decode({}).empty());
    EXPECT_TRUE(AudioMixer::Decode(std::span(wave).first(30)).empty());
    std::vector<uint8_t> noise(4096);
    for (size_t i = 0; i < noise.size(); ++i) noise[i] = static_cast<uint8_t>(i * 131 + 7);
    EXPECT_TRUE(AudioMixer::Decode(noise).empty());
}
