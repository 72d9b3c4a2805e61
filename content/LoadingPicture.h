#pragma once
// The web page's loading screen: the title screen, drawn small, as a data: address that
// the page carries inline, so that it shows with the page's first bytes.

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

#include "content/ContentOutput.h"

class LoadingPicture {
public:
    // A quarter of the screen's width and height: enough for a picture that shows
    // for a few seconds, and small enough to travel with the page.
    static constexpr int32_t kShrink = 4;

    // Writes "data:image/png;base64,..." of the title screen to `file`.
    static void Write(const ContentOutput& output, const std::filesystem::path& file);
    // Standard base64 (RFC 4648), padded with '='.
    static std::string Base64(std::span<const uint8_t> bytes);
};
