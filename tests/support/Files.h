#pragma once
// Whole-file reads and writes for checking stored bytes exactly.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

Bytes ReadBytes(const std::filesystem::path& hostPath);
void WriteBytes(const std::filesystem::path& hostPath, const Bytes& bytes);
std::string ReadText(const std::filesystem::path& hostPath);

// The encoding of one long and one string, to build expected file contents.
Bytes LongBytes(int32_t value);
Bytes StringBytes(const std::string& text);
Bytes Concat(std::initializer_list<Bytes> parts);

// Makes `link` name the file `target`: a symbolic link, or where the system makes none
// (Wine), a hard link.
void LinkFile(const std::filesystem::path& target, const std::filesystem::path& link);
// Puts at `hostPath` an entry that is there by name but cannot be read as a file: a
// socket on POSIX systems, a folder on Windows. False when it cannot be made.
bool MakeUnreadableEntry(const std::string& hostPath);
