#include "scene/OffScreenBufferView.h"

#include <algorithm>
#include <utility>

#include "diag/Log.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/user/User.h"
#include "scene/RoundedCorners.h"

namespace {

constexpr COLORREF kBlack = 0x000000;
constexpr COLORREF kWhite = 0xFFFFFF;
// The printed border's width on every side.
constexpr LONG kFrameBorder = 2;

}  // namespace

COffScreenBufferView::COffScreenBufferView(bool useDIBSection) : m_useDIBSection(useDIBSection) {}

COffScreenBufferView::~COffScreenBufferView() {
    // The image may draw into the section's pixels: it goes first.
    m_image.reset();
    DeleteSection();
}

void COffScreenBufferView::DeleteSection() {
    if (m_section != nullptr) DeleteObject(m_section);
    m_section = nullptr;
}

void COffScreenBufferView::GetBufferRect(RECT& out) const {
    out = RECT{};
    if (m_image) m_image->GetRect(out);
}

void COffScreenBufferView::GetPrintRect(RECT& out) const {
    GetBufferRect(out);
    out.right += 2 * kFrameBorder;
    out.bottom += 2 * kFrameBorder;
}

bool COffScreenBufferView::CreateOffScreen(HWND window, const CDIB& background) {
    m_image = std::make_unique<CDIB>(32, 32);
    HDC dc = GetDC(window);
    bool created = false;
    if (!m_useDIBSection) {
        created = m_image->Create(background.GetWidth(), background.GetHeight());
    } else {
        DeleteSection();
        void* pixels = nullptr;
        m_section = CreateDIBSection(dc, background.GetInfo(), 1, &pixels, nullptr, 0);
        created = m_section != nullptr && m_image->Attach(background.GetInfo(), pixels);
    }
    ReleaseDC(window, dc);
    if (!created) {
        WriteLog("Failed to create off screen dib");
        m_image.reset();
        return false;
    }
    return true;
}

void COffScreenBufferView::AddDirtyRect(const RECT& area) {
    RECT common{};
    if (!m_dirtyRects.empty() && IntersectRect(&common, &m_dirtyRects.front(), &area)) {
        UnionRect(&m_dirtyRects.front(), &m_dirtyRects.front(), &area);
        return;
    }
    m_dirtyRects.push_back(area);
}

void COffScreenBufferView::Update(HWND window) {
    // Rectangles marked while these are drawn wait for the next update.
    const std::vector<RECT> dirty = std::exchange(m_dirtyRects, {});
    for (const RECT& area : dirty) Draw(&area);
    for (const RECT& area : dirty) CopyToWindow(window, &area);
}

void COffScreenBufferView::BlitFromSection(HDC dc, const RECT& area) const {
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ previous = SelectObject(memory, m_section);
    BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, memory,
           area.left, area.top, SRCCOPY);
    SelectObject(memory, previous);
    DeleteDC(memory);
}

void COffScreenBufferView::CopyToWindow(HWND window, const RECT* area) {
    if (!m_image) return;
    RECT bounds{};
    m_image->GetRect(bounds);
    if (area == nullptr && m_wholeWindow.right == 0) m_wholeWindow = bounds;
    RECT part{};
    if (!IntersectRect(&part, area != nullptr ? area : &m_wholeWindow, &bounds)) return;

    HDC dc = GetDC(window);
    if (dc == nullptr) return;
    if (m_useDIBSection) {
        BlitFromSection(dc, part);
    } else {
        const LONG width = part.right - part.left;
        const LONG height = part.bottom - part.top;
        // Rows of the bottom-up image count from its bottom line.
        StretchDIBits(dc, part.left, part.top, width, height, part.left,
                      bounds.bottom - part.bottom, width, height, m_image->GetPixels(),
                      m_image->GetInfo(), DIB_RGB_COLORS, SRCCOPY);
    }
    ReleaseDC(window, dc);
}

void COffScreenBufferView::PrintPage(HDC printer, const RECT& dest) {
    if (!m_image) return;
    RECT page{};
    m_image->GetRect(page);
    Draw(&page);
    DrawToPrinter(printer, dest);
}

void COffScreenBufferView::DrawToPrinter(HDC printer, const RECT& dest) {
    if (!m_image) return;
    RECT page{};
    m_image->GetRect(page);
    WriteLog("rcDIB.left %i top %i right %i bottom %i", page.left, page.top, page.right,
             page.bottom);
    WriteLog("rcDraw->left %i top %i right %i bottom %i", dest.left, dest.top, dest.right,
             dest.bottom);
    WriteLog("COffScreenBufferView::DrawToPrinter: Using StretchDIBits to draw");

    RECT frameArea{};
    GetPrintRect(frameArea);
    CDIB frame(frameArea.right, frameArea.bottom);
    std::fill_n(frame.GetPixels(), frame.GetImageSize(), uint8_t{0});
    RoundedCorners::kOuter.Paint(*m_image, kBlack);
    RoundedCorners::kInner.Paint(frame, kWhite);
    m_image->CopyTo(&frame, kFrameBorder, kFrameBorder, page.right, page.bottom, 0, 0,
                    CDIB::kNoKey);
    StretchDIBits(printer, dest.left, dest.top, dest.right, dest.bottom, 0, 0, frame.GetWidth(),
                  frame.GetHeight(), frame.GetPixels(), frame.GetInfo(), DIB_RGB_COLORS, SRCCOPY);
}
