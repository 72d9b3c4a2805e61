#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <sstream>

#include "app/KeyboardPlay.h"
#include "catalogue/DataFiles.h"
#include "catalogue/PageGeometry.h"
#include "catalogue/StickerNumbering.h"
#include "gfx/DIB.h"
#include "scene/Sprite.h"
#include "tests/scenarios/AlbumScenario.h"

namespace {

constexpr POINT kMiddleOfPage{kPageWidth / 2, kPageHeight / 2};

}  // namespace

class KeyboardOnly : public AlbumScenario {
protected:
    // Scripts keys written as words: "Tab*3" presses Tab three times, "hold:Space" sends
    // a key-down without its release (again: a held key's repeat), "up:Space" the release.
    void Keys(const std::string& words) {
        static const std::map<std::string, UINT> kNames = {
            {"Tab", VK_TAB},       {"Shift", VK_SHIFT},  {"Space", VK_SPACE}, {"Enter", VK_RETURN},
            {"Escape", VK_ESCAPE}, {"Left", VK_LEFT},    {"Right", VK_RIGHT}, {"Up", VK_UP},
            {"Down", VK_DOWN},     {"PageDown", VK_NEXT}};
        std::istringstream stream(words);
        for (std::string word; stream >> word;) {
            int times = 1;
            if (const size_t star = word.find('*'); star != std::string::npos) {
                times = std::stoi(word.substr(star + 1));
                word.resize(star);
            }
            const size_t colon = word.find(':');
            const std::string how = colon != std::string::npos ? word.substr(0, colon) : "";
            const UINT key = kNames.at(word.substr(colon != std::string::npos ? colon + 1 : 0));
            for (int i = 0; i < times; ++i) {
                if (how == "hold") {
                    machine.KeyDown(key);
                } else if (how == "up") {
                    machine.KeyUp(key);
                } else {
                    PressKey(key);
                }
            }
        }
    }
    // The carried sticker's middle on the page, which the keys move as the pointer does.
    POINT CarriedMiddle() const {
        const CSprite* sprite = album->View().GetCapturedSprite();
        if (sprite == nullptr) return POINT{-1, -1};
        return POINT{sprite->GetX() + sprite->GetWidth() / 2,
                     sprite->GetY() + sprite->GetHeight() / 2};
    }
    // Tab until the ring is on `command`, as a child watching it would: the first Tab
    // shows it on the sheet on show, and it passes over the slots of stuck stickers.
    void RingTo(int32_t command) {
        if (m_ring == 0) {
            PressKey(VK_TAB);
            m_ring = m_sheet;
        }
        while (m_ring != command) {
            PressKey(VK_TAB);
            do {
                m_ring = m_ring == IDM_STICKER28 ? IDM_SHEET1 : m_ring + 1;
            } while (StickerSelection::IsStickerCommand(m_ring) &&
                     m_stuck.contains(StickerIndexFromCommands(m_sheet, m_ring)));
        }
    }
    // From the middle of the page, the arrow presses that bring the sticker's corner
    // nearest to its home, then Space.
    void CarryHomeAndDrop(int32_t sticker) {
        CDIB picture(1, 1);
        picture.Load(StickerPictureFiles[static_cast<size_t>(sticker)]);
        const POINT home = HomeOf(sticker);
        const LONG across = home.x + picture.GetWidth() / 2 - kMiddleOfPage.x;
        const LONG down = home.y + picture.GetHeight() / 2 - kMiddleOfPage.y;
        Presses(across, VK_RIGHT, VK_LEFT);
        Presses(down, VK_DOWN, VK_UP);
        PressKey(VK_SPACE);
        m_stuck.insert(sticker);
    }
    void Presses(LONG distance, UINT forward, UINT back) {
        const LONG steps = (std::abs(distance) + KeyboardPlay::kStep / 2) / KeyboardPlay::kStep;
        for (LONG i = 0; i < steps; ++i) PressKey(distance > 0 ? forward : back);
    }
    void Stick(int32_t sticker, bool hint) {
        RingTo(IDM_SHEET1 + sticker / kStickersPerSheet);
        PressKey(VK_SPACE);
        m_sheet = m_ring;
        RingTo(IDM_STICKER1 + sticker % kStickersPerSheet);
        PressKey(VK_SPACE);
        if (hint) PressKey(VK_RETURN);
        CarryHomeAndDrop(sticker);
    }

