// The album program itself in a real X server, driven with real input events as a
// child would; screens of every shape with and without a window manager; the sound it
// renders through SDL's disk audio driver; and (in this process, through SDL's own
// events) a finger.

#include <gtest/gtest.h>

#include <SDL2/SDL.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <chrono>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <set>
#include <thread>
#include <tuple>
#include <vector>

#include "app/WinMain.h"
#include "catalogue/ButtonLayout.h"
#include "catalogue/CommandIds.h"
#include "catalogue/DataFiles.h"
#include "catalogue/PageGeometry.h"
#include "catalogue/PageTable.h"
#include "catalogue/StickerHomePositions.h"
#include "catalogue/TileTables.h"
#include "gfx/DIB.h"
#include "io/FileManager.h"
#include "platform/machines/Letterbox.h"
#include "platform/machines/sdl/AudioMixer.h"
#include "platform/machines/sdl/SdlBackend.h"
#include "platform/user/User.h"
#include "tests/platform/machines/sdl/HostCommand.h"
#include "tests/platform/machines/sdl/SdlEvents.h"
#include "tests/platform/machines/sdl/XvfbServer.h"
#include "tests/platform/machines/synth/Rendering.h"
#include "tests/support/Files.h"
#include "tests/support/ProgramState.h"
#include "tests/support/TempDirectory.h"

extern "C" const char* __lsan_default_suppressions();
extern "C" const char* __tsan_default_suppressions();

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

constexpr size_t kFrameRate = AudioMixer::kSampleRate;

using ScreenCheck = std::function<bool(const Surface&)>;

// The mean channel difference over `area` of `b`, every `step`th pixel, and of `a`
// moved by `shift`.
double Difference(const Surface& a, const Surface& b, const RECT& area, LONG step = 1,
                  POINT shift = {}) {
    double sum = 0;
    double count = 0;
    for (LONG y = area.top; y < area.bottom; y += step) {
        for (LONG x = area.left; x < area.right; x += step, count += 3) {
            const uint32_t seen = a.Pixel(x + shift.x, y + shift.y), wanted = b.Pixel(x, y);
            for (const int bits : {0, 8, 16})
                sum += std::abs(static_cast<int>((seen >> bits) & 0xFF) -
                                static_cast<int>((wanted >> bits) & 0xFF));
        }
    }
    return count > 0 ? sum / count : 0;
}

// Whether one tile of a picture file shows on a screen, pixel for pixel (magenta is
// see-through).
ScreenCheck Showing(const char* file, const TileRect& tile) {
    CDIB picture(1, 1);
    EXPECT_TRUE(picture.Load(file)) << file;
    std::vector<std::pair<POINT, uint32_t>> pixels;
    for (LONG y = 0; y < tile.height; ++y) {
        for (LONG x = 0; x < tile.width; ++x) {
            COLORREF c = 0;  // 0x00BBGGRR, where the surface holds 0x00RRGGBB
            if (picture.GetPixel(tile.x + x, tile.y + y, c) && c != 0xFF00FF)
                pixels.push_back({POINT{x, y}, (c & 0xFF) << 16 | (c & 0xFF00) | (c >> 16 & 0xFF)});
        }
    }
    return [pixels, tile](const Surface& screen) {
        for (LONG top = 0; !pixels.empty() && top + tile.height <= screen.Height(); ++top) {
            for (LONG left = 0; left + tile.width <= screen.Width(); ++left) {
                if (std::all_of(pixels.begin(), pixels.end(), [&](const auto& pixel) {
                        return Near(screen.Pixel(left + pixel.first.x, top + pixel.first.y),
                                    pixel.second);
                    }))
                    return true;
            }
        }
        return false;
    };
}

// A full book's count is part of the counter's caption; a smaller count has a number
// picture of its own over the caption.
ScreenCheck Counter(int32_t left) {
    return left == NUMBEROFSTICKERGRAPHICS
               ? Showing(kStickersLeftCaptionFile, kStickersLeftCaptionTiles[0])
               : Showing(kStickersLeftNumberFile,
                         StickersLeftNumberTiles[static_cast<size_t>(left)]);
}

POINT Centre(const ButtonRow& row) {
    return POINT{row.x + row.width / 2, row.y + row.height / 2};
}

