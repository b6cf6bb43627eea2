#include "ui/commandbars/UIDockRowLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

const int kThickness = 26;

// A toolbar of a full width that, hiding what does not fit, narrows down to its
// minimum; without hiding it is always its full width.
UIDockRowBar Toolbar(int index, int preferredLeft, int width, int minimum = 0) {
    UIDockRowBar bar;
    bar.index = index;
    bar.preferredLeft = preferredLeft;
    bar.hidesOverflow = minimum > 0;
    bar.size = [width, minimum](int length) {
        const int cx = minimum > 0 ? std::max(minimum, std::min(width, length)) : width;
        return CSize(cx, kThickness);
    };
    return bar;
}

// The menu bar stretches over the whole row.
UIDockRowBar MenuBar() {
    UIDockRowBar bar;
    bar.size = [](int length) { return CSize(length, 20); };
    return bar;
}

struct Expected {
    int left, length, offset;
};

}  // namespace

TEST(DockRowLayout, BarsKeepTheirPlacesArePushedSqueezedOrMovedToExtraRows) {
    struct Case {
        std::string name;
        std::vector<UIDockRowBar> bars;
        int rowLength;
        std::vector<Expected> expected;
        int thickness;
    } cases[] = {
        {"places kept", {Toolbar(0, 0, 100), Toolbar(1, 300, 100)}, 500, {{0, 100, 10}, {300, 100, 10}}, kThickness},
        {"the earlier docked keeps the shared place", {Toolbar(0, 0, 100), Toolbar(1, 0, 100)}, 500,
         {{0, 100, 10}, {100, 100, 10}}, kThickness},
        {"the later docked on the left pushes", {Toolbar(0, 50, 100), Toolbar(1, 0, 100)}, 500,
         {{100, 100, 10}, {0, 100, 10}}, kThickness},
        {"pushed back from the row end", {Toolbar(0, 0, 100), Toolbar(1, 450, 100)}, 500,
         {{0, 100, 10}, {400, 100, 10}}, kThickness},
        {"squeezed towards the narrowest form", {Toolbar(0, 0, 100, 40), Toolbar(1, 100, 100, 40)}, 150,
         {{0, 100, 10}, {100, 50, 10}}, kThickness},
        {"the rightmost moves to an extra row", {Toolbar(0, 0, 100, 60), Toolbar(1, 100, 100, 60)}, 100,
         {{0, 100, 10}, {0, 100, 10 + kThickness}}, 2 * kThickness},
        {"a bar that cannot narrow needs the whole row", {Toolbar(0, 0, 100), Toolbar(1, 100, 100)}, 150,
         {{0, 100, 10}, {50, 100, 10 + kThickness}}, 2 * kThickness},
        {"a single bar longer than its row is squeezed to it", {Toolbar(0, 20, 300, 80)}, 150, {{0, 150, 10}},
         kThickness},
        {"the menu bar spans its row", {MenuBar()}, 640, {{0, 640, 10}}, 20},
    };
    for (const Case& c : cases) {
        std::vector<UIDockRowPlace> places;
        EXPECT_EQ(c.thickness, LayoutDockRows(c.bars, 10, c.rowLength, &places)) << c.name;
        ASSERT_EQ(c.expected.size(), places.size()) << c.name;
        for (size_t i = 0; i < places.size(); ++i) {
            EXPECT_EQ(c.expected[i].left, places[i].left) << c.name << " bar " << i;
            EXPECT_EQ(c.expected[i].length, places[i].length) << c.name << " bar " << i;
            EXPECT_EQ(c.expected[i].offset, places[i].offset) << c.name << " bar " << i;
        }
    }
}
