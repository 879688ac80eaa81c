#include "shell/CaptionButtonTracker.h"

#include <gtest/gtest.h>

namespace areamaker {
namespace {

using Tracker = CaptionButtonTracker;

TEST(CaptionButtonTrackerTest, OnlyAPressAndReleaseOnTheButtonClick)
{
    struct Case
    {
        const char *name;
        bool visible;
        int pressX, releaseX;
        std::optional<int> pressDraw, releaseDraw;
        bool click;
    };
    // The button covers x 100..112 and y 2..14; y is 5 throughout.
    const Case cases[] = {
        {"press and release on", true, 105, 110, Tracker::PressedState, Tracker::NormalState, true},
        {"press on, release off", true, 105, 140, Tracker::PressedState, Tracker::NormalState,
         false},
        {"press off, release on", true, 90, 105, std::nullopt, std::nullopt, false},
        {"right edge is outside", true, 113, 105, std::nullopt, std::nullopt, false},
        {"hidden", false, 105, 105, std::nullopt, std::nullopt, false},
    };
    for (const Case &c : cases) {
        Tracker button;
        button.setPosition(100, 2, 13);
        button.setVisible(c.visible);
        const Tracker::Response pressed = button.press(c.pressX, 5);
        const Tracker::Response released = button.release(c.releaseX, 5);
        EXPECT_EQ(pressed.draw, c.pressDraw) << c.name;
        EXPECT_FALSE(pressed.click) << c.name;
        EXPECT_EQ(released.draw, c.releaseDraw) << c.name;
        EXPECT_EQ(released.click, c.click) << c.name;
        EXPECT_FALSE(button.pressed()) << c.name;
    }
}

TEST(CaptionButtonTrackerTest, NoRegionBeforeItIsPlacedAndHidingMidPressDropsTheRelease)
{
    Tracker unplaced;
    EXPECT_FALSE(unplaced.press(0, 0).draw);

    Tracker button;
    button.setPosition(0, 0, 13);
    button.press(5, 5);
    button.setVisible(false);
    EXPECT_FALSE(button.release(5, 5).click);
    button.setVisible(true);
    EXPECT_FALSE(button.release(5, 5).click) << "a press before hiding is forgotten";
}

} // namespace
} // namespace areamaker
