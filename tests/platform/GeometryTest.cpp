#include "platform/CRect.h"

#include <gtest/gtest.h>

namespace {

TEST(Geometry, RectangleOperationsKeepExclusiveEdges) {
    struct Case {
        const char* what;
        CRect result;
        CRect expected;
    };
    CRect a(0, 0, 10, 10);
    CRect b(5, 5, 20, 15);
    CRect inverted(10, 20, 0, 5);
    inverted.NormalizeRect();
    CRect inflated = a;
    inflated.InflateRect(2, 3);
    CRect deflated = a;
    deflated.DeflateRect(1, 2, 3, 4);
    CRect moved = b;
    moved.MoveToXY(1, 2);
    const Case cases[] = {
        {"intersection", a & b, CRect(5, 5, 10, 10)},
        {"union", a | b, CRect(0, 0, 20, 15)},
        {"offset by a point", a + CPoint(3, -4), CRect(3, -4, 13, 6)},
        {"offset by a size", a - CSize(1, 1), CRect(-1, -1, 9, 9)},
        {"normalised", inverted, CRect(0, 5, 10, 20)},
        {"inflated", inflated, CRect(-2, -3, 12, 13)},
        {"deflated per side", deflated, CRect(1, 2, 7, 6)},
        {"moved", moved, CRect(1, 2, 16, 12)},
        {"from point and size", CRect(CPoint(2, 3), CSize(4, 5)), CRect(2, 3, 6, 8)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.result, c.expected) << c.what;

    EXPECT_TRUE(a.PtInRect(CPoint(0, 0)));
    EXPECT_FALSE(a.PtInRect(CPoint(10, 5)));  // the right edge is outside
    EXPECT_TRUE((a & CRect(10, 0, 20, 10)).IsRectEmpty());
    EXPECT_EQ(b.Size(), CSize(15, 10));
    EXPECT_EQ(b.CenterPoint(), CPoint(12, 10));
    EXPECT_EQ(CPoint(5, 7) - CPoint(2, 3), CSize(3, 4));
}

TEST(Geometry, PackedCoordinatesAreSigned) {
    CPoint point(static_cast<LPARAM>(MAKELONG(static_cast<WORD>(-5), 7)));
    EXPECT_EQ(point, CPoint(-5, 7));
    CSize size(static_cast<DWORD>(MAKELONG(3, static_cast<WORD>(-2))));
    EXPECT_EQ(size, CSize(3, -2));
}

}  // namespace
