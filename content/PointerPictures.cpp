#include "content/PointerPictures.h"

#include <string>
#include <vector>

#include "content/Motifs.h"
#include "content/Palette.h"
#include "content/PictureEncoder.h"

namespace {

// The arrow's tip sits this far in from the corner, so that its outline fits.
constexpr int32_t kTip = 2;

Canvas DrawCursor() {
    Canvas canvas(PointerPictures::kCursorSize, PointerPictures::kCursorSize);
    Motifs::Pointer(canvas, kTip, kTip, 1.5);
    return canvas;
}

Canvas DrawIcon() {
    const double size = PointerPictures::kIconSize;
    Canvas canvas(PointerPictures::kIconSize, PointerPictures::kIconSize);
    canvas.RoundedBox(3, 9, size - 12, size - 12, 8);
    canvas.FillAndOutline(Palette::kSky, Palette::kInk, 3);
    Motifs::StarSticker(canvas, size * 0.56, size * 0.45, size * 0.4, Palette::kSun);
    return canvas;
}

// A contact sheet: the cursor and the icon enlarged four times on a checkerboard, so
// that their transparent edges can be judged, and at their own size on a dark and a
// light ground.
Canvas Preview(const Canvas& cursor, const Canvas& icon) {
    Canvas sheet(600, 360);
    for (int32_t y = 0; y < 360; y += 20) {
        for (int32_t x = 0; x < 600; x += 20) {
            sheet.RoundedBox(x, y, 20, 20, 0);
            sheet.FillPath((x + y) / 20 % 2 == 0 ? Colour::Hex(0xCCCCCC) : Colour::Hex(0xF2F2F2));
        }
    }
    sheet.Paint(cursor, 20, 20, 4.0);
    sheet.Paint(icon, 260, 20, 4.0);
    sheet.RoundedBox(20, 300, 560, 50, 0);
    sheet.FillPath(Palette::kNight);
    sheet.Paint(cursor, 40, 301);
    sheet.Paint(icon, 120, 300, 0.75);
    sheet.Paint(cursor, 320, 301);
    return sheet;
}

}  // namespace

void PointerPictures::Generate(ContentOutput& output) {
    std::vector<uint8_t> cursor = PictureEncoder::Encode(DrawCursor(), Transparency::MagentaKey);
    std::vector<uint8_t> icon = PictureEncoder::Encode(DrawIcon(), Transparency::MagentaKey);
    if (output.WantsPreviews()) {
        output.AddPreview("pointers",
                          Preview(PictureEncoder::Decode(cursor), PictureEncoder::Decode(icon)));
    }
    output.AddResource({"ArrowCursor", ResourceKind::Cursor, std::move(cursor), kTip, kTip});
    output.AddResource({"#" + std::to_string(kIconId), ResourceKind::Icon, std::move(icon)});
}
