#pragma once
// What the serializer throws when a file cannot be opened, written or read. The text
// is the fixed message of the failure; each file's owner catches it, logs it and
// recovers in its own way.

#include <stdexcept>

class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
