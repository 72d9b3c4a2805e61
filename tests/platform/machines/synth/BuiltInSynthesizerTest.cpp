// The built-in synthesizer measured on what it renders: the pitch of its notes, the
// shape of their envelopes, its noise drums, what its controllers do, and the album's
// song from start to loop.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <span>
#include <vector>

#include "platform/machines/synth/BuiltInSynthesizer.h"
#include "tests/platform/machines/synth/Rendering.h"

namespace {

constexpr int kRate = 44100;
constexpr uint8_t kFlute = 73;

uint32_t NoteOn(uint32_t channel, uint32_t key, uint32_t velocity = 127) {
    return 0x90u | channel | key << 8 | velocity << 16;
}
uint32_t NoteOff(uint32_t channel, uint32_t key) {
    return 0x80u | channel | key << 8;
}
uint32_t Control(uint32_t channel, uint32_t controller, uint32_t value) {
    return 0xB0u | channel | controller << 8 | value << 16;
}
uint32_t Program(uint32_t channel, uint32_t program) {
    return 0xC0u | channel | program << 8;
}
uint32_t Bend(uint32_t channel, uint32_t bend) {
    return 0xE0u | channel | (bend & 0x7F) << 8 | (bend >> 7) << 16;
}

struct At {
    double seconds;
    uint32_t message;
};

// `seconds` rendered by a new synthesizer, with each message sent at its time.
std::vector<float> PlayStereo(const std::vector<At>& messages, double seconds) {
    BuiltInSynthesizer synthesizer(kRate);
    Performance performance{{}, static_cast<DWORD>(std::lround(seconds * 1000))};
    for (const At& at : messages)
        performance.messages.push_back(
            {static_cast<DWORD>(std::lround(at.seconds * 1000)), at.message});
    return Render(synthesizer, performance, kRate);
}

std::vector<float> Play(const std::vector<At>& messages, double seconds) {
    return ChannelOf(PlayStereo(messages, seconds), 0);
}

std::span<const float> Stretch(const std::vector<float>& samples, double from, double to) {
    const auto begin = std::min(static_cast<size_t>(from * kRate), samples.size());
    const auto end = std::min(static_cast<size_t>(to * kRate), samples.size());
    return std::span(samples).subspan(begin, end - begin);
}

// How well `samples` match themselves `lag` samples later: 1 for a perfect repeat.
double Similarity(std::span<const float> samples, size_t lag) {
    double product = 0, early = 0, late = 0;
    for (size_t i = 0; i + lag < samples.size(); ++i) {
        product += static_cast<double>(samples[i]) * samples[i + lag];
        early += static_cast<double>(samples[i]) * samples[i];
        late += static_cast<double>(samples[i + lag]) * samples[i + lag];
    }
    return early > 0 && late > 0 ? product / std::sqrt(early * late) : 0;
}

// The pitch of a steady stretch: the first period, at least nearly as good as the best
// (so not a multiple of it), refined between samples by a parabola through its
// neighbours.
double MeasuredHertz(std::span<const float> samples) {
    const size_t shortest = 2, longest = samples.size() / 2;
    std::vector<double> similarity(longest + 2);
    for (size_t lag = shortest - 1; lag <= longest + 1; ++lag)
        similarity[lag] = Similarity(samples, lag);
    const double best = *std::max_element(similarity.begin() + shortest, similarity.end() - 1);
    for (size_t lag = shortest; lag <= longest; ++lag) {
        const double before = similarity[lag - 1], here = similarity[lag],
                     after = similarity[lag + 1];
        if (here < 0.95 * best || here < before || here < after) continue;
        const double offset = 0.5 * (before - after) / (before - 2 * here + after);
        return kRate / (static_cast<double>(lag) + offset);
    }
    return 0;
}

// The highest similarity at any lag of a pitch between 40 Hz and 4 kHz.
double BestRepeat(std::span<const float> samples) {
    double best = 0;
    for (size_t lag = kRate / 4000; lag <= kRate / 40; ++lag)
        best = std::max(best, Similarity(samples, lag));
    return best;
}

double KeyHertz(double key) {
    return 440.0 * std::exp2((key - 69) / 12);
}

TEST(BuiltInSynthesizer, EachNoteHasItsKeysPitchBent) {
    const struct {
        const char* name;
        uint8_t program, key;
        std::vector<uint32_t> first;  // sent before the note
        double semitones;             // the bend the messages make
    } cases[] = {
        {"lowest piano key", 0, 21, {}, 0},
        {"middle C on a piano", 0, 60, {}, 0},
        {"highest piano key", 0, 108, {}, 0},
        {"flute A", kFlute, 69, {}, 0},
        {"organ square", 16, 57, {}, 0},
        {"bass low E", 32, 28, {}, 0},
        {"strings sawtooth", 48, 64, {}, 0},
        {"glockenspiel", 9, 96, {}, 0},
        {"bent fully down", kFlute, 69, {Bend(0, 0)}, -2},
        {"bent fully up", kFlute, 69, {Bend(0, 16383)}, 2.0 * 8191 / 8192},
        {"bent up an octave with a twelve semitone range",
         kFlute,
         60,
         {Control(0, 101, 0), Control(0, 100, 0), Control(0, 6, 12), Bend(0, 16383)},
         12.0 * 8191 / 8192},
        {"reset controllers centres the bend", kFlute, 69, {Bend(0, 0), Control(0, 121, 0)}, 0},
        {"a non-registered parameter chosen after the range leaves it",
         kFlute,
         69,
         {Control(0, 101, 0), Control(0, 100, 0), Control(0, 99, 0), Control(0, 98, 0),
          Control(0, 6, 12), Bend(0, 0)},
         -2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<At> messages{{0, Program(0, c.program)}};
        for (const uint32_t message : c.first) messages.push_back({0, message});
        messages.push_back({0, NoteOn(0, c.key)});
        const double wanted = KeyHertz(c.key + c.semitones);
        // A quarter of a percent: four cents, well below what an ear hears.
        EXPECT_NEAR(MeasuredHertz(Stretch(Play(messages, 0.45), 0.2, 0.4)), wanted,
                    wanted * 0.0025);
    }
}

TEST(BuiltInSynthesizer, ABendRetunesANoteAlreadySounding) {
    const std::vector<float> left =
        Play({{0, Program(0, kFlute)}, {0, NoteOn(0, 69)}, {0.3, Bend(0, 0)}}, 0.6);
    EXPECT_NEAR(MeasuredHertz(Stretch(left, 0.1, 0.28)), 440, 1);
    EXPECT_NEAR(MeasuredHertz(Stretch(left, 0.4, 0.58)), KeyHertz(67), 1);
}

// A key struck again lets its last note ring out instead of doubling it (struck 132
// periods later, the two would be in phase and twice as loud).
TEST(BuiltInSynthesizer, AKeyStruckAgainSoundsOnce) {
    for (const uint8_t pedal : {uint8_t{0}, uint8_t{127}}) {
        const std::vector<float> left = Play({{0, Program(0, kFlute)},
                                              {0, Control(0, 64, pedal)},
                                              {0, NoteOn(0, 69)},
                                              {0.2, NoteOff(0, 69)},
                                              {0.3, NoteOn(0, 69)}},
                                             0.6);
        const double again = RootMeanSquare(Stretch(left, 0.5, 0.6));
        EXPECT_NEAR(again / RootMeanSquare(Stretch(left, 0.1, 0.2)), 1, 0.05)
            << "pedal " << int{pedal};
    }
}

// The level of each 2 ms of `samples` (its peak).
std::vector<float> Levels(const std::vector<float>& samples) {
    constexpr size_t kWindow = kRate / 500;
    std::vector<float> levels;
    for (size_t at = 0; at + kWindow <= samples.size(); at += kWindow)
        levels.push_back(Peak(std::span(samples).subspan(at, kWindow)));
    return levels;
}
constexpr double kLevelSeconds = 0.002;

// The seconds from `from` until the level first reaches (rising) or falls below
// (falling) `level`.
double SecondsUntil(const std::vector<float>& levels, double from, float level, bool rising) {
    for (auto i = static_cast<size_t>(from / kLevelSeconds); i < levels.size(); ++i) {
        if (rising ? levels[i] >= level : levels[i] < level)
            return static_cast<double>(i) * kLevelSeconds - from;
    }
    return 1e9;
}

// Each family's patch drawn in sound: the rise, the fall toward the held level while
// the key is down, and the fall once it is up. Piano, chromatic percussion, organ, bass,
// strings, pipe, synth pad: quick and slow rises, sounds that hold and sounds that die
// away while the key is down.
TEST(BuiltInSynthesizer, EachFamilysEnvelopeFollowsItsTimes) {
    for (const uint8_t program : std::to_array<uint8_t>({0, 12, 16, 32, 48, 73, 88})) {
        SCOPED_TRACE(int{program});
        const EnvelopeTimes& times = InstrumentPatch(program).envelope;
        constexpr double kHold = 0.5;
        const std::vector<float> levels =
            Levels(Play({{0, Program(0, program)}, {0, NoteOn(0, 81)}, {kHold, NoteOff(0, 81)}},
                        kHold + 1.5 * times.release));
        const float full = *std::max_element(levels.begin(), levels.end());
        const auto held = [&](double seconds) {
            return times.sustain +
                   (1 - times.sustain) * std::pow(1e-3, (seconds - times.attack) / times.decay);
        };
        const double tolerance = kLevelSeconds * 1.5;
        EXPECT_NEAR(SecondsUntil(levels, 0, 0.9f * full, true), 0.9 * times.attack,
                    tolerance + 0.05 * times.attack);
        EXPECT_NEAR(levels[static_cast<size_t>(0.35 / kLevelSeconds)] / full, held(0.35),
                    0.05 * held(0.35));
        const float atRelease = levels[static_cast<size_t>(kHold / kLevelSeconds) - 1];
        EXPECT_NEAR(atRelease / full, held(kHold), 0.05 * held(kHold));
        // 40 dB is two thirds of the way to the 60 dB of the release time.
        EXPECT_NEAR(SecondsUntil(levels, kHold, atRelease / 100, false), times.release * 2 / 3,
                    tolerance + 0.05 * times.release);
        EXPECT_EQ(levels.back(), 0.0f) << "the voice ends";
    }
}

// A kit key on channel ten is noise, not a pitch: snare, closed and open hi-hat, crash
// cymbal, tambourine, maracas, short guiro. Programs and keys outside the kit do nothing.
TEST(BuiltInSynthesizer, DrumsAreNoiseAndIgnoreProgramsAndKeysOutsideTheKit) {
    for (const uint8_t key : std::to_array<uint8_t>({38, 42, 46, 49, 54, 70, 73})) {
        const std::vector<float> drum = Play({{0, NoteOn(9, key)}}, 0.1);
        EXPECT_GT(RootMeanSquare(Stretch(drum, 0, 0.05)), 0.003) << "key " << int{key};
        EXPECT_LT(BestRepeat(Stretch(drum, 0.005, 0.05)), 0.5) << "key " << int{key};
        // The same key on a melodic channel is a note with a pitch.
        EXPECT_GT(BestRepeat(Stretch(Play({{0, NoteOn(0, key)}}, 0.1), 0.005, 0.05)), 0.95)
            << "key " << int{key};
    }
    const std::vector<float> hat = Play({{0, NoteOn(9, 42)}}, 0.2);
    EXPECT_EQ(Play({{0, Program(9, 40)}, {0, NoteOn(9, 42)}}, 0.2), hat);
    for (const uint8_t key : {uint8_t{34}, uint8_t{82}, uint8_t{0}, uint8_t{127}})
        EXPECT_EQ(Peak(Play({{0, NoteOn(9, key)}}, 0.1)), 0.0f) << "key " << int{key};
    // A drum rings out whatever its key does.
    EXPECT_EQ(Play({{0, NoteOn(9, 49)}, {0.05, NoteOff(9, 49)}}, 0.5),
              Play({{0, NoteOn(9, 49)}}, 0.5));
}

constexpr double kHalfSquared = (64.0 / 127) * (64.0 / 127);

TEST(BuiltInSynthesizer, TheLevelFollowsVelocityVolumeExpressionAndPan) {
    const auto render = [](const std::vector<uint32_t>& first, uint8_t velocity) {
        std::vector<At> messages{{0, Program(0, kFlute)}};
        for (const uint32_t message : first) messages.push_back({0, message});
        messages.push_back({0, NoteOn(0, 69, velocity)});
        const std::vector<float> stereo = PlayStereo(messages, 0.4);
        const auto side = [&](size_t channel) {
            return RootMeanSquare(Stretch(ChannelOf(stereo, channel), 0.2, 0.4));
        };
        return std::pair{side(0), side(1)};
    };
    const auto [centreLeft, centreRight] = render({Control(0, 7, 127)}, 127);
    const struct {
        const char* name;
        std::vector<uint32_t> first;  // sent before the note
        uint8_t velocity;
        double left, right;  // each side's level beside a loudest centred note
    } cases[] = {
        {"half velocity is the square curve", {Control(0, 7, 127)}, 64, kHalfSquared, kHalfSquared},
        {"half volume", {Control(0, 7, 64)}, 127, kHalfSquared, kHalfSquared},
        {"no expression", {Control(0, 7, 127), Control(0, 11, 0)}, 127, 0, 0},
        {"no volume", {Control(0, 7, 0)}, 127, 0, 0},
        {"panned left", {Control(0, 7, 127), Control(0, 10, 0)}, 127, std::sqrt(2.0), 0},
        {"panned right", {Control(0, 7, 127), Control(0, 10, 127)}, 127, 0, std::sqrt(2.0)},
        {"reset keeps volume and restores expression",
         {Control(0, 7, 64), Control(0, 11, 0), Control(0, 121, 0)},
         127,
         kHalfSquared,
         kHalfSquared}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto [left, right] = render(c.first, c.velocity);
        EXPECT_NEAR(left / centreLeft, c.left, 0.01);
        EXPECT_NEAR(right / centreRight, c.right, 0.01);
    }
}

TEST(BuiltInSynthesizer, NoteEndingsStopOrHoldTheNote) {
    const struct {
        const char* name;
        std::vector<At> messages;  // around a flute A on channel 1 struck at 0
        bool soundsAtTheEnd;
    } cases[] = {
        {"note off", {{0.1, NoteOff(0, 69)}}, false},
        {"note on without velocity", {{0.1, NoteOn(0, 69, 0)}}, false},
        {"held", {}, true},
        {"struck again then off", {{0.1, NoteOn(0, 69)}, {0.2, NoteOff(0, 69)}}, false},
        {"off for another key", {{0.1, NoteOff(0, 70)}}, true},
        {"held by the sustain pedal", {{0, Control(0, 64, 127)}, {0.1, NoteOff(0, 69)}}, true},
        // The pedal is down from 64 up; a note on without velocity is a note off to it too.
        {"note on without velocity held by the pedal at 64",
         {{0, Control(0, 64, 64)}, {0.1, NoteOn(0, 69, 0)}},
         true},
        {"pedal at 63 holds nothing", {{0, Control(0, 64, 63)}, {0.1, NoteOn(0, 69, 0)}}, false},
        {"pedal lifted",
         {{0, Control(0, 64, 127)}, {0.1, NoteOff(0, 69)}, {0.3, Control(0, 64, 0)}},
         false},
        {"pedal lifted by reset controllers",
         {{0, Control(0, 64, 127)}, {0.1, NoteOff(0, 69)}, {0.3, Control(0, 121, 0)}},
         false},
        {"all notes off", {{0.1, Control(0, 123, 0)}}, false},
        {"omni off ends the notes too", {{0.1, Control(0, 124, 0)}}, false},
        {"all notes off on another channel", {{0.1, Control(1, 123, 0)}}, true},
        {"all sound off", {{0.1, Control(0, 120, 0)}}, false},
        {"device reset", {{0.1, kDeviceReset}}, false}};
    for (const auto& c : cases) {
        std::vector<At> messages{{0, Program(0, kFlute)}, {0, NoteOn(0, 69)}};
        messages.insert(messages.end(), c.messages.begin(), c.messages.end());
        EXPECT_EQ(RootMeanSquare(Stretch(Play(messages, 0.8), 0.7, 0.8)) > 1e-3, c.soundsAtTheEnd)
            << c.name;
    }
}

TEST(BuiltInSynthesizer, AnyMessagesKeepTheOutputFiniteAndAResetSilencesIt) {
    BuiltInSynthesizer synthesizer(kRate);
    std::vector<float> block(2 * 64);
    uint32_t random = 12345;
    for (int i = 0; i < 20000; ++i) {
        random = random * 1664525u + 1013904223u;
        synthesizer.Send(random);
        if (i % 16 == 0) {
            synthesizer.Render(block.data(), 64);
            ASSERT_TRUE(std::ranges::all_of(block, [](float s) { return std::isfinite(s); })) << i;
        }
    }
    // Every key of every channel at once: more notes than voices.
    for (uint8_t channel = 0; channel < 16; ++channel) {
        for (uint8_t key = 0; key < 128; ++key) synthesizer.Send(NoteOn(channel, key));
    }
    synthesizer.Render(block.data(), 64);
    EXPECT_TRUE(std::ranges::all_of(block, [](float s) { return std::isfinite(s); }));
    synthesizer.Reset();
    synthesizer.Render(block.data(), 64);
    EXPECT_EQ(Peak(block), 0.0f);
    synthesizer.Render(block.data(), 0);
    synthesizer.Render(block.data(), -1);
}

// The album's song, rendered the same every time.
TEST(BuiltInSynthesizer, PlaysTheSongFromStartToLoopWithoutClippingOrSilence) {
    const Performance performance = PerformSong();
    ASSERT_GE(performance.milliseconds, 90000u) << "a minute and a half before it repeats";
    const auto render = [&] {
        BuiltInSynthesizer synthesizer(kRate);
        return Render(synthesizer, performance, kRate);
    };
    const std::vector<float> stereo = render();
    EXPECT_TRUE(stereo == render()) << "a second rendering differs";
    EXPECT_LT(Peak(stereo), 1.0f);
    // At FluidSynth's level the song sits near -36 dB; a second below -50 dB is a gap.
    EXPECT_GT(RootMeanSquare(stereo), 0.01);
    for (size_t channel = 0; channel < 2; ++channel) {
        const std::vector<float> side = ChannelOf(stereo, channel);
        for (double second = 0; second + 1 <= performance.milliseconds / 1000.0; ++second) {
            EXPECT_GT(RootMeanSquare(Stretch(side, second, second + 1)), 0.003)
                << "channel " << channel << " second " << second;
        }
    }
}

}  // namespace
