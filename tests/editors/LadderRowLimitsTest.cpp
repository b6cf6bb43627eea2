#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "editors/LadderRowLimits.h"
#include "editors/NetworkRowTable.h"
#include "ladder/Contact.h"

namespace {

TEST(LadderRowLimitsTest, ParallelChainsStayWithinSixteenRowsOfTheirHeader) {
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

}  // namespace
