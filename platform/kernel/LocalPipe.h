#pragma once
// A Windows named pipe of this user's session, for the instance link there
// (InstanceSocketWindows.cpp): the first copy serves it on a thread of its own, a later
// copy sends it one byte and reads back four.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class LocalPipe {
public:
    using Answer = std::function<std::optional<uint32_t>(char)>;

    // Serves the pipe `name` with `answer` until destroyed; null when another process
    // serves it already.
    static std::unique_ptr<LocalPipe> Serve(const std::string& name, Answer answer);
    // What the server of `name` answers to `code`; nothing when none answers.
    static std::optional<uint32_t> Ask(const std::string& name, char code);

    ~LocalPipe();
    LocalPipe(const LocalPipe&) = delete;
    LocalPipe& operator=(const LocalPipe&) = delete;

private:
    struct Server;
    explicit LocalPipe(std::unique_ptr<Server> server);
    std::unique_ptr<Server> m_server;
};
