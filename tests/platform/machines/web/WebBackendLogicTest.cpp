#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/kernel/Kernel.h"
#include "platform/machines/web/CanvasFit.h"
#include "platform/machines/web/DirtyArea.h"
#include "platform/machines/web/WebKeyMap.h"
#include "platform/mm/TimerQueue.h"
#include "platform/user/UserTypes.h"

namespace {

// The window in CSS pixels and its device pixel ratio, and where the 1024 x 768 screen
// lands: at whole scales (in device pixels) crisp, else smoothed.
TEST(CanvasFit, ScalesToFitCentredAndWholeWhenNearlyWhole) {
    const struct {
        double width, height, ratio;
        CanvasFit::Placement expected;
        bool whole;
    } cases[] = {
        {1024, 768, 1, {0, 0, 1024, 768}, true},
        {2048, 1536, 1, {0, 0, 2048, 1536}, true},
        // An eighth or more above a whole scale is smooth; less is taken down to it.
        {2175, 2000, 1, {63, 232, 2048, 1536}, true},
        {2176, 2000, 1, {0, 184, 2176, 1632}, false},
        {1920, 1080, 1, {240, 0, 1440, 1080}, false},
        {1024, 900, 1, {0, 66, 1024, 768}, true},
        {800, 600, 1, {0, 0, 800, 600}, false},
        // A high-density screen: 1024 CSS pixels are 2048 device pixels, scale 2.
        {1024, 768, 2, {0, 0, 1024, 768}, true},
        {1024, 768, 1.25, {0, 0, 1024, 768}, false},
        {1025, 769, 2, {0.5, 0.5, 1024, 768}, true},
        // Tiny or empty windows still give a picture.
        {0, 0, 0, {0, 0, 1, 0.75}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << " x " << c.height << " at " << c.ratio);
        const CanvasFit fit(1024, 768, c.width, c.height, c.ratio);
        EXPECT_DOUBLE_EQ(fit.Canvas().left, c.expected.left);
        EXPECT_DOUBLE_EQ(fit.Canvas().top, c.expected.top);
        EXPECT_DOUBLE_EQ(fit.Canvas().width, c.expected.width);
        EXPECT_DOUBLE_EQ(fit.Canvas().height, c.expected.height);
        EXPECT_EQ(fit.WholeScale(), c.whole);
    }
}

TEST(CanvasFit, PagePointsMapToTheScreenPixelUnderThemHeldInside) {
    const CanvasFit fit(1024, 768, 1920, 1080, 1);  // the canvas: 1440 x 1080 from x = 240
    const struct {
        double x, y;
        POINT expected;
    } cases[] = {
        {240, 0, {0, 0}},
        {240 + 1439.9, 1079.9, {1023, 767}},
        {240 + 720, 540, {512, 384}},
        {240 + 1.39, 1.39, {0, 0}},
        {240 + 1.41, 1.41, {1, 1}},
        // On the bars and beyond the window: the nearest edge.
        {10, 500, {0, 355}},
        {1900, -20, {1023, 0}},
        {240 + 1440, 1080, {1023, 767}},
    };
    for (const auto& c : cases) EXPECT_EQ(fit.ToScreen(c.x, c.y), c.expected) << c.x << ", " << c.y;
}

TEST(WebKeyMap, NamesTheDesktopsKeys) {
    // clang-format off
    const struct {
        const char* key;
        std::optional<UINT> expected;
    } cases[] = {
        {"a", 'A'}, {"z", 'Z'}, {"A", 'A'}, {"Z", 'Z'}, {"0", '0'}, {"9", '9'},
        {"F1", 0x70}, {"F10", 0x79}, {"F12", 0x7B},
        {"Enter", VK_RETURN}, {"Escape", VK_ESCAPE}, {" ", VK_SPACE}, {"Backspace", VK_BACK},
        {"Tab", VK_TAB}, {"Shift", VK_SHIFT}, {"PageUp", VK_PRIOR}, {"PageDown", VK_NEXT},
        {"ArrowLeft", VK_LEFT}, {"ArrowRight", VK_RIGHT}, {"ArrowUp", VK_UP}, {"ArrowDown", VK_DOWN},
        {"Home", 0x24}, {"End", 0x23}, {"Delete", 0x2E},
        // Keys the album never reads.
        {"F0", std::nullopt}, {"F13", std::nullopt}, {"F01", std::nullopt}, {"Fx", std::nullopt},
        {"Control", std::nullopt}, {"enter", std::nullopt}, {"", std::nullopt},
        {"\xC3\xA9", std::nullopt}, {"!", std::nullopt}, {"ab", std::nullopt},
    };
    // clang-format on
    for (const auto& c : cases) EXPECT_EQ(WebKeyMap::VirtualKey(c.key), c.expected) << c.key;
    for (const std::string_view name : WebKeyMap::NamedKeys())
        EXPECT_TRUE(WebKeyMap::VirtualKey(name).has_value()) << name;
}

TEST(DirtyArea, GathersEveryChangeInsideTheScreenUntilTaken) {
    const RECT screen{0, 0, 1024, 768};
    DirtyArea dirty;
    EXPECT_FALSE(dirty.Take());
    dirty.Add(RECT{5, 5, 5, 50}, screen);        // empty
    dirty.Add(RECT{2000, 0, 2100, 10}, screen);  // off the screen
    EXPECT_FALSE(dirty.Take());
    dirty.Add(RECT{10, 20, 11, 21}, screen);
    EXPECT_EQ(dirty.Take(), (RECT{10, 20, 11, 21}));
    EXPECT_FALSE(dirty.Take());
    dirty.Add(RECT{100, 100, 200, 150}, screen);
    dirty.Add(RECT{-50, 400, 20, 900}, screen);
    EXPECT_EQ(dirty.Take(), (RECT{0, 100, 200, 768}));
}

void Tick(UINT, UINT, DWORD_PTR, DWORD_PTR, DWORD_PTR) {}

TEST(TimerQueue, TellsWhenTheNextHandDrivenTimerIsDue) {
    TimerQueue timers;
    EXPECT_FALSE(timers.UntilNextDue(timeGetTime()));
    timers.SetDrive(TimerQueue::Drive::ByHand);
    const DWORD start = timeGetTime();
    timers.Start(40, Tick, 0);
    timers.Start(25, Tick, 0, false);
    const DWORD first = *timers.UntilNextDue(start);
    EXPECT_GE(first, 25u);
    EXPECT_LE(first, 25u + (timeGetTime() - start));
    // Due already, and far behind: no wait, whatever the clock's wrap.
    EXPECT_EQ(timers.UntilNextDue(start + 1000), 0u);
    timers.RunDue(start + 1000);
    EXPECT_EQ(timers.RunningCount(), 1u);
    EXPECT_LE(*timers.UntilNextDue(start + 1000), 40u);
}

}  // namespace
