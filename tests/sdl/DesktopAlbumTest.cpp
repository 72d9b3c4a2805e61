// The album program itself in a real X server, driven with real input events as a
// child would: the title, the book, a sticker stuck onto its home, the files it
// leaves, a second copy, and the sound it renders through SDL's disk audio driver.

#include <gtest/gtest.h>

#include <signal.h>

#include <chrono>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <thread>
#include <vector>

#include "album/ButtonLayout.h"
#include "album/DataFiles.h"
#include "album/PageTable.h"
#include "album/StickerHomePositions.h"
#include "album/TileTables.h"
#include "gfx/DIB.h"
#include "io/FileManager.h"
#include "platform/sdl/AudioMixer.h"
#include "tests/sdl/AlbumProcess.h"
#include "tests/sdl/HostCommand.h"
#include "tests/sdl/XvfbServer.h"
#include "tests/support/Files.h"
#include "tests/support/TempDirectory.h"

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

constexpr LONG kPageLeft = 90;
constexpr LONG kPageTop = 90;
constexpr COLORREF kMagenta = 0xFF00FF;
constexpr int kChannelTolerance = 8;
constexpr auto kScreenPollPause = 100ms;
constexpr size_t kStickerEntryBytes = 4;
constexpr int32_t kTitleHeadingHeight = 180;
constexpr size_t kFrameRate = AudioMixer::kSampleRate;
// SDL's disk driver writes the stream as it plays: 32-bit float stereo.
constexpr size_t kFrameBytes = 2 * sizeof(float);
// Quieter than any note of the song at the level it plays at.
constexpr double kSilenceLevel = 0.002;

// The surface's 0x00RRGGBB of a picture colour (red in the low byte).
uint32_t ScreenColour(COLORREF colour) {
    return ((colour & 0xFF) << 16) | (colour & 0xFF00) | ((colour >> 16) & 0xFF);
}

bool Near(uint32_t seen, uint32_t wanted) {
    for (const int shift : {0, 8, 16}) {
        const int difference = static_cast<int>((seen >> shift) & 0xFF) - static_cast<int>((wanted >> shift) & 0xFF);
        if (std::abs(difference) > kChannelTolerance) return false;
    }
    return true;
}

// The opaque pixels of one tile of a picture file, to look for on the screen.
class TilePicture {
public:
    TilePicture(const char* file, const TileRect& tile) {
        CDIB picture(1, 1);
        EXPECT_TRUE(picture.Load(file)) << file;
        for (LONG y = 0; y < tile.height; ++y) {
            for (LONG x = 0; x < tile.width; ++x) {
                COLORREF pixel = 0;
                if (picture.GetPixel(tile.x + x, tile.y + y, pixel) && pixel != kMagenta) {
                    m_pixels.push_back({POINT{x, y}, ScreenColour(pixel)});
                }
            }
        }
        m_size = SIZE{tile.width, tile.height};
    }

    // Where on `screen` the tile shows, pixel for pixel.
    std::optional<POINT> FindOn(const Surface& screen) const {
        if (m_pixels.empty()) return std::nullopt;
        for (LONG top = 0; top + m_size.cy <= screen.Height(); ++top) {
            for (LONG left = 0; left + m_size.cx <= screen.Width(); ++left) {
                if (ShowsAt(screen, POINT{left, top})) return POINT{left, top};
            }
        }
        return std::nullopt;
    }

    bool ShowsAt(const Surface& screen, POINT place) const {
        for (const auto& [point, colour] : m_pixels) {
            if (!Near(screen.Pixel(place.x + point.x, place.y + point.y), colour)) return false;
        }
        return !m_pixels.empty();
    }

private:
    std::vector<std::pair<POINT, uint32_t>> m_pixels;
    SIZE m_size{};
};

// The left channel of the rendered stream.
std::vector<float> ReadStream(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::vector<float> samples(fs::file_size(path) / sizeof(float));
    file.read(reinterpret_cast<char*>(samples.data()), static_cast<std::streamsize>(samples.size() * sizeof(float)));
    std::vector<float> left;
    for (size_t i = 0; i + 1 < samples.size(); i += 2) left.push_back(samples[i]);
    return left;
}

