#pragma once
// The pointer of the album: the arrow, or no pointer at all while a sticker is carried
// (the sticker itself shows where the pointer is). The system's cursor display counter
// is lowered exactly once while the pointer is hidden and raised again when it comes
// back, however often the kinds are asked for.

#include <cstdint>

#include "platform/user/UserTypes.h"

class CCursorSet {
public:
    static constexpr int32_t kArrow = 0;
    static constexpr int32_t kHidden = 2;

    CCursorSet() = default;
    virtual ~CCursorSet();
    CCursorSet(const CCursorSet&) = delete;
    CCursorSet& operator=(const CCursorSet&) = delete;

    // Takes ownership of the arrow cursor; a previous one is destroyed.
    void SetArrowCursor(HCURSOR arrow);
    HCURSOR GetArrowCursor() const { return m_arrow; }

    // Switches to `kind` and shows the arrow unless the pointer is hidden.
    void SetKind(int32_t kind);
    // The same without showing the arrow: the choice made before any window exists.
    void SetKindQuietly(int32_t kind);
    // A carry has ended: the hide latch opens and the pointer comes back.
    void EndHiding();
    // The arrow again, for WM_SETCURSOR, unless the pointer is hidden.
    void ShowCurrent() const;

    int32_t GetKind() const { return m_kind; }
    bool IsHidden() const { return m_kind == kHidden; }

private:
    void DestroyArrow();

    HCURSOR m_arrow = nullptr;
    int32_t m_kind = kArrow;
    int32_t m_hideLatch = 0;
};