RECT Area(const ButtonRow& row) {
    return RECT{row.x, row.y, row.x + row.width, row.y + row.height};
}

int32_t StickerOnPage(int32_t pageIndex) {
    for (int32_t sticker = 0; sticker < NUMBEROFSTICKERGRAPHICS; ++sticker) {
        if (StickerHomePositions[static_cast<size_t>(sticker)].pageNumber ==
            kAlbumPages[static_cast<size_t>(pageIndex)].pageNumber)
            return sticker;
    }
    return -1;
}

// The album program itself, run as a child process in a folder of the test's own that
// holds links to the generated pictures and song. It inherits the test's DISPLAY; what
// it writes on stdout and stderr is kept in the folder.
class AlbumProcess {
public:
    explicit AlbumProcess(fs::path folder) : m_folder(std::move(folder)) {}
    ~AlbumProcess() {
        if (Running()) StopProgram(m_process, SIGKILL);
    }
    AlbumProcess(const AlbumProcess&) = delete;
    AlbumProcess& operator=(const AlbumProcess&) = delete;

    // Starts the program with `environment` changed from the test's own (env's arguments:
    // "NAME=value" adds, "-u", "NAME" leaves out), and with one command-line `option` when
    // one is given.
    bool Start(const std::vector<std::string>& environment = {}, const char* option = nullptr) {
        // env runs the program in the folder with `environment` added, as the same process.
        std::vector<std::string> command{"env", "-C", m_folder.string()};
        command.insert(command.end(), environment.begin(), environment.end());
        // The sanitizers' suppressions of this test program, for the child's own runtime;
        // which of them matched is not told, so that the album's output stays its own.
        for (const auto& [kind, variable, text] :
             {std::tuple{"lsan", "LSAN_OPTIONS", __lsan_default_suppressions()},
              std::tuple{"tsan", "TSAN_OPTIONS", __tsan_default_suppressions()}}) {
            const fs::path file = m_folder / (std::string(kind) + ".supp");
            std::ofstream(file) << text;
            const char* before = getenv(variable);
            command.push_back(std::string(variable) + "=" +
                              (before ? before + std::string(":") : "") +
                              "print_suppressions=0:suppressions=" + file.string());
        }
        command.push_back(QUILLORY_PROGRAM);
        if (option != nullptr) command.push_back(option);
        m_process = StartProgram(command, (m_folder / "stderr.txt").string(),
                                 (m_folder / "stdout.txt").string());
        return m_process > 0;
    }
    bool Running() {
        if (m_process <= 0 || m_exitCode) return false;
        int status = 0;
        if (waitpid(m_process, &status, WNOHANG) != m_process) return true;
        m_exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return false;
    }
    // The exit code once the program has ended within `limit` (-1 for a signal).
    std::optional<int> WaitForExit(std::chrono::milliseconds limit) {
        WaitUntil([this] { return !Running(); }, limit);
        return m_exitCode;
    }
    pid_t Id() const { return m_process; }
    std::string ErrorOutput() const { return ReadText(m_folder / "stderr.txt"); }
    std::string Output() const { return ReadText(m_folder / "stdout.txt"); }

private:
    fs::path m_folder;
    pid_t m_process = -1;
    std::optional<int> m_exitCode;
};

class DesktopAlbumTest : public testing::Test {
protected:
    void SetUp() override {
        if (!RequireTools({"Xvfb", "xwd", "convert", "xdotool", "xwininfo"})) return;
        // The album runs in the folder, and the test reads the album's pictures there.
        for (const char* item : {"data003", "QLY03.mid"})
            fs::create_symlink(fs::path(QUILLORY_ALBUM_DIR) / item, folder / item);
        CFileManager::SetBaseDirectoryFromCurrent();
        // The heading of the title picture: the start button covers part of the rest.
        title = Showing(kTitlePictureFile, TileRect{0, 0, kTitlePictureTiles[0].width, 180});
    }

    // A fresh X server of this size (and a window manager on it) for the next album.
    void UseScreen(int width, int height, bool windowManager = false) {
        album.reset();
        server.reset();
        server = std::make_unique<XvfbServer>(width, height, windowManager);
        ASSERT_TRUE(server->Running());
        fit = Letterbox(1024, 768, width, height);
        album = std::make_unique<AlbumProcess>(folder.Path());
    }

