#pragma once
// Runs the machine's own tools for the desktop tests (an X server, input, screenshots,
// a print server) and reads what they write: raw RGB pictures and SDL's disk audio.
// A test that needs a tool the machine lacks is skipped, but failed in CI.

#include <signal.h>
#include <sys/types.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/gdi/Surface.h"

struct CommandResult {
    int exitCode;
    std::string output;  // what the command wrote on its standard output
};

CommandResult RunCommand(const std::string& command);
// Whether every tool of a list is on the search path or in the system's sbin folders.
// When one is missing the test is skipped; in CI (CI=true), where every tool is installed
// and a missing one means a broken install step that must not hide a fault, it fails
// instead. Either way the caller returns at once.
bool RequireTools(std::initializer_list<const char*> tools);
// Starts a program found on the search path with its arguments, without waiting for it;
// what it writes goes to the file `output`, its errors to the file `errors`. Its process
// id, or -1.
pid_t StartProgram(const std::vector<std::string>& arguments,
                   const std::string& errors = "/dev/null",
                   const std::string& output = "/dev/null");
// Ends a program started so with `signal` and waits for it.
void StopProgram(pid_t process, int signal = SIGTERM);
// Asks `done` again and again until it holds or `limit` passes; whether it held. A slow
// machine only waits longer.
bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds limit);

// The left channel of what SDL's disk audio driver wrote: 32-bit float stereo.
std::vector<float> ReadDiskAudio(const std::string& path);
// Channel-wise closeness of two 0x00RRGGBB pixels: the X server's 24-bit visual may round.
bool Near(uint32_t seen, uint32_t wanted);
// A `width` x `height` picture as ImageMagick writes it with `-depth 8 rgb:-`, as a
// surface of 0x00RRGGBB pixels.
std::optional<Surface> ReadRgb(const std::string& bytes, LONG width, LONG height);
