// The album killed (SIGKILL) at random points of a session of real input: sticks on
// two pages, page turns, and Clear All once the pages are full. After every kill the
// album starts again, and then the record and the pages agree and every stick that had
// finished before the kill is on its page.
// CI runs a few kills; QUILLORY_CRASH_RUNS=200 runs the whole campaign:
//   QUILLORY_CRASH_RUNS=200 build/tests/scenarios/scenario_tests --gtest_filter='CrashCampaign.*'

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>
#include <random>
#include <set>
#include <thread>

#include "tests/scenarios/AlbumScenario.h"

namespace {

constexpr int kRunsInCi = 8;
constexpr int32_t kSticksPerPage = 3;
constexpr int32_t kPagesVisited = 2;
// A report is one byte: the number of a sticker just stuck (all are below 224), or this.
constexpr uint8_t kClearing = 0xFF;

void Report(int pipe, uint8_t what) {
    if (write(pipe, &what, 1) != 1) _exit(3);
}

}  // namespace

class CrashCampaign : public AlbumScenario {
protected:
    static std::set<int32_t> StickersOnPages() {
        std::set<int32_t> stickers;
        for (int32_t page = 0; page < kNumberOfPages; ++page)
            for (const int32_t sticker : StickersInPageFile(page)) stickers.insert(sticker);
        return stickers;
    }

    // One session, in a child process: it reports each finished stick on `pipe`.
    void Session(int pipe) {
        const std::set<int32_t> stuck = StickersOnPages();
        // Enter while carrying drops the sticker: it answers the hint only while one shows.
        bool hintDue = !std::filesystem::exists(FileIn("options03.dta")) ||
                       FileBytes("options03.dta").back() != 0;
        StartBook();
        bool full = true;
        for (int32_t page = 0; page < kPagesVisited; ++page) {
            int32_t stuckHere = 0;
            for (const int32_t sticker : StickersOf(page)) {
                if (stuckHere == kSticksPerPage) break;
                if (stuck.contains(sticker)) continue;
                full = false;
                Stick(sticker, hintDue);
                hintDue = false;
                Then([pipe, sticker] { Report(pipe, static_cast<uint8_t>(sticker)); });
                ++stuckHere;
            }
            PressKey(VK_NEXT);
        }
        if (full) {
            Then([pipe] { Report(pipe, kClearing); });
            PressKey('C');
            PressKey(VK_RETURN);
        }
        RunAndCloseAlbum();
    }

    // Runs `work` in a child process, kills it after `killAfter` (never: it runs to its
    // end), and answers what it wrote on its pipe.
    std::string InChild(const std::function<void(int)>& work,
                        std::optional<std::chrono::microseconds> killAfter) {
        int pipes[2];
        EXPECT_EQ(pipe(pipes), 0);
        const pid_t child = fork();
        if (child == 0) {
            close(pipes[0]);
            work(pipes[1]);
            _exit(HasFailure() ? 1 : 0);
        }
        close(pipes[1]);
        if (killAfter) {
            std::this_thread::sleep_for(*killAfter);
            kill(child, SIGKILL);
        }
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_TRUE(killAfter || (WIFEXITED(status) && WEXITSTATUS(status) == 0))
            << "status " << status;
        std::string written;
        char buffer[256];
        for (ssize_t got; (got = read(pipes[0], buffer, sizeof buffer)) > 0;)
            written.append(buffer, static_cast<size_t>(got));
        close(pipes[0]);
        return written;
    }
};

TEST_F(CrashCampaign, KilledAtRandomPointsTheAlbumReopensWithEveryFinishedStick) {
    std::mt19937 random(20261206);
    // How long a whole session takes, so that the kills land anywhere in one.
    const auto start = std::chrono::steady_clock::now();
    InChild([this](int pipe) { Session(pipe); }, std::nullopt);
    const auto session = std::chrono::duration_cast<std::chrono::microseconds>(
        std::chrono::steady_clock::now() - start);
    std::uniform_int_distribution<int64_t> when(0, session.count());
    std::set<int32_t> finished;
    const char* runsAsked = std::getenv("QUILLORY_CRASH_RUNS");
    const int runs = runsAsked != nullptr ? std::atoi(runsAsked) : kRunsInCi;
    for (int run = 0; run < runs; ++run) {
        SCOPED_TRACE("run " + std::to_string(run));
        const std::string reports =
            InChild([this](int pipe) { Session(pipe); }, std::chrono::microseconds(when(random)));
        for (const char report : reports) {
            const auto what = static_cast<uint8_t>(report);
            if (what == kClearing) finished.clear();
            if (what != kClearing) finished.insert(what);
        }
        // The restart: the album starts and is closed at once.
        InChild([this](int) { RunAndCloseAlbum(); }, std::nullopt);
        const std::set<int32_t> onPages = StickersOnPages();
        const std::vector<int32_t> record = StickersInRecord();
        EXPECT_EQ(std::set<int32_t>(record.begin(), record.end()), onPages);
        for (const int32_t sticker : finished)
            EXPECT_TRUE(onPages.contains(sticker)) << "sticker " << sticker;
        // What the pages hold now is what later runs may lose only through Clear All.
        finished = onPages;
    }
    RecordProperty("kills", runs);
}
