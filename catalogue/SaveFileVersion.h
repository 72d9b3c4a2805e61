#pragma once
// The head every page save file and the used-sticker record carry: a version text and
// a version number, so that a foreign or older file is recognised before it is used.

#include <cstdint>

constexpr const char* VERSION_TEXT = "QUILRY03";
constexpr int32_t VER_NUMBER = 768;