    // Starts the album on a screen of its own size and waits for its title. Until the
    // title shows, the display shows nothing of the album: no black window, no
    // half-drawn screen, also while the synthesizer is being set up.
    void StartAlbum(const std::vector<std::string>& environment = {}) {
        if (!server) UseScreen(1024, 768);
        const std::optional<Surface> bare = server->Screenshot();
        ASSERT_TRUE(bare && album->Start(environment));
        int before = 0;
        ASSERT_TRUE(WaitForScreen([&](const Surface& shot) {
            if (title(shot)) return true;
            EXPECT_EQ(Difference(shot, *bare, bare->Bounds()), 0.0)
                << "screenshot " << ++before << " before the title shows something else";
            return false;
        })) << "no title screen; the album said: "
            << album->ErrorOutput();
    }

    // Whether a screenshot shows `shows` before `limit` passes or the album ends.
    bool WaitForScreen(const ScreenCheck& shows, std::chrono::milliseconds limit = 30s) {
        bool seen = false;
        WaitUntil(
            [&] {
                const std::optional<Surface> shot = server->Screenshot();
                seen = shot && shows(*shot);
                return seen || (album->Id() > 0 && !album->Running());
            },
            limit);
        return seen;
    }

    POINT Origin() const { return POINT{fit.Picture().left, fit.Picture().top}; }
    // The screen kept in `file` as ImageMagick scales it (averaging the pixels each new
    // pixel covers) to the picture's place; on the display, they are alike when they
    // differ by less than 6 on average, and shown between black bars.
    Surface Scaled(const std::string& file) const {
        const LONG width = fit.Picture().right - fit.Picture().left;
        const LONG height = fit.Picture().bottom - fit.Picture().top;
        const std::string scale = std::to_string(width) + "x" + std::to_string(height) + "!";
        const std::string command = "convert '" + folder / file + "' -scale " + scale;
        return ReadRgb(RunCommand(command + " -depth 8 rgb:-").output, width, height)
            .value_or(Surface(1, 1));
    }
    std::optional<Surface> WaitForLikeness(const std::string& file) {
        const Surface scaled = Scaled(file);
        std::optional<Surface> seen;
        double closest = 255;
        // A screen caught while the window is still being mapped may show the picture
        // before the bars; the screen is judged once both show.
        WaitForScreen([&](const Surface& shot) {
            const double difference = Difference(shot, scaled, scaled.Bounds(), 4, Origin());
            closest = std::min(closest, difference);
            if (difference < 6.0) seen = shot;
            return difference < 6.0 && BetweenBlackBars(shot, false);
        });
        if (!seen) ADD_FAILURE() << "the closest screen differed by " << closest;
        if (seen && !BetweenBlackBars(*seen, true)) return std::nullopt;
        return seen;
    }

    void Key(const std::string& name) const { EXPECT_TRUE(server->Xdotool("key " + name)); }
    void MoveTo(POINT point) const {
        const POINT seen = fit.ToWindow(point);
        EXPECT_TRUE(
            server->Xdotool("mousemove " + std::to_string(seen.x) + " " + std::to_string(seen.y)));
        std::this_thread::sleep_for(200ms);
    }
    // Moves to screen point `point` (wherever the display shows it) and clicks.
    void Click(POINT point) const {
        MoveTo(point);
        EXPECT_TRUE(server->Xdotool("click 1"));
    }
    void ChooseSheetOf(int32_t stickerIndex) const {
        Click(Centre(SheetButtonRows[static_cast<size_t>(stickerIndex / kStickersPerSheet)]));
    }

    // Picks a sticker from its button and answers the first pick's hint.
    void PickTheSticker(int32_t stickerIndex, bool hint = true) const {
        Click(Centre(StickerButtonRows[static_cast<size_t>(stickerIndex % kStickersPerSheet)]));
        std::this_thread::sleep_for(500ms);
        if (hint) Key("Return");
    }
    // Chooses the sticker's sheet, picks the sticker and drops it on its home.
    void Stick(int32_t stickerIndex, bool hint = true) const {
        ChooseSheetOf(stickerIndex);
        PickTheSticker(stickerIndex, hint);
        DropTheStickerOnItsHome(stickerIndex);
    }
    // Enter on the title; whether the playing screen follows, a full book's count shown.
    bool Play() {
        Key("Return");
        return WaitForScreen(Counter(NUMBEROFSTICKERGRAPHICS));
    }

