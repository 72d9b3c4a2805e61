#pragma once
// What a grown-up can set: the music and the sound effects (each on or off, and its
// volume), whether Clear All and Quit first ask for a grown-up, and whether the album
// fills the screen. Every default is the album as it plays without any settings.
//
// The settings are kept as a short text a grown-up can also read and edit:
//
//   # Quillory 3 settings 1
//   music = on
//   music-volume = 100
//   ...
//
// The first line names the file and the version of its layout; blank lines and lines
// starting with '#' after it are ignored.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct GrownUpSettings {
    static constexpr int32_t kMaxVolume = 100;

    bool musicOn = true;
    int32_t musicVolume = kMaxVolume;  // percent
    bool effectsOn = true;
    int32_t effectsVolume = kMaxVolume;  // percent
    bool clearAllAsksGrownUp = false;
    bool quitAsksGrownUp = false;
    bool fullScreen = true;

    bool operator==(const GrownUpSettings&) const = default;

    // The settings as the file holds them.
    std::string Format() const;
    // The settings of a file's text; a text that is not such a file, or holds a line
    // the album does not know or a value out of range, answers nothing and says why
    // in `problem`.
    static std::optional<GrownUpSettings> Parse(std::string_view text, std::string& problem);

    // Sets the one setting `key` (as the file names it) from `value`; false for an
    // unknown key or a value out of range. The command line uses it too.
    bool Set(std::string_view key, std::string_view value);
};
