// A finger's strokes as the pointer events the album gets: a tap is a click; a slide
// completes the click where it began and carries; lifting with a sticker carried drops it.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/TouchGesture.h"

namespace {

using Kind = InputEvent::Kind;

struct Step {
    enum { Down, Move, Up } what;
    LONG x;
    LONG y;
    int64_t finger = 1;
};

struct Stroke {
    const char* name;
    std::vector<Step> steps;
    bool carryingAtLift;
    // Each event as kind letter and point: M move, D down, U up.
    std::string events;
};

std::string Played(const Stroke& stroke) {
    TouchGesture gesture;
    std::string played;
    for (const Step& step : stroke.steps) {
        // Window pixels are twice the screen's here, so the slide is measured in the window.
        const POINT point{step.x, step.y};
        const POINT windowPoint{step.x * 2, step.y * 2};
        if (step.what == Step::Down) gesture.Down(step.finger, point, windowPoint);
        if (step.what == Step::Move) gesture.Move(step.finger, point, windowPoint);
        if (step.what == Step::Up) gesture.Up(step.finger, point, stroke.carryingAtLift);
    }
    while (const std::optional<InputEvent> event = gesture.Next()) {
        const char kind = event->kind == Kind::PointerMove  ? 'M'
                          : event->kind == Kind::ButtonDown ? 'D'
                                                            : 'U';
        played += std::string(1, kind) + std::to_string(event->point.x) + "," +
                  std::to_string(event->point.y) + " ";
    }
    return played;
}

}  // namespace

TEST(TouchGestureTest, StrokesBecomeClicksPicksAndDrops) {
    // 12 window pixels are 6 screen pixels: a move of 6 is no slide yet, 7 is one.
    const std::vector<Stroke> strokes = {
        {"a tap clicks",
         {{Step::Down, 10, 10}, {Step::Up, 10, 10}},
         false,
         "M10,10 D10,10 M10,10 U10,10 "},
        {"a wobble is still a tap",
         {{Step::Down, 10, 10}, {Step::Move, 16, 4}, {Step::Up, 16, 16}},
         false,
         "M10,10 D10,10 M16,4 M16,16 U16,16 "},
        {"a slide picks where it began and drops where it lifts",
         {{Step::Down, 10, 10}, {Step::Move, 17, 10}, {Step::Move, 300, 200}, {Step::Up, 310, 210}},
         true,
         "M10,10 D10,10 U10,10 M17,10 M300,200 M310,210 D310,210 U310,210 "},
        {"a slide that picked nothing drops nothing",
         {{Step::Down, 10, 10}, {Step::Move, 10, 40}, {Step::Up, 10, 50}},
         false,
         "M10,10 D10,10 U10,10 M10,40 M10,50 "},
        {"a second finger is ignored",
         {{Step::Down, 10, 10},
          {Step::Down, 90, 90, 2},
          {Step::Move, 95, 95, 2},
          {Step::Up, 90, 90, 2},
          {Step::Up, 10, 10}},
         false,
         "M10,10 D10,10 M10,10 U10,10 "},
    };
    for (const Stroke& stroke : strokes) EXPECT_EQ(Played(stroke), stroke.events) << stroke.name;
}
