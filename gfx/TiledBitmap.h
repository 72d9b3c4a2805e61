#pragma once
// A picture file that holds several images of one purpose side by side or stacked (the
// tiles), with a table that says where each tile lies. The screens and every button face
// are drawn tile by tile from such pictures.

#include <cstdint>

#include "catalogue/TiledBitmapInfo.h"
#include "gfx/DIBSection.h"

class TiledBitmap : public CDIBSection {
public:
    TiledBitmap() = default;
    ~TiledBitmap() override = default;

    // Draws tile `index` unscaled with its top-left corner at `point`. False, with a log
    // line, when the picture has no such tile or no image.
    virtual bool DrawTile(HDC dc, int32_t index, POINT point) const;
    using CDIBSection::Draw;

    // Reads the descriptor's file (relative to the base directory). Without a
    // descriptor nothing happens; false when the file cannot be read.
    bool Load(HWND window);

    // The descriptor is not owned; it lives as long as the program.
    void SetTiledInfo(const TiledBitmapInfo* info) { m_tiledInfo = info; }
    int32_t GetTileCount() const { return m_tiledInfo != nullptr ? m_tiledInfo->tileCount : 0; }
    // The tile's place in the picture, or null for a tile the descriptor does not have.
    const TileRect* FindTile(int32_t index) const;

private:
    const TiledBitmapInfo* m_tiledInfo = nullptr;
};
