#include "tests/support/ScriptedCommonDialogs.h"
#include "tests/support/ScriptedMessageBoxes.h"
#include "tests/support/ScriptedShellOpen.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    InstallUnscriptedMessageBoxGuard();
    InstallUnscriptedCommonDialogGuard();
    InstallUnscriptedShellOpenGuard();
    return RUN_ALL_TESTS();
}