    int32_t Peels() const {
        return static_cast<int32_t>(std::ranges::count(SoundsPlayed(), std::string("PeelWAVE")));
    }

private:
    int32_t m_ring = 0;
    int32_t m_sheet = IDM_SHEET1;
    std::set<int32_t> m_stuck;
};

// A child with a mouse sees nothing of the ring; the first Tab rings the sheet on show,
// and the ring goes from button to button leaving each face as it was.
TEST_F(KeyboardOnly, TheRingShowsOnlyOnceTheKeysMoveItAndLeavesNoTrace) {
    const ButtonRow& sheet = SheetButtonRows[1];
    const ButtonRow& slot = StickerButtonRows[0];
    const auto face = [this](const ButtonRow& b) { return ScreenBlock(AreaOf(b)); };
    std::vector<uint32_t> sheetFace, slotFace;
    StartBook();
    ClickButton(sheet);
    PickSticker(0, true);
    DropStickerAt(0, POINT{0, 0});
    Then([&] {
        EXPECT_EQ(album->KeyboardRing().Ringed(), 0);
        sheetFace = face(sheet);
        slotFace = face(slot);
    });
    PressKey(VK_TAB);
    Then([&] {
        const LONG middle = sheet.height / 2;
        EXPECT_EQ(machine.ScreenPixels().Pixel(sheet.x + 3, sheet.y + middle),
                  ScreenColour(*ButtonBitmap::RingColour(3, middle, sheet.width, sheet.height)));
        EXPECT_EQ(face(slot), slotFace);
    });
    Keys("Tab*7");
    Then([&] {
        EXPECT_EQ(album->KeyboardRing().Ringed(), IDM_STICKER1);
        EXPECT_EQ(face(sheet), sheetFace);
        EXPECT_NE(face(slot), slotFace);
    });
    PressKey(VK_TAB);
    Then([&] { EXPECT_EQ(face(slot), slotFace); });
    Keys("hold:Shift Tab up:Shift Space Escape Tab");
    Then([&] { EXPECT_EQ(face(slot), slotFace) << "picked by a key and put back"; });
    RunAndCloseAlbum();
}

// Keys alone fill the book, a sticker on every page: the ring to the sticker's sheet and
// Space, to its slot and Space, the arrows to its home and Space; Page Down turns on.
TEST_F(KeyboardOnly, StickAStickerOnEveryPage) {
    std::vector<int32_t> stuck;
    StartBook();
    for (int32_t page = 0; page < kNumberOfPages; ++page) {
        const int32_t sticker = StickersOf(page).back();
        Stick(sticker, page == 0);
        stuck.push_back(sticker);
        Then([this, page, sticker] {
            EXPECT_EQ(album->Document().GetCurrentPage(), page);
            EXPECT_EQ(album->Stickers().GetStickerUsed(sticker), SU_USED) << sticker;
            EXPECT_TRUE(ShowsAtHome(sticker)) << sticker;
            EXPECT_FALSE(album->View().IsDragging());
        });
        PressKey(VK_NEXT);
    }
    RunAndCloseAlbum();
    std::ranges::sort(stuck);
    EXPECT_EQ(StickersInRecord(), stuck);
}