    // Where a sticker hangs, centred under the pointer, when it lies on its home.
    static POINT HomeCentre(int32_t stickerIndex) {
        CDIB picture(1, 1);
        EXPECT_TRUE(picture.Load(StickerPictureFiles[static_cast<size_t>(stickerIndex)]));
        const StickerHome& home = StickerHomePositions[static_cast<size_t>(stickerIndex)];
        return POINT{kPageLeft + home.x + picture.GetWidth() / 2,
                     kPageTop + home.y + picture.GetHeight() / 2};
    }

    // Carries a sticker onto its home in two steps, as a hand would, and drops it.
    void DropTheStickerOnItsHome(int32_t stickerIndex) const {
        const POINT centre = HomeCentre(stickerIndex);
        MoveTo(POINT{centre.x - 40, centre.y - 40});
        Click(centre);
    }

    // The page file holds the one sticker, at its home, and the record marks it used.
    void ExpectKept(int32_t pageIndex, int32_t stickerIndex) const {
        EXPECT_TRUE(RecordMarksUsed(stickerIndex)) << stickerIndex;
        const std::string name =
            std::string(PageSaveFiles[static_cast<size_t>(pageIndex)]).substr(9);
        const Bytes page = ReadBytes((folder.Path() / "save003" / name).string());
        const StickerHome& home = StickerHomePositions[static_cast<size_t>(stickerIndex)];
        ASSERT_EQ(page.size(), 16u + 20u) << name << " holds one sticker";
        EXPECT_EQ(Bytes(page.begin() + 16, page.begin() + 28),
                  Concat({LongBytes(stickerIndex), LongBytes(home.x), LongBytes(home.y)}))
            << name;
    }

    // The record's four bytes for the sticker, at the end of the first page's file, say 1.
    bool RecordMarksUsed(int32_t stickerIndex) const {
        const Bytes record = ReadBytes((folder.Path() / "save003" / "page00.sav").string());
        const size_t entries = static_cast<size_t>(NUMBEROFSTICKERGRAPHICS) * 4;
        if (record.size() < entries) return false;
        const auto at = record.end() - static_cast<long>(entries) + stickerIndex * 4;
        return Bytes(at, at + 4) == LongBytes(1);
    }

    // Once the session has ended from outside right after a stick, the album ends by
    // itself with exit code 0, without waiting on the ending screen: had it not within
    // 900 ms of a signal, its watchdog would have ended it with the signal's code.
    void ExpectEndsByItself() {
        EXPECT_EQ(album->WaitForExit(10s), 0)
            << "the album ends by itself; it said: " << album->ErrorOutput();
    }

    // Whether the bars beside the picture are black up to the picture's first pixel (a
    // window that does not cover the display leaves the white root at its edges) and the
    // picture reaches its edges; with `report`, each pixel that is not so is a failure.
    bool BetweenBlackBars(const Surface& shot, bool report) const {
        bool right = true;
        const auto expect = [&](bool holds, const std::string& what) {
            right = right && holds;
            if (!holds && report) ADD_FAILURE() << what;
        };
        const RECT& picture = fit.Picture();
        for (const LONG y : {picture.top, (picture.top + picture.bottom) / 2, picture.bottom - 1}) {
            const std::string row = std::to_string(y);
            if (picture.left > 0) {
                for (const LONG x : {LONG{0}, picture.left - 1, picture.right, shot.Width() - 1})
                    expect(Near(shot.Pixel(x, y), 0), "bar pixel " + std::to_string(x) + "," + row);
            }
            expect(
                !Near(shot.Pixel(picture.left, y), 0) && !Near(shot.Pixel(picture.right - 1, y), 0),
                "picture's edge, row " + row);
        }
        return right;
    }

