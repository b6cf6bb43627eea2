#include "comm/ForceTable.h"
#include "comm/ProjectForceAccess.h"
#include "project/CQLXProject.h"
#include "tests/support/CpuClassFixture.h"

#include <gtest/gtest.h>

using ProjectForceAccess = CpuClass1Test;

TEST_F(ProjectForceAccess, AddressesRoundTripThroughTheProjectsForceImage) {
    CQLXProject project;
    project.AllocateForceImages(5970);
    CProjectForceAccess access(project);
    struct Case {
        const char* address;
        uint32_t kind;
        uint32_t value;
    };
    const Case cases[] = {{"%Q0.1", 1, 1}, {"%VB10", 2, 0xAB}, {"%VW20", 4, 0xBEEF}, {"%VD40", 8, 0x12345678}};
    for (const Case& c : cases) {
        uint16_t code = 0;
        uint32_t flags = 0;
        ASSERT_TRUE(access.ParseForceAddress(c.address, code, flags)) << c.address;
        EXPECT_TRUE(flags & 0x200) << c.address;
        EXPECT_EQ(c.kind, ForceGroupAddressKind(ForceGroupOf(flags))) << c.address;
        EXPECT_EQ(CString(c.address), access.AddressCodeToText(code, c.kind)) << c.address;
        ASSERT_TRUE(access.SetForceImageValue(code, flags, c.value)) << c.address;
        access.BackupForceImage();
        ASSERT_TRUE(access.SetForceImageValue(code, flags, 0)) << c.address;
        access.RestoreForceImage();
        uint32_t value = 0;
        ASSERT_TRUE(access.GetForceImageValue(code, flags, value)) << c.address;
        EXPECT_EQ(c.value, value) << c.address;
    }
    uint16_t code = 0;
    uint32_t flags = 0;
    EXPECT_FALSE(access.ParseForceAddress("MAIN", code, flags));
    EXPECT_FALSE(access.ParseForceAddress("%LD4", code, flags));  // not forceable
    access.ClearForceImage();
    uint32_t value = 1;
    ASSERT_TRUE(access.ParseForceAddress("%VW20", code, flags));
    ASSERT_TRUE(access.GetForceImageValue(code, flags, value));
    EXPECT_EQ(0u, value);
}
