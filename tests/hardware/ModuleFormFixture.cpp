#include "tests/hardware/ModuleFormFixture.h"

#include "tests/support/TestImage.h"

void ModuleFormFixture::SaveImage(CWnd* form, const char* name) {
    CRect rect;
    form->GetWindowRect(&rect);
    TestImage image(rect.Width(), rect.Height(), ::GetSysColor(COLOR_BTNFACE));
    RenderWindow(form, image);
    EXPECT_TRUE(image.SaveBmp(TestOutputPath(name)));
}
