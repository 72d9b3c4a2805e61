#include "scene/Sprite.h"

#include <algorithm>
#include <cstdint>

#include "diag/Log.h"
#include "platform/gdi/DeviceContext.h"

namespace {

// A sprite built before its picture is read starts as 32 x 32.
constexpr LONG kInitialSide = 32;

}  // namespace

CSprite::CSprite(int32_t serial, int32_t spriteIndex, const POINT* position)
    : CSprite(NoPicture{}, serial, spriteIndex, position) {
    Create(kInitialSide, kInitialSide);
}

CSprite::CSprite(NoPicture, int32_t serial, int32_t spriteIndex, const POINT* position)
    : m_x(position != nullptr ? position->x : 0),
      m_y(position != nullptr ? position->y : 0),
      m_colourKey(kUnloadedKey),
      m_serial(serial),
      m_spriteIndex(spriteIndex) {}

CSprite::CSprite()
    : CDIB(kInitialSide, kInitialSide),
      m_colourKey(kTransparentColour),
      m_serial(0),
      m_spriteIndex(0) {}

CSprite::~CSprite() = default;

RECT CSprite::AreaAtPosition(LONG width, LONG height) const {
    const auto edge = [](LONG start, LONG length) {
        return static_cast<LONG>(std::min<int64_t>(int64_t{start} + length, INT32_MAX));
    };
    return RECT{m_x, m_y, edge(m_x, width), edge(m_y, height)};
}

void CSprite::GetRect(RECT& out) const {
    out = AreaAtPosition(GetWidth(), GetHeight());
}
LONG CSprite::GetX() const {
    return m_x;
}
LONG CSprite::GetY() const {
    return m_y;
}
int32_t CSprite::GetPriority() const {
    return m_priority;
}
void CSprite::SetPriority(int32_t priority) {
    m_priority = priority;
}

void CSprite::Draw(CDIB* dest, const RECT* clip) const {
    if (dest == nullptr) return;
    RECT area{};
    GetRect(area);
    if (!IsVisible()) return;
    if (clip != nullptr && !IntersectRect(&area, &area, clip)) return;
    const LONG width = area.right - area.left;
    const LONG height = area.bottom - area.top;
    const LONG srcX = area.left - m_x;
    const LONG srcY = area.top - m_y;
    if (IsFlipped()) {
        CopyMirroredTo(dest, area.left, area.top, width, height, srcX, srcY, m_colourKey);
    } else {
        CopyOpaqueRunsTo(dest, area.left, area.top, width, height, srcX, srcY, m_colourKey,
                         m_opaqueRuns);
    }
}

bool CSprite::Read(CFileBase& file) {
    if (!CDIB::Read(file)) {
        WriteLog("Failed to load Sprite; CFile");
        return false;
    }
    ResetColourKey();
    return true;
}

std::unique_ptr<CSprite> CSprite::FromPicture(const char* path, int32_t serial, int32_t spriteIndex,
                                              const POINT& position) {
    std::unique_ptr<CSprite> sprite(new CSprite(NoPicture{}, serial, spriteIndex, &position));
    if (!sprite->Load(path)) return nullptr;
    return sprite;
}

bool CSprite::Load(const char* path) {
    if (!CDIB::Load(path)) {
        WriteLog("Failed to load Sprite; LPSTR");
        return false;
    }
    ResetColourKey();
    return true;
}

void CSprite::ResetColourKey() {
    m_colourKey = kTransparentColour;
    m_opaqueRuns = FindOpaqueRuns(m_colourKey);
}

void CSprite::Notify(int32_t flags, const RECT& first, const RECT* second) {
    if (m_observer != nullptr) m_observer->OnSpriteChanged(this, flags, &first, second);
}

void CSprite::MoveTo(LONG x, LONG y) {
    RECT before{};
    GetRect(before);
    m_x = x;
    m_y = y;
    RECT after{};
    GetRect(after);
    Notify(SPRITE_MOVED, before, &after);
}

void CSprite::ChangePriority(int32_t priority) {
    RECT area{};
    GetRect(area);
    if (m_priority == priority) return;
    m_priority = priority;
    Notify(SPRITE_PRIORITY_CHANGED, area);
}

bool CSprite::IsInside(LONG x, LONG y, LONG width, LONG height) const {
    const int64_t dx = int64_t{x} - m_x;
    const int64_t dy = int64_t{y} - m_y;
    return dx > 0 && dx < width && dy > 0 && dy < height;
}

bool CSprite::HitTest(LONG x, LONG y) const {
    if (!IsInside(x, y, GetWidth(), GetHeight())) return false;
    COLORREF colour = 0;
    const bool read = IsFlipped() ? GetMirroredPixel(x - m_x, y - m_y, colour)
                                  : GetPixel(x - m_x, y - m_y, colour);
    return read && IsOpaque(colour);
}

void CSprite::SetObserver(CSpriteObserver* observer) {
    m_observer = observer;
}
void CSprite::Invalidate(const RECT& area) {
    Notify(SPRITE_INVALIDATE, area);
}
int32_t CSprite::GetSerial() const {
    return m_serial;
}
int32_t CSprite::GetSpriteIndex() const {
    return m_spriteIndex;
}
bool CSprite::IsVisible() const {
    return m_visible != 0;
}
void CSprite::Hide() {
    m_visible = 0;
}
void CSprite::SetFlip(bool flipped) {
    m_flipped = flipped ? 1 : 0;
}
bool CSprite::IsFlipped() const {
    return m_flipped != 0;
}
