#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "tests/scenarios/AlbumScenario.h"

namespace {

constexpr int kPolls = 400;
constexpr auto kPollPause = std::chrono::milliseconds(5);

}  // namespace

// A second copy of the album started while this one runs.
class SecondCopy : public AlbumScenario {
protected:
    // Starts the program as a second copy, then keeps this copy's loop turning (one
    // pointer move per look) until the second copy has ended.
    void StartSecondCopy() {
        Then([this] {
            // The second copy logs into the same folder: a window of its own would show there.
            char* arguments[] = {const_cast<char*>(QUILLORY_PROGRAM), nullptr};
            char logging[] = "QUILLORY_LOG=1";
            char* environment[] = {logging, nullptr};
            ASSERT_EQ(
                posix_spawn(&m_child, QUILLORY_PROGRAM, nullptr, nullptr, arguments, environment),
                0);
        });
        for (int poll = 0; poll < kPolls; ++poll) {
            machine.MovePointer(POINT{5, 5});
            Then([this] { Poll(); });
        }
    }

    void Poll() {
        if (m_child == 0 || m_ended) return;
        int status = 0;
        if (waitpid(m_child, &status, WNOHANG) == m_child) {
            m_ended = true;
            m_exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            return;
        }
        std::this_thread::sleep_for(kPollPause);
    }

    ~SecondCopy() override {
        if (m_child != 0 && !m_ended) {
            kill(m_child, SIGKILL);
            waitpid(m_child, nullptr, 0);
        }
    }

    pid_t m_child = 0;
    bool m_ended = false;
    int m_exitCode = -1;
};

TEST_F(SecondCopy, ASecondCopyEndsAtOnceWithoutAWindow) {
    StartBook();
    StartSecondCopy();
    Then([this] {
        ASSERT_TRUE(m_ended) << "the second copy should end by itself";
        EXPECT_EQ(m_exitCode, 0);
        int creations = 0;
        for (const std::string& line : log.Messages())
            creations += line.rfind("WM_Create hWnd", 0) == 0 ? 1 : 0;
        EXPECT_EQ(creations, 1) << "the second copy made no window";
    });
    CloseAlbum();
    EXPECT_EQ(RunAlbum(), 0);
}
