#include "ui/commandbars/UIPopupPlacement.h"

#include <gtest/gtest.h>

// A work area from y = 300 (a bar docked above it): bottom limit 763, middle 531.
TEST(PopupPlacement, PlacesAgainstAWorkAreaThatDoesNotStartAtTheTop) {
    const CRect work(0, 300, 1024, 768);
    const CRect point;  // an empty rectangle: the popup opens at a point
    struct Case {
        const char* name;
        CSize size;
        CPoint anchor;
        CRect exclude;
        DWORD flags;
        CRect expected;
        DWORD expectedFlags;
        BOOL shrink;
    } cases[] = {
        {"drops down below its opener", {150, 200}, {100, 340}, {100, 320, 140, 340}, 2, {100, 340, 250, 540}, 2, FALSE},
        {"opens above when it does not fit below", {150, 200}, {100, 720}, {100, 700, 140, 720}, 2, {100, 500, 250, 700}, 2, FALSE},
        {"fills the space above an opener in the lower half", {150, 400}, {100, 620}, {100, 600, 140, 620}, 2,
         {100, 300, 250, 600}, 2, TRUE},
        {"fills the space below an opener in the upper half", {150, 400}, {100, 420}, {100, 400, 140, 420}, 2,
         {100, 420, 250, 763}, 2, TRUE},
        {"a point in the lower half opens upwards", {150, 200}, {500, 700}, point, 0, {500, 500, 650, 700}, 0, FALSE},
        {"a point in the upper half is pushed up", {150, 400}, {500, 450}, point, 0, {500, 363, 650, 763}, 0, FALSE},
        {"a tall menu below the bottom edge stays inside and scrolls", {150, 600}, {500, 780}, point, 0,
         {500, 300, 650, 763}, 0, TRUE},
        {"a submenu without room on the right opens left", {150, 100}, {1000, 400}, {900, 400, 1000, 420}, 0,
         {750, 400, 900, 500}, 1, FALSE},
        {"a submenu of a leftward menu opens left", {150, 100}, {1000, 400}, {900, 400, 1000, 420}, 1,
         {750, 400, 900, 500}, 1, FALSE},
        {"leftwards without room turns right", {150, 100}, {150, 400}, {50, 400, 150, 420}, 1, {150, 400, 300, 500}, 0,
         FALSE},
        {"right-aligned drop-down", {150, 100}, {500, 340}, {500, 320, 600, 340}, 3, {450, 340, 600, 440}, 3, FALSE},
        {"a drop-down at the right edge ends at it", {150, 100}, {950, 340}, {950, 320, 1000, 340}, 2,
         {874, 340, 1024, 440}, 3, FALSE},
        {"a point beyond the right edge opens leftwards", {150, 100}, {1100, 400}, point, 0, {950, 400, 1100, 500}, 0,
         FALSE},
        {"a point near the right edge is pushed left", {150, 100}, {1000, 400}, point, 0, {874, 400, 1024, 500}, 0,
         FALSE},
    };
    for (const Case& c : cases) {
        const UIPopupPlacement placement = PlacePopup(c.size, c.anchor, c.exclude, c.flags, work);
        EXPECT_EQ(c.expected, placement.rect) << c.name;
        EXPECT_EQ(c.expectedFlags, placement.flags) << c.name;
        EXPECT_EQ(c.shrink, placement.shrink) << c.name;
    }
}
