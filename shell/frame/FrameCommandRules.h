#pragma once
#include <windows.h>

// The kind of the active document window, as the main frame's enabling rules see it.
enum class ActiveWindowKind { None, PouEditor, Hardware, Other };

// What the main frame's enabling rules depend on.
struct FrameCommandState {
    BOOL projectOpen = FALSE;
    BOOL monitoring = FALSE;
    BOOL monitoringPaused = FALSE;
    int cpuClass = 0;
    ActiveWindowKind active = ActiveWindowKind::None;
    BOOL showGlobalNames = TRUE;
    int interfaceStyle = 0;
    BOOL projectPaneShown = TRUE;
    BOOL outputPaneShown = TRUE;
    BOOL instructionPanesShown = TRUE;
    BOOL moduleListShown = FALSE;
};

// How a menu item or button of a command looks: enabled, and its mark.
struct FrameCommandLook {
    enum Mark { NoMark, CheckMark, RadioMark };
    BOOL enabled = TRUE;
    Mark mark = NoMark;
    BOOL marked = FALSE;
};

// The main frame's rule for the command; FALSE when the frame has none for it.
BOOL LookOfFrameCommand(UINT id, const FrameCommandState& state, FrameCommandLook& look);
