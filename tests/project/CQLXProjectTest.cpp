#include "project/CQLXProject.h"

#include "hardware/ModuleCatalog.h"
#include "language/OperandDescriptor.h"
#include "project/CQLX_R2_PLC.h"
#include "project/CStatusInput.h"
#include "tests/project/ProjectContents.h"

#include <gtest/gtest.h>

#include <memory>

TEST(QLXProject, ResetDeletesEveryOwnedObjectOnce) {
    ProjectContents::Reset();
    CQLXProject project;
    ProjectContents::Fill(project);
    ASSERT_GT(ProjectContents::created, 0);
    project.ResetProject();
    EXPECT_EQ(ProjectContents::created, ProjectContents::deleted);

    // A refilled project is deleted by its destructor, again each object once.
    ProjectContents::Reset();
    {
        CQLXProject refilled;
        ProjectContents::Fill(refilled);
        refilled.ResetProject();
        ProjectContents::Fill(refilled);
    }
    EXPECT_EQ(ProjectContents::created, ProjectContents::deleted);
}

TEST(QLXProject, ResetEmptiesTheProjectButKeepsImageAndClass) {
    CQLXProject project;
    ProjectContents::Fill(project);
    project.name = "Plant";
    project.filePath = "c:\\p\\Plant.qpr";
    project.folder = "c:\\p\\Plant";
    project.hasMain = project.targetReady = project.imageBuilt = 1;
    project.projectCrc = 0xBEEF;
    project.cpuClass = 2;
    project.imageSection3[0] = 0x42;
    project.transferBytes.Add(7);
    project.forceRequest.push_back(9);
    project.cpuBlockA.SetSize(32);
    project.monitorByteCodes.Add(0x01A4);
    project.mainPou.name = "MAIN";

    project.ResetProject();

    EXPECT_TRUE(project.name.IsEmpty() && project.filePath.IsEmpty() && project.folder.IsEmpty());
    EXPECT_EQ(0, project.hasMain + project.targetReady + project.imageBuilt + project.projectCrc);
    EXPECT_TRUE(project.mainPou.name.IsEmpty());
    EXPECT_EQ(-1, project.mainPou.kind);
    for (CMapStringToOb* map : {&project.sbrByName, &project.sbrFuncByUpperName, &project.intByUpperName})
        EXPECT_EQ(0, map->GetCount());
    EXPECT_EQ(41u, project.sbrFuncByName.GetHashTableSize());
    EXPECT_EQ(41u, project.intByNumber.GetHashTableSize());
    EXPECT_EQ(231u, project.symbolsByKey.GetHashTableSize());
    EXPECT_EQ(131u, project.duplicateNames.GetHashTableSize());
    EXPECT_EQ(2401u, project.monitorCellsByCode.GetHashTableSize());
    EXPECT_EQ(2041u, project.forceEntries.GetHashTableSize());
    EXPECT_EQ(0, project.symbolList.GetSize() + project.modules.GetSize() + project.statusRows.GetSize());
    EXPECT_EQ(0, project.MonitorOperandMap.GetCount() + project.monitorCellsByCode.GetCount());
    EXPECT_EQ(0, project.monitorByteCodes.GetSize());
    EXPECT_EQ(0, project.forceEntries.GetCount());
    EXPECT_EQ(0, project.forceCellCount);
    EXPECT_FALSE(project.forceImage || project.forceImageBackup);
    EXPECT_EQ(0, project.cpuBlockA.GetSize());

    EXPECT_EQ(2, project.cpuClass);
    EXPECT_EQ(6, project.imageSection3.GetSize());
    EXPECT_EQ(0x42, project.imageSection3[0]);
    EXPECT_EQ(1, project.transferBytes.GetSize());
    EXPECT_EQ(1u, project.forceRequest.size());
}

TEST(QLXProject, ForceValuesGoIntoTheCurrentImageOnly) {
    CQLXProject project;
    CStatusInput row;
    row.addressCode = 0x01FE;  // %VW100
    row.descriptor = OD_WORD | OD_FORCEABLE;
    row.rowValue = 0x1234;
    EXPECT_FALSE(project.SetForceImageValue(&row));  // no image yet

    project.AllocateForceImages(5970);
    EXPECT_FALSE(project.SetForceImageValue(nullptr));
    EXPECT_TRUE(project.SetForceImageValue(&row));
    EXPECT_EQ(0x34u, project.forceImage[0x01FE]);
    EXPECT_EQ(0x12u, project.forceImage[0x01FF]);
    EXPECT_EQ(0u, project.forceImageBackup[0x01FE]);
    DWORD value = 0;
    EXPECT_TRUE(project.GetForceImageValue(0x01FE, OD_INT, value));
    EXPECT_EQ(0x1234u, value);

    row.descriptor = OD_WORD;  // an area that cannot be forced
    row.rowValue = 0x5555;
    EXPECT_FALSE(project.SetForceImageValue(&row));
    EXPECT_EQ(0x34u, project.forceImage[0x01FE]);

    row.descriptor = OD_DWORD | OD_FORCEABLE;
    row.addressCode = 5967;  // the last four cells would pass the end
    EXPECT_FALSE(project.SetForceImageValue(&row));
}

TEST(QLXProject, AllocatedForceImagesAreZeroFilled) {
    CQLXProject project;
    project.AllocateForceImages(9290);
    EXPECT_EQ(9290, project.forceCellCount);
    EXPECT_EQ(0u, project.forceImage[9289]);
    EXPECT_EQ(0u, project.forceImageBackup[0]);
}

TEST(QLXProject, AddressCodesDecodeForTheProjectsCpuClass) {
    CQLXProject project;
    project.cpuClass = 0;
    EXPECT_STREQ("", project.AddressCodeToText(0x099A, OD_BYTE));  // past V of class 0
    project.cpuClass = 1;
    EXPECT_STREQ("%VB2048", project.AddressCodeToText(0x099A, OD_BYTE));
    int offset = 0;
    EXPECT_STREQ("%V", project.DecodeAddressCode(0x099A, offset));
    EXPECT_EQ(2048, offset);
}

TEST(QLXProject, ProgramMemoryFollowsTheCpu) {
    CQLXProject project;
    EXPECT_EQ(0, project.GetProgramMemorySize());
    CQLX_R2_PLC* first = new CQLX_R2_PLC;
    first->kindMask = KindDigitalInDc;
    project.modules.Add(first);
    EXPECT_EQ(0, project.GetProgramMemorySize());
    first->kindMask = KindCpu;
    const int capacity[] = {1024, 1280, 4096};
    for (int cpuClass = 0; cpuClass < 3; ++cpuClass) {
        project.cpuClass = cpuClass;
        EXPECT_EQ(capacity[cpuClass], project.GetProgramMemorySize());
    }
}

TEST(QLXProject, IsASerializableClassOfSchemaOne) {
    const CRuntimeClass* runtimeClass = CRuntimeClass::FromName("CQLXProject");
    ASSERT_NE(nullptr, runtimeClass);
    EXPECT_EQ(1u, runtimeClass->m_wSchema);
    std::unique_ptr<CObject> created(runtimeClass->CreateObject());
    EXPECT_TRUE(created->IsKindOf(RUNTIME_CLASS(CQLXProject)));
}
