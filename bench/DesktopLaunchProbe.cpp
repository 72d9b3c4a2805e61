// One launch of a desktop program on an X server, measured from outside as a user
// would see it: launch to window, launch to the first picture that stays (the title),
// CPU in the first 3 s, resident memory, idle CPU on the title, on the playing screen
// and while another window has the focus, CPU while the pointer moves 100 times a
// second carrying a sticker, and the time from each pointer move to its picture.
//
//   quillory_launch_probe album|floor FOLDER PROGRAM
//
// PROGRAM runs with FOLDER as its current directory and the DISPLAY of the caller.
// "album" also starts the book, picks a sticker and carries it; "floor" is a minimal
// program that draws a square under the pointer. Keys and clicks go through xdotool;
// pointer moves are warps from this program, so that their time is known exactly.
// One line of name=value pairs is printed; scripts/bench-desktop.sh gathers them.

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "catalogue/ButtonLayout.h"
#include "catalogue/DataFiles.h"
#include "catalogue/PageGeometry.h"
#include "catalogue/PageTable.h"
#include "catalogue/StickerHomePositions.h"

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr auto kStartWindow = 3s;
constexpr auto kIdleWindow = 4s;
// The playing screen's music is measured longer: the song's busy and quiet passages
// weigh on the synthesizer differently, and the figure is held to 1 % of a core.
constexpr auto kMusicWindow = 20s;
constexpr auto kMovePeriod = 10ms;
constexpr auto kMoveWindow = 3s;
constexpr int kLatencyMoves = 40;
constexpr auto kLatencyLimit = 200ms;
// The middle of the page, where the carried sticker is moved about.
constexpr int kCarryX = 512;
constexpr int kCarryY = 380;
constexpr int kCarryRegion = 240;

double Milliseconds(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

// CPU time of the whole process in nanoseconds: every thread, the ones that have
// already ended included (short-lived timer threads count too).
double ThreadsCpuNanoseconds(pid_t pid) {
    clockid_t clock = 0;
    timespec used{};
    if (clock_getcpuclockid(pid, &clock) != 0 || clock_gettime(clock, &used) != 0) return 0;
    return static_cast<double>(used.tv_sec) * 1e9 + static_cast<double>(used.tv_nsec);
}

double ProcessCpuMilliseconds(pid_t pid) {
    return ThreadsCpuNanoseconds(pid) / 1e6;
}

double ResidentMebibytes(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
    }
    return 0;
}

