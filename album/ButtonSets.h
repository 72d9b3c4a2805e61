#pragma once
// The four button families of the two screens, one object of each for the album.

#include "album/ButtonSetOf.h"
#include "album/CommandButtonSubclass.h"
#include "album/SheetButtonSubclass.h"
#include "album/StartButtonSubclass.h"
#include "album/StickerButtonSubclass.h"
#include "catalogue/DataFiles.h"

using StartButtonSet = ButtonSetOf<StartButtonSubclass, 1>;
using CommandButtonSet = ButtonSetOf<CommandButtonSubclass, kNumberOfCommandButtons>;
using SheetButtonSet = ButtonSetOf<SheetButtonSubclass, kNumberOfSheets>;
// 28 windows; its 224 pictures are numbered by sticker index.
using StickerButtonSet = ButtonSetOf<StickerButtonSubclass, kStickersPerSheet>;

struct ButtonSets {
    StartButtonSet start;
    CommandButtonSet commands;
    SheetButtonSet sheets;
    StickerButtonSet stickers{NUMBEROFSTICKERGRAPHICS};
};
