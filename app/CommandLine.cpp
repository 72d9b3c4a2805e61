#include "app/CommandLine.h"

#include <string_view>
#include <utility>

#include "io/AlbumName.h"

const char* const CommandLine::kUsage =
    "Usage: quillory3 [--album NAME] [SETTING VALUE]... [--window | --help | --version]\n"
    "A sticker album for young children, full screen.\n"
    "\n"
    "  --album NAME                        open the album called NAME, one for each child\n"
    "                                      (made the first time; letters, digits, spaces, - and "
    "_)\n"
    "  --music on|off                      play the music (on)\n"
    "  --music-volume 0-100                the music's volume (100)\n"
    "  --sound-effects on|off              play the sound effects (on)\n"
    "  --sound-effects-volume 0-100        the sound effects' volume (100)\n"
    "  --clear-all-asks-grown-up on|off    Clear All first asks for a grown-up (off)\n"
    "  --quit-asks-grown-up on|off         Quit first asks for a grown-up (off)\n"
    "  --full-screen on|off                fill the screen (on)\n"
    "  --window   the same as --full-screen off: a window that can be resized (F11: full screen)\n"
    "  --help     show this text and end\n"
    "  --version  show the version and end\n"
    "\n"
    "The settings count for this run only; the settings file\n"
    "(~/.config/quillory3/settings.conf) keeps the lasting ones.\n";

namespace {

CommandLine Only(CommandLine::Action action, std::string problem = {}) {
    CommandLine line;
    line.action = action;
    line.problem = std::move(problem);
    return line;
}

CommandLine Refused(std::string problem) {
    return Only(CommandLine::Action::Refuse, std::move(problem));
}

}  // namespace

CommandLine CommandLine::Parse(std::span<const char* const> arguments) {
    CommandLine line;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view option = arguments[i];
        if (option == "--help") return Only(Action::ShowHelp);
        if (option == "--version") return Only(Action::ShowVersion);
        if (option == "--window") {
            line.settings.emplace_back("full-screen", "off");
            continue;
        }
        const std::string_view key = option.starts_with("--") ? option.substr(2) : "";
        if (key != "album" && !GrownUpSettings::Knows(key))
            return Refused("unknown option '" + std::string(option) + "'");
        if (i + 1 == arguments.size()) return Refused(std::string(option) + " needs a value");
        const std::string_view value = arguments[++i];
        if (key == "album") {
            if (!AlbumName::IsValid(value)) {
                return Refused("'" + std::string(value) + "' cannot name an album: use " +
                               AlbumName::kRule);
            }
            line.album = value;
        } else if (GrownUpSettings settings; !settings.Set(key, value)) {
            return Refused("'" + std::string(value) + "' is not a value for " +
                           std::string(option) + " (on or off; a volume is 0 to 100)");
        } else {
            line.settings.emplace_back(key, value);
        }
    }
    return line;
}
