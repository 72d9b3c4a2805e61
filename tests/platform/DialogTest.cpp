#include <set>

#include "platform/DeviceContext.h"
#include "platform/Dialog.h"
#include "platform/WindowManager.h"
#include "tests/platform/WindowFixture.h"

namespace {

std::set<UINT> g_drawnButtons;

// A YES/NO dialog procedure: both ids end the dialog with themselves.
INT_PTR QuestionProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) return TRUE;
    if (message == WM_DRAWITEM) {
        g_drawnButtons.insert(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->CtlID);
        return TRUE;
    }
    if (message == WM_ERASEBKGND) {
        auto* dc = reinterpret_cast<HDC>(wParam);
        dc->surface->Fill(0x00FF00);
        MarkDrawn(dc, dc->clip);
        return TRUE;
    }
    if (message == WM_COMMAND && (LOWORD(wParam) == 1 || LOWORD(wParam) == 2)) {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

// The ending screen: only its Quit button (id 1) ends it.
INT_PTR QuitOnlyProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_COMMAND && LOWORD(wParam) == 1) {
        EndDialog(dialog, 1);
        return TRUE;
    }
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

DialogLayout QuestionLayout() {
    const DWORD style = WS_VISIBLE | BS_OWNERDRAW;
    DialogLayout layout{WS_POPUP, 0, 0, 180, 180, {}};
    layout.items = {{"button", 1, style, 19, 144, 64, 25}, {"button", 2, style, 98, 144, 64, 25}};
    return layout;
}

}  // namespace

class DialogTest : public WindowFixture {
protected:
    void SetUp() override {
        main = MakeWindow("main", {0, 0, 1024, 768});
        RunUntilIdle();
    }
    HWND main{};
};

TEST_F(DialogTest, BaseUnitsAreEightBySixteenAndOneUnitIsTwoPixels) {
    EXPECT_EQ(LOWORD(static_cast<uintptr_t>(GetDialogBaseUnits())), 8);
    EXPECT_EQ(HIWORD(static_cast<uintptr_t>(GetDialogBaseUnits())), 16);
    RECT r{19, 144, 19 + 64, 144 + 25};
    MapDialogRect(nullptr, &r);
    EXPECT_EQ(r, (RECT{38, 288, 166, 338}));
}

TEST_F(DialogTest, EnterAnswersOneEscapeTwoAndTheOwnerIsDisabledOnlyWhileItRuns) {
    for (const auto& [key, answer] : {std::pair<UINT, int>{VK_RETURN, 1}, {VK_ESCAPE, 2}}) {
        bool ownerDisabled = false;
        machine.Then([&] { ownerDisabled = !IsWindowEnabled(main); });
        machine.PressKey(key);
        EXPECT_EQ(DialogBoxLayout(ProgramInstance(), QuestionLayout(), main, QuestionProc, 0),
                  answer);
        EXPECT_TRUE(ownerDisabled);
        EXPECT_TRUE(IsWindowEnabled(main));
    }
}

TEST_F(DialogTest, AProcedureThatIgnoresEscapeKeepsRunningUntilItsButton) {
    int escapesSurvived = 0;
    machine.PressKey(VK_ESCAPE);
    machine.Then([&] { escapesSurvived = 1; });
    // The Quit button lies at (225, 348) dialog units: (450, 696) pixels.
    machine.Click({460, 700});
    DialogLayout ending{
        WS_POPUP, 0, 0, 512, 384, {{"button", 1, WS_VISIBLE | BS_OWNERDRAW, 225, 348, 62, 26}}};
    EXPECT_EQ(DialogBoxLayout(ProgramInstance(), ending, main, QuitOnlyProc, 0), 1);
    EXPECT_EQ(escapesSurvived, 1);
}

// The dialog draws its background above the main window, and its buttons ask the dialog
// to draw them; its place is repainted after it.
TEST_F(DialogTest, TheDialogAndItsButtonsDrawAboveTheMainWindow) {
    uint32_t underDialog = 0;
    machine.Then([&] {
        // Input comes before paint, so the test asks the dialog to paint now.
        const HWND dialog = WindowManager::Instance().TopLevelWindows().back();
        UpdateWindow(dialog);
        for (const HWND button : WindowManager::Instance().Children(dialog)) UpdateWindow(button);
        underDialog = machine.ScreenPixels().Pixel(100, 100);
    });
    machine.PressKey(VK_RETURN);
    g_drawnButtons.clear();
    DialogBoxLayout(ProgramInstance(), QuestionLayout(), main, QuestionProc, 0);
    EXPECT_EQ(underDialog, 0x00FF00u);
    EXPECT_EQ(g_drawnButtons, (std::set<UINT>{1, 2}));
    RunUntilIdle();
    EXPECT_NE(machine.ScreenPixels().Pixel(100, 100), 0x00FF00u);
}

TEST_F(DialogTest, AnOwnerDestroyedWhileTheDialogRunsEndsItSafely) {
    machine.Then([&] { DestroyWindow(main); });
    EXPECT_EQ(DialogBoxLayout(ProgramInstance(), QuestionLayout(), main, QuestionProc, 0), -1);
    EXPECT_FALSE(IsWindow(main));
}

TEST_F(DialogTest, ScriptedMessageBoxAnswersComeInTurnThenTheDefaultButton) {
    machine.ScriptMessageBoxAnswers({IDCANCEL, IDOK});
    EXPECT_EQ(MessageBoxA(nullptr, "first", "Caption", MB_OKCANCEL), IDCANCEL);
    EXPECT_EQ(MessageBoxA(nullptr, "second", "Caption", MB_OKCANCEL), IDOK);
    EXPECT_EQ(MessageBoxA(nullptr, "third", "Caption", MB_OKCANCEL), IDOK);
    EXPECT_EQ(MessageBoxA(nullptr, "fourth", "Caption", MB_YESNO), IDYES);
    const auto shown = machine.MessageBoxesShown();
    ASSERT_EQ(shown.size(), 4u);
    EXPECT_EQ(shown[0].text, "first");
    EXPECT_EQ(shown[0].caption, "Caption");
    EXPECT_EQ(shown[3].type, MB_YESNO);
}
