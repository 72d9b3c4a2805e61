#pragma once
// One copy of the program per user on Windows: a named mutex in the session's
// namespace (Local\) claims a name, and the copy that holds it answers later copies
// through a hidden message-only window of the same name, on a thread of its own.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class HostInstance {
public:
    // What the first copy answers to a one-letter request (nothing: not understood).
    using Answer = std::function<std::optional<uint32_t>(char request)>;

    // Holds `name` for as long as it lives, answering with `answer`; null when another
    // copy holds it.
    static std::unique_ptr<HostInstance> Claim(const std::string& name, Answer answer);
    // The answer of the copy holding `name`; nothing when none answers. The asking copy,
    // which the user just started, lets the first one come to the front.
    static std::optional<uint32_t> Ask(const std::string& name, char request);

    virtual ~HostInstance() = default;
};
