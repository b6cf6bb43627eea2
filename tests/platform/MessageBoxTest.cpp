#include "platform/MessageBox.h"
#include "tests/support/ScriptedMessageBoxes.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

TEST(AfxMessageBox, ScriptedAnswersComeInOrderAndCallsAreRecorded) {
    ScriptedMessageBoxes boxes{IDNO, IDCANCEL};
    HWND owner = reinterpret_cast<HWND>(0x1234);
    EXPECT_EQ(AfxShowMessageBox(owner, "是否保存?", "提示", MB_YESNOCANCEL | MB_ICONQUESTION), IDNO);
    EXPECT_EQ(AfxShowMessageBox(nullptr, "second", "错误", MB_OKCANCEL), IDCANCEL);

    ASSERT_EQ(boxes.Calls().size(), 2u);
    EXPECT_EQ(boxes.Calls()[0].owner, owner);
    EXPECT_EQ(boxes.Calls()[0].text, "是否保存?");
    EXPECT_EQ(boxes.Calls()[0].caption, "提示");
    EXPECT_EQ(boxes.Calls()[0].type, UINT(MB_YESNOCANCEL | MB_ICONQUESTION));
    EXPECT_EQ(boxes.Calls()[1].caption, "错误");
    EXPECT_EQ(boxes.PendingAnswers(), 0u);
}

TEST(AfxMessageBox, UnscriptedBoxTakesItsDefaultButton) {
    struct Case { UINT type; int answer; };
    const Case cases[] = {
        {MB_OK, IDOK},
        {MB_OKCANCEL | MB_DEFBUTTON2, IDCANCEL},
        {MB_YESNO, IDYES},
        {MB_YESNO | MB_DEFBUTTON2, IDNO},
        {MB_YESNOCANCEL | MB_DEFBUTTON3, IDCANCEL},
        {MB_RETRYCANCEL | MB_ICONSTOP, IDRETRY},
    };
    ScriptedMessageBoxes boxes;
    for (const Case& c : cases)
        EXPECT_EQ(AfxShowMessageBox(nullptr, "text", "caption", c.type), c.answer) << c.type;
}

TEST(AfxMessageBox, AfxMessageBoxUsesTheAppTitleAndADefaultIcon) {
    AfxSetAppTitle("Tessaron");
    struct Case { UINT type; UINT shown; };
    const Case cases[] = {
        {MB_OK, MB_OK | MB_ICONEXCLAMATION},
        {MB_OKCANCEL, MB_OKCANCEL | MB_ICONEXCLAMATION},
        {MB_YESNO, MB_YESNO | MB_ICONQUESTION},
        {MB_YESNOCANCEL, MB_YESNOCANCEL | MB_ICONQUESTION},
        {MB_YESNO | MB_ICONINFORMATION, MB_YESNO | MB_ICONINFORMATION},
        {MB_OK | MB_ICONSTOP | MB_TASKMODAL, MB_OK | MB_ICONSTOP | MB_TASKMODAL},
        {MB_RETRYCANCEL, MB_RETRYCANCEL},
    };
    ScriptedMessageBoxes boxes;
    for (const Case& c : cases)
        AfxMessageBox("不能操作磁盘根目录", c.type);

    ASSERT_EQ(boxes.Calls().size(), std::size(cases));
    for (size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(boxes.Calls()[i].type, cases[i].shown) << i;
        EXPECT_EQ(boxes.Calls()[i].caption, "Tessaron");
        EXPECT_EQ(boxes.Calls()[i].text, "不能操作磁盘根目录");
    }
}

TEST(AfxMessageBox, NestedScriptsRestoreTheOuterOne) {
    ScriptedMessageBoxes outer{IDNO};
    {
        ScriptedMessageBoxes inner{IDYES};
        EXPECT_EQ(AfxShowMessageBox(nullptr, "inner", "", MB_YESNO), IDYES);
    }
    EXPECT_EQ(AfxShowMessageBox(nullptr, "outer", "", MB_YESNO), IDNO);
    ASSERT_EQ(outer.Calls().size(), 1u);
    EXPECT_EQ(outer.Calls()[0].text, "outer");
}

TEST(AfxMessageBox, UnscriptedBoxFailsTheTestInsteadOfBlocking) {
    int answer = 0;
    EXPECT_NONFATAL_FAILURE(answer = AfxShowMessageBox(nullptr, "lost", "提示", MB_YESNO),
                            "unscripted message box");
    EXPECT_EQ(answer, IDYES);
}

TEST(AfxMessageBox, UntitledApplicationIsNamedAfterItsExecutable) {
    AfxSetAppTitle(nullptr);
    EXPECT_STREQ(AfxGetAppTitle(), "test_platform");
    AfxSetAppTitle("工程");
    EXPECT_STREQ(AfxGetAppTitle(), "工程");
}
