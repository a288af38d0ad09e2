#include "config/MainLayout.h"

#include <gtest/gtest.h>

TEST(MainLayout, ProjectPanelClamp)
{
    struct Case {
        int panel, window, lowerBound, expected;
    };
    const Case cases[] = {
        {200, 1000, 200, 200},                        // at the lower bound: left alone
        {990, 1000, 200, 950},                        // wider than 95%: clamped
        {950, 1000, 200, 950},                        // exactly 95%
        {300, 300, 200, 285},  {199, 100, 200, 199},  // not wider than the bound: left alone even past 95%
        {204, 100, 205, 204},                         // the window's own bound is 205
        {206, 100, 205, 95},   {500, 1001, 200, 500}, // 1001*95/100 = 950, fraction dropped
        {951, 1001, 200, 950},
    };
    for (const Case &c : cases)
        EXPECT_EQ(MainLayout::clampProjectPanel(c.panel, c.window, c.lowerBound), c.expected)
            << c.panel << " in " << c.window;
}

TEST(MainLayout, SplitterTickIgnoresPositionsAt203OrLess)
{
    EXPECT_EQ(MainLayout::splitterTick(0), std::nullopt);
    EXPECT_EQ(MainLayout::splitterTick(-50), std::nullopt);
    EXPECT_EQ(MainLayout::splitterTick(203), std::nullopt);
    EXPECT_EQ(MainLayout::splitterTick(204), 199);
    EXPECT_EQ(MainLayout::splitterTick(600), 595);
}
