#include "tests/hardware/ModuleFormFixture.h"

#include "tests/hardware/PanesImage.h"

void ModuleFormFixture::SaveImage(CWnd* form, const char* name) {
    app.PumpUntilIdle();
    SavePanesImage(form, name);
}
