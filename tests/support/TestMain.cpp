#include "tests/support/ScriptedMessageBoxes.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    InstallUnscriptedMessageBoxGuard();
    return RUN_ALL_TESTS();
}
