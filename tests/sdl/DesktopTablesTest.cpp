// The small tables between SDL and the Windows-style services: keys, message box
// buttons, and the embedded pointer pictures.

#include <gtest/gtest.h>

#include <vector>

#include "platform/User.h"
#include "platform/sdl/KeyMap.h"
#include "platform/sdl/KeyedPicture.h"
#include "platform/sdl/SdlMessageBox.h"

namespace {

// A "Q3" picture of `width` x `height` 24-bit pixels, bottom-up, rows padded to 4 bytes.
std::vector<uint8_t> Picture(int32_t width, int32_t height, uint32_t topLeft, uint32_t rest) {
    const size_t stride = (static_cast<size_t>(width) * 3 + 3) & ~size_t{3};
    std::vector<uint8_t> bytes(54 + stride * static_cast<size_t>(height));
    const auto put32 = [&bytes](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i)
            bytes[at + static_cast<size_t>(i)] = static_cast<uint8_t>(v >> (8 * i));
    };
    bytes[0] = 'Q';
    bytes[1] = '3';
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<uint32_t>(width));
    put32(22, static_cast<uint32_t>(height));
    bytes[26] = 1;
    bytes[28] = 24;
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            const uint32_t rgb = (x == 0 && y == height - 1) ? topLeft : rest;
            uint8_t* pixel =
                &bytes[54 + static_cast<size_t>(y) * stride + static_cast<size_t>(x) * 3];
            pixel[0] = static_cast<uint8_t>(rgb);
            pixel[1] = static_cast<uint8_t>(rgb >> 8);
            pixel[2] = static_cast<uint8_t>(rgb >> 16);
        }
    }
    return bytes;
}

}  // namespace

TEST(KeyMapTest, TheKeysTheProgramReadsBecomeVirtualKeys) {
    EXPECT_EQ(KeyMap::VirtualKey(SDLK_RETURN), VK_RETURN);
    EXPECT_EQ(KeyMap::VirtualKey(SDLK_KP_ENTER), VK_RETURN);
    EXPECT_EQ(KeyMap::VirtualKey(SDLK_ESCAPE), VK_ESCAPE);
    EXPECT_EQ(KeyMap::VirtualKey(SDLK_PAGEUP), VK_PRIOR);
    EXPECT_EQ(KeyMap::VirtualKey(SDLK_PAGEDOWN), VK_NEXT);
    EXPECT_EQ(KeyMap::VirtualKey(SDLK_q), static_cast<UINT>('Q'));
    EXPECT_EQ(KeyMap::VirtualKey(SDLK_a), static_cast<UINT>('A'));
    EXPECT_EQ(KeyMap::VirtualKey(SDLK_z), static_cast<UINT>('Z'));
    EXPECT_EQ(KeyMap::VirtualKey(SDLK_7), static_cast<UINT>('7'));
    EXPECT_EQ(KeyMap::VirtualKey(SDLK_F1), 0x70u);
    EXPECT_FALSE(KeyMap::VirtualKey(SDLK_LSHIFT));
    EXPECT_FALSE(KeyMap::VirtualKey(SDLK_UNKNOWN));
}

TEST(SdlMessageBoxTest, EnterTakesTheFirstButtonAndEscapeTheLast) {
    for (const UINT type : {MB_OK, MB_OKCANCEL, MB_YESNO}) {
        const std::vector<SDL_MessageBoxButtonData> buttons =
            SdlMessageBox::Buttons(type | MB_ICONEXCLAMATION);
        ASSERT_FALSE(buttons.empty());
        EXPECT_NE(buttons.front().flags & SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, 0u);
        EXPECT_NE(buttons.back().flags & SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, 0u);
        // Enter answers what the window system says Enter answers.
        EXPECT_EQ(buttons.front().buttonid, DefaultMessageBoxAnswer(type));
    }
    EXPECT_EQ(SdlMessageBox::Buttons(MB_OKCANCEL).back().buttonid, IDCANCEL);
    EXPECT_EQ(SdlMessageBox::Buttons(MB_YESNO).back().buttonid, IDNO);
    EXPECT_EQ(SdlMessageBox::IconFlags(MB_ICONEXCLAMATION),
              static_cast<Uint32>(SDL_MESSAGEBOX_WARNING));
    EXPECT_EQ(SdlMessageBox::IconFlags(MB_ICONHAND), static_cast<Uint32>(SDL_MESSAGEBOX_ERROR));
    EXPECT_EQ(SdlMessageBox::IconFlags(MB_OK), static_cast<Uint32>(SDL_MESSAGEBOX_INFORMATION));
}

TEST(KeyedPictureTest, MagentaIsSeeThroughAndRowsAreTurnedTopDown) {
    const std::optional<CursorImage> image =
        KeyedPicture::Read(Picture(3, 2, 0x123456, 0xFF00FF), POINT{1, 1});
    ASSERT_TRUE(image);
    EXPECT_EQ(image->width, 3);
    EXPECT_EQ(image->height, 2);
    EXPECT_EQ(image->hotSpot.x, 1);
    EXPECT_EQ(image->pixels[0], 0xFF123456u);
    for (size_t i = 1; i < image->pixels.size(); ++i) EXPECT_EQ(image->pixels[i], 0u);
}

TEST(KeyedPictureTest, PicturesThatDoNotHoldTogetherReadAsNothing) {
    std::vector<uint8_t> bytes = Picture(4, 4, 0, 0);
    EXPECT_FALSE(KeyedPicture::Read(std::span(bytes).first(bytes.size() - 1), POINT{}));
    EXPECT_FALSE(KeyedPicture::Read(std::span(bytes).first(53), POINT{}));
    std::vector<uint8_t> wrongDepth = bytes;
    wrongDepth[28] = 8;
    EXPECT_FALSE(KeyedPicture::Read(wrongDepth, POINT{}));
    std::vector<uint8_t> huge = bytes;
    huge[21] = 0x7F;  // width near 2^31
    EXPECT_FALSE(KeyedPicture::Read(huge, POINT{}));
    std::vector<uint8_t> farOffset = bytes;
    farOffset[13] = 0xFF;
    EXPECT_FALSE(KeyedPicture::Read(farOffset, POINT{}));
    std::vector<uint8_t> notOurs = bytes;
    notOurs[0] = 'B';
    EXPECT_FALSE(KeyedPicture::Read(notOurs, POINT{}));
}
