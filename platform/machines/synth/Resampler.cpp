#include "platform/machines/synth/Resampler.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// The filter is looked up in a table of this many values for each zero crossing, and
// interpolated between them.
constexpr size_t kStepsPerCrossing = 512;
// The Kaiser window's shape for a stop band 80 dB down.
constexpr double kBeta = 0.1102 * (80.0 - 8.7);

// The modified Bessel function of the first kind, order 0, by its power series.
double BesselI0(double x) {
    double sum = 1;
    double term = 1;
    for (int k = 1; term > sum * 1e-15; ++k) {
        const double half = x / (2 * k);
        term *= half * half;
        sum += term;
    }
    return sum;
}

// The windowed sinc from 0 to kZeroCrossings crossings, with a zero past the end so
// that the last step interpolates towards it.
const std::vector<double>& Filter() {
    static const std::vector<double> filter = [] {
        constexpr size_t kLength = Resampler::kZeroCrossings * kStepsPerCrossing;
        std::vector<double> table(kLength + 2, 0.0);
        table[0] = 1;
        for (size_t i = 1; i < kLength; ++i) {
            // At every crossing the sinc is zero: an old sample on the new moment is
            // taken alone.
            if (i % kStepsPerCrossing == 0) continue;
            const double crossings = static_cast<double>(i) / kStepsPerCrossing;
            const double across = crossings / Resampler::kZeroCrossings;
            const double window =
                BesselI0(kBeta * std::sqrt(1 - across * across)) / BesselI0(kBeta);
            const double angle = std::numbers::pi * crossings;
            table[i] = window * std::sin(angle) / angle;
        }
        return table;
    }();
    return filter;
}

// The filter `crossings` away from its centre.
double Weight(const std::vector<double>& filter, double crossings) {
    const double position = crossings * kStepsPerCrossing;
    const auto index = static_cast<size_t>(position);
    if (index + 1 >= filter.size()) return 0;
    const double fraction = position - static_cast<double>(index);
    return filter[index] + fraction * (filter[index + 1] - filter[index]);
}

}  // namespace

std::vector<float> Resampler::Convert(std::span<const float> samples, uint32_t fromRate,
                                      uint32_t toRate) {
    if (fromRate == toRate || fromRate == 0 || toRate == 0) return {samples.begin(), samples.end()};
    const std::vector<double>& filter = Filter();
    const uint64_t frames = uint64_t{samples.size()} * toRate / fromRate;
    const double cutoff = std::min(1.0, static_cast<double>(toRate) / fromRate);
    // How many old samples on each side of the new moment the filter reaches.
    const auto reach = static_cast<int64_t>(std::ceil(kZeroCrossings / cutoff));
    const auto last = static_cast<int64_t>(samples.size()) - 1;
    std::vector<float> converted(static_cast<size_t>(frames));
    for (size_t frame = 0; frame < converted.size(); ++frame) {
        // The new moment, in old samples: `before` and a fraction.
        const uint64_t moment = uint64_t{frame} * fromRate;
        const auto before = static_cast<int64_t>(moment / toRate);
        const double fraction = static_cast<double>(moment % toRate) / toRate;
        double sum = 0;
        for (int64_t old = std::max<int64_t>(0, before - reach + 1);
             old <= std::min(last, before + reach); ++old) {
            const double distance = std::fabs(static_cast<double>(old - before) - fraction);
            sum += samples[static_cast<size_t>(old)] * Weight(filter, distance * cutoff);
        }
        converted[frame] = static_cast<float>(sum * cutoff);
    }
    return converted;
}
