#include "app/BitmapDialogs.h"

#include <array>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>
#include <vector>

#include "diag/Log.h"
#include "gfx/PictureFormat.h"
#include "platform/gdi/Gdi.h"
#include "platform/user/Dialog.h"
#include "platform/user/Resources.h"
#include "platform/user/User.h"

namespace {

// A button of a layout: id, place and size in units of 2 pixels, and its pictures.
struct BitmapDialogButton {
    int id;
    int16_t x;
    int16_t y;
    int16_t width;
    int16_t height;
    const char* upPicture;
    const char* downPicture;
};

struct BitmapDialogLayout {
    int16_t width;
    int16_t height;
    std::vector<BitmapDialogButton> buttons;
    // The button ids that end the dialog, each with itself.
    std::vector<int> endingIds;
    // Any mouse button or key ends it, with IDOK.
    bool endsOnAnyInput = false;
};

const std::array<BitmapDialogLayout, kNumberOfDialogKinds>& Layouts() {
    static const std::array<BitmapDialogLayout, kNumberOfDialogKinds> layouts = {{
        {180,
         180,
         {{IDOK, 19, 144, 64, 25, "YESButtonUp", "YESButtonDown"},
          {IDCANCEL, 98, 144, 64, 25, "NOButtonUp", "NOButtonDown"}},
         {IDOK, IDCANCEL}},
        {180, 180, {{IDOK, 57, 148, 64, 25, "OKButtonUp", "OKButtonDown"}}, {IDOK, IDCANCEL}},
        {512, 384, {{IDOK, 225, 348, 62, 26, "QuitButtonUp", "QuitButtonDown"}}, {IDOK}},
        {512, 384, {}, {IDOK, IDCANCEL}, true},
    }};
    return layouts;
}

// The background of the open dialog of each kind.
std::array<std::string, kNumberOfDialogKinds>& Backgrounds() {
    static std::array<std::string, kNumberOfDialogKinds> backgrounds;
    return backgrounds;
}

int16_t ToDialogUnits(int16_t stored, WORD base, int scale) {
    return static_cast<int16_t>(stored * scale / base);
}

DialogLayout BuildTemplate(const BitmapDialogLayout& layout) {
    const auto baseUnits = static_cast<uintptr_t>(GetDialogBaseUnits());
    const WORD baseX = LOWORD(baseUnits);
    const WORD baseY = HIWORD(baseUnits);
    DialogLayout dialog{WS_POPUP,
                        0,
                        0,
                        ToDialogUnits(layout.width, baseX, 8),
                        ToDialogUnits(layout.height, baseY, 16),
                        {}};
    for (const BitmapDialogButton& button : layout.buttons) {
        dialog.items.push_back(DialogItem{
            "BUTTON", button.id, WS_CHILD | WS_VISIBLE | BS_OWNERDRAW,
            ToDialogUnits(button.x, baseX, 8), ToDialogUnits(button.y, baseY, 16),
            ToDialogUnits(button.width, baseX, 8), ToDialogUnits(button.height, baseY, 16)});
    }
    return dialog;
}

const BitmapDialogButton* FindButton(const BitmapDialogLayout& layout, int id) {
    for (const BitmapDialogButton& button : layout.buttons) {
        if (button.id == id) return &button;
    }
    return nullptr;
}

bool EndsDialog(const BitmapDialogLayout& layout, int id) {
    for (int ending : layout.endingIds) {
        if (ending == id) return true;
    }
    return false;
}

INT_PTR HandleDialogMessage(int32_t kind, HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    const BitmapDialogLayout& layout = Layouts()[static_cast<size_t>(kind)];
    std::string& background = Backgrounds()[static_cast<size_t>(kind)];
    switch (message) {
        case WM_INITDIALOG: {
            const auto* name = reinterpret_cast<const char*>(lParam);
            background = name != nullptr ? name : "";
            CentreOnParent(dialog, 0);
            // Without a button to take the keyboard, the dialog takes it itself.
            if (!layout.buttons.empty()) return TRUE;
            SetFocus(dialog);
            return FALSE;
        }
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_KEYDOWN:
            if (!layout.endsOnAnyInput) return FALSE;
            EndDialog(dialog, IDOK);
            return TRUE;
        case WM_ERASEBKGND:
            return DrawBitmapResource(reinterpret_cast<HDC>(wParam), background.c_str(), 0, 0);
        case WM_DRAWITEM: {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            const BitmapDialogButton* button =
                item != nullptr ? FindButton(layout, static_cast<int>(item->CtlID)) : nullptr;
            if (button != nullptr) DrawBitmapButton(item, button->downPicture, button->upPicture);
            return 0;
        }
        case WM_COMMAND: {
            const int id = LOWORD(wParam);
            if (!EndsDialog(layout, id)) return FALSE;
            EndDialog(dialog, id);
            return TRUE;
        }
        default:
            return FALSE;
    }
}

// The header and pixels of a picture resource, checked against the resource's size.
struct ResourcePicture {
    BITMAPINFO info{};
    const uint8_t* bits = nullptr;
};

bool FindResourcePicture(const char* name, ResourcePicture& out) {
    const Resource* resource =
        name != nullptr ? Resources::Find(name, ResourceKind::Bitmap) : nullptr;
    if (resource == nullptr || resource->bytes.size() < kPicturePixelOffset) return false;
    std::memcpy(&out.info.bmiHeader, resource->bytes.data() + kFileHeaderSize, kInfoHeaderSize);
    const BITMAPINFOHEADER& header = out.info.bmiHeader;
    if (!IsSupportedDib(header) || header.biBitCount != 24) return false;
    const uint64_t rows =
        static_cast<uint64_t>(header.biHeight < 0 ? -int64_t{header.biHeight} : header.biHeight);
    if (resource->bytes.size() - kPicturePixelOffset <
        uint64_t{DibStride(header.biWidth, 24)} * rows)
        return false;
    out.bits = resource->bytes.data() + kPicturePixelOffset;
    return true;
}

}  // namespace

