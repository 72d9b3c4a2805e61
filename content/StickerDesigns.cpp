#include "content/StickerDesigns.h"

#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "catalogue/StickerHomePositions.h"
#include "catalogue/StickerNumbering.h"
#include "content/Palette.h"

namespace {

using ThemeFunction = PageTheme (*)();

// By home page number, from page 1.
constexpr ThemeFunction kThemes[kLastHomePageNumber - kFirstHomePageNumber + 1] = {
    Themes::Zoo,    Themes::Farm,   Themes::Market,    Themes::Party,   Themes::Town,
    Themes::Garden, Themes::Space,  Themes::Weather,   Themes::Winter,  Themes::Castle,
    Themes::Toys,   Themes::Beach,  Themes::Woods,     Themes::Sea,     Themes::Pets,
    Themes::Bugs,   Themes::Sweets, Themes::Kitchen,   Themes::Air,     Themes::Shapes,
    Themes::Music,  Themes::Blocks, Themes::Dinosaurs, Themes::Clothes, Themes::Monsters,
};

constexpr Colour kSheetColours[kNumberOfSheets] = {
    Palette::kOrange, Palette::kRed,   Palette::kBlue,   Palette::kGreen,
    Palette::kPink,   Palette::kNight, Palette::kPurple, DesignKit::kTeal,
};

struct Book {
    std::vector<PageTheme> themes;
    // Each sticker's drawing: the n-th sticker of a page shows the page's n-th drawing.
    std::vector<const StickerDrawing*> drawings;
};

// The book is made on first use, from the themes' own tables.
std::optional<Book> g_book;

// A child's grown-up tells stickers apart by their names, so no two share one.
void CheckNamesAreUnique(const Book& book) {
    std::set<std::string> names;
    for (const StickerDrawing* drawing : book.drawings) {
        if (*drawing->name == '\0' || !names.insert(drawing->name).second) {
            throw std::logic_error(std::string("the sticker name \"") + drawing->name +
                                   "\" is empty or taken");
        }
    }
}

// Hands each sticker the design of its page's theme, in order, and checks that every
// theme has exactly one design for each sticker of its page.
Book MadeBook() {
    Book made;
    for (const ThemeFunction theme : kThemes) made.themes.push_back(theme());
    std::vector<size_t> used(made.themes.size(), 0);
    for (const StickerHome& home : StickerHomePositions) {
        const auto page = static_cast<size_t>(home.pageNumber - kFirstHomePageNumber);
        const PageTheme& theme = made.themes.at(page);
        if (used[page] == theme.stickers.size()) {
            throw std::logic_error(std::string("\"") + theme.name +
                                   "\" has fewer designs than its page has stickers");
        }
        made.drawings.push_back(&theme.stickers[used[page]++]);
    }
    CheckNamesAreUnique(made);
    for (size_t page = 0; page < used.size(); ++page) {
        if (used[page] != made.themes[page].stickers.size()) {
            throw std::logic_error(std::string("\"") + made.themes[page].name +
                                   "\" has more designs than its page has stickers");
        }
    }
    return made;
}

const Book& TheBook() {
    if (!g_book) g_book = MadeBook();
    return *g_book;
}

}  // namespace

void StickerDesigns::Draw(Canvas& canvas, int32_t stickerIndex) {
    if (!IsStickerIndex(stickerIndex)) throw std::out_of_range("no such sticker");
    TheBook().drawings[static_cast<size_t>(stickerIndex)]->design(canvas);
}

const char* StickerDesigns::Name(int32_t stickerIndex) {
    if (!IsStickerIndex(stickerIndex)) throw std::out_of_range("no such sticker");
    return TheBook().drawings[static_cast<size_t>(stickerIndex)]->name;
}

const PageTheme& StickerDesigns::ThemeOfPage(int32_t pageNumber) {
    if (pageNumber < kFirstHomePageNumber || pageNumber > kLastHomePageNumber) {
        throw std::out_of_range("no such page");
    }
    return TheBook().themes[static_cast<size_t>(pageNumber - kFirstHomePageNumber)];
}

const PageTheme& StickerDesigns::ThemeOfSticker(int32_t stickerIndex) {
    if (!IsStickerIndex(stickerIndex)) throw std::out_of_range("no such sticker");
    return ThemeOfPage(StickerHomePositions[static_cast<size_t>(stickerIndex)].pageNumber);
}

Colour StickerDesigns::SheetColour(int32_t sheet) {
    if (sheet < 1 || sheet > kNumberOfSheets) throw std::out_of_range("no such sheet");
    return kSheetColours[sheet - 1];
}
