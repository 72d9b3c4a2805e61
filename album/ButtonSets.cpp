#include "album/ButtonSets.h"

StartButtonSet& StartButtons() {
    static StartButtonSet set;
    return set;
}

CommandButtonSet& CommandButtons() {
    static CommandButtonSet set;
    return set;
}

SheetButtonSet& SheetButtons() {
    static SheetButtonSet set;
    return set;
}

StickerButtonSet& StickerButtons() {
    static StickerButtonSet set(NUMBEROFSTICKERGRAPHICS);
    return set;
}