double RootMeanSquare(const std::vector<float>& samples, size_t from, size_t to) {
    to = std::min(to, samples.size());
    if (from >= to) return 0;
    double sum = 0;
    for (size_t i = from; i < to; ++i) sum += static_cast<double>(samples[i]) * samples[i];
    return std::sqrt(sum / static_cast<double>(to - from));
}

float Peak(const std::vector<float>& samples, size_t from, size_t to) {
    float peak = 0;
    for (size_t i = from; i < std::min(to, samples.size()); ++i) peak = std::max(peak, std::fabs(samples[i]));
    return peak;
}

POINT Centre(const ButtonRow& row) { return POINT{row.x + row.width / 2, row.y + row.height / 2}; }

// The first sticker whose home is on the page with index `pageIndex`.
int32_t StickerOnPage(int32_t pageIndex) {
    for (int32_t sticker = 0; sticker < NUMBEROFSTICKERGRAPHICS; ++sticker) {
        const int32_t home = StickerHomePositions[static_cast<size_t>(sticker)].pageNumber;
        if (home == AlbumPages[static_cast<size_t>(pageIndex)].pageNumber) return sticker;
    }
    return -1;
}

class DesktopAlbumTest : public testing::Test {
protected:
    void SetUp() override {
        const std::string missing = MissingTool({"Xvfb", "xwd", "convert", "xdotool", "xwininfo"});
        if (!missing.empty()) GTEST_SKIP() << missing << " is not installed";
        // Below this size SDL's full screen misplaces the window when no window manager runs.
        server = std::make_unique<XvfbServer>(1024, 768);
        ASSERT_TRUE(server->Running());
        // The test reads the album's pictures from the folder the album runs in.
        AlbumProcess::LinkContent(folder.Path());
        fs::current_path(folder.Path());
        CFileManager::SetBaseDirectoryFromCurrent();
        // The heading of the title picture: the start button covers part of the rest.
        TileRect heading = TitlePictureTiles[0];
        heading.height = kTitleHeadingHeight;
        title.emplace(TitlePictureFile, heading);
    }

    bool TitleShows(std::chrono::seconds limit = 30s) {
        return WaitForScreen([this](const Surface& shot) { return title->FindOn(shot).has_value(); }, limit);
    }

    void StartAlbum(const std::vector<std::string>& environment = {}) {
        ASSERT_TRUE(album.Start(environment));
        ASSERT_TRUE(TitleShows())
            << "no title screen; the album said: " << album.ErrorOutput();
    }

    // Takes screenshots until `shows` holds for one, for up to `limit`.
    bool WaitForScreen(const std::function<bool(const Surface&)>& shows, std::chrono::seconds limit = 30s) {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        while (std::chrono::steady_clock::now() < deadline && album.Running()) {
            if (std::optional<Surface> shot = server->Screenshot(); shot && shows(*shot)) return true;
            std::this_thread::sleep_for(kScreenPollPause);
        }
        return false;
    }

    // A full book's count is part of the counter's caption; a smaller count has a
    // number picture of its own over the caption.
    bool CounterShows(int32_t stickersLeft) {
        const TilePicture count = stickersLeft == NUMBEROFSTICKERGRAPHICS
                                      ? TilePicture(StickersLeftCaptionFile, StickersLeftCaptionTiles[0])
                                      : TilePicture(StickersLeftNumberFile,
                                                    StickersLeftNumberTiles[static_cast<size_t>(stickersLeft)]);
        return WaitForScreen([&count](const Surface& shot) { return count.FindOn(shot).has_value(); });
    }

    void Key(const std::string& name) const { EXPECT_TRUE(server->Xdotool("key " + name)); }
    void Click(POINT point) const {
        EXPECT_TRUE(server->Xdotool("mousemove " + std::to_string(point.x) + " " + std::to_string(point.y)));
        std::this_thread::sleep_for(200ms);
        EXPECT_TRUE(server->Xdotool("click 1"));
    }

    void StartBookOnTheStickersSheet() {
        Key("Return");
        ASSERT_TRUE(CounterShows(NUMBEROFSTICKERGRAPHICS)) << "no playing screen with every sticker left";
        ChooseSheetOf(sticker);
    }

    void ChooseSheetOf(int32_t stickerIndex) const {
        Click(Centre(SheetButtonRows[static_cast<size_t>(stickerIndex / STICKERSPERSHEET)]));
    }

