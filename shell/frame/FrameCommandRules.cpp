#include "shell/frame/FrameCommandRules.h"

#include "platform/FrameworkIds.h"
#include "res/resource.h"

#include <algorithm>
#include <iterator>

namespace {

const UINT kProjectEditingCommands[] = {ID_PROJECT_SAVE,  ID_PROJECT_SAVE_AS, ID_PROJECT_EXPORT, ID_PROJECT_CLOSE,
                                        ID_NEW_SUBROUTINE, ID_NEW_INTERRUPT,  ID_PLC_DOWNLOAD,   ID_PLC_COMPARE,
                                        ID_COMPILE};
const UINT kOfflineCommands[] = {ID_PROJECT_NEW, ID_PROJECT_OPEN, ID_PROJECT_IMPORT, ID_PLC_UPLOAD, ID_PLC_CLEAR,
                                 ID_PLC_INFO,    ID_PLC_RUN,      ID_PLC_STOP,       ID_PLC_PASSWORD};
const UINT kProjectTableCommands[] = {ID_CROSS_REFERENCE, ID_STATUS_TABLE, ID_GLOBAL_VARIABLES};
const UINT kStyleCommands[] = {ID_STYLE_1, ID_STYLE_2, ID_STYLE_3};

template <size_t N>
bool IsIn(UINT id, const UINT (&ids)[N]) {
    return std::find(std::begin(ids), std::end(ids), id) != std::end(ids);
}

void Mark(FrameCommandLook& look, FrameCommandLook::Mark mark, BOOL marked) {
    look.mark = mark;
    look.marked = marked;
}

}  // namespace

BOOL LookOfFrameCommand(UINT id, const FrameCommandState& state, FrameCommandLook& look) {
    look = FrameCommandLook();
    const BOOL offline = !state.monitoring;
    if (IsIn(id, kProjectEditingCommands))
        look.enabled = state.projectOpen && offline;
    else if (IsIn(id, kOfflineCommands))
        look.enabled = offline;
    else if (IsIn(id, kProjectTableCommands))
        look.enabled = state.projectOpen;
    else if (IsIn(id, kStyleCommands)) {
        const auto style = std::find(std::begin(kStyleCommands), std::end(kStyleCommands), id) - std::begin(kStyleCommands);
        Mark(look, FrameCommandLook::RadioMark, state.interfaceStyle == style);
    } else {
        switch (id) {
        case ID_PLC_CLOCK: look.enabled = offline && state.cpuClass != 0; break;
        case ID_MONITOR:
            look.enabled = state.projectOpen;
            Mark(look, FrameCommandLook::CheckMark, state.monitoring);
            break;
        case ID_COMM_SETTINGS: look.enabled = offline && !state.monitoringPaused; break;
        case ID_SHOW_GLOBAL_NAMES:
            look.enabled = state.active == ActiveWindowKind::PouEditor;
            Mark(look, FrameCommandLook::RadioMark, state.showGlobalNames);
            break;
        case ID_VIEW_PROJECT_MANAGER: Mark(look, FrameCommandLook::CheckMark, state.projectPaneShown); break;
        case ID_VIEW_OUTPUT: Mark(look, FrameCommandLook::CheckMark, state.outputPaneShown); break;
        case ID_VIEW_INSTRUCTIONS:
            look.enabled = state.active != ActiveWindowKind::Hardware;
            Mark(look, FrameCommandLook::CheckMark, state.instructionPanesShown);
            break;
        case ID_VIEW_MODULE_LIST:
            look.enabled = state.active == ActiveWindowKind::Hardware;
            Mark(look, FrameCommandLook::CheckMark, state.moduleListShown);
            break;
        case ID_WINDOW_CLOSE_ACTIVE:
        case ID_WINDOW_CLOSE_ALL: look.enabled = state.active != ActiveWindowKind::None; break;
        default: return FALSE;
        }
    }
    return TRUE;
}
