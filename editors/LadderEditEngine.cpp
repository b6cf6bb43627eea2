#include "editors/LadderEditEngine.h"

#include "platform/CCmdUI.h"

void CLadderEditEngine::UpdateLadderCommand(CCmdUI* cmdUI) { cmdUI->Enable(FALSE); }
