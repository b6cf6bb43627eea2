#include "ladder/LadderEnvironment.h"

#include "ladder/WorkspaceLadderEnvironment.h"

namespace {
CWorkspaceLadderEnvironment workspaceAnswers;
CLadderEnvironment* installed = nullptr;
}  // namespace

CLadderEnvironment& LadderEnvironment() { return installed ? *installed : workspaceAnswers; }

CLadderEnvironment* SetLadderEnvironment(CLadderEnvironment* environment) {
    CLadderEnvironment* previous = installed;
    installed = environment;
    return previous;
}
