#include "content/SoundEffects.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "content/WaveEncoder.h"

namespace {

constexpr double kRate = WaveEncoder::kSampleRate;
constexpr double kTwoPi = 2.0 * std::numbers::pi;

size_t SampleCount(double seconds) {
    return static_cast<size_t>(std::lround(seconds * kRate));
}

// A fixed-seed generator, so that the noise is the same on every run.
class Noise {
public:
    double Next() {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return static_cast<double>(m_state) / 2147483648.0 - 1.0;
    }

private:
    uint32_t m_state = 0x2468ACE1u;
};

// A resonant band-pass filter whose centre may move from sample to sample.
class BandPass {
public:
    explicit BandPass(double damping) : m_damping(damping) {}

    double Next(double input, double centre) {
        const double tuning = 2.0 * std::sin(std::numbers::pi * centre / kRate);
        m_low += tuning * m_band;
        const double high = input - m_low - m_damping * m_band;
        m_band += tuning * high;
        return m_band;
    }

private:
    double m_damping;
    double m_low = 0.0;
    double m_band = 0.0;
};

// A sine whose pitch may glide.
class Oscillator {
public:
    double Next(double frequency) {
        const double value = std::sin(m_phase);
        m_phase = std::fmod(m_phase + kTwoPi * frequency / kRate, kTwoPi);
        return value;
    }

private:
    double m_phase = 0.0;
};

// Rises over `attack` seconds and falls to exactly zero over the last `release`
// seconds, so that no sound starts or stops with a click.
double Edges(double time, double length, double attack, double release) {
    const double rise = std::min(1.0, time / attack);
    const double fall = std::clamp((length - time) / release, 0.0, 1.0);
    return rise * fall * fall;
}

double Glide(double from, double to, double progress) {
    return from * std::pow(to / from, progress);
}

void Normalise(std::vector<double>& samples, double peak) {
    double loudest = 0.0;
    for (double sample : samples) {
        loudest = std::max(loudest, std::abs(sample));
    }
    if (loudest > 0.0) {
        for (double& sample : samples) {
            sample *= peak / loudest;
        }
    }
}

}  // namespace

std::vector<double> SoundEffects::Peel() {
    // Tape coming off paper: crackling noise whose colour rises, under a soft
    // upward "zip".
    const double length = 0.13;
    std::vector<double> samples(SampleCount(length));
    Noise noise;
    BandPass rasp(0.35);
    Oscillator zip;
    double crackle = 0.0;
    for (size_t i = 0; i < samples.size(); ++i) {
        const double time = static_cast<double>(i) / kRate;
        const double progress = time / length;
        if (i % 37 == 0) {
            crackle = 0.55 + 0.45 * std::abs(noise.Next());
        }
        const double hiss = rasp.Next(noise.Next(), Glide(900.0, 3200.0, progress)) * crackle;
        const double tone = 0.35 * zip.Next(Glide(420.0, 1100.0, progress));
        samples[i] = (hiss + tone) * Edges(time, length, 0.008, 0.05);
    }
    Normalise(samples, 0.8);
    return samples;
}

std::vector<double> SoundEffects::Stick() {
    // A soft, round "pop" as the sticker lands, then a small bell that rings on after
    // it (a major sixth, G and E), long enough to be heard over the music.
    const double length = 0.2;
    const double bellStart = 0.02;
    std::vector<double> samples(SampleCount(length));
    Noise noise;
    Oscillator thump;
    Oscillator bell;
    Oscillator overtone;
    for (size_t i = 0; i < samples.size(); ++i) {
        const double time = static_cast<double>(i) / kRate;
        const double body =
            thump.Next(Glide(620.0, 170.0, std::min(1.0, time / 0.04))) * std::exp(-time / 0.014);
        const double tap = time < 0.004 ? 0.3 * noise.Next() * (1.0 - time / 0.004) : 0.0;
        const double age = std::max(0.0, time - bellStart);
        const double ring = time < bellStart
                                ? 0.0
                                : (0.42 * bell.Next(1568.0) + 0.16 * overtone.Next(2637.0)) *
                                      std::exp(-age / 0.07) * std::min(1.0, age / 0.003);
        samples[i] = (body + tap + ring) * Edges(time, length, 0.0015, 0.05);
    }
    Normalise(samples, 0.75);
    return samples;
}

std::vector<double> SoundEffects::Boop() {
    // A soft, low "boop" that sinks a little: the sticker goes back to its sheet, no
    // harm done. Round sine tones only, gently started and ended.
    const double length = 0.24;
    return Tone(length, [length](double time) { return Glide(523.0, 330.0, time / length); },
                {0.18, 0.16, 0.012, 0.08, 0.5});
}

// Bell notes one after another: each starts at its time, rings and fades.
std::vector<double> SoundEffects::Chime(const std::vector<std::pair<double, double>>& notes,
                                        double length, double ring) {
    std::vector<double> samples(SampleCount(length));
    std::vector<Oscillator> tones(notes.size());
    std::vector<Oscillator> shines(notes.size());
    for (size_t i = 0; i < samples.size(); ++i) {
        const double time = static_cast<double>(i) / kRate;
        double sample = 0.0;
        for (size_t note = 0; note < notes.size(); ++note) {
            const auto& [start, pitch] = notes[note];
            const double age = time - start;
            if (age < 0.0) continue;
            sample += (tones[note].Next(pitch) + 0.2 * shines[note].Next(pitch * 3.0)) *
                      std::exp(-age / ring) * std::min(1.0, age / 0.004);
        }
        samples[i] = sample * Edges(time, length, 0.004, 0.25);
    }
    Normalise(samples, 0.6);
    return samples;
}

