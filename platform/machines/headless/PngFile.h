#pragma once
// Writes a surface as a PNG picture (8-bit RGB), so that a failing test can leave
// the screen it saw for a person to look at.

#include <string>

#include "platform/gdi/Surface.h"

bool SavePng(const Surface& picture, const std::string& hostPath);
