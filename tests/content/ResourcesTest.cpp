#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <regex>
#include <span>
#include <stdexcept>
#include <string>
#include <utility>

#include "platform/user/Resources.h"
#include "sound/WaveFormat.h"
#include "tests/content/PictureBytes.h"
#include "tests/support/Files.h"
#include "tests/support/TempDirectory.h"

namespace {

struct PictureSize {
    const char* name;
    int32_t width, height;
};

const PictureSize DIALOG_PICTURES[] = {
    {"AboutDialogBkg", 360, 360},     {"NewStkrDialogBkg", 360, 360},
    {"ClearAllDialogBkg", 360, 360},  {"EndingScrnDialogBkg", 1024, 768},
    {"GrownUpQuestionBkg", 360, 360}, {"GrownUpsPanelBkg", 640, 680},
    {"BookFullDialogBkg", 1024, 768}, {"YESButtonUp", 128, 50},
    {"YESButtonDown", 128, 50},       {"NOButtonUp", 128, 50},
    {"NOButtonDown", 128, 50},        {"OKButtonUp", 128, 50},
    {"OKButtonDown", 128, 50},        {"QuitButtonUp", 124, 52},
    {"QuitButtonDown", 124, 52},
};

std::string Cased(std::string text, int (*change)(int)) {
    for (char& c : text) c = static_cast<char>(change(static_cast<unsigned char>(c)));
    return text;
}

const Resource& Bitmap(const std::string& name) {
    const Resource* resource = Resources::Find(name, ResourceKind::Bitmap);
    if (resource == nullptr) throw std::runtime_error("missing bitmap " + name);
    return *resource;
}

}  // namespace

TEST(ResourcesTest, DialogPicturesAreFoundWhateverTheCaseAndHaveTheirSizesOthersNot) {
    for (const PictureSize& expected : DIALOG_PICTURES) {
        SCOPED_TRACE(expected.name);
        const Resource* resource = &Bitmap(expected.name);
        for (auto change : {::tolower, ::toupper})
            EXPECT_EQ(Resources::Find(Cased(expected.name, change), ResourceKind::Bitmap),
                      resource);
        ExpectPictureHeader(expected.name, resource->bytes);
        const PictureView picture{resource->bytes};
        EXPECT_EQ((std::pair{picture.Width(), picture.Height()}),
                  (std::pair{expected.width, expected.height}));
    }
    for (const char* unknown :
         {"NoSuchPicture", "", "AboutDialogBk", "AboutDialogBkgs", "PeelWAVE"})
        EXPECT_EQ(Resources::Find(unknown, ResourceKind::Bitmap), nullptr) << unknown;
    EXPECT_EQ(Resources::Find("AboutDialogBkg", ResourceKind::Wave), nullptr);
    EXPECT_EQ(Resources::Find(uint16_t{100}, ResourceKind::Bitmap), nullptr);
    EXPECT_EQ(Resources::Find(uint16_t{101}, ResourceKind::Icon), nullptr);
}

TEST(ResourcesTest, IconHundredIsFoundByNumberAndTheArrowCursorPointsWithItsHotSpot) {
    const Resource* icon = Resources::Find(uint16_t{100}, ResourceKind::Icon);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(Resources::Find("#100", ResourceKind::Icon), icon);
    const PictureView picture{icon->bytes};
    ExpectPictureHeader("icon 100", icon->bytes);
    EXPECT_GE(picture.Width(), 32);
    EXPECT_EQ(picture.Pixel(0, picture.Height() - 1), MAGENTA);
    EXPECT_NE(picture.Pixel(picture.Width() / 2, picture.Height() / 2), MAGENTA);

    const Resource* cursor = Resources::Find("arrowcursor", ResourceKind::Cursor);
    ASSERT_NE(cursor, nullptr);
    EXPECT_EQ(Resources::Find("ArrowCursor", ResourceKind::Cursor), cursor);
    const PictureView arrow{cursor->bytes};
    ExpectPictureHeader("arrow cursor", cursor->bytes);
    EXPECT_GE(std::min(arrow.Width(), arrow.Height()), 40);

    // The tip is drawn, and nothing of the arrow lies above or left of it: the hot
    // spot is where the arrow points.
    EXPECT_NE(arrow.Pixel(cursor->hotSpotX, cursor->hotSpotY), MAGENTA);
    for (int32_t y = 0; y < arrow.Height(); ++y) {
        for (int32_t x = 0; x < arrow.Width(); ++x)
            EXPECT_TRUE(arrow.Pixel(x, y) == MAGENTA ||
                        (x >= cursor->hotSpotX - 2 && y >= cursor->hotSpotY - 2))
                << "drawn at " << x << "," << y;
    }
    EXPECT_EQ(arrow.Pixel(arrow.Width() - 1, 0), MAGENTA);
}

