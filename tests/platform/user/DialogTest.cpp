#include <array>

#include "platform/gdi/DeviceContext.h"
#include "platform/user/GlyphFont.h"
#include "platform/user/MessageBoxWindow.h"
#include "platform/user/ScreenSize.h"
#include "platform/user/WindowManager.h"
#include "tests/platform/user/WindowFixture.h"

using DialogTest = WindowFixture;

namespace {

constexpr uint32_t kCream = 0xFFF6DC;
constexpr uint32_t kOrange = 0xFF9B3D;
constexpr uint32_t kRed = 0xF0524F;
constexpr uint32_t kBlue = 0x3E9BF0;

// Paints every window that waits for it, as the idle loop would before a child looks.
void PaintEveryWindow() {
    for (const HWND top : WindowManager::Instance().TopLevelWindows()) {
        UpdateWindow(top);
        for (const HWND child : WindowManager::Instance().Children(top)) UpdateWindow(child);
    }
}

}  // namespace

TEST_F(DialogTest, ScriptedMessageBoxAnswersComeInTurnThenTheDefaultButton) {
    machine.ScriptMessageBoxAnswers({IDCANCEL, IDOK});
    EXPECT_EQ(MessageBoxA(nullptr, "first", "Caption", MB_OKCANCEL), IDCANCEL);
    EXPECT_EQ(MessageBoxA(nullptr, "second", "Caption", MB_OKCANCEL), IDOK);
    EXPECT_EQ(MessageBoxA(nullptr, "third", "Caption", MB_OKCANCEL), IDOK);
}

// Every kind of box, answered as a child would: Enter takes the first button, Escape
// Cancel or No (OK where OK is alone), and a click (or a tap) on a button takes that
// button. The box is the album's own window, centred over the main window, its border
// in the colour of its icon, its buttons tall enough for a finger; nothing behind it
// takes a click while it is open. When the program is ended while a box is open, the box
// answers what Escape answers (nothing is confirmed on the way out) and the quit request
// reaches the main loop.
TEST_F(DialogTest, EveryBoxAnswersEnterEscapeItsButtonsAndTheEndAndIsDrawnInTheAlbumsColours) {
    const struct {
        UINT type;
        std::vector<int> buttons;
        int escape;
        uint32_t border;
    } kinds[] = {
        {MB_OK, {IDOK}, IDOK, kBlue},
        {MB_OKCANCEL | MB_ICONEXCLAMATION, {IDOK, IDCANCEL}, IDCANCEL, kOrange},
        {MB_YESNO | MB_ICONHAND, {IDYES, IDNO}, IDNO, kRed},
        {MB_OK | MB_ICONINFORMATION, {IDOK}, IDOK, kBlue},
    };
    const HWND main = MakeWindow("main", RECT{0, 0, kScreenWidth, kScreenHeight});
    // A window the box does not belong to, under the click behind the box.
    const HWND other = MakeWindow("other", RECT{0, 0, 10, 10});
    machine.HoldMessageBoxes();
    for (const auto& kind : kinds) {
        SCOPED_TRACE(kind.type);
        const auto ask = [&] {
            return MessageBoxA(main, "Some words for the grown-up.", "Caption", kind.type);
        };
        const MessageBoxWindow box("Some words for the grown-up.", "Caption", kind.type);
        std::vector<int> ids;
        for (const auto& button : box.Buttons()) ids.push_back(button.id);
        EXPECT_EQ(ids, kind.buttons);
        const SIZE size = box.Size();
        const POINT corner{(kScreenWidth - size.cx) / 2, (kScreenHeight - size.cy) / 2};
        for (const RECT& place : box.ButtonPlaces()) EXPECT_GE(place.bottom - place.top, 48);

        machine.PressKey(static_cast<UINT>(VK_RETURN));
        EXPECT_EQ(ask(), kind.buttons.front());
        machine.PressKey(static_cast<UINT>(VK_ESCAPE));
        EXPECT_EQ(ask(), kind.escape);
        machine.EndSession();
        EXPECT_EQ(ask(), kind.escape) << "the end of the session";
        MSG message{};
        EXPECT_TRUE(PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE));
        EXPECT_EQ(message.message, static_cast<UINT>(WM_QUIT));
        EXPECT_EQ(WindowManager::Instance().TopLevelWindows().size(), 2u) << "the box is gone";
        for (size_t i = 0; i < ids.size(); ++i) {
            RECT place = box.ButtonPlaces()[i];
            OffsetRect(&place, corner.x, corner.y);
            machine.Then([&] {
                PaintEveryWindow();
                const Surface& screen = machine.ScreenPixels();
                EXPECT_EQ(screen.Pixel(corner.x + 2, corner.y + size.cy / 2), kind.border);
                EXPECT_EQ(screen.Pixel(corner.x + size.cx / 2, corner.y + 20 + 2), kCream);
                EXPECT_EQ(screen.Pixel(corner.x - 1, corner.y - 1), 0u) << "outside the box";
                EXPECT_FALSE(IsWindowEnabled(main));
                EXPECT_FALSE(IsWindowEnabled(other));
            });
            machine.Click(POINT{5, 5});  // behind the box: nothing
            machine.Click(POINT{(place.left + place.right) / 2, (place.top + place.bottom) / 2});
            EXPECT_EQ(ask(), ids[i]);
        }
        EXPECT_TRUE(IsWindowEnabled(main));
        EXPECT_TRUE(IsWindowEnabled(other));
    }
    const Strings clicks = TakeTrace({WM_LBUTTONDOWN}, true);
    EXPECT_TRUE(clicks.empty()) << clicks.front();
}

