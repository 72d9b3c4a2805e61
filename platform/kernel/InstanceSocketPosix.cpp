#include "platform/kernel/InstanceSocket.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace {

// The first copy's listening socket and the thread that answers on it.
struct SocketListener final : InstanceLink::Listener {
    explicit SocketListener(int listening);
    ~SocketListener() override;
    void Serve();
    void AnswerOn(int connection);

    int socket;
    std::thread thread;
};

// The screen the album shows on: one album runs per user and per display, so an album
// on another X server (a second seat, a test's own server) is a separate copy.
std::string DisplayName() {
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0') return value;
    }
    return "none";
}

// An abstract local socket: it vanishes with the process that made it, so a copy
// that crashed leaves nothing behind that would lock the next one out.
sockaddr_un AddressFor(const std::string& name, socklen_t* length) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::string id =
        "quillory-instance-" + std::to_string(getuid()) + "-" + DisplayName() + "-" + name;
    const size_t room = sizeof(address.sun_path) - 1;
    if (id.size() > room)
        id = id.substr(0, room - 17) + "-" +
             std::to_string(std::hash<std::string>{}(id) % 100000000000000000u);
    std::memcpy(address.sun_path + 1, id.data(), id.size());
    *length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + id.size());
    return address;
}

bool SameUser(int connection) {
    ucred peer{};
    socklen_t size = sizeof(peer);
    return getsockopt(connection, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 &&
           peer.uid == getuid();
}

bool WriteAll(int connection, const void* data, size_t size) {
    return send(connection, data, size, MSG_NOSIGNAL) == static_cast<ssize_t>(size);
}

bool ReadAll(int connection, void* data, size_t size) {
    return recv(connection, data, size, MSG_WAITALL) == static_cast<ssize_t>(size);
}

}  // namespace

std::unique_ptr<InstanceLink::Listener> InstanceSocket::Listen(const std::string& name) {
    const int listener = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (listener < 0) return nullptr;
    socklen_t length = 0;
    const sockaddr_un address = AddressFor(name, &length);
    if (bind(listener, reinterpret_cast<const sockaddr*>(&address), length) != 0 ||
        listen(listener, 4) != 0) {
        close(listener);
        return nullptr;
    }
    return std::make_unique<SocketListener>(listener);
}

std::optional<DWORD> InstanceSocket::Ask(const std::string& name,
                                         InstanceChannel::Request request) {
    const int connection = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (connection < 0) return std::nullopt;
    socklen_t length = 0;
    const sockaddr_un address = AddressFor(name, &length);
    std::optional<DWORD> answer;
    const char code = static_cast<char>(request);
    DWORD value = 0;
    if (connect(connection, reinterpret_cast<const sockaddr*>(&address), length) == 0 &&
        SameUser(connection) && WriteAll(connection, &code, 1) &&
        ReadAll(connection, &value, sizeof(value))) {
        answer = value;
    }
    close(connection);
    return answer;
}

SocketListener::SocketListener(int listening) : socket(listening), thread([this] { Serve(); }) {}

SocketListener::~SocketListener() {
    // Shutting the listening socket down wakes the thread from accept.
    shutdown(socket, SHUT_RDWR);
    thread.join();
    close(socket);
}

void SocketListener::Serve() {
    for (;;) {
        const int connection = accept4(socket, nullptr, nullptr, SOCK_CLOEXEC);
        if (connection < 0) {
            if (errno == EINTR || errno == ECONNABORTED) continue;
            return;
        }
        if (SameUser(connection)) AnswerOn(connection);
        close(connection);
    }
}

void SocketListener::AnswerOn(int connection) {
    char code = 0;
    if (!ReadAll(connection, &code, 1)) return;
    const std::optional<DWORD> answer =
        InstanceChannel::Answer(static_cast<InstanceChannel::Request>(code));
    if (answer) WriteAll(connection, &*answer, sizeof(*answer));
}
