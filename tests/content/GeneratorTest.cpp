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
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file()) {
            files[fs::relative(entry.path(), folder).string()] = ReadBytes(entry.path().string());
        }
    }
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
    ASSERT_EQ(first.size(), second.size());
    for (const auto& [name, bytes] : first) {
        ASSERT_TRUE(second.contains(name)) << name;
        EXPECT_TRUE(bytes == second.at(name)) << name << " differs between runs";
    }
    // Incomplete command lines are refused.
    EXPECT_NE(RunGenerator(""), 0);
    EXPECT_NE(RunGenerator("--album only-this"), 0);
    EXPECT_NE(RunGenerator("--album a --resources"), 0);
    EXPECT_NE(RunGenerator("--album a --resources b --colour red"), 0);
    EXPECT_NE(RunGenerator("--album a --resources b --preview c"), 0);
    EXPECT_NE(RunGenerator("--scenes a --preview b"), 0);
}
