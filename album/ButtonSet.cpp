#include "album/ButtonSet.h"

#include <algorithm>

#include "platform/user/User.h"

namespace {

constexpr DWORD kButtonStyle = WS_CHILD | WS_VISIBLE | BS_OWNERDRAW;
static_assert(kButtonStyle == 0x5000000B);

}  // namespace

ButtonSet::ButtonSet(int32_t windowCount, int32_t pictureCount)
    : m_pictures(std::make_unique<ButtonBitmap[]>(static_cast<size_t>(std::max(pictureCount, 0)))),
      m_pictureCount(std::max(pictureCount, 0)),
      m_windowCount(std::max(windowCount, 0)),
      m_windows(static_cast<size_t>(m_windowCount), nullptr) {}

ButtonSet::~ButtonSet() {
    m_pictures.reset();
}

void ButtonSet::LoadImages(const TiledBitmapInfo* descriptors, HWND window) {
    if (descriptors == nullptr) return;
    for (int32_t n = 0; n < m_pictureCount; ++n) {
        ButtonBitmap& picture = m_pictures[static_cast<size_t>(n)];
        picture.SetTiledInfo(&descriptors[n]);
        picture.Load(window);
    }
}

void ButtonSet::CreateWindows(HWND parent, const ButtonRow* rows) {
    if (rows == nullptr) return;
    const auto instance =
        reinterpret_cast<HINSTANCE>(static_cast<intptr_t>(GetWindowLongA(parent, GWL_HINSTANCE)));
    for (int32_t w = 0; w < m_windowCount; ++w) {
        const ButtonRow& row = rows[w];
        m_windows[static_cast<size_t>(w)] = CreateWindowExA(
            0, "button", "", kButtonStyle, row.x, row.y, row.width, row.height, parent,
            reinterpret_cast<HMENU>(static_cast<intptr_t>(row.id)), instance, nullptr);
    }
}

void ButtonSet::DestroyWindows() {
    for (HWND& window : m_windows) {
        if (window != nullptr) DestroyWindow(window);
        window = nullptr;
    }
}

void ButtonSet::DrawButton(HDC dc, int32_t requested, int32_t picture, const POINT* offset,
                           Ring ring) {
    ButtonBitmap* bitmap = GetPicture(picture);
    if (bitmap != nullptr) bitmap->SetState(dc, requested, offset, ring);
}

ButtonBitmap* ButtonSet::GetPicture(int32_t picture) const {
    if (picture < 0 || picture >= m_pictureCount) return nullptr;
    return &m_pictures[static_cast<size_t>(picture)];
}

HWND ButtonSet::GetWindow(int32_t w) const {
    if (w < 0 || w >= m_windowCount) return nullptr;
    return m_windows[static_cast<size_t>(w)];
}
