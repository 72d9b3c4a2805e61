#pragma once
// Writes a surface as a PNG picture (8-bit RGB), so that a failing test can leave
// the screen it saw for a person to look at.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/gdi/Surface.h"

bool SavePng(const Surface& picture, const std::string& hostPath);

// Writes 0xAARRGGBB pixels, rows top-down, as a PNG picture with its alpha channel
// (8-bit RGBA), for pictures whose see-through parts must stay see-through.
bool SavePngWithAlpha(LONG width, LONG height, const std::vector<uint32_t>& pixels,
                      const std::string& hostPath);
