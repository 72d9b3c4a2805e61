// Any bytes as a page save file: the page document takes the stickers it can read,
// skips what names no sticker, and never reads outside what it was given.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "catalogue/DataFiles.h"
#include "fuzz/FuzzAlbum.h"
#include "fuzz/QuietMachine.h"
#include "io/FileManager.h"
#include "scene/AnimDoc.h"
#include "scene/AnimView.h"
#include "scene/Sprite.h"

namespace {

// Stickers with a picture; records of the others are skipped as unreadable.
constexpr std::array<size_t, 4> kStickersWithPictures = {0, 84, 88, 223};

void PutLittleEndian(std::vector<char>& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>(value >> (8 * i)));
}

// A 2 x 2 picture file of one colour, in the album's own picture format.
std::vector<char> TinyPicture() {
    constexpr uint32_t kPixelBytes = 16;  // two rows of 6 bytes, padded to 8
    std::vector<char> file;
    PutLittleEndian(file, 0x3351, 2);
    PutLittleEndian(file, 54 + kPixelBytes, 4);
    PutLittleEndian(file, 0, 4);
    PutLittleEndian(file, 54, 4);
    for (const uint32_t field : {40u, 2u, 2u}) PutLittleEndian(file, field, 4);
    PutLittleEndian(file, 1, 2);
    PutLittleEndian(file, 24, 2);
    for (int i = 0; i < 6; ++i) PutLittleEndian(file, 0, 4);
    file.resize(file.size() + kPixelBytes, 0x40);
    return file;
}

// The album folder, with a few sticker pictures in its data folder.
bool g_albumReady = false;

void SetUpAlbum() {
    if (g_albumReady) return;
    FuzzAlbum::Base("quillory-page-fuzz");
    QuietMachine::Install();
    const std::vector<char> picture = TinyPicture();
    for (const size_t sticker : kStickersWithPictures) {
        FuzzAlbum::PutFile(StickerPictureFiles[sticker], picture.data(), picture.size());
    }
    g_albumReady = true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    SetUpAlbum();
    FuzzAlbum::PutFile("\\save003\\page02.sav", data, size);

    CAnimView view;
    CAnimDoc doc;
    view.SetDocument(&doc);
    doc.SetView(&view);
    std::string fullPath;
    CFileManager().MakeFullPath(fullPath, "\\save003\\page02.sav");
    doc.ReadSprites(fullPath);
    // Only stickers of the book reach the page, and never more than the book has.
    CSpriteList& sprites = doc.GetSprites();
    if (sprites.GetCount() > static_cast<size_t>(NUMBEROFSTICKERGRAPHICS)) __builtin_trap();
    for (CSprite* sprite = sprites.First(); sprite != nullptr; sprite = sprites.Next()) {
        if (!IsStickerIndex(sprite->GetSpriteIndex())) __builtin_trap();
    }
    return 0;
}