// A button is a rectangle laid over its dialog's picture; its corners must show what
// the dialog shows there, or each button would sit in a visible box. Its pressed face
// must differ from its released one.
TEST(ResourcesTest, ButtonCornersBlendIntoTheirDialogsAndPressedFacesDiffer) {
    const struct {
        const char* dialog;
        const char* button;
        int32_t x, y;
    } placements[] = {
        {"ClearAllDialogBkg", "YES", 38, 288},     {"ClearAllDialogBkg", "NO", 196, 288},
        {"AboutDialogBkg", "OK", 114, 296},        {"NewStkrDialogBkg", "OK", 114, 296},
        {"EndingScrnDialogBkg", "Quit", 450, 696}, {"GrownUpQuestionBkg", "Answer", 28, 230},
        {"GrownUpsPanelBkg", "PanelRow", 24, 84},  {"GrownUpsPanelBkg", "OK", 256, 606},
    };
    for (const auto& placement : placements) {
        const PictureView dialog{Bitmap(placement.dialog).bytes};
        const std::string up = std::string(placement.button) + "ButtonUp";
        const std::string down = std::string(placement.button) + "ButtonDown";
        EXPECT_FALSE(std::ranges::equal(Bitmap(up).bytes, Bitmap(down).bytes))
            << placement.button << ": pressed must look different from released";
        for (const std::string& name : {up, down}) {
            SCOPED_TRACE(name + " on " + placement.dialog);
            const PictureView button{Bitmap(name).bytes};
            const int32_t right = button.Width() - 1, bottom = button.Height() - 1;
            for (const auto& [x, y] : {std::pair{0, 0}, std::pair{right, 0}, std::pair{0, bottom},
                                       std::pair{right, bottom}}) {
                EXPECT_EQ(button.Pixel(x, y), dialog.Pixel(placement.x + x, placement.y + y));
            }
        }
    }
}

// The stick rings on long enough to be heard over the music; the celebrations end
// within two seconds.
TEST(ResourcesTest, EveryEffectIsAudibleMonoPcmAt22050HertzWithoutAClick) {
    const std::pair<const char*, double> effects[] = {
        {"ClearWAVE", 0.42}, {"PeelWAVE", 0.13},  {"StickWAVE", 0.2},  {"SelectWAVE", 0.04},
        {"BoopWAVE", 0.24},  {"JingleWAVE", 1.2}, {"FanfareWAVE", 1.9}};
    for (const auto& [name, seconds] : effects) {
        SCOPED_TRACE(name);
        const Resource* sound = Resources::Find(name, ResourceKind::Wave);
        ASSERT_NE(sound, nullptr);
        const std::optional<WaveHeader> header = WaveHeader::Parse(sound->bytes);
        ASSERT_TRUE(header.has_value()) << "a RIFF WAVE of PCM whose chunk sizes fit its bytes";
        EXPECT_EQ(header->channels, 1u);
        EXPECT_EQ(header->sampleRate, 22050u);
        EXPECT_EQ(header->bitsPerSample, 8u);
        EXPECT_EQ(sound->bytes.size() % 2, 0u) << "RIFF chunks have an even size";
        EXPECT_NEAR(header->dataSize / 22050.0, seconds, seconds * 0.05);
        // Eight-bit samples rest at 128: a sound that starts or ends away from it clicks,
        // and one that never leaves it is silent.
        const std::span<const uint8_t> wave =
            sound->bytes.subspan(WaveHeader::kSize, header->dataSize);
        ASSERT_FALSE(wave.empty());
        EXPECT_NEAR(wave.front(), 128, 3);
        EXPECT_NEAR(wave.back(), 128, 3);
        int32_t loudest = 0;
        for (uint8_t sample : wave) loudest = std::max(loudest, std::abs(sample - 128));
        EXPECT_GE(loudest, 60);
        EXPECT_LT(loudest, 128) << "clipped";
        double power = 0;
        for (uint8_t sample : wave) power += (sample - 128.0) * (sample - 128.0);
        EXPECT_LT(std::sqrt(power / static_cast<double>(wave.size())), 0.3 * 128)
            << "soft, not loud, on average";
    }
}

