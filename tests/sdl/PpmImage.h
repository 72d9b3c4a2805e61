#pragma once
// Reads the binary PPM pictures (P6, 8 bits a channel) that the screenshot and PDF
// tools write, as a surface of 0x00RRGGBB pixels, and writes one for them to read.

#include <optional>
#include <string>

#include "platform/Surface.h"

std::optional<Surface> ReadPpm(const std::string& bytes);
std::string WritePpm(const Surface& picture);
