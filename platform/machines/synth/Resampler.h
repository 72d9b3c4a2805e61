#pragma once
// Changes the rate of one channel of sound, as a windowed sinc filter does it: each new
// sample is the sum of the old ones around its moment, weighed by the sinc function
// under a Kaiser window of five zero crossings on each side. Where the new moment falls
// on an old sample, that sample is taken as it is. Lowering the rate also lowers the
// filter's cut-off, so that no tone above the new rate's half folds back as noise.
// Beyond either end of the sound lies silence.

#include <cstdint>
#include <span>
#include <vector>

class Resampler {
public:
    static constexpr int kZeroCrossings = 5;

    // `samples` at `fromRate` as they sound at `toRate`: the whole frames of the same
    // length, rounded down.
    static std::vector<float> Convert(std::span<const float> samples, uint32_t fromRate,
                                      uint32_t toRate);
};
