#include "tests/ladder/LadderModelFixture.h"

#include "ladder/LadderSheet.h"

void LadderModelTest::LayOut() { CLadderSheet(model).LayOut(); }
