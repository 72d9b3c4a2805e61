#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/CommandLine.h"

using Action = CommandLine::Action;
using Arguments = std::vector<const char*>;

// Each setting is an option taking the value the settings file takes, kept for this run
// in the order given; --window is --full-screen off; --album names the album.
TEST(CommandLineTest, GoodOptionsGiveTheirSettingsAndTheAlbum) {
    const struct {
        Arguments arguments;
        GrownUpSettings::Changes settings;
        std::string album;
    } cases[] = {
        {{}, {}, ""},
        {{"--window"}, {{"full-screen", "off"}}, ""},
        {{"--music", "off", "--music-volume", "0"}, {{"music", "off"}, {"music-volume", "0"}}, ""},
        {{"--sound-effects", "on", "--sound-effects-volume", "100"},
         {{"sound-effects", "on"}, {"sound-effects-volume", "100"}},
         ""},
        {{"--clear-all-asks-grown-up", "on", "--quit-asks-grown-up", "yes", "--full-screen", "no"},
         {{"clear-all-asks-grown-up", "on"}, {"quit-asks-grown-up", "yes"}, {"full-screen", "no"}},
         ""},
        {{"--album", "Ann", "--music", "off"}, {{"music", "off"}}, "Ann"},
        {{"--album", "Class 2-B_3"}, {}, "Class 2-B_3"},
        {{"--album", "abcdefghijklmnopqrstuvwxyz1234"}, {}, "abcdefghijklmnopqrstuvwxyz1234"},
    };
    for (const auto& c : cases) {
        const CommandLine line = CommandLine::Parse(c.arguments);
        EXPECT_EQ(line.action, Action::Run) << line.problem;
        EXPECT_EQ(line.settings, c.settings);
        EXPECT_EQ(line.album, c.album);
    }
    EXPECT_EQ(CommandLine::Parse(Arguments{"--music", "off", "--help"}).action, Action::ShowHelp);
    EXPECT_EQ(CommandLine::Parse(Arguments{"--version", "--bogus"}).action, Action::ShowVersion);
}

// A value out of range, an option without its value, an unknown option and a name that is
// no album's are refused, saying what was wrong.
TEST(CommandLineTest, BadOptionsAreRefusedSayingWhy) {
    const struct {
        Arguments arguments;
        std::string problem;
    } cases[] = {
        {{"--music", "loud"}, "'loud' is not a value for --music"},
        {{"--music-volume", "101"}, "'101' is not a value for --music-volume"},
        {{"--sound-effects-volume", "-1"}, "'-1' is not a value for --sound-effects-volume"},
        {{"--full-screen", "1"}, "'1' is not a value for --full-screen"},
        {{"--quit-asks-grown-up"}, "--quit-asks-grown-up needs a value"},
        {{"--album"}, "--album needs a value"},
        {{"--fullscreen", "on"}, "unknown option '--fullscreen'"},
        {{"music", "on"}, "unknown option 'music'"},
        {{"--"}, "unknown option '--'"},
        {{"--album", "Ann "}, "'Ann ' cannot name an album"},
        {{"--album", "Ann/Ben"}, "'Ann/Ben' cannot name an album"},
        {{"--album", "."}, "'.' cannot name an album"},
        {{"--album", ""}, "'' cannot name an album"},
        {{"--album", " Ann"}, "' Ann' cannot name an album"},
        {{"--album", "abcdefghijklmnopqrstuvwxyz12345"}, "cannot name an album"},
        {{"--album", "Zo\xc3\xab"}, "cannot name an album"},
    };
    for (const auto& c : cases) {
        const CommandLine line = CommandLine::Parse(c.arguments);
        EXPECT_EQ(line.action, Action::Refuse) << c.problem;
        EXPECT_NE(line.problem.find(c.problem), std::string::npos) << line.problem;
    }
}