// Before any window of the program is on show, the box lies at the screen's top left
// corner and the machine shows it alone, in a window of its size, until it is answered.
TEST_F(DialogTest, ABoxBeforeAnyWindowIsShownAlone) {
    machine.Then([&] {
        PaintEveryWindow();
        ASSERT_TRUE(machine.ShownOnly());
        const RECT area = *machine.ShownOnly();
        EXPECT_EQ((std::array{area.left, area.top, area.right}), (std::array<LONG, 3>{0, 0, 600}));
        EXPECT_EQ(machine.ScreenPixels().Pixel(2, 2), kOrange);
    });
    EXPECT_EQ(MessageBoxA(nullptr, "A file is missing.", "Error", MB_ICONEXCLAMATION), IDOK);
    EXPECT_FALSE(machine.ShownOnly());
}

// Lines break between words, at line feeds, and inside a word only when the word alone
// is wider than the line (a long file name); no line is wider than asked, no letter lost.
TEST(GlyphFontTest, TextWrapsBetweenWordsAndCutsOnlyWordsTooLongForALine) {
    const std::optional<GlyphFont> letters = GlyphFont::Load("MessageLetters");
    ASSERT_TRUE(letters);
    EXPECT_GT(letters->Advance('W'), letters->Advance('i'));
    EXPECT_EQ(letters->Advance('\x01'), letters->Advance('?'));
    const LONG width = letters->Width("A file needed for");
    const struct {
        std::string text;
        std::vector<std::string> lines;
    } cases[] = {
        {"", {""}},
        {"Short.", {"Short."}},
        {"A file needed for Quillory is missing.",
         {"A file needed for", "Quillory is", "missing."}},
        {"First\n\nthird", {"First", "", "third"}},
    };
    for (const auto& [text, lines] : cases) EXPECT_EQ(letters->Wrap(text, width), lines) << text;

    const std::string path = "/home/child/album/data003/s0101.dat/and/on/and/on/and/on";
    const std::vector<std::string> cut = letters->Wrap("In " + path, width);
    std::string joined;
    for (const std::string& line : cut) {
        EXPECT_LE(letters->Width(line), width) << line;
        joined += line;
    }
    EXPECT_EQ(joined, "In" + path) << "the word moves to its own lines and keeps every letter";
}