    TempDirectory folder;
    std::unique_ptr<XvfbServer> server;
    std::unique_ptr<AlbumProcess> album;
    Letterbox fit{1024, 768, 1024, 768};
    ScreenCheck title;
    const int32_t sticker = StickerOnPage(0);
};

}  // namespace

// One session with real input: a second copy ends without a window of its own; a
// sticker stuck is counted and recorded; the song and the peel reach the stream at
// levels within 10 dB of each other, and nothing clips.
TEST_F(DesktopAlbumTest, ASessionStaysSingleSoundsRightAndCountsTheSticker) {
    const fs::path stream = folder.Path() / "stream.raw";
    StartAlbum({"SDL_AUDIODRIVER=disk", "SDL_DISKAUDIOFILE=" + stream.string()});
    AlbumProcess second(folder.Path());
    ASSERT_TRUE(second.Start());
    EXPECT_EQ(second.WaitForExit(20s), 0)
        << "the second copy ends by itself; it said: " << second.ErrorOutput();
    EXPECT_EQ(server->WindowsOnShow("^Quillory 3$").size(), 1u);
    EXPECT_TRUE(WaitForScreen(title, 5s)) << "the first copy stays";

    ASSERT_TRUE(Play()) << "no playing screen";
    ChooseSheetOf(sticker);
    std::this_thread::sleep_for(2s);
    // SDL's disk driver writes the stream as it plays: 32-bit float stereo.
    const size_t pick = fs::file_size(stream) / (2 * sizeof(float));
    PickTheSticker(sticker);
    std::this_thread::sleep_for(1s);
    DropTheStickerOnItsHome(sticker);
    EXPECT_TRUE(WaitForScreen(Counter(NUMBEROFSTICKERGRAPHICS - 1))) << "one sticker fewer left";
    EXPECT_TRUE(RecordMarksUsed(sticker));

    const std::vector<float> left = ReadDiskAudio(stream);
    ASSERT_TRUE(pick > 2 * kFrameRate && left.size() > pick + kFrameRate);
    const auto decibels = [&left](size_t from, size_t frames) {
        return 20 * std::log10(RootMeanSquare(std::span(left).subspan(from, frames)));
    };
    const double song = decibels(pick - 2 * kFrameRate, 2 * kFrameRate);
    // Quieter than this, no note of the song at the level it plays at.
    EXPECT_GT(song, 20 * std::log10(0.002)) << "the song plays from the title on";
    // The loudest stretch of the peel's length (0.13 s) in the second after the pick
    // holds the peel.
    const size_t peelFrames = kFrameRate * 13 / 100;
    double peel = -200;
    for (size_t from = pick; from + peelFrames < pick + kFrameRate; from += peelFrames / 4)
        peel = std::max(peel, decibels(from, peelFrames));
    EXPECT_GT(peel - song, 1.5) << "the peel stands out of the song";
    EXPECT_LT(peel - song, 10.0) << "song " << song << " dBFS, peel " << peel;
    EXPECT_LT(Peak(left), 0.99f) << "the stream clips";
}

