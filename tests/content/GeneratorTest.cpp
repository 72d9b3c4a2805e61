#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
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

// The bytes of standard base64 text (RFC 4648, padded); nothing for a wrong character.
Bytes FromBase64(const std::string& text) {
    static const std::string kDigits =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    Bytes bytes;
    uint32_t bits = 0;
    int32_t count = 0;
    for (const char c : text) {
        if (c == '=') break;
        const size_t digit = kDigits.find(c);
        if (digit == std::string::npos) return {};
        bits = (bits << 6) | static_cast<uint32_t>(digit);
        count += 6;
        if (count >= 8) {
            count -= 8;
            bytes.push_back(static_cast<uint8_t>(bits >> count));
        }
    }
    return bytes;
}

uint32_t BigEndianAt(const Bytes& bytes, size_t at) {
    return (uint32_t{bytes[at]} << 24) | (uint32_t{bytes[at + 1]} << 16) |
           (uint32_t{bytes[at + 2]} << 8) | uint32_t{bytes[at + 3]};
}

}  // namespace

// The web page's loading picture, as the build wrote it: a data: address of a whole PNG
// of a quarter of the screen's size, its padding in place (a PNG ends with IEND).
TEST(GeneratorTest, TheLoadingPictureIsAWholeSmallPngAsADataAddress) {
    const Bytes written = ReadBytes(QUILLORY_LOADING_PICTURE);
    std::string text(written.begin(), written.end());
    const std::string prefix = "data:image/png;base64,";
    ASSERT_TRUE(text.starts_with(prefix));
    text = text.substr(prefix.size());
    while (!text.empty() && text.back() == '\n') text.pop_back();
    EXPECT_EQ(text.size() % 4, 0u);
    const Bytes png = FromBase64(text);
    ASSERT_GT(png.size(), 64u);
    const Bytes signature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    EXPECT_TRUE(std::equal(signature.begin(), signature.end(), png.begin()));
    EXPECT_EQ(BigEndianAt(png, 16), 1024u / 4);
    EXPECT_EQ(BigEndianAt(png, 20), 768u / 4);
    const Bytes end = {0, 0, 0, 0, 'I', 'E', 'N', 'D', 0xAE, 0x42, 0x60, 0x82};
    EXPECT_TRUE(std::equal(end.begin(), end.end(), png.end() - 12));
}

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
          "--album a --resources b --preview c", "--scenes a --preview b", "--loading-picture a",
          "--preview a --loading-picture b"})
        EXPECT_NE(RunGenerator(incomplete), 0) << incomplete;
}
