#include <algorithm>
#include <filesystem>
#include <string>

#include "io/SettingsFile.h"
#include "tests/scenarios/AlbumScenario.h"

namespace fs = std::filesystem;

namespace {

using Action = HeadlessMultimedia::MidiAction;

size_t CountOf(const HeadlessMultimedia& multimedia, Action action) {
    const auto records = multimedia.MidiRecords();
    return static_cast<size_t>(std::ranges::count_if(
        records, [action](const auto& record) { return record.action == action; }));
}

}  // namespace

using Settings = AlbumScenario;

// A settings file that is no settings file: the album starts as usual, with the usual
// settings (the music plays), says so in one log line, and leaves the file alone.
TEST_F(Settings, ADamagedFileStartsTheAlbumWithTheUsualSettingsAndOneLogLine) {
    fs::create_directory(folder.Path() / "config");
    WriteBytes(SettingsPath(), {'m', 'u', 's', 'i', 'c', 0, 0xFF});
    machine.Activate(true);
    Then([this] { EXPECT_EQ(multimedia.RunningTimers(), 1u) << "the song plays"; });
    EXPECT_EQ(RunAndCloseAlbum(), 0);
    EXPECT_EQ(album->Settings().Current(), GrownUpSettings{});
    const auto messages = log.Messages();
    EXPECT_EQ(std::ranges::count_if(messages,
                                    [](const auto& m) { return m.starts_with("Settings file "); }),
              1);
    EXPECT_EQ(ReadBytes(SettingsPath()).size(), 7u);
}

// Music off in the file: no music output opens, active or not. The holder's change turns
// it on at once (and saves it), and off again closes the output.
TEST_F(Settings, MusicOffOpensNoOutputAndAChangeWhileRunningAppliesAtOnce) {
    GrownUpSettings quiet;
    quiet.musicOn = false;
    WriteSettings(quiet);
    machine.Activate(true);
    StartBook();
    Then([this] {
        EXPECT_EQ(CountOf(multimedia, Action::Open), 0u);
        EXPECT_EQ(multimedia.RunningTimers(), 0u);
        album->Settings().Change(GrownUpSettings{});
        EXPECT_EQ(multimedia.RunningTimers(), 1u) << "turned on, the song plays";
    });
    Then([this, quiet] {
        album->Settings().Change(quiet);
        EXPECT_EQ(CountOf(multimedia, Action::Close), 1u);
        EXPECT_EQ(multimedia.RunningTimers(), 0u);
    });
    machine.Activate(false);
    machine.Activate(true);
    Then([this] { EXPECT_EQ(CountOf(multimedia, Action::Open), 1u); });
    EXPECT_EQ(RunAndCloseAlbum(), 0);
    EXPECT_EQ(SettingsFile(SettingsPath()).Read(), quiet);
}

// Settings given for this run only: effects off play no effect while the stickers still
// stick, and the settings file is not made for them. A change while running (the panel's)
// saves what it changes, and nothing of this run's settings.
TEST_F(Settings, SettingsForThisRunApplyWithoutReachingTheFile) {
    const int32_t sticker = StickersOf(0).front();
    machine.Activate(true);
    StartBook();
    Stick(sticker, true);
    Then([this] {
        EXPECT_FALSE(fs::exists(SettingsPath()));
        GrownUpSettings quieter = album->Settings().Current();
        quieter.musicOn = false;
        album->Settings().Change(quieter);
    });
    EXPECT_EQ(RunAndCloseAlbum({{"sound-effects", "off"}, {"music-volume", "30"}}), 0);
    EXPECT_EQ(StickersInRecord(), std::vector<int32_t>{sticker});
    EXPECT_TRUE(multimedia.SoundsPlayed().empty());
    EXPECT_EQ(album->Settings().Current().musicVolume, 30);
    GrownUpSettings saved;
    saved.musicOn = false;
    EXPECT_EQ(SettingsFile(SettingsPath()).Read(), saved);
}