// Each row starts a fresh album and plays keys only; the first pick shows the hint,
// which Enter or Space answers. Slot 1 of the first sheet is the ring's ninth stop.
TEST_F(KeyboardOnly, KeysMoveTheRingPressPickCarryDropAndPutBack) {
    constexpr LONG kHeldLeft = KeyboardPlay::kRepeatsBeforeFast * KeyboardPlay::kStep +
                               (10 - KeyboardPlay::kRepeatsBeforeFast) * KeyboardPlay::kFastStep;
    const struct {
        const char* name;
        bool onTitle;
        const char* keys;
        int32_t ring;
        int32_t page;
        int32_t peels;
        std::optional<POINT> carried;  // the carried sticker's middle, when one is carried
    } rows[] = {
        {"the first Tab shows the ring on the current sheet", false, "Tab", IDM_SHEET1, 0, 0,
         std::nullopt},
        {"Tab goes round from the last slot to the first sheet", false, "Tab*37", IDM_SHEET1, 0, 0,
         std::nullopt},
        {"Shift+Tab goes back, round to the last slot", false, "Tab hold:Shift Tab up:Shift",
         IDM_STICKER28, 0, 0, std::nullopt},
        {"Shift let go, Tab goes forward again", false, "Tab hold:Shift Tab up:Shift Tab",
         IDM_SHEET1, 0, 0, std::nullopt},
        {"Left and Right move the ring while nothing is carried", false, "Right Right Right Left",
         IDM_SHEET1 + 1, 0, 0, std::nullopt},
        {"Space and Enter press nothing before the ring shows", false, "Space Enter", 0, 0, 0,
         std::nullopt},
        {"Space picks the ringed sticker, in the middle of the page", false, "Tab*9 Space Enter",
         IDM_STICKER1, 0, 1, kMiddleOfPage},
        {"Enter picks too", false, "Tab*9 Enter Enter", IDM_STICKER1, 0, 1, kMiddleOfPage},
        {"the arrows move it, Up and Down too, and the page stays", false,
         "Tab*9 Space Enter Up Up Left Down*3 Right*4", IDM_STICKER1, 0, 1,
         POINT{kMiddleOfPage.x + 3 * KeyboardPlay::kStep, kMiddleOfPage.y + KeyboardPlay::kStep}},
        {"Tab moves the ring while carrying", false, "Tab*9 Space Enter Tab", IDM_STICKER1 + 1, 0,
         1, kMiddleOfPage},
        {"a held arrow's steps grow after a while", false, "Tab*9 Space Enter hold:Left*10 up:Left",
         IDM_STICKER1, 0, 1, POINT{kMiddleOfPage.x - kHeldLeft, kMiddleOfPage.y}},
        {"a held arrow stops at the page's edge", false, "Tab*9 Space Enter hold:Right*40 up:Right",
         IDM_STICKER1, 0, 1, POINT{kPageWidth, kMiddleOfPage.y}},
        {"Escape puts it back and it can be picked again", false,
         "Tab*9 Space Enter Escape Escape Space", IDM_STICKER1, 0, 2, kMiddleOfPage},
        {"Space far from home throws it away", false, "Tab*9 Space Enter Space", IDM_STICKER1, 0, 1,
         std::nullopt},
        {"a held Space picks once and drops once", false,
         "Tab*9 hold:Space*3 up:Space Enter hold:Space*3 up:Space", IDM_STICKER1, 0, 1,
         std::nullopt},
        {"a held Space picks without the hint and does not drop", false,
         "Tab*9 Space Enter Escape hold:Space*3 up:Space", IDM_STICKER1, 0, 2, kMiddleOfPage},
        {"Space answers the hint too, for a switch that sends only Space", false,
         "Tab*9 Space Space", IDM_STICKER1, 0, 1, kMiddleOfPage},
        {"Page Down while carrying ends the carry and turns", false, "Tab*9 Space Enter PageDown",
         IDM_STICKER1, 1, 1, std::nullopt},
        {"Down turns the page while nothing is carried", false, "Down", 0, 1, 0, std::nullopt},
        {"Space on the title starts the book; the ring waits for a Tab", true, "Tab Space", 0, 0, 0,
         std::nullopt},
        {"Enter on the title starts the book", true, "Enter", 0, 0, 0, std::nullopt},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        if (row.onTitle) {
            Keys(row.keys);
            Then([] {});
        } else {
            StartBook();
            Keys(row.keys);
        }
        Then([&] {
            EXPECT_EQ(Messages().GetPlayState(), kPlayStatePlaying);
            EXPECT_EQ(album->KeyboardRing().Ringed(), row.ring);
            EXPECT_EQ(album->View().IsDragging(), row.carried.has_value());
            EXPECT_EQ(machine.CursorVisible(), !row.carried);
            EXPECT_EQ(album->Document().GetCurrentPage(), row.page);
            EXPECT_EQ(Peels(), row.peels);
            EXPECT_EQ(CarriedMiddle(), row.carried.value_or(POINT{-1, -1}));
        });
        RunAndCloseAlbum();
        ResetMachine();
        std::filesystem::remove(FileIn("options03.dta"));  // the hint shows again
    }
}
