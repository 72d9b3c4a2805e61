#include "app/PictureDialogParts.h"

#include <optional>

#include "app/BitmapDialogs.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/user/GlyphFont.h"
#include "platform/user/PanelFill.h"
#include "platform/user/User.h"

namespace {

// How far the face of a picture button sinks when pressed (the content's buttons).
constexpr LONG kPressDepth = 5;

const std::optional<GlyphFont>& Letters(LetterSize size) {
    static const std::optional<GlyphFont> text = GlyphFont::Load("MessageLetters");
    static const std::optional<GlyphFont> title = GlyphFont::Load("MessageTitleLetters");
    return size == LetterSize::Title ? title : text;
}

RECT OnSurface(HDC dc, const RECT& box) {
    return RECT{dc->origin.x + box.left, dc->origin.y + box.top, dc->origin.x + box.right,
                dc->origin.y + box.bottom};
}

}  // namespace

void DrawLettering(HDC dc, const RECT& box, std::string_view text, LetterSize size,
                   uint32_t colour) {
    const std::optional<GlyphFont>& letters = Letters(size);
    if (dc == nullptr || dc->surface == nullptr || !letters) return;
    const RECT area = OnSurface(dc, box);
    const POINT at{area.left + (area.right - area.left - letters->Width(text)) / 2,
                   area.top + (area.bottom - area.top - letters->LineHeight()) / 2};
    letters->Draw(*dc->surface, at, dc->clip, text, colour);
    MarkDrawn(dc, area);
}

void DrawChoiceFrame(HDC dc, const RECT& box, LONG thickness, uint32_t colour) {
    if (dc == nullptr || dc->surface == nullptr) return;
    const RECT area = OnSurface(dc, box);
    const RECT bands[] = {{area.left, area.top, area.right, area.top + thickness},
                          {area.left, area.bottom - thickness, area.right, area.bottom},
                          {area.left, area.top, area.left + thickness, area.bottom},
                          {area.right - thickness, area.top, area.right, area.bottom}};
    for (const RECT& band : bands) FillArea(*dc->surface, dc->clip, band, colour);
    MarkDrawn(dc, area);
}

RECT ButtonFace(const DRAWITEMSTRUCT& item) {
    RECT face = item.rcItem;
    face.bottom -= kPressDepth;
    if ((item.itemState & ODS_SELECTED) != 0) OffsetRect(&face, 0, kPressDepth);
    return face;
}

DialogItem PictureButtonItem(int id, const RECT& place) {
    // Dialog units are 2 pixels either way.
    return DialogItem{"BUTTON",
                      id,
                      WS_CHILD | WS_VISIBLE | BS_OWNERDRAW,
                      static_cast<int16_t>(place.left / 2),
                      static_cast<int16_t>(place.top / 2),
                      static_cast<int16_t>((place.right - place.left) / 2),
                      static_cast<int16_t>((place.bottom - place.top) / 2)};
}

void CentreWithKeys(HWND dialog) {
    CentreOnParent(dialog, 0);
    SetFocus(dialog);
}
