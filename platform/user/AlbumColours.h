#pragma once
// The album's colours as the window system draws its own faces with them (those of its
// picture dialogs): the message boxes, and the album's panels drawn the same way.

#include <cstdint>

namespace AlbumColours {

constexpr uint32_t kInk = 0x2B2340;
constexpr uint32_t kCream = 0xFFF6DC;
constexpr uint32_t kBlue = 0x3E9BF0;
constexpr uint32_t kOrange = 0xFF9B3D;
constexpr uint32_t kRed = 0xF0524F;

}  // namespace AlbumColours
