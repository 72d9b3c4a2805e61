// The small tables between SDL and the Windows-style services: keys, message box
// buttons, and the embedded pointer pictures.

#include <gtest/gtest.h>

#include <vector>

#include "gfx/PictureFormat.h"
#include "platform/machines/sdl/KeyMap.h"
#include "platform/machines/sdl/KeyedPicture.h"
#include "platform/user/User.h"

namespace {

// A "Q3" picture of `width` x `height` 24-bit pixels, bottom-up, rows padded to 4 bytes.
std::vector<uint8_t> Picture(int32_t width, int32_t height, uint32_t topLeft, uint32_t rest) {
    const size_t stride = (static_cast<size_t>(width) * 3 + 3) & ~size_t{3};
    std::vector<uint8_t> bytes(kPicturePixelOffset + stride * static_cast<size_t>(height));
    PictureFileHeader{}.Store(bytes.data());
    StoreInfoHeader(BITMAPINFOHEADER{kInfoHeaderSize, width, height, 1, 24, 0, 0, 0, 0, 0, 0},
                    bytes.data() + kFileHeaderSize);
    for (size_t y = 0; y < static_cast<size_t>(height); ++y) {
        for (size_t x = 0; x < static_cast<size_t>(width); ++x) {
            StoreLittleEndian(&bytes[kPicturePixelOffset + y * stride + x * 3],
                              x == 0 && y + 1 == static_cast<size_t>(height) ? topLeft : rest, 3);
        }
    }
    return bytes;
}

}  // namespace

// Letters, digits and function keys at both ends of their ranges, and the named keys.
TEST(KeyMapTest, TheKeysTheProgramReadsBecomeVirtualKeys) {
    constexpr std::pair<SDL_Keycode, UINT> kKeys[] = {{SDLK_RETURN, VK_RETURN},
                                                      {SDLK_KP_ENTER, VK_RETURN},
                                                      {SDLK_ESCAPE, VK_ESCAPE},
                                                      {SDLK_PAGEUP, VK_PRIOR},
                                                      {SDLK_PAGEDOWN, VK_NEXT},
                                                      {SDLK_LSHIFT, VK_SHIFT},
                                                      {SDLK_RSHIFT, VK_SHIFT},
                                                      {SDLK_a, 'A'},
                                                      {SDLK_z, 'Z'},
                                                      {SDLK_0, '0'},
                                                      {SDLK_9, '9'},
                                                      {SDLK_F1, 0x70},
                                                      {SDLK_F12, 0x7B}};
    for (const auto& [key, virtualKey] : kKeys)
        EXPECT_EQ(KeyMap::VirtualKey(key), virtualKey) << "SDL key " << key;
    EXPECT_FALSE(KeyMap::VirtualKey(SDLK_LCTRL) || KeyMap::VirtualKey(SDLK_UNKNOWN));
}

// Magenta is see-through and rows are turned top-down. Pictures that do not hold
// together read as nothing: cut short, cut inside the header; a depth of 8, a width
// near 2^31, pixels far past the end, a type that is not "Q3".
TEST(KeyedPictureTest, MagentaIsSeeThroughRowsTurnTopDownAndBrokenPicturesReadAsNothing) {
    const std::optional<CursorImage> image =
        KeyedPicture::Read(Picture(3, 2, 0x123456, 0xFF00FF), POINT{1, 1});
    ASSERT_TRUE(image);
    EXPECT_TRUE(image->width == 3 && image->height == 2 && image->hotSpot.x == 1);
    EXPECT_EQ(image->pixels, (std::vector<uint32_t>{0xFF123456u, 0, 0, 0, 0, 0}));

    const std::vector<uint8_t> bytes = Picture(4, 4, 0, 0);
    EXPECT_FALSE(KeyedPicture::Read(std::span(bytes).first(bytes.size() - 1), POINT{}));
    EXPECT_FALSE(KeyedPicture::Read(std::span(bytes).first(53), POINT{}));
    for (const auto& [at, value] :
         {std::pair<size_t, uint8_t>{28, 8}, {21, 0x7F}, {13, 0xFF}, {0, 'B'}}) {
        std::vector<uint8_t> damaged = bytes;
        damaged[at] = value;
        EXPECT_FALSE(KeyedPicture::Read(damaged, POINT{})) << "byte " << at;
    }
}