pid_t Launch(const std::string& folder, const std::string& program) {
    const pid_t pid = fork();
    if (pid == 0) {
        if (chdir(folder.c_str()) != 0) _exit(127);
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    return pid;
}

void Xdotool(const std::string& arguments) {
    const std::string command = "xdotool " + arguments + " >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0)
        std::fprintf(stderr, "xdotool %s failed\n", arguments.c_str());
}

class ServerView {
public:
    ServerView() : m_display(XOpenDisplay(nullptr)) {}
    ~ServerView() {
        if (m_display != nullptr) XCloseDisplay(m_display);
    }
    bool IsOpen() const { return m_display != nullptr; }

    bool AnyWindowViewable() {
        Window root = 0;
        Window parent = 0;
        Window* children = nullptr;
        unsigned int count = 0;
        if (XQueryTree(m_display, Root(), &root, &parent, &children, &count) == 0) return false;
        bool viewable = false;
        for (unsigned int i = 0; i < count && !viewable; ++i) {
            XWindowAttributes attributes{};
            if (XGetWindowAttributes(m_display, children[i], &attributes) != 0) {
                viewable = attributes.map_state == IsViewable && children[i] != m_focusWindow;
            }
        }
        if (children != nullptr) XFree(children);
        return viewable;
    }

    // The pixels of a region of the screen as one string, to compare.
    std::string Pixels(int x, int y, int width, int height) {
        XImage* image = XGetImage(m_display, Root(), x, y, static_cast<unsigned>(width),
                                  static_cast<unsigned>(height), AllPlanes, ZPixmap);
        if (image == nullptr) return {};
        std::string bytes(image->data,
                          static_cast<size_t>(image->bytes_per_line) * static_cast<size_t>(height));
        XDestroyImage(image);
        return bytes;
    }

    // Six rows across the screen: enough to tell the pictures shown apart.
    std::string Sample() {
        std::string sample;
        for (int y = 64; y < kScreenHeight; y += 128) sample += Pixels(0, y, kScreenWidth, 1);
        return sample;
    }

    void WarpPointer(int x, int y) {
        XWarpPointer(m_display, None, Root(), 0, 0, 0, 0, x, y);
        XFlush(m_display);
    }

    // A small window of this program takes the focus, as another program would.
    void TakeFocus() {
        m_focusWindow = XCreateSimpleWindow(m_display, Root(), 0, 0, 64, 64, 0, 0, 0);
        XMapRaised(m_display, m_focusWindow);
        XSync(m_display, False);
        std::this_thread::sleep_for(100ms);
        XSetInputFocus(m_display, m_focusWindow, RevertToPointerRoot, CurrentTime);
        XSync(m_display, False);
    }

private:
    Window Root() const { return DefaultRootWindow(m_display); }

    ::Display* m_display;
    Window m_focusWindow = 0;
};

POINT Centre(const ButtonRow& row) {
    return POINT{row.x + row.width / 2, row.y + row.height / 2};
}

int32_t StickerOnFirstPage() {
    for (int32_t sticker = 0; sticker < NUMBEROFSTICKERGRAPHICS; ++sticker) {
        if (StickerHomePositions[static_cast<size_t>(sticker)].pageNumber ==
            kAlbumPages[0].pageNumber)
            return sticker;
    }
    return 0;
}

void Click(POINT point) {
    Xdotool("mousemove " + std::to_string(point.x) + " " + std::to_string(point.y));
    std::this_thread::sleep_for(200ms);
    Xdotool("click 1");
}

class Probe {
public:
    Probe(pid_t pid, ServerView& display)
        : m_pid(pid), m_display(display), m_launched(Clock::now()) {}

    // Watches the screen until `kStartWindow` after the launch.
    void WatchStart() {
        std::vector<std::pair<Clock::time_point, std::string>> samples;
        while (Clock::now() - m_launched < kStartWindow) {
            if (m_windowMs < 0 && m_display.AnyWindowViewable())
                m_windowMs = Milliseconds(Clock::now() - m_launched);
            samples.emplace_back(Clock::now(), m_display.Sample());
            std::this_thread::sleep_for(2ms);
        }
        Report("cpu3s_ms", ProcessCpuMilliseconds(m_pid));
        Report("rss_mib", ResidentMebibytes(m_pid));
        Report("window_ms", m_windowMs);
        // The title is the picture that stays; every other picture seen before it counts.
        const std::string& title = samples.back().second;
        const std::string black(title.size(), '\0');
        double titleMs = -1;
        std::set<std::string> others;
        for (const auto& [time, sample] : samples) {
            if (sample == title) {
                if (titleMs < 0) titleMs = Milliseconds(time - m_launched);
            } else {
                titleMs = -1;
                if (sample != black) others.insert(sample);
            }
        }
        Report("title_ms", titleMs);
        Report("other_frames", static_cast<double>(others.size()));
    }

    void IdlePercent(const char* name, Clock::duration window = kIdleWindow) {
        const double before = ThreadsCpuNanoseconds(m_pid);
        const auto start = Clock::now();
        std::this_thread::sleep_for(window);
        const double elapsed =
            std::chrono::duration<double, std::nano>(Clock::now() - start).count();
        Report(name, 100.0 * (ThreadsCpuNanoseconds(m_pid) - before) / elapsed);
    }

    void MovesPercent() {
        const double before = ThreadsCpuNanoseconds(m_pid);
        const auto start = Clock::now();
        auto due = start;
        for (int step = 0; Clock::now() - start < kMoveWindow; ++step) {
            const double angle = step * 0.2;
            m_display.WarpPointer(kCarryX + static_cast<int>(60 * std::cos(angle)),
                                  kCarryY + static_cast<int>(60 * std::sin(angle)));
            due += kMovePeriod;
            std::this_thread::sleep_until(due);
        }
        const double elapsed =
            std::chrono::duration<double, std::nano>(Clock::now() - start).count();
        Report("moves_cpu_pct", 100.0 * (ThreadsCpuNanoseconds(m_pid) - before) / elapsed);
    }

    // Each move's time until the region around the pointer shows something new.
    void Latencies() {
        const int left = kCarryX - kCarryRegion / 2;
        const int top = kCarryY - kCarryRegion / 2;
        std::string list;
        for (int move = 0; move < kLatencyMoves; ++move) {
            m_display.WarpPointer(kCarryX + (move % 2 == 0 ? 20 : -20), kCarryY);
            std::this_thread::sleep_for(60ms);
            const std::string before = m_display.Pixels(left, top, kCarryRegion, kCarryRegion);
            const auto moved = Clock::now();
            m_display.WarpPointer(kCarryX + (move % 2 == 0 ? -20 : 20), kCarryY);
            double latency = -1;
            while (Clock::now() - moved < kLatencyLimit) {
                if (m_display.Pixels(left, top, kCarryRegion, kCarryRegion) != before) {
                    latency = Milliseconds(Clock::now() - moved);
                    break;
                }
            }
            if (!list.empty()) list += ',';
            list += std::to_string(latency);
        }
        std::printf(" latency_ms=%s", list.c_str());
    }

    void Report(const char* name, double value) { std::printf(" %s=%.3f", name, value); }

private:
    pid_t m_pid;
    ServerView& m_display;
    Clock::time_point m_launched;
    double m_windowMs = -1;
};

void PickASticker() {
    const int32_t sticker = StickerOnFirstPage();
    Click(Centre(SheetButtonRows[static_cast<size_t>(sticker / kStickersPerSheet)]));
    std::this_thread::sleep_for(300ms);
    Click(Centre(StickerButtonRows[static_cast<size_t>(sticker % kStickersPerSheet)]));
    std::this_thread::sleep_for(500ms);
    // The first pick's hint.
    Xdotool("key Return");
    std::this_thread::sleep_for(500ms);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4 || (std::strcmp(argv[1], "album") != 0 && std::strcmp(argv[1], "floor") != 0)) {
        std::fprintf(stderr, "usage: %s album|floor FOLDER PROGRAM\n", argv[0]);
        return 2;
    }
    const bool album = std::strcmp(argv[1], "album") == 0;
    ServerView display;
    if (!display.IsOpen()) {
        std::fprintf(stderr, "no X display\n");
        return 1;
    }
    display.WarpPointer(kCarryX, kCarryY);
    const pid_t pid = Launch(argv[2], argv[3]);
    Probe probe(pid, display);
    std::printf("%s", argv[1]);
    probe.WatchStart();
    probe.IdlePercent("idle_title_pct");
    if (album) {
        Xdotool("key Return");
        std::this_thread::sleep_for(1500ms);
        probe.IdlePercent("idle_playing_pct", kMusicWindow);
        PickASticker();
        display.WarpPointer(kCarryX, kCarryY);
        std::this_thread::sleep_for(500ms);
    }
    probe.MovesPercent();
    probe.Latencies();
    display.TakeFocus();
    std::this_thread::sleep_for(1s);
    probe.IdlePercent("idle_inactive_pct");
    std::printf("\n");
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    return 0;
}
