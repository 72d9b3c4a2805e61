#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/gdi/DeviceContext.h"
#include "tests/platform/user/WindowFixture.h"

namespace {

std::map<HWND, uint32_t> g_colours;

// Each window paints its client in its own colour.
LRESULT PaintInColour(HWND window, WPARAM, LPARAM) {
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(window, &paint);
    for (LONG y = dc->clip.top; y < dc->clip.bottom; ++y)
        for (LONG x = dc->clip.left; x < dc->clip.right; ++x)
            dc->surface->SetPixel(x, y, g_colours[window]);
    MarkDrawn(dc, dc->clip);
    EndPaint(window, &paint);
    return 0;
}

}  // namespace

class MinimizeTest : public WindowFixture {
protected:
    MinimizeTest() {
        g_colours = {{main, 0xE03020}, {dialog, 0x30C040}};
        s_handlers[WM_PAINT] = PaintInColour;
        RunUntilIdle();
        TakeTrace();
    }

    std::vector<uint32_t> Screen() const {
        const Surface& screen = machine.ScreenPixels();  // rows without padding
        return {screen.Row(0), screen.Row(0) + screen.Width() * screen.Height()};
    }

    const HWND main = MakeWindow("main", {0, 0, 400, 300});
    // Owned by the main window, as the album's dialogs are; one shows and one is hidden.
    const HWND dialog = MakeWindow("dialog", {100, 100, 200, 200}, main);
    const HWND hidden = MakeWindow("hidden", {300, 0, 400, 100}, main, WS_POPUP);
};

// However the desktop's focus reports fall around a minimise and a restore, the program
// hears once, before its windows go, that it is left and once, with its windows back,
// that it is active again:
// a focus reported while it is minimised waits for the restore, a restore makes it
// active by itself, and a restore with nothing minimised is no news.
TEST_F(MinimizeTest, TheProgramHearsOfEachActivationChangeOnceInEitherOrderOfEvents) {
    Strings heard;
    s_handlers[WM_ACTIVATEAPP] = [&heard, this](HWND window, WPARAM active, LPARAM) {
        if (window == main)
            heard.push_back(std::string(active ? "on" : "off") +
                            (IsIconic(main) ? " minimised" : ""));
        return LRESULT{0};
    };
    const std::map<char, std::function<void()>> events{{'+', [this] { machine.Activate(true); }},
                                                       {'-', [this] { machine.Activate(false); }},
                                                       {'M', [this] { machine.Minimize(); }},
                                                       {'R', [this] { machine.Restore(); }}};
    const struct {
        const char* script;
        Strings heard;
    } cases[] = {
        {"MR", {"off", "on"}},          {"+M-R+", {"on", "off", "on"}},
        {"+-MR+", {"on", "off", "on"}}, {"+M+R", {"on", "off", "on"}},
        {"+MMRR", {"on", "off", "on"}}, {"+R-+", {"on", "off", "on"}},
    };
    for (const auto& c : cases) {
        // Each script starts with the program inactive, unless it starts from scratch.
        if (c.script[0] == '+') machine.Activate(false);
        RunUntilIdle();
        heard.clear();
        for (const char* event = c.script; *event != '\0'; ++event) events.at (*event)();
        RunUntilIdle();
        EXPECT_EQ(heard, c.heard) << c.script;
    }
}

// Minimised by the desktop or by the program itself, the main window takes the dialog it
// owns along and leaves the screen; restored, both are drawn again and the screen is as
// it was, while the hidden window stays hidden.
TEST_F(MinimizeTest, RestoredWindowsAreDrawnAgainAsTheyWereAndAHiddenOneStaysHidden) {
    const std::vector<uint32_t> before = Screen();
    const struct {
        const char* way;
        std::function<void()> minimize, restore;
    } ways[] = {
        {"the desktop", [this] { machine.Minimize(); }, [this] { machine.Restore(); }},
        {"the program", [this] { ShowWindow(main, SW_MINIMIZE); },
         [this] { ShowWindow(main, SW_RESTORE); }},
    };
    for (const auto& way : ways) {
        way.minimize();
        RunUntilIdle();
        EXPECT_TRUE(IsIconic(main) && IsIconic(dialog)) << way.way;
        EXPECT_FALSE(IsWindowVisible(hidden)) << way.way;
        EXPECT_NE(Screen(), before) << way.way;
        TakeTrace();
        way.restore();
        RunUntilIdle();
        EXPECT_FALSE(IsIconic(main) || IsIconic(dialog)) << way.way;
        EXPECT_FALSE(IsWindowVisible(hidden)) << way.way;
        EXPECT_EQ(TakeTrace({WM_PAINT}, true), (Strings{"main WM_PAINT", "dialog WM_PAINT"}))
            << way.way;
        EXPECT_EQ(Screen(), before) << way.way;
    }
}
