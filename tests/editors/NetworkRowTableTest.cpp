#include <gtest/gtest.h>

#include "editors/NetworkRowTable.h"

namespace {

// Networks starting on rows 1, 6, 14 and 20; the row after the last is 27.
CNetworkRowTable FourNetworks() {
    CNetworkRowTable table;
    int rows[] = {1, 6, 14, 20, 27};
    for (int n = 0; n < 5; ++n)
        table.SetRow(n, rows[n]);
    return table;
}

TEST(NetworkRowTableTest, RowsFindTheirNetworksHeader) {
    CNetworkRowTable table = FourNetworks();
    struct Case {
        int row, item;
    } cases[] = {
        {-3, 0}, {0, 0}, {1, 0}, {5, 0},  // up to the first network's end
        {6, 2},  {13, 2},                 // a header row and the network's last row
        {14, 4}, {20, 6}, {26, 6},        // the last network
        {27, 6}, {500, 6},                // past the end: still the last header
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.item, table.NetworkIndexOfRow(c.row)) << "row " << c.row;

    CNetworkRowTable empty;
    EXPECT_EQ(0, empty.NetworkIndexOfRow(40));
    empty.SetRow(0, 1);  // no networks: the single entry 1
    EXPECT_EQ(0, empty.NetworkIndexOfRow(40));
    EXPECT_EQ(1, empty.TotalRows());
}

TEST(NetworkRowTableTest, VisibleRangeRunsFromTheTopNetworkToOneBelowTheBottom) {
    CNetworkRowTable table = FourNetworks();
    struct Case {
        int top, clientRows, first, last;
    } cases[] = {
        {0, 5, 0, 2},    // rows 0..5: network 0, one more below
        {7, 5, 1, 3},    // rows 7..12 in network 1
        {15, 4, 2, 3},   // in network 2; the last stays the last
        {24, 10, 3, 3},  // the top within the last network
        {30, 10, 3, 3},  // scrolled below everything
    };
    for (const Case& c : cases) {
        int first = -9, last = -9;
        EXPECT_TRUE(table.VisibleNetworkRange(c.top, c.clientRows, first, last));
        EXPECT_EQ(c.first, first) << "top " << c.top;
        EXPECT_EQ(c.last, last) << "top " << c.top;
    }

    CNetworkRowTable one;
    int first = -9, last = -9;
    EXPECT_FALSE(one.VisibleNetworkRange(0, 10, first, last));
    one.SetRow(0, 1);
    EXPECT_FALSE(one.VisibleNetworkRange(0, 10, first, last));
    one.SetRow(1, 9);
    EXPECT_TRUE(one.VisibleNetworkRange(50, 10, first, last));
    EXPECT_EQ(0, first);
    EXPECT_EQ(0, last);
}

TEST(NetworkRowTableTest, ShiftMovesEveryLaterStartRow) {
    CNetworkRowTable table = FourNetworks();
    EXPECT_TRUE(table.ShiftRows(2, 2));  // network 1 grew by two rows
    EXPECT_EQ(6, table.GetRow(1));
    EXPECT_EQ(16, table.GetRow(2));
    EXPECT_EQ(22, table.GetRow(3));
    EXPECT_EQ(29, table.TotalRows());
    EXPECT_FALSE(table.ShiftRows(5, 1));
    EXPECT_FALSE(table.ShiftRows(-1, 1));
    EXPECT_EQ(29, table.TotalRows());
    table.Clear();
    EXPECT_EQ(0, table.GetSize());
}

}  // namespace
