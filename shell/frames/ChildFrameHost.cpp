#include "shell/frames/ChildFrameHost.h"

namespace {
IChildFrameHost* currentHost = nullptr;
}

void SetChildFrameHost(IChildFrameHost* host) { currentHost = host; }
IChildFrameHost* GetChildFrameHost() { return currentHost; }