    // Picks the sticker from its button and answers the first pick's hint.
    void PickTheSticker(int32_t stickerIndex, bool hint = true) const {
        Click(Centre(StickerButtonRows[static_cast<size_t>(stickerIndex % STICKERSPERSHEET)]));
        std::this_thread::sleep_for(500ms);
        if (hint) Key("Return");
    }
    void PickTheSticker() const { PickTheSticker(sticker); }

    // Carries the sticker, which hangs centred under the pointer, onto its home and drops it.
    void DropTheStickerOnItsHome(int32_t stickerIndex) const {
        CDIB picture(1, 1);
        ASSERT_TRUE(picture.Load(StickerPictureFiles[static_cast<size_t>(stickerIndex)]));
        const StickerHome& home = StickerHomePositions[static_cast<size_t>(stickerIndex)];
        const POINT centre{kPageLeft + home.x + picture.GetWidth() / 2, kPageTop + home.y + picture.GetHeight() / 2};
        // The pointer travels there in steps, as a hand would move it.
        EXPECT_TRUE(server->Xdotool("mousemove " + std::to_string(centre.x - 40) + " " + std::to_string(centre.y - 40)));
        std::this_thread::sleep_for(200ms);
        Click(centre);
    }
    void DropTheStickerOnItsHome() const { DropTheStickerOnItsHome(sticker); }

    // The page file holds the one sticker, at its home.
    void ExpectPageHoldsOnly(int32_t pageIndex, int32_t stickerIndex) const {
        const std::string name = std::string(PageSaveFiles[static_cast<size_t>(pageIndex)]).substr(9);
        const Bytes page = ReadBytes((folder.Path() / "save003" / name).string());
        const StickerHome& home = StickerHomePositions[static_cast<size_t>(stickerIndex)];
        ASSERT_EQ(page.size(), 16u + 20u) << name << " holds one sticker";
        EXPECT_EQ(Bytes(page.begin() + 16, page.begin() + 28),
                  Concat({LongBytes(stickerIndex), LongBytes(home.x), LongBytes(home.y)}))
            << name;
    }

    // Q, then Enter on the ending screen; the album ends by itself.
    void Quit() {
        Key("q");
        std::this_thread::sleep_for(1s);
        Key("Return");
        const std::optional<int> exitCode = album.WaitForExit(30s);
        ASSERT_TRUE(exitCode) << "the album did not end";
        EXPECT_EQ(*exitCode, 0) << album.ErrorOutput();
    }

    bool RecordMarksTheStickerUsed() const {
        const Bytes record = ReadBytes((folder.Path() / "save003" / "page00.sav").string());
        const size_t entries = static_cast<size_t>(NUMBEROFSTICKERGRAPHICS) * kStickerEntryBytes;
        if (record.size() < entries) return false;
        const size_t at = record.size() - entries + static_cast<size_t>(sticker) * kStickerEntryBytes;
        return Bytes(record.begin() + static_cast<long>(at), record.begin() + static_cast<long>(at + 4)) ==
               LongBytes(1);
    }

    TempDirectory folder;
    std::unique_ptr<XvfbServer> server;
    AlbumProcess album{folder.Path()};
    std::optional<TilePicture> title;
    const int32_t sticker = StickerOnPage(0);
};

}  // namespace

TEST_F(DesktopAlbumTest, StickersStuckWithRealInputOnTheFirstAndLastPageAreRecordedCountedAndKept) {
    StartAlbum();
    const std::optional<RECT> place = server->WindowPlace("Quillory 3");
    ASSERT_TRUE(place);
    EXPECT_EQ(place->left, 0);
    EXPECT_EQ(place->top, 0);
    EXPECT_EQ(place->right, 1024) << "full screen";
    EXPECT_EQ(place->bottom, 768);

    StartBookOnTheStickersSheet();
    PickTheSticker();
    DropTheStickerOnItsHome();
    EXPECT_TRUE(CounterShows(NUMBEROFSTICKERGRAPHICS - 1)) << "one sticker fewer left";
    EXPECT_TRUE(RecordMarksTheStickerUsed());

    // Page Up on the first page shows the last, and a sticker of that page sticks there.
    const int32_t lastPage = NUMBEROFPAGES - 1;
    const int32_t onLastPage = StickerOnPage(lastPage);
    Key("Prior");
    ChooseSheetOf(onLastPage);
    PickTheSticker(onLastPage, false);
    DropTheStickerOnItsHome(onLastPage);
    EXPECT_TRUE(CounterShows(NUMBEROFSTICKERGRAPHICS - 2)) << "two stickers fewer left";
    Quit();
    ExpectPageHoldsOnly(0, sticker);
    ExpectPageHoldsOnly(lastPage, onLastPage);
}

