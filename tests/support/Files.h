#pragma once
// Whole-file reads and writes for checking stored bytes exactly.

#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

Bytes ReadBytes(const std::string& hostPath);
void WriteBytes(const std::string& hostPath, const Bytes& bytes);
std::string ReadText(const std::string& hostPath);

// The encoding of one long and one string, to build expected file contents.
Bytes LongBytes(int32_t value);
Bytes StringBytes(const std::string& text);
Bytes Concat(std::initializer_list<Bytes> parts);
