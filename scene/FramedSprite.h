#pragma once
// A sprite whose picture is a grid of equal frames (rows x columns), of which one is
// shown: the page corners are framed sprites.

#include <cstdint>

#include "scene/Sprite.h"

class CFramedSprite : public CSprite {
public:
    CFramedSprite(int32_t serial, int32_t spriteIndex);
    ~CFramedSprite() override;

    void GetRect(RECT& out) const override;
    // Draws the current frame, unmirrored, whether or not the sprite is visible.
    void Draw(CDIB* dest, const RECT* clip) const override;
    bool HitTest(LONG x, LONG y) const override;

    // Splits the picture into `count` rows (columns); false, grid unchanged, when the
    // count is below 1 or the frames would be less than a pixel.
    virtual bool SetRows(int32_t count);
    virtual bool SetColumns(int32_t count);
    // Shows another frame; false when the index is outside the grid or already shown.
    virtual bool SetRow(int32_t row);
    virtual bool SetColumn(int32_t column);

private:
    // One axis of the grid: frame count, current frame and frame size in pixels.
    struct Axis {
        int32_t count = 1;
        int32_t current = 0;
        int32_t frameSize = 0;
    };
    bool Split(Axis& axis, int32_t count, LONG pictureSize, const char* invalidCountMessage);
    bool Select(Axis& axis, int32_t index, const char* invalidIndexMessage);
    LONG FrameLeft() const { return m_columns.current * m_columns.frameSize; }
    LONG FrameTop() const { return m_rows.current * m_rows.frameSize; }

    Axis m_rows;
    Axis m_columns;
};