TEST_F(DesktopAlbumTest, ASecondCopyEndsWithoutAWindowAndTheFirstStays) {
    StartAlbum();
    AlbumProcess second(folder.Path());
    ASSERT_TRUE(second.Start());
    const std::optional<int> exitCode = second.WaitForExit(20s);
    ASSERT_TRUE(exitCode) << "the second copy should end by itself";
    EXPECT_EQ(*exitCode, 0) << second.ErrorOutput();

    const CommandResult windows =
        RunCommand("DISPLAY=" + server->Display() + " xdotool search --onlyvisible --name '^Quillory 3$'");
    EXPECT_EQ(std::count(windows.output.begin(), windows.output.end(), '\n'), 1) << windows.output;
    EXPECT_TRUE(album.Running());
    EXPECT_TRUE(TitleShows(5s));
    Key("Return");
    ASSERT_TRUE(CounterShows(NUMBEROFSTICKERGRAPHICS));
    Quit();
}

TEST_F(DesktopAlbumTest, TheSongAndThePeelSoundReachTheAudioStream) {
    const fs::path stream = folder.Path() / "stream.raw";
    StartAlbum({"SDL_AUDIODRIVER=disk", "SDL_DISKAUDIOFILE=" + stream.string()});
    StartBookOnTheStickersSheet();
    std::this_thread::sleep_for(2s);
    const size_t pick = fs::file_size(stream) / kFrameBytes;
    PickTheSticker();
    std::this_thread::sleep_for(1s);
    DropTheStickerOnItsHome();
    Quit();

    const std::vector<float> left = ReadStream(stream);
    ASSERT_GT(left.size(), pick + kFrameRate);
    const double song = RootMeanSquare(left, 0, pick);
    EXPECT_GT(song, kSilenceLevel) << "the song plays from the title on";
    // The second before the pick holds the song alone; the peel comes over it, louder.
    const float songPeak = Peak(left, pick - kFrameRate, pick);
    const float withPeel = Peak(left, pick, pick + kFrameRate);
    EXPECT_GT(withPeel, 1.5f * songPeak) << "song peak " << songPeak << ", after the pick " << withPeel;
    EXPECT_GT(RootMeanSquare(left, pick, pick + kFrameRate / 2), song) << "the peel stands out of the song";
}

// The session ends from outside right after a stick: a termination signal, or the X
// server going away. The album ends within a second with exit code 0, without waiting
// on the ending screen, and the sticker is on its page and in the record.
class DesktopSessionEndTest : public DesktopAlbumTest {
protected:
    void StickThenEnd(const std::function<void()>& end) {
        StartAlbum();
        StartBookOnTheStickersSheet();
        PickTheSticker();
        DropTheStickerOnItsHome();
        ASSERT_TRUE(CounterShows(NUMBEROFSTICKERGRAPHICS - 1)) << "the sticker did not stick";
        const auto start = std::chrono::steady_clock::now();
        end();
        const std::optional<int> exitCode = album.WaitForExit(10s);
        const auto took = std::chrono::steady_clock::now() - start;
        ASSERT_TRUE(exitCode) << "the album did not end";
        EXPECT_EQ(*exitCode, 0) << album.ErrorOutput();
        EXPECT_LT(took, 1s);
        RecordProperty("ended_after_ms", static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(took).count()));
        ExpectPageHoldsOnly(0, sticker);
        EXPECT_TRUE(RecordMarksTheStickerUsed());
    }
};

TEST_F(DesktopSessionEndTest, ATerminationSignalRightAfterAStickEndsTheAlbumWithTheStickerKept) {
    StickThenEnd([this] { kill(album.Id(), SIGTERM); });
}

TEST_F(DesktopSessionEndTest, TheXServerGoingAwayRightAfterAStickEndsTheAlbumWithTheStickerKept) {
    StickThenEnd([this] { server.reset(); });
}
