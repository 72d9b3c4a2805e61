#pragma once
// The themes of the pages of the book, one file each: what the page shows behind its
// stickers and what each of its stickers shows.

#include <vector>

#include "content/DesignKit.h"

// What a sticker shows: its name, as a grown-up would say it to a child, and its picture.
struct StickerDrawing {
    const char* name;
    DesignKit::Design design;
};

struct PageTheme {
    const char* name;
    // The colour of the theme, behind its stickers on their buttons: a hint of their page.
    Colour colour;
    // The page without its stickers' outlines.
    void (*scene)(Canvas&);
    // One for each sticker that lives on the page, in sticker index order.
    std::vector<StickerDrawing> stickers;
};

namespace Themes {

PageTheme Zoo();        // page 1
PageTheme Farm();       // page 2
PageTheme Market();     // page 3
PageTheme Party();      // page 4
PageTheme Town();       // page 5
PageTheme Garden();     // page 6
PageTheme Space();      // page 7
PageTheme Weather();    // page 8
PageTheme Winter();     // page 9
PageTheme Castle();     // page 10
PageTheme Toys();       // page 11
PageTheme Beach();      // page 12
PageTheme Woods();      // page 13
PageTheme Sea();        // page 14
PageTheme Pets();       // page 15
PageTheme Bugs();       // page 16
PageTheme Sweets();     // page 17
PageTheme Kitchen();    // page 18
PageTheme Air();        // page 19
PageTheme Shapes();     // page 20
PageTheme Music();      // page 21
PageTheme Blocks();     // page 22
PageTheme Dinosaurs();  // page 23
PageTheme Clothes();    // page 24
PageTheme Monsters();   // page 25

}  // namespace Themes
