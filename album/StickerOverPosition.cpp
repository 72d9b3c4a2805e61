#include "album/StickerOverPosition.h"

#include "catalogue/PageTable.h"
#include "catalogue/StickerHomePositions.h"
#include "diag/Assert.h"
#include "scene/AnimDoc.h"
#include "scene/AnimView.h"
#include "scene/Sprite.h"

namespace {

constexpr const char* kAssertModule = "StickerOverPosition";

// Strictly inside: a corner exactly the catch distance away does not stick.
bool IsWithinCatch(LONG position, int32_t home) {
    return home - StickerOverPosition::kCatchDistance < position &&
           position < home + StickerOverPosition::kCatchDistance;
}

}  // namespace

StickerOverPosition::StickerOverPosition(CAnimView* animView, CAnimDoc* animDoc)
    : m_view(animView), m_document(animDoc) {
    QASSERT(animView);
    QASSERT(animDoc);
}

bool StickerOverPosition::IsValid() const {
    return m_view != nullptr && m_document != nullptr;
}

int32_t StickerOverPosition::GetStickerPageIndex(int32_t stickerIndex) {
    if (!IsStickerIndex(stickerIndex)) return kNoPageIndex;
    return PageIndexOfPageNumber(
        StickerHomePositions[static_cast<size_t>(stickerIndex)].pageNumber);
}

bool StickerOverPosition::IsOverPosition() {
    if (!IsValid() || !m_view->IsDragging()) return false;
    CSprite* pCapturedSprite = m_view->GetCapturedSprite();
    QASSERT(pCapturedSprite);
    if (pCapturedSprite == nullptr) return false;

    const int32_t spriteIndex = pCapturedSprite->GetSpriteIndex();
    QASSERT(spriteIndex >= STICKER01_01 && spriteIndex < NUMBEROFSTICKERGRAPHICS);
    if (!IsStickerIndex(spriteIndex)) return false;

    if (GetStickerPageIndex(spriteIndex) != m_document->GetCurrentPage()) return false;
    const StickerHome& home = StickerHomePositions[static_cast<size_t>(spriteIndex)];
    if (!IsWithinCatch(pCapturedSprite->GetX(), home.x) ||
        !IsWithinCatch(pCapturedSprite->GetY(), home.y)) {
        return false;
    }
    pCapturedSprite->MoveTo(home.x, home.y);
    return true;
}
