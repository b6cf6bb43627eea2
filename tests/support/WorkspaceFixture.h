#pragma once
#include "project/CPlcWorkspace.h"

#include <gtest/gtest.h>

// A workspace with its instruction catalogue loaded and an empty project of one CPU
// class, as theWorkspace for the test's lifetime.
template <int CpuClass>
class WorkspaceFixture : public testing::Test {
protected:
    WorkspaceFixture() {
        workspace.project.cpuClass = CpuClass;
        workspace.LoadInstructionCatalogue();
    }

    CPlcWorkspace workspace;
};

using WorkspaceClass0Test = WorkspaceFixture<0>;
using WorkspaceClass1Test = WorkspaceFixture<1>;
using WorkspaceClass2Test = WorkspaceFixture<2>;
