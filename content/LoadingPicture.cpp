#include "content/LoadingPicture.h"

#include <cairo.h>

#include <fstream>
#include <stdexcept>
#include <vector>

#include "catalogue/PageGeometry.h"
#include "content/Canvas.h"
#include "content/ScreenPreviews.h"

namespace {

cairo_status_t AppendPng(void* closure, const unsigned char* data, unsigned int length) {
    auto* bytes = static_cast<std::vector<uint8_t>*>(closure);
    bytes->insert(bytes->end(), data, data + length);
    return CAIRO_STATUS_SUCCESS;
}

// The title screen shrunk smoothly (the previews keep their pixels square; a picture
// shown enlarged in the browser looks better without hard steps).
std::vector<uint8_t> SmallTitlePng(const ContentOutput& output) {
    const Canvas title = ScreenPreviews::TitleScreen(output);
    const Canvas small(kScreenWidth / LoadingPicture::kShrink,
                       kScreenHeight / LoadingPicture::kShrink);
    cairo_t* context = small.Context();
    cairo_scale(context, 1.0 / LoadingPicture::kShrink, 1.0 / LoadingPicture::kShrink);
    cairo_set_source_surface(context, title.Surface(), 0, 0);
    cairo_pattern_set_filter(cairo_get_source(context), CAIRO_FILTER_GOOD);
    cairo_paint(context);
    cairo_surface_flush(small.Surface());
    std::vector<uint8_t> png;
    if (cairo_surface_write_to_png_stream(small.Surface(), AppendPng, &png) !=
        CAIRO_STATUS_SUCCESS) {
        throw std::runtime_error("cannot encode the loading picture");
    }
    return png;
}

}  // namespace

void LoadingPicture::Write(const ContentOutput& output, const std::filesystem::path& file) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << "data:image/png;base64," << Base64(SmallTitlePng(output)) << '\n';
    if (!out.flush()) throw std::runtime_error("cannot write " + file.string());
}

std::string LoadingPicture::Base64(std::span<const uint8_t> bytes) {
    static constexpr char kDigits[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string text;
    text.reserve((bytes.size() + 2) / 3 * 4);
    for (size_t i = 0; i < bytes.size(); i += 3) {
        const size_t left = bytes.size() - i;
        const uint32_t group = (uint32_t{bytes[i]} << 16) |
                               (left > 1 ? uint32_t{bytes[i + 1]} << 8 : 0u) |
                               (left > 2 ? uint32_t{bytes[i + 2]} : 0u);
        for (size_t digit = 0; digit < 4; ++digit) {
            const bool present = digit <= left;
            text += present ? kDigits[(group >> (18 - 6 * digit)) & 0x3F] : '=';
        }
    }
    return text;
}