// A picture the program does not build in (the browser's) is read from its file in the
// "resources" folder the first time it is asked for, and kept; a file that cannot be
// read whole gives no resource. A built-in resource is itself.
TEST(ResourcesTest, APictureKeptInAFileIsReadOnceFromTheResourcesFolder) {
    TempDirectory folder;
    std::filesystem::create_directory(folder / "resources");
    WriteBytes(folder / "resources/kept.q3", {1, 2, 3});
    WriteBytes(folder / "resources/empty.q3", {});
    const struct {
        const char* file;
        bool found;
    } rows[] = {{"kept.q3", true}, {"empty.q3", false}, {"absent.q3", false}};
    for (const auto& row : rows) {
        const Resource resource{"Picture", ResourceKind::Bitmap, {}, 0, 0, row.file};
        EXPECT_EQ(Resources::WithBytes(resource) != nullptr, row.found) << row.file;
    }
    const std::string name = "kept.q3";
    const Resource kept{"Kept", ResourceKind::Bitmap, {}, 0, 0, name.c_str()};
    const Resource* first = Resources::WithBytes(kept);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(Bytes(first->bytes.begin(), first->bytes.end()), (Bytes{1, 2, 3}));
    std::filesystem::remove(folder / "resources/kept.q3");
    EXPECT_EQ(Resources::WithBytes(kept), first);
    const Resource& builtIn = Resources::All()[0];
    EXPECT_EQ(Resources::WithBytes(builtIn), &builtIn);
}

// The browser's program builds no picture in: its table names, for each picture
// resource, a file the build wrote beside the others (the site serves that folder).
TEST(ResourcesTest, TheBrowsersTableNamesAWrittenFileForEveryPicture) {
    const Bytes source = ReadBytes(std::string(QUILLORY_RESOURCE_DIR) + "/EmbeddedResources.cpp");
    const std::string text(source.begin(), source.end());
    const size_t from = text.find("#if defined(__wasm__)\n    {");
    ASSERT_NE(from, std::string::npos);
    const std::string browserTable = text.substr(from, text.find("#else", from) - from);
    const std::regex named("\"([a-z0-9]+\\.q3)\"\\}");
    size_t files = 0;
    for (auto match = std::sregex_iterator(browserTable.begin(), browserTable.end(), named);
         match != std::sregex_iterator(); ++match, ++files) {
        EXPECT_TRUE(std::filesystem::is_regular_file(std::string(QUILLORY_RESOURCE_DIR) + "/" +
                                                     (*match)[1].str()))
            << (*match)[1];
    }
    const auto pictures = std::count_if(
        Resources::All().begin(), Resources::All().end(),
        [](const Resource& resource) { return resource.kind == ResourceKind::Bitmap; });
    EXPECT_EQ(files, static_cast<size_t>(pictures));
}
