#include "shell/frame/FrameApplication.h"

namespace {
FrameApplication* installedApplication = nullptr;
}

void SetFrameApplication(FrameApplication* application) { installedApplication = application; }
FrameApplication* GetFrameApplication() { return installedApplication; }
