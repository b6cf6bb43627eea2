#include "shell/frame/FrameCommandRules.h"

#include "res/resource.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The states of the table's columns.
FrameCommandState NoProject() {
    FrameCommandState state;
    state.cpuClass = 1;  // a closed project keeps the model's CPU class
    return state;
}
FrameCommandState ProjectOpen() {
    FrameCommandState state;
    state.projectOpen = TRUE;
    state.cpuClass = 1;
    return state;
}
FrameCommandState Monitoring() {
    FrameCommandState state = ProjectOpen();
    state.monitoring = TRUE;
    return state;
}
FrameCommandState Paused() {
    FrameCommandState state = Monitoring();
    state.monitoringPaused = TRUE;
    return state;
}
FrameCommandState Editor() {
    FrameCommandState state = ProjectOpen();
    state.active = ActiveWindowKind::PouEditor;
    return state;
}
FrameCommandState Hardware() {
    FrameCommandState state = ProjectOpen();
    state.active = ActiveWindowKind::Hardware;
    return state;
}
FrameCommandState SmallCpu() {
    FrameCommandState state = ProjectOpen();
    state.cpuClass = 0;
    return state;
}

// One row: the command and whether it is enabled in each state, as a string of 1 and 0
// in the order no project, project open, monitoring, paused, POU editor active,
// hardware window active, CPU of class 0.
struct Row {
    UINT id;
    const char* enabled;
};

const Row kRows[] = {
    {ID_PROJECT_SAVE, "0100111"},     {ID_PROJECT_SAVE_AS, "0100111"}, {ID_PROJECT_EXPORT, "0100111"},
    {ID_PROJECT_CLOSE, "0100111"},    {ID_NEW_SUBROUTINE, "0100111"},  {ID_NEW_INTERRUPT, "0100111"},
    {ID_PLC_DOWNLOAD, "0100111"},     {ID_PLC_COMPARE, "0100111"},     {ID_COMPILE, "0100111"},
    {ID_PROJECT_NEW, "1100111"},      {ID_PROJECT_OPEN, "1100111"},    {ID_PROJECT_IMPORT, "1100111"},
    {ID_PLC_UPLOAD, "1100111"},       {ID_PLC_CLEAR, "1100111"},       {ID_PLC_INFO, "1100111"},
    {ID_PLC_RUN, "1100111"},          {ID_PLC_STOP, "1100111"},        {ID_PLC_PASSWORD, "1100111"},
    {ID_PLC_CLOCK, "1100110"},        {ID_MONITOR, "0111111"},         {ID_COMM_SETTINGS, "1100111"},
    {ID_CROSS_REFERENCE, "0111111"},  {ID_STATUS_TABLE, "0111111"},    {ID_GLOBAL_VARIABLES, "0111111"},
    {ID_SHOW_GLOBAL_NAMES, "0000100"}, {ID_VIEW_PROJECT_MANAGER, "1111111"}, {ID_VIEW_OUTPUT, "1111111"},
    {ID_VIEW_INSTRUCTIONS, "1111101"}, {ID_VIEW_MODULE_LIST, "0000010"}, {ID_WINDOW_CLOSE_ACTIVE, "0000110"},
    {ID_WINDOW_CLOSE_ALL, "0000110"}, {ID_STYLE_1, "1111111"},         {ID_STYLE_2, "1111111"},
    {ID_STYLE_3, "1111111"},
};

TEST(FrameCommandRules, EnablingOfEveryCommandByState) {
    const FrameCommandState states[] = {NoProject(), ProjectOpen(), Monitoring(), Paused(),
                                        Editor(),    Hardware(),    SmallCpu()};
    for (const Row& row : kRows) {
        std::string enabled;
        for (const FrameCommandState& state : states) {
            FrameCommandLook look;
            ASSERT_TRUE(LookOfFrameCommand(row.id, state, look)) << row.id;
            enabled += look.enabled ? '1' : '0';
        }
        EXPECT_EQ(row.enabled, enabled) << "command " << row.id;
    }
}

TEST(FrameCommandRules, CommandsWithoutARuleAreLeftToTheirHandlers) {
    FrameCommandLook look;
    for (UINT id : {ID_HELP_TOPICS, ID_SETTINGS, ID_HOMEPAGE, ID_SWITCH_TAB_POSITION, ID_CLOSE_ALL_WINDOWS,
                    ID_CLOSE_WINDOW, ID_OUTPUT_CLEAR})
        EXPECT_FALSE(LookOfFrameCommand(id, ProjectOpen(), look)) << id;
}

TEST(FrameCommandRules, MarksFollowFlagsStyleAndMonitoring) {
    struct Case {
        UINT id;
        FrameCommandState state;
        FrameCommandLook::Mark mark;
        BOOL marked;
    };
    FrameCommandState style2 = ProjectOpen();
    style2.interfaceStyle = 2;
    FrameCommandState namesOff = Editor();
    namesOff.showGlobalNames = FALSE;
    FrameCommandState panesOff = ProjectOpen();
    panesOff.projectPaneShown = panesOff.outputPaneShown = panesOff.instructionPanesShown = FALSE;
    panesOff.moduleListShown = TRUE;
    const Case cases[] = {
        {ID_STYLE_1, ProjectOpen(), FrameCommandLook::RadioMark, TRUE},
        {ID_STYLE_3, ProjectOpen(), FrameCommandLook::RadioMark, FALSE},
        {ID_STYLE_3, style2, FrameCommandLook::RadioMark, TRUE},
        {ID_STYLE_1, style2, FrameCommandLook::RadioMark, FALSE},
        {ID_SHOW_GLOBAL_NAMES, Editor(), FrameCommandLook::RadioMark, TRUE},
        {ID_SHOW_GLOBAL_NAMES, namesOff, FrameCommandLook::RadioMark, FALSE},
        {ID_MONITOR, ProjectOpen(), FrameCommandLook::CheckMark, FALSE},
        {ID_MONITOR, Monitoring(), FrameCommandLook::CheckMark, TRUE},
        {ID_VIEW_PROJECT_MANAGER, ProjectOpen(), FrameCommandLook::CheckMark, TRUE},
        {ID_VIEW_PROJECT_MANAGER, panesOff, FrameCommandLook::CheckMark, FALSE},
        {ID_VIEW_OUTPUT, panesOff, FrameCommandLook::CheckMark, FALSE},
        {ID_VIEW_INSTRUCTIONS, panesOff, FrameCommandLook::CheckMark, FALSE},
        {ID_VIEW_MODULE_LIST, ProjectOpen(), FrameCommandLook::CheckMark, FALSE},
        {ID_VIEW_MODULE_LIST, panesOff, FrameCommandLook::CheckMark, TRUE},
        {ID_COMPILE, ProjectOpen(), FrameCommandLook::NoMark, FALSE},
    };
    for (const Case& c : cases) {
        FrameCommandLook look;
        ASSERT_TRUE(LookOfFrameCommand(c.id, c.state, look));
        EXPECT_EQ(c.mark, look.mark) << c.id;
        EXPECT_EQ(c.marked, look.marked) << c.id;
    }
}

}  // namespace
