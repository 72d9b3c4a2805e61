#include "scene/CursorSet.h"

#include "platform/user/User.h"

CCursorSet::~CCursorSet() {
    DestroyArrow();
}

void CCursorSet::DestroyArrow() {
    if (m_arrow != nullptr) DestroyCursor(m_arrow);
    m_arrow = nullptr;
}

void CCursorSet::SetArrowCursor(HCURSOR arrow) {
    if (arrow == m_arrow) return;
    DestroyArrow();
    m_arrow = arrow;
}

void CCursorSet::SetKindQuietly(int32_t kind) {
    if (m_hideLatch != 0 && kind != kArrow) {
        // Already hidden by an earlier request: the counter is lowered only once.
        if (m_kind != kHidden) {
            ShowCursor(FALSE);
            m_kind = kHidden;
        }
        return;
    }
    if (kind == kHidden) {
        ShowCursor(FALSE);
        m_hideLatch = 1;
    }
    if (m_kind == kHidden) ShowCursor(TRUE);
    m_kind = kind;
}

void CCursorSet::SetKind(int32_t kind) {
    SetKindQuietly(kind);
    ShowCurrent();
}

void CCursorSet::EndHiding() {
    m_hideLatch = 0;
    if (m_kind == kHidden) ShowCursor(TRUE);
    m_kind = kArrow;
}

void CCursorSet::ShowCurrent() const {
    if (m_kind != kHidden) SetCursor(m_arrow);
}
