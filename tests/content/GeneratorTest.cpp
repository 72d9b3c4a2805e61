#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "tests/content/RunGenerator.h"
#include "tests/support/Files.h"
#include "tests/support/TempDirectory.h"

namespace {

namespace fs = std::filesystem;

std::map<std::string, Bytes> FilesUnder(const fs::path& folder) {
    std::map<std::string, Bytes> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file())
            files[fs::relative(entry.path(), folder).string()] = ReadBytes(entry.path().string());
    return files;
}

}  // namespace

TEST(GeneratorTest, TwoRunsWriteIdenticalBytesAndIncompleteCommandLinesAreRefused) {
    TempDirectory directory;
    for (const char* run : {"first", "second"}) {
        const std::string arguments = std::string("--album '") + directory / run + "/album' " +
                                      "--resources '" + directory / run + "/resources'";
        ASSERT_EQ(RunGenerator(arguments), 0);
    }
    const std::map<std::string, Bytes> first = FilesUnder(directory / "first");
    const std::map<std::string, Bytes> second = FilesUnder(directory / "second");
    EXPECT_TRUE(first.contains("album/QLY03.mid"));
    EXPECT_TRUE(first.contains("resources/EmbeddedResources.cpp"));
    EXPECT_EQ(first.size(), second.size());
    for (const auto& [name, bytes] : first)
        EXPECT_TRUE(second.contains(name) && bytes == second.at(name)) << name << " differs";
    for (const char* incomplete :
         {"", "--album only-this", "--album a --resources", "--album a --resources b --colour red",
          "--album a --resources b --preview c", "--scenes a --preview b"})
        EXPECT_NE(RunGenerator(incomplete), 0) << incomplete;
}
