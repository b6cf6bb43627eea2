#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "editors/LadderLimits.h"
#include "editors/NetworkRowTable.h"
#include "ladder/Contact.h"
#include "platform/Arrays.h"

namespace {

TEST(LadderLimitsTest, ParallelChainsStayWithinSixteenRowsOfTheirHeader) {
    CNetworkRowTable rows;
    rows.SetRow(0, 1);
    rows.SetRow(1, 10);  // the network under test starts on row 10
    rows.SetRow(2, 40);
    struct Case {
        int lowestBelowHeader;
        bool allowed;
    } cases[] = {{0, true}, {15, true}, {16, false}, {20, false}};
    for (const Case& c : cases) {
        // A contact on the network's first rung row with a chain of two below it.
        std::vector<std::unique_ptr<CContact>> chain;
        for (int rowBelow : {1, (c.lowestBelowHeader + 1) / 2, c.lowestBelowHeader}) {
            chain.push_back(std::make_unique<CContact>());
            chain.back()->SetCellRect(CCellRect(1, 10 + rowBelow, 1, 2));
        }
        chain[0]->m_pParallel = chain[1].get();
        chain[1]->m_pParallel = chain[2].get();
        EXPECT_EQ(c.allowed, CanAddParallelRow(rows, chain[0].get())) << c.lowestBelowHeader;
        chain[0]->m_pParallel = chain[1]->m_pParallel = nullptr;
    }
    CContact lone;
    EXPECT_FALSE(CanAddParallelRow(CNetworkRowTable(), &lone));
    EXPECT_FALSE(CanAddParallelRow(rows, nullptr));
}

// A network tree of a given width in cells.
class TreeOfWidth : public CContact {
public:
    explicit TreeOfWidth(int width) : m_width(width) {}
    SIZE GetSize(BOOL) override { return SIZE{m_width, 1}; }

private:
    int m_width;
};

TEST(LadderLimitsTest, NetworksWidenUpToThirtyFiveCells) {
    CNetworkRowTable rows;
    rows.SetRow(0, 1);
    rows.SetRow(1, 5);
    rows.SetRow(2, 9);
    CContact header0, header1, current;
    for (int width : {34, 35, 36}) {
        TreeOfWidth narrow(3), tree(width);
        CObArray networks;
        networks.Add(&header0);
        networks.Add(&narrow);
        networks.Add(&header1);
        networks.Add(&tree);
        current.SetCellRect(CCellRect(2, 7, 1, 3));  // in the second network
        EXPECT_EQ(width <= 35, CanWiden(rows, networks, &current)) << width;
        current.SetCellRect(CCellRect(2, 3, 1, 1));  // in the first, narrow one
        EXPECT_TRUE(CanWiden(rows, networks, &current)) << width;
        EXPECT_FALSE(CanWiden(rows, networks, nullptr));
    }
}

}  // namespace
