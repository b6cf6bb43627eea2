#include "hardware/ConfigurationCheck.h"
#include "hardware/HardwareSlots.h"
#include "hardware/ModuleCatalog.h"
#include "project/CQLXProject.h"
#include "project/CQLX_R2_PLC.h"
#include "tests/hardware/FakeHardwarePanes.h"
#include "tests/project/RecordArchive.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

// A configuration made by inserting modules is saved with the project, loaded back
// unchanged, and its addresses reach the target image's module section.
TEST(ConfigurationRoundTrip, SavedLoadedAndBuiltWithTheConfiguredAddresses) {
    TempFolder folder;
    CQLXProject project;
    project.name = "Rack";
    project.folder = folder.Path().c_str();
    FakeHardwarePanes panes;
    FakeHardwareShell shell;
    HardwareSlots slots(project, panes, shell);
    slots.InitialUpdate();
    for (uint8_t code : {2, 8, 9, 16, 23})   // CPU243, DI16, DO8, DI/DO16, AO2: its five slots
        slots.InsertModule(ModuleCatalog::FindByCode(code));
    ASSERT_EQ(5, project.modules.GetSize());
    auto* output = static_cast<CQLX_R2_PLC*>(project.modules[2]);
    output->qStart = output->qEnd = 7;   // moved by its form
    output->outputHoldFlags[0][4] = 1;
    ASSERT_FALSE(CheckEmptySlots(project.modules));
    ASSERT_FALSE(CheckPointLimits(project.modules));
    ASSERT_FALSE(CheckModuleAddresses(project.modules, project.cpuClass));

    CQLXProject loaded;
    LoadRecord(loaded, StoreRecord(project));
    ASSERT_EQ(project.modules.GetSize(), loaded.modules.GetSize());
    for (INT_PTR i = 0; i < project.modules.GetSize(); ++i) {
        auto* saved = static_cast<CQLX_R2_PLC*>(project.modules[i]);
        auto* back = static_cast<CQLX_R2_PLC*>(loaded.modules[i]);
        ASSERT_NE(nullptr, back);
        EXPECT_EQ(StoreRecord(*saved), StoreRecord(*back)) << "slot " << i + 1;
    }

    loaded.name = project.name;
    loaded.folder = project.folder;
    loaded.cpuClass = 1;
    folder.WriteFile("Rack.epl", std::string("\x10\x20\x30", 3));
    ASSERT_TRUE(loaded.BuildTargetImage());
    const CByteArray& section = loaded.imageSection4;
    ASSERT_GE(section.GetSize(), 7 + 5 * 6);
    EXPECT_EQ(5, section[6]);
    const Bytes expected[] = {
        {2, 0, 0, 1, 0, 1}, {8, 1, 2, 3, 255, 255}, {9, 2, 255, 255, 7, 7},
        {16, 3, 4, 4, 3, 3}, {23, 4, 255, 255, 0, 3},
    };
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(expected[i], Bytes(section.GetData() + 7 + 6 * i, section.GetData() + 13 + 6 * i)) << "slot " << i + 1;
}
