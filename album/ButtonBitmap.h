#pragma once
// A button's picture: its faces are the tiles of one tiled picture, and it remembers the
// visual state it was last asked for, so that it draws the face that belongs to it.
//
// States: 0 normal, 1 pointer over, 2 pressed, 3 picked (a sticker being carried),
// 4 used (a sticker already stuck); the request 6 returns the button to normal. A
// two-face picture shows face 0 for state 0 and face 1 for state 2; a five-face sticker
// picture shows face k for state k. A face may be drawn with the keyboard's ring
// around it: a thick sunny band between two dark lines, with rounded corners, laid over
// the face's edge so that it shows on any picture.

#include <cstdint>
#include <optional>

#include "gfx/TiledBitmap.h"

constexpr int32_t kButtonStateNormal = 0;
constexpr int32_t kButtonStateOver = 1;
constexpr int32_t kButtonStatePressed = 2;
constexpr int32_t kButtonStatePicked = 3;
constexpr int32_t kButtonStateUsed = 4;
constexpr int32_t kButtonStateReset = 6;

// Whether a face is drawn with the keyboard's ring around it.
enum class Ring { None, Around };

class ButtonBitmap : public TiledBitmap {
public:
    ~ButtonBitmap() override = default;

    // Applies the request to the state, then draws the current face at `offset` (null:
    // the point (0, 0)), with the ring when asked.
    void SetState(HDC dc, int32_t requested, const POINT* offset, Ring ring = Ring::None);

    // The ring's colour at (x, y) of a face `width` by `height`, or nullopt where the
    // face shows through.
    static std::optional<COLORREF> RingColour(LONG x, LONG y, LONG width, LONG height);

    int32_t GetState() const { return m_state; }
    int32_t GetTile() const { return m_tile; }

private:
    static int32_t NextState(int32_t current, int32_t requested);
    void SelectTile();
    // The face and its ring are put together off screen and drawn in one copy.
    void DrawRingedTile(HDC dc, POINT at) const;

    // No state has been asked for yet.
    int32_t m_state = kButtonStateReset;
    int32_t m_tile = 0;
};
