#pragma once
// The sound effects, synthesised: a peel when a sticker leaves its sheet, a stick when
// it lands at home, a blip when a sheet is chosen, a sweep when the album is cleared, a
// soft boop when a sticker goes back to its sheet, a jingle when a page is full and a
// fanfare when the whole book is. Soft-edged and bright, so that they please rather
// than startle.

#include <functional>
#include <utility>
#include <vector>

#include "content/ContentOutput.h"

class SoundEffects {
public:
    static void Generate(ContentOutput& output);

private:
    static std::vector<double> Peel();
    static std::vector<double> Stick();
    static std::vector<double> Select();
    static std::vector<double> Clear();
    static std::vector<double> Boop();
    static std::vector<double> Jingle();
    static std::vector<double> Fanfare();
    // How a tone sounds: its octave's level, how fast it dies away, its soft edges (in
    // seconds) and its loudest sample.
    struct ToneShape {
        double octave;
        double decay;
        double attack;
        double release;
        double peak;
    };
    // A tone and its octave, the pitch following `pitch` (hertz at a time in seconds).
    static std::vector<double> Tone(double length, const std::function<double(double)>& pitch,
                                    const ToneShape& shape);
    // Bell notes (start in seconds, pitch in hertz), each ringing for about `ring` seconds.
    static std::vector<double> Chime(const std::vector<std::pair<double, double>>& notes,
                                     double length, double ring);
};
