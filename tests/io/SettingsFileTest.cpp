#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>

#include "io/SettingsFile.h"
#include "tests/support/Files.h"
#include "tests/support/LogCapture.h"
#include "tests/support/TempDirectory.h"

namespace {

GrownUpSettings Changed(void (*change)(GrownUpSettings&)) {
    GrownUpSettings settings;
    change(settings);
    return settings;
}

size_t LinesNaming(const LogCapture& log, const std::string& file) {
    const auto messages = log.Messages();
    return static_cast<size_t>(std::count_if(messages.begin(), messages.end(), [&](const auto& m) {
        return m.find("Settings file " + file) != std::string::npos;
    }));
}

}  // namespace

// Whatever a grown-up sets is read back as it was written, every setting on its own.
TEST(SettingsFileTest, EverySettingIsReadBackAsWritten) {
    TempDirectory folder;
    const SettingsFile file((folder.Path() / "settings.conf").string());
    for (const GrownUpSettings& settings :
         {GrownUpSettings{}, Changed([](auto& s) { s.musicOn = false; }),
          Changed([](auto& s) { s.musicVolume = 0; }),
          Changed([](auto& s) { s.effectsOn = false; }),
          Changed([](auto& s) { s.effectsVolume = 37; }),
          Changed([](auto& s) { s.clearAllAsksGrownUp = true; }),
          Changed([](auto& s) { s.quitAsksGrownUp = true; }),
          Changed([](auto& s) { s.fullScreen = false; })}) {
        file.Write(settings);
        EXPECT_EQ(file.Read(), settings) << settings.Format();
    }
}

// A missing file is the first run: the usual settings, nothing said. A damaged or foreign
// file gives the usual settings and exactly one log line naming the file and why; a
// file a grown-up wrote by hand, with comments, spaces and yes/no, is read as meant.
TEST(SettingsFileTest, DamagedOrForeignFilesGiveTheDefaultsAndOneLogLine) {
    TempDirectory folder;
    const std::string path = (folder.Path() / "settings.conf").string();
    const SettingsFile file(path);
    const std::string heading = "# Quillory 3 settings 1\n";
    const GrownUpSettings quiet = Changed([](auto& s) {
        s.musicOn = false;
        s.effectsVolume = 5;
    });
    for (const auto& [text, expected, why] : {
             std::tuple{heading + "\n# for the twins\n  music =  no \r\nsound-effects-volume=5",
                        quiet, std::string()},
             {heading, GrownUpSettings{}, ""},
             {"QLYGOPTN", GrownUpSettings{}, "not a Quillory 3 settings file"},
             {"", GrownUpSettings{}, "not a Quillory 3 settings file"},
             {"# Quillory 3 settings 2\nmusic = off\n", GrownUpSettings{}, "not a Quillory 3"},
             {heading + "music = off\nmusic-volume = 101\n", GrownUpSettings{}, "line 3"},
             {heading + "music-volume = -1\n", GrownUpSettings{}, "line 2"},
             {heading + "music-volume = 5x\n", GrownUpSettings{}, "line 2"},
             {heading + "music = maybe\n", GrownUpSettings{}, "line 2"},
             {heading + "colour = blue\n", GrownUpSettings{}, "line 2"},
             {heading + "music off\n", GrownUpSettings{}, "line 2"},
             {heading + std::string("mu\0ic = \xff", 9) + "\n", GrownUpSettings{}, "mu?ic = ?"},
             {heading + std::string(70000, '#'), GrownUpSettings{}, "too long"},
         }) {
        LogCapture log;
        WriteBytes(path, Bytes(text.begin(), text.end()));
        EXPECT_EQ(file.Read(), expected) << text;
        EXPECT_EQ(LinesNaming(log, path), why.empty() ? 0u : 1u) << text;
        EXPECT_TRUE(why.empty() || log.Messages().back().find(why) != std::string::npos)
            << log.Messages().back();
    }
    LogCapture log;
    EXPECT_EQ(SettingsFile((folder.Path() / "none.conf").string()).Read(), GrownUpSettings{});
    EXPECT_TRUE(log.Messages().empty());
}

// A save that cannot be made keeps the file that was there.
TEST(SettingsFileTest, AFailedSaveKeepsTheOldFile) {
    TempDirectory folder;
    const SettingsFile file((folder.Path() / "settings.conf").string());
    file.Write(Changed([](auto& s) { s.quitAsksGrownUp = true; }));
    const SettingsFile unreachable((folder.Path() / "missing-folder" / "settings.conf").string());
    unreachable.Write(GrownUpSettings{});
    EXPECT_EQ(unreachable.Read(), GrownUpSettings{});
    EXPECT_TRUE(file.Read().quitAsksGrownUp);
}
