#include "scene/FramedSprite.h"

#include "diag/Log.h"
#include "platform/gdi/DeviceContext.h"

CFramedSprite::CFramedSprite(int32_t serial, int32_t spriteIndex)
    : CSprite(serial, spriteIndex, nullptr) {
    m_rows.frameSize = GetHeight();
    m_columns.frameSize = GetWidth();
}

CFramedSprite::~CFramedSprite() = default;

void CFramedSprite::GetRect(RECT& out) const {
    out = AreaAtPosition(m_columns.frameSize, m_rows.frameSize);
}

void CFramedSprite::Draw(CDIB* dest, const RECT* clip) const {
    if (dest == nullptr) return;
    RECT area{};
    GetRect(area);
    if (clip != nullptr && !IntersectRect(&area, &area, clip)) return;
    if (IsRectEmpty(area)) return;
    const LONG srcX = area.left - GetX() + FrameLeft();
    const LONG srcY = area.top - GetY() + FrameTop();
    if (srcX < 0 || srcX > GetWidth() || srcY < 0 || srcY > GetHeight()) return;
    CopyOpaqueRunsTo(dest, area.left, area.top, area.right - area.left, area.bottom - area.top,
                     srcX, srcY, GetColourKey(), GetOpaqueRuns());
}

bool CFramedSprite::HitTest(LONG x, LONG y) const {
    if (!IsInside(x, y, m_columns.frameSize, m_rows.frameSize)) return false;
    COLORREF colour = 0;
    return GetPixel(x - GetX() + FrameLeft(), y - GetY() + FrameTop(), colour) && IsOpaque(colour);
}

bool CFramedSprite::Split(Axis& axis, int32_t count, LONG pictureSize,
                          const char* invalidCountMessage) {
    if (count < 1) {
        WriteLog("%s", invalidCountMessage);
        return false;
    }
    const int32_t frameSize = pictureSize / count;
    if (frameSize < 1) {
        WriteLog("Can't make them that small");
        return false;
    }
    axis = Axis{count, 0, frameSize};
    return true;
}

bool CFramedSprite::SetRows(int32_t count) {
    return Split(m_rows, count, GetHeight(), "Invalid number of rows");
}

bool CFramedSprite::SetColumns(int32_t count) {
    return Split(m_columns, count, GetWidth(), "Invalid number of columns");
}

bool CFramedSprite::Select(Axis& axis, int32_t index, const char* invalidIndexMessage) {
    if (index < 0 || index >= axis.count) {
        WriteLog("%s", invalidIndexMessage);
        return false;
    }
    if (index == axis.current) return false;
    axis.current = index;
    RECT area{};
    GetRect(area);
    Notify(SPRITE_FRAME_CHANGED, area);
    return true;
}

bool CFramedSprite::SetRow(int32_t row) {
    return Select(m_rows, row, "Invalid row");
}

bool CFramedSprite::SetColumn(int32_t column) {
    return Select(m_columns, column, "Invalid column");
}
