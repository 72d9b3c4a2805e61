// The WAVE reader of the browser's sound: each sample width and channel layout to floats,
// chunks in any order, files cut short, and what it refuses.

#include <gtest/gtest.h>

#include <bit>
#include <string>
#include <vector>

#include "platform/kernel/ByteOrder.h"
#include "platform/mm/WaveSamples.h"
#include "sound/WaveFormat.h"

namespace {

using Bytes = std::vector<uint8_t>;

struct Format {
    uint16_t tag = 1;
    uint16_t channels = 1;
    uint32_t rate = 22050;
    uint16_t bits = 16;
};

void AppendChunk(Bytes& wave, const char (&tag)[5], const Bytes& body, size_t declared) {
    wave.insert(wave.end(), tag, tag + 4);
    AppendLittleEndian(wave, static_cast<uint32_t>(declared), 4);
    wave.insert(wave.end(), body.begin(), body.end());
    if (body.size() % 2 != 0 && body.size() == declared) wave.push_back(0);
}

Bytes Little(std::initializer_list<uint32_t> values, size_t width) {
    Bytes bytes;
    for (const uint32_t value : values) AppendLittleEndian(bytes, value, width);
    return bytes;
}

Bytes FormatChunk(const Format& format) {
    const auto align = static_cast<uint16_t>(format.channels * format.bits / 8);
    Bytes body = Little({format.tag, format.channels}, 2);
    for (const Bytes& part :
         {Little({format.rate, format.rate * align}, 4), Little({align, format.bits}, 2)})
        body.insert(body.end(), part.begin(), part.end());
    return body;
}

// A RIFF WAVE of `format` and `data`, with an odd-sized chunk of another kind first; the
// data chunk may claim more bytes than it holds.
Bytes Wave(const Format& format, const Bytes& data, size_t declaredData = SIZE_MAX,
           bool dataFirst = false) {
    Bytes wave{'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E'};
    AppendChunk(wave, "LIST", {1, 2, 3}, 3);
    const auto appendData = [&] {
        AppendChunk(wave, "data", data, declaredData == SIZE_MAX ? data.size() : declaredData);
    };
    if (dataFirst) appendData();
    AppendChunk(wave, "fmt ", FormatChunk(format), 16);
    if (!dataFirst) appendData();
    StoreLittleEndian(&wave[4], static_cast<uint32_t>(wave.size() - 8), 4);
    return wave;
}

}  // namespace

TEST(WaveSamples, EveryWidthAndLayoutReadsToPlanarFloats) {
    const struct {
        const char* name;
        Format format;
        Bytes data;
        std::vector<float> planar;
        size_t declared = SIZE_MAX;
        bool dataFirst = false;
    } cases[] = {
        // clang-format off
        {"Unsigned8", {1, 1, 8000, 8}, {0, 128, 255}, {-1, 0, 127 / 128.0f}},
        {"Stereo16", {1, 2, 44100}, Little({0x8000, 0x4000, 0x7FFF, 0}, 2),
         {-1, 32767 / 32768.0f, 0.5f, 0}},
        {"Signed24", {.bits = 24}, Little({0x800000, 0x400000}, 3), {-1, 0.5f}},
        {"Signed32", {.bits = 32}, Little({0x80000000u, 0}, 4), {-1, 0}},
        {"FloatClampedAndNoNumberSilent", {3, 1, 22050, 32},
         Little({std::bit_cast<uint32_t>(0.25f), std::bit_cast<uint32_t>(2.0f), 0x7FC00000u}, 4),
         {0.25f, 1, 0}},
        {"DataBeforeFormat", {1, 2, 44100}, Little({0x4000, 0x8000}, 2), {0.5f, -1}, SIZE_MAX,
         true},
        {"DataCutShortGivesItsWholeFrames", {}, {0, 0x40, 0, 0xC0, 7}, {0.5f, -0.5f}, UINT32_MAX},
        {"LowestRateAndMostChannels", {1, WaveSamples::kMostChannels, WaveSamples::kLowestRate, 8},
         Bytes(32, 192), std::vector<float>(32, 0.5f)},
        {"HighestRate", {1, 1, WaveSamples::kHighestRate, 8}, {64}, {-0.5f}},
        // clang-format on
    };
    for (const auto& tested : cases) {
        SCOPED_TRACE(tested.name);
        const std::optional<WaveSamples> read = WaveSamples::Decode(
            Wave(tested.format, tested.data, tested.declared, tested.dataFirst));
        ASSERT_TRUE(read);
        EXPECT_EQ(read->sampleRate, tested.format.rate);
        EXPECT_EQ(read->channels, tested.format.channels);
        EXPECT_EQ(read->Frames(), tested.planar.size() / tested.format.channels);
        EXPECT_EQ(read->samples, tested.planar);
    }
    // The album's own layout, as its sound files are written.
    Bytes album;
    WaveHeader{1, 22050, 8, 3}.Append(album);
    album.insert(album.end(), {128, 0, 255, 0});
    EXPECT_EQ(WaveSamples::Decode(album).value().samples,
              (std::vector<float>{0, -1, 127 / 128.0f}));
}

TEST(WaveSamples, WhatIsNoReadableSoundGivesNothing) {
    const Bytes samples = Little({1, 2}, 2);
    Bytes notRiff = Wave({}, samples);
    notRiff[0] = 'X';
    Bytes notWave = Wave({}, samples);
    notWave[8] = 'X';
    Bytes noData = Wave({}, samples);
    noData.resize(noData.size() - samples.size() - 8);
    Bytes formatCutShort{'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E'};
    AppendChunk(formatCutShort, "fmt ", Bytes(10, 1), 16);
    const std::vector<std::pair<std::string, Bytes>> cases = {
        // clang-format off
        {"Nothing", {}}, {"NotRiff", notRiff}, {"NotWave", notWave}, {"NoData", noData},
        {"FormatCutShort", formatCutShort},
        {"Compressed", Wave({2, 1, 22050, 16}, samples)},
        {"TwelveBits", Wave({1, 1, 22050, 12}, samples)},
        {"Float64", Wave({3, 1, 22050, 64}, Bytes(16, 0))},
        {"NoChannel", Wave({1, 0, 22050, 16}, samples)},
        {"TooManyChannels", Wave({1, WaveSamples::kMostChannels + 1, 22050, 8}, Bytes(33, 0))},
        {"RateTooLow", Wave({1, 1, WaveSamples::kLowestRate - 1, 16}, samples)},
        {"RateTooHigh", Wave({1, 1, WaveSamples::kHighestRate + 1, 16}, samples)},
        {"LessThanAFrame", Wave({1, 2, 22050, 16}, {1, 2, 3})},
        // clang-format on
    };
    for (const auto& [name, wave] : cases) EXPECT_FALSE(WaveSamples::Decode(wave)) << name;
}