int ShowBitmapDialog(HWND parent, int32_t kind, DLGPROC procedure, const char* background) {
    if (kind < 0 || kind >= kNumberOfDialogKinds || procedure == nullptr) {
        WriteLog("ShowBitmapDialog: No dialog of kind %i.", kind);
        return 0;
    }
    // The picture holds the dialog's words: without it a child would see bare buttons.
    ResourcePicture face;
    if (!FindResourcePicture(background, face)) {
        WriteLog("ShowBitmapDialog: No picture %s.", background != nullptr ? background : "(none)");
        return -1;
    }
    DialogLayout dialog;
    try {
        dialog = BuildTemplate(Layouts()[static_cast<size_t>(kind)]);
    } catch (const std::bad_alloc&) {
        MessageBoxA(parent, "Insufficient memory.", "Dialog Box Error", MB_OK);
        return 0;
    }
    const auto instance =
        reinterpret_cast<HINSTANCE>(static_cast<intptr_t>(GetWindowLongA(parent, GWL_HINSTANCE)));
    return static_cast<int>(DialogBoxLayout(instance != nullptr ? instance : ProgramInstance(),
                                            dialog, parent, procedure,
                                            reinterpret_cast<LPARAM>(background)));
}

bool AskYesNo(HWND parent, const char* background) {
    return ShowBitmapDialog(parent, kDialogYesNo, YesNoDialogProc, background) == IDOK;
}

INT_PTR YesNoDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    return HandleDialogMessage(kDialogYesNo, dialog, message, wParam, lParam);
}

INT_PTR OkDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    return HandleDialogMessage(kDialogOk, dialog, message, wParam, lParam);
}

INT_PTR QuitDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    return HandleDialogMessage(kDialogEnding, dialog, message, wParam, lParam);
}

INT_PTR CelebrationDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    return HandleDialogMessage(kDialogCelebration, dialog, message, wParam, lParam);
}

int DrawBitmapResource(HDC dc, const char* name, int x, int y) {
    ResourcePicture picture;
    if (dc == nullptr || !FindResourcePicture(name, picture)) return 1;
    const LONG width = picture.info.bmiHeader.biWidth;
    const LONG height = std::abs(picture.info.bmiHeader.biHeight);
    StretchDIBits(dc, x, y, width, height, 0, 0, width, height, picture.bits, &picture.info,
                  DIB_RGB_COLORS, SRCCOPY);
    return 1;
}

int DrawBitmapButton(const DRAWITEMSTRUCT* drawItem, const char* downName, const char* upName) {
    if (drawItem == nullptr) return 0;
    const char* name = (drawItem->itemState & ODS_SELECTED) != 0 ? downName : upName;
    DrawBitmapResource(drawItem->hDC, name, drawItem->rcItem.left, drawItem->rcItem.top);
    return 0;
}

void CentreOnParent(HWND dialog, int yOffset) {
    const HWND parent = GetParent(dialog);
    RECT parentRect{};
    RECT dialogRect{};
    if (parent == nullptr || !GetWindowRect(parent, &parentRect) ||
        !GetWindowRect(dialog, &dialogRect))
        return;
    const LONG width = dialogRect.right - dialogRect.left;
    const LONG height = dialogRect.bottom - dialogRect.top;
    MoveWindow(dialog, (parentRect.right - width) / 2, (parentRect.bottom - height) / 2 + yOffset,
               width, height, FALSE);
}