// Each termination signal, right after a sticker stuck on the first page and one on the
// last (Page Up from the first), ends the album by itself with both counted, recorded and
// kept. The first comes while a message box is open: a message box is a window of the
// album's own, inside its one X window; without a printer, Print brings the message
// there, centred and in the album's colours; a click on its button answers it, and so
// does Enter.
TEST_F(DesktopAlbumTest, EveryTerminationSignalEndsTheAlbumWithEveryStickerKeptEvenUnderABox) {
    constexpr uint32_t kBorder = 0x3E9BF0;
    constexpr POINT kBoxEdge{(1024 - 600) / 2 + 2, 768 / 2};
    const auto boxShows = [&](const Surface& shot) {
        return Near(shot.Pixel(kBoxEdge.x, kBoxEdge.y), kBorder);
    };
    const auto boxGone = [&](const Surface& shot) { return !boxShows(shot); };
    const int32_t lastPage = kNumberOfPages - 1;
    const int32_t onLastPage = StickerOnPage(lastPage);
    for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
        SCOPED_TRACE(strsignal(signal));
        fs::remove_all(folder.Path() / "save003");
        fs::remove(folder.Path() / "options03.dta");  // the first pick's hint shows again
        UseScreen(1024, 768);
        const std::set<std::string> before = server->WindowsOnShow();
        StartAlbum({"CUPS_SERVER=" + (folder.Path() / "no-server.sock").string()});
        ASSERT_TRUE(Play()) << "no playing screen";
        Stick(sticker);
        EXPECT_TRUE(WaitForScreen(Counter(NUMBEROFSTICKERGRAPHICS - 1))) << "one sticker fewer";
        Key("Prior");
        Stick(onLastPage, false);
        EXPECT_TRUE(WaitForScreen(Counter(NUMBEROFSTICKERGRAPHICS - 2))) << "two fewer";
        if (signal == SIGTERM) {
            Key("p");
            ASSERT_TRUE(WaitForScreen(boxShows))
                << "no message; the album said: " << album->ErrorOutput();
            std::set<std::string> shown = server->WindowsOnShow();
            for (const std::string& id : before) shown.erase(id);
            EXPECT_EQ(shown.size(), 1u) << "one window of the album's on show, the message in it";
            // The box's one button sits centred above its bottom border.
            const std::optional<Surface> shot = server->Screenshot();
            ASSERT_TRUE(shot);
            LONG bottom = kBoxEdge.y;
            while (bottom < 768 && Near(shot->Pixel(kBoxEdge.x, bottom), kBorder)) ++bottom;
            Click(POINT{512, bottom - 30 - 25});
            EXPECT_TRUE(WaitForScreen(boxGone, 10s)) << "a click on OK answers the message";
            Key("p");
            ASSERT_TRUE(WaitForScreen(boxShows));
            Key("Return");
            EXPECT_TRUE(WaitForScreen(boxGone, 10s)) << "Enter answers the message";
            Key("p");
            ASSERT_TRUE(WaitForScreen(boxShows));
        }
        kill(album->Id(), signal);
        ExpectEndsByItself();
        ExpectKept(0, sticker);
        ExpectKept(lastPage, onLastPage);
    }
}

// The album at its own size gives the screens to compare with, and closes (Quit, then
// the ending screen's answer) on a display without a sound card having written nothing
// on stdout or stderr: the libraries under the album keep quiet. Then on each display,
// with no window manager to place the window and with one, the same screens fill it,
// scaled and centred between black bars. At 800 x 600 the lettering of the Clear all
// bar is as ImageMagick's averaging shrinks it (nearest-neighbour's broken strokes
// differ by 10 on average). At 1920 x 1080 without a window manager a sticker is
// stuck by real clicks, and kept when the X server goes away right after. Without a
// display the album's own line is all it says, and it ends with a code that is not 0.
TEST_F(DesktopAlbumTest, EveryDisplayShowsTheAlbumCentredBetweenBlackBarsAndWithoutOneItSaysSo) {
    StartAlbum({"SDL_AUDIODRIVER=alsa"});
    ASSERT_TRUE(server->Screenshot(folder / "title.xwd"));
    ASSERT_TRUE(Play()) << "no playing screen";
    ASSERT_TRUE(server->Screenshot(folder / "playing.xwd"));
    Key("q");
    // Return answers the ending screen once it is up; before, the playing screen ignores it.
    EXPECT_TRUE(WaitUntil(
        [&] {
            Key("Return");
            return !album->Running();
        },
        20s));
    EXPECT_EQ(album->WaitForExit(1s), 0);
    EXPECT_EQ(album->Output() + album->ErrorOutput(), "");

    // The sticker is stuck last: the screens after it differ from those before.
    for (const auto& [width, height, windowManager] :
         {std::tuple{1366, 768, false}, std::tuple{800, 600, false}, std::tuple{1920, 1080, true},
          std::tuple{1920, 1080, false}}) {
        SCOPED_TRACE(testing::Message()
                     << width << " x " << height << (windowManager ? " with" : " without")
                     << " a window manager");
        UseScreen(width, height, windowManager);
        ASSERT_TRUE(album->Start());
        ASSERT_TRUE(WaitForLikeness("title.xwd"))
            << "no title; the album said: " << album->ErrorOutput();
        Key("Return");
        const std::optional<Surface> playing = WaitForLikeness("playing.xwd");
        ASSERT_TRUE(playing) << "no playing screen";

        if (width == 800) {
            RECT bar =
                fit.ToWindow(Area(CommandButtonRows[static_cast<size_t>(IDM_CLEARALL - IDM_QUIT)]));
            OffsetRect(&bar, -Origin().x, -Origin().y);
            EXPECT_LT(Difference(*playing, Scaled("playing.xwd"), bar, 1, Origin()), 3.0)
                << "the Clear all bar's lettering";
        }
        if (width == 1920 && !windowManager) {
            Stick(sticker);
            EXPECT_TRUE(WaitUntil([&] { return RecordMarksUsed(sticker); }, 5s)) << "not stuck";
            server.reset();
            ExpectEndsByItself();
            ExpectKept(0, sticker);
        }
    }

    AlbumProcess alone(folder.Path());
    ASSERT_TRUE(alone.Start({"-u", "DISPLAY", "-u", "WAYLAND_DISPLAY", "-u", "XDG_RUNTIME_DIR"}));
    const std::optional<int> code = alone.WaitForExit(20s);
    EXPECT_TRUE(code && *code != 0);
    const std::string said = alone.ErrorOutput();
    const std::string line = "Quillory 3 cannot open the display: ";
    EXPECT_EQ(said.substr(0, line.size()), line) << said;
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_EQ(alone.Output(), "");
}

