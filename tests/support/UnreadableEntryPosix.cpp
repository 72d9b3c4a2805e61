#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

#include "tests/support/Files.h"

bool MakeUnreadableEntry(const std::string& hostPath) {
    const int listener = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (listener < 0 || hostPath.size() >= sizeof(address.sun_path)) return false;
    std::memcpy(address.sun_path, hostPath.c_str(), hostPath.size() + 1);
    const bool bound =
        bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0;
    close(listener);
    return bound;
}
