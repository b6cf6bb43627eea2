#include "comm/ProjectMonitorCells.h"
#include "project/CQLXProject.h"
#include "project/CQLXStatus.h"

#include <gtest/gtest.h>

TEST(ProjectMonitorCells, DecodedCyclesLandInTheProjectsCells) {
    CQLXProject project;
    CQLXStatus* word = new CQLXStatus;
    CQLXStatus* timer = new CQLXStatus;
    project.MonitorOperandMap.SetAt("%VW10", word);
    project.MonitorOperandMap.SetAt("%T9", timer);
    project.monitorCellsByCode.SetAt(210, word);
    project.monitorCellsByCode.SetAt(4668, timer);
    project.monitorWordCodes.Add(210);
    project.monitorWordCodes.Add(212);  // no cell: its data is consumed all the same
    project.monitorTimerCounterCodes.Add(4668);

    const MonitorLists lists = MonitorListsOf(project);
    ASSERT_EQ(7u, lists.DataSize());
    CProjectMonitorCells cells(project);
    ASSERT_TRUE(DecodeMonitorData(lists, {0x34, 0x12, 0xFF, 0xFF, 0x02, 0x10, 0x00}, cells));
    EXPECT_EQ(0x1234u, word->value);
    EXPECT_EQ(1u, timer->statusBit);
    EXPECT_EQ(16u, timer->value);
}