std::vector<double> SoundEffects::Jingle() {
    // A page is full: a little rising tune, C E G and a high C held, like a music box.
    return Chime({{0.0, 1046.5}, {0.13, 1318.5}, {0.26, 1568.0}, {0.39, 2093.0}, {0.39, 1568.0}},
                 1.2, 0.22);
}

std::vector<double> SoundEffects::Fanfare() {
    // The whole book is full: the page's tune, then up again to a bright chord.
    return Chime({{0.0, 1046.5},
                  {0.12, 1318.5},
                  {0.24, 1568.0},
                  {0.36, 2093.0},
                  {0.6, 1568.0},
                  {0.72, 2093.0},
                  {0.84, 2637.0},
                  {0.84, 2093.0},
                  {0.84, 1568.0}},
                 1.9, 0.3);
}

std::vector<double> SoundEffects::Select() {
    // A bright two-note blip, a fifth apart.
    const double length = 0.04;
    return Tone(length, [length](double time) { return time < length * 0.45 ? 1046.5 : 1568.0; },
                {0.25, 0.04, 0.002, 0.015, 0.7});
}

std::vector<double> SoundEffects::Tone(double length, const std::function<double(double)>& pitch,
                                       const ToneShape& shape) {
    std::vector<double> samples(SampleCount(length));
    Oscillator tone;
    Oscillator octave;
    for (size_t i = 0; i < samples.size(); ++i) {
        const double time = static_cast<double>(i) / kRate;
        const double frequency = pitch(time);
        samples[i] = (tone.Next(frequency) + shape.octave * octave.Next(frequency * 2.0)) *
                     std::exp(-time / shape.decay) *
                     Edges(time, length, shape.attack, shape.release);
    }
    Normalise(samples, shape.peak);
    return samples;
}

std::vector<double> SoundEffects::Clear() {
    // A broom's whoosh that falls in pitch, with a rising sparkle of bells (C, E,
    // G, C) that says "all fresh again".
    const double length = 0.42;
    const double bellStarts[] = {0.05, 0.12, 0.19, 0.26};
    const double bellPitches[] = {1046.5, 1318.5, 1568.0, 2093.0};
    std::vector<double> samples(SampleCount(length));
    Noise noise;
    BandPass whoosh(0.5);
    Oscillator bells[4];
    for (size_t i = 0; i < samples.size(); ++i) {
        const double time = static_cast<double>(i) / kRate;
        const double progress = time / length;
        const double swell = std::sin(std::numbers::pi * progress);
        double sample = 0.45 * swell * whoosh.Next(noise.Next(), Glide(2800.0, 500.0, progress));
        for (size_t bell = 0; bell < 4; ++bell) {
            const double age = time - bellStarts[bell];
            if (age >= 0.0) {
                sample += 0.45 * bells[bell].Next(bellPitches[bell]) * std::exp(-age / 0.07) *
                          std::min(1.0, age / 0.002);
            }
        }
        samples[i] = sample * Edges(time, length, 0.01, 0.06);
    }
    Normalise(samples, 0.8);
    return samples;
}

namespace {

// A contact sheet of the waveforms on one time scale, to check their lengths,
// loudness and soft edges at a glance.
Canvas WaveformSheet(const std::vector<std::vector<double>>& sounds, double pixelsPerSecond) {
    const double rowHeight = 120;
    Canvas sheet(900, static_cast<int32_t>(rowHeight * static_cast<double>(sounds.size())));
    sheet.Fill(Colour::Hex(0xFFFFFF));
    for (size_t row = 0; row < sounds.size(); ++row) {
        const double middle = rowHeight * (static_cast<double>(row) + 0.5);
        cairo_move_to(sheet.Context(), 20, middle);
        cairo_line_to(sheet.Context(), 880, middle);
        sheet.StrokePath(Colour::Hex(0xBBBBBB), 1);
        for (size_t i = 0; i < sounds[row].size(); ++i) {
            cairo_line_to(sheet.Context(), 20 + static_cast<double>(i) / kRate * pixelsPerSecond,
                          middle - sounds[row][i] * rowHeight * 0.45);
        }
        sheet.StrokePath(Colour::Hex(0x3E9BF0), 1);
    }
    return sheet;
}

}  // namespace

void SoundEffects::Generate(ContentOutput& output) {
    const char* const names[] = {"ClearWAVE", "PeelWAVE",   "StickWAVE",  "SelectWAVE",
                                 "BoopWAVE",  "JingleWAVE", "FanfareWAVE"};
    const std::vector<std::vector<double>> sounds = {Clear(), Peel(),   Stick(),  Select(),
                                                     Boop(),  Jingle(), Fanfare()};
    for (size_t sound = 0; sound < sounds.size(); ++sound) {
        output.AddResource({names[sound], ResourceKind::Wave, WaveEncoder::Encode(sounds[sound])});
    }
    if (output.WantsPreviews()) {
        // The short effects, and the two tunes of the celebrations on a longer scale.
        const auto tunes = sounds.end() - 2;
        output.AddPreview("sounds", WaveformSheet({sounds.begin(), tunes}, 2000));
        output.AddPreview("sounds-celebrations", WaveformSheet({tunes, sounds.end()}, 440));
    }
}
