#include "gfx/TiledBitmap.h"

#include "diag/Log.h"
#include "io/FileManager.h"

const TileRect* TiledBitmap::FindTile(int32_t index) const {
    if (m_tiledInfo == nullptr || m_tiledInfo->tiles == nullptr) return nullptr;
    if (index < 0 || index >= m_tiledInfo->tileCount) return nullptr;
    return &m_tiledInfo->tiles[index];
}

bool TiledBitmap::DrawTile(HDC dc, int32_t index, POINT point) const {
    const TileRect* tile = FindTile(index);
    if (tile == nullptr) {
        WriteLog("TiledBitmap::DrawTile: No tile %i.", index);
        return false;
    }
    // The picture's draw reads the source rectangle as left, top, width and height.
    const RECT source{tile->x, tile->y, tile->width, tile->height};
    return Draw(dc, point, &source);
}

bool TiledBitmap::Load(HWND window) {
    if (m_tiledInfo == nullptr || m_tiledInfo->fileName == nullptr) return false;
    CFileManager file(true);
    if (file.OpenForRead(m_tiledInfo->fileName) == nullptr) {
        WriteLog("TiledBitmap::Load: Unable to open %s.", m_tiledInfo->fileName);
        return false;
    }
    const bool read = ReadSection(file, window);
    file.Close();
    return read;
}