// For grown-ups: a window of the album's own size that a window manager can resize,
// F11 for full screen and back; and the answers on the command line.
TEST_F(DesktopAlbumTest, AGrownUpsWindowTogglesFullScreenWithF11) {
    UseScreen(1920, 1080, true);
    ASSERT_TRUE(album->Start({}, "--window"));
    ASSERT_TRUE(WaitForScreen(title)) << album->ErrorOutput();
    const auto placeIs = [this](LONG width, LONG height) {
        return WaitUntil(
            [&] {
                const std::optional<RECT> place = server->WindowPlace("Quillory 3");
                return place && place->right - place->left == width &&
                       place->bottom - place->top == height;
            },
            5s);
    };
    EXPECT_TRUE(placeIs(1024, 768));
    Key("F11");
    EXPECT_TRUE(placeIs(1920, 1080)) << "F11 makes the window cover the display";
    Key("F11");
    EXPECT_TRUE(placeIs(1024, 768)) << "and F11 again gives the window back";

    const CommandResult version = RunCommand(QUILLORY_PROGRAM " --version");
    EXPECT_TRUE(version.exitCode == 0 && version.output == "Quillory 3 " QUILLORY_VERSION "\n")
        << version.output;
    const CommandResult help = RunCommand(QUILLORY_PROGRAM " --help");
    EXPECT_TRUE(help.exitCode == 0 && help.output.find("--window") != std::string::npos)
        << help.output;
    EXPECT_NE(RunCommand(QUILLORY_PROGRAM " --fly 2>/dev/null").exitCode, 0);
}

// On a touch screen, in this process so that SDL's own finger events can be made: a
// finger taps the sheet, taps a sticker (and the hint away), taps it off the page,
// then slides the next one from its button onto its home and lifts.
TEST_F(DesktopAlbumTest, AFingerSlidesAStickerFromItsButtonOntoItsHome) {
    UseScreen(1024, 768);
    std::unique_ptr<SdlBackend> backend = SdlBackend::Open(1024, 768);
    ASSERT_NE(backend, nullptr);
    Backend* previous = InstallBackend(backend.get());
    const POINT button =
        Centre(StickerButtonRows[static_cast<size_t>(sticker % kStickersPerSheet)]);
    const POINT home = HomeCentre(sticker);
    const auto tap = [](POINT point) {
        PushFinger(SDL_FINGERDOWN, point);
        PushFinger(SDL_FINGERUP, point);
        std::this_thread::sleep_for(500ms);
    };
    const auto enter = [] {
        PushKey(SDL_KEYDOWN, SDLK_RETURN);
        PushKey(SDL_KEYUP, SDLK_RETURN);
    };
    const auto play = [&] {
        if (!WaitForScreen(title)) return false;
        enter();
        if (!WaitForScreen(Counter(NUMBEROFSTICKERGRAPHICS))) return false;
        tap(Centre(SheetButtonRows[static_cast<size_t>(sticker / kStickersPerSheet)]));
        tap(button);
        enter();
        std::this_thread::sleep_for(500ms);
        tap(POINT{kPageLeft + 10, kPageTop + 10});
        PushFinger(SDL_FINGERDOWN, button);
        for (int step = 1; step <= 10; ++step) {
            std::this_thread::sleep_for(50ms);
            PushFinger(SDL_FINGERMOTION, POINT{button.x + (home.x - button.x) * step / 10,
                                               button.y + (home.y - button.y) * step / 10});
        }
        PushFinger(SDL_FINGERUP, home);
        return WaitForScreen(Counter(NUMBEROFSTICKERGRAPHICS - 1));
    };
    bool stuck = false;
    std::thread child([&] {
        stuck = play();
        // Closed as the window manager closes it, then Enter on the ending screen.
        SDL_Event close{};
        close.type = SDL_QUIT;
        SDL_PushEvent(&close);
        std::this_thread::sleep_for(1s);
        enter();
    });
    WinMain(ProgramInstance(), nullptr, "", SW_SHOWNORMAL);
    child.join();
    ResetProgramState();
    InstallBackend(previous);
    EXPECT_TRUE(stuck) << "the counter does not show one sticker fewer";
    EXPECT_TRUE(RecordMarksUsed(sticker));
}

// Hidden by the desktop and shown again (minimised and restored, another workspace and
// back with a window manager; unmapped and mapped again without one), full screen and in
// a grown-up's window, the album shows exactly what it showed before, also with About
// open, whose Enter still answers; away from the pointer, which Xvfb draws itself.
TEST_F(DesktopAlbumTest, HiddenAndShownAgainTheAlbumShowsExactlyAsBefore) {
    const std::string window = "search --name '^Quillory 3$' ";
    const struct {
        bool windowManager;
        const char* option;
        std::string hide, show;
    } ways[] = {
        {true, nullptr, window + "windowminimize", window + "windowactivate"},
        {true, nullptr, "set_desktop 1", "set_desktop 0"},
        {true, "--window", window + "windowminimize", window + "windowactivate"},
        {false, nullptr, window + "windowunmap", window + "windowmap"},
        {false, "--window", window + "windowunmap", window + "windowmap"},
    };
    const POINT pointer{2, 2};
    const auto alike = [&](const Surface& a, const Surface& b) {
        const POINT at = fit.ToWindow(pointer);
        const RECT away{at.x + 40, 0, a.Width(), a.Height()};
        return Difference(a, b, away) == 0.0 &&
               Difference(a, b, RECT{0, at.y + 40, at.x + 40, a.Height()}) == 0.0;
    };
    int shot = 0;
    for (const auto& way : ways) {
        SCOPED_TRACE(way.show + (way.option != nullptr ? " in a window" : " full screen"));
        UseScreen(1024, 768, way.windowManager);
        ASSERT_TRUE(album->Start({}, way.option));
        ASSERT_TRUE(WaitForScreen(title)) << album->ErrorOutput();
        ASSERT_TRUE(Play());
        MoveTo(pointer);
        for (const bool about : {false, true}) {
            if (about) Key("i");
            std::this_thread::sleep_for(1s);
            const std::string name = "shown-" + std::to_string(++shot);
            const std::optional<Surface> before = server->Screenshot(folder / (name + ".xwd"));
            ASSERT_TRUE(before);
            EXPECT_TRUE(server->Xdotool(way.hide));
            EXPECT_TRUE(
                WaitForScreen([&](const Surface& seen) { return !alike(seen, *before); }, 10s))
                << "the album is not hidden";
            EXPECT_TRUE(server->Xdotool(way.show));
            EXPECT_TRUE(
                WaitForScreen([&](const Surface& seen) { return alike(seen, *before); }, 10s))
                << "the album is not back as it was; " << name;
            server->Screenshot(folder / (name + "-again.xwd"));
        }
        Key("Return");
        EXPECT_TRUE(WaitForScreen(Counter(NUMBEROFSTICKERGRAPHICS), 5s)) << "About answers Enter";
    }
}
