#include "comm/CpuPasswordDlg.h"
#include "comm/PasswordBlock.h"
#include "comm/PlcPasswordDlg.h"
#include "comm/SerialPort.h"
#include "comm/ShowCommError.h"
#include "res/resource.h"
#include "tests/comm/DialogLinkFixture.h"

#include <algorithm>

namespace {

using Block = std::vector<uint8_t>;

Block Enciphered(const char* password) {
    uint8_t block[kPasswordBlockBytes];
    EncipherPassword(password, block);
    return Block(block, block + kPasswordBlockBytes);
}

class PasswordDialogs : public DialogLinkFixture {
protected:
    void SetUp() override {
        DialogLinkFixture::SetUp();
        plc.State().protectionLevel = 2;
        std::copy_n(Enciphered("old").data(), kPasswordBlockBytes, plc.State().passwordBlock);
    }
    // The payload of the last request with the letter, or empty.
    Block LastPayload(char letter) const {
        for (auto r = link.Requests().rbegin(); r != link.Requests().rend(); ++r)
            if ((*r)[1] == letter)
                return Block(r->begin() + 3, r->end() - 2);
        return {};
    }
};

}  // namespace

TEST_F(PasswordDialogs, PlcPasswordIsSentOnlyWhenTyped) {
    const struct {
        const char* typed;
        int button;
        bool sent;
    } cases[] = {{"old", IDOK, true}, {"", IDOK, false}, {"old", IDCANCEL, false}};
    for (const auto& c : cases) {
        link.ForgetRequests();
        CPlcPasswordDlg dialog;
        ModalScript script({[&](CWnd* wnd) {
            wnd->SetDlgItemText(IDC_PLC_PASSWORD, c.typed);
            PressButton(wnd, c.button);
        }});
        EXPECT_EQ(c.button, dialog.DoModal()) << c.typed;
        EXPECT_EQ(c.sent ? "N" : "", SentLetters()) << c.typed;
        if (c.sent) {
            EXPECT_EQ(Enciphered(c.typed), LastPayload('N'));
        }
    }
}

TEST_F(PasswordDialogs, ApplyChecksEntriesThenChangesThePassword) {
    const char* confirm = "您确认要修改CPU内的保护密码吗？";
    const struct {
        const char* name;
        const char* oldPassword;
        int level;  // radio index
        const char* newPassword;
        const char* confirmation;
        int answer;
        std::vector<std::string> messages;
        Block oldSent;  // empty: nothing sent
        Block newSent;
    } cases[] = {
        {"level 1 without the old password", "", 0, "", "", IDYES, {"修改成无保护状态时，旧密码不能为空。"}, {}, {}},
        {"level 2 without a new password", "old", 1, "", "", IDYES, {"新密码不允许为空！请重新输入新密码。"}, {}, {}},
        {"confirmation differs", "old", 2, "new", "neu", IDYES,
         {"新密码与确认密码不一致！请重新输入新密码以及确认密码。"}, {}, {}},
        {"not confirmed", "old", 1, "new", "new", IDNO, {confirm}, {}, {}},
        {"level 2, trimmed new password", "old", 1, " new ", "new", IDYES, {confirm, "密码修改成功，新密码已经生效！"},
         Enciphered("old"), Enciphered("new")},
        {"level 1 sends the all-0xFF block", "old", 0, "", "", IDYES, {confirm, "密码修改成功，新密码已经生效！"},
         Enciphered("old"), Enciphered("")},
        {"level 3, empty old password", "", 2, "12345678", "12345678", IDYES,
         {confirm, "密码验证没有通过！\r\n请重新输入旧密码。"}, Enciphered(""), Enciphered("12345678")},
        {"wrong old password", "olt", 1, "new", "new", IDYES,
         {confirm, "密码验证没有通过！\r\n请重新输入旧密码。"}, Enciphered("olt"), Enciphered("new")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        plc.State().protectionLevel = 2;
        std::copy_n(Enciphered("old").data(), kPasswordBlockBytes, plc.State().passwordBlock);
        link.ForgetRequests();
        messages.shown.clear();
        messages.answer = c.answer;
        CCpuPasswordDlg dialog;
        bool stayedOpen = false;
        ModalScript script({[&](CWnd* wnd) {
            wnd->SetDlgItemText(IDC_CPU_OLD_PASSWORD, c.oldPassword);
            const int radio = IDC_CPU_LEVEL_1 + (c.level == 0 ? 0 : c.level == 1 ? 3 : 7);
            wnd->CheckRadioButton(IDC_CPU_LEVEL_1, IDC_CPU_LEVEL_3, radio);
            PressButton(wnd, radio);
            wnd->SetDlgItemText(IDC_CPU_NEW_PASSWORD, c.newPassword);
            wnd->SetDlgItemText(IDC_CPU_CONFIRM_PASSWORD, c.confirmation);
            PressButton(wnd, IDC_CPU_APPLY);
            stayedOpen = ::IsWindowVisible(wnd->m_hWnd) != FALSE;
            PressButton(wnd, IDCANCEL);
        }});
        dialog.DoModal();
        EXPECT_TRUE(stayedOpen);
        EXPECT_EQ(c.messages, MessageTexts());
        const Block sent = LastPayload('O');
        if (c.oldSent.empty()) {
            EXPECT_TRUE(sent.empty());
        } else {
            ASSERT_EQ(17u, sent.size());
            EXPECT_EQ(c.oldSent, Block(sent.begin(), sent.begin() + 8));
            EXPECT_EQ(c.level + 1, sent[8]);
            EXPECT_EQ(c.newSent, Block(sent.begin() + 9, sent.end()));
        }
        EXPECT_TRUE(CommLockFree());
        EXPECT_FALSE(theSerialPort.IsOpen());
    }
}

TEST_F(PasswordDialogs, LevelChoiceEnablesTheNewPasswordEdits) {
    CCpuPasswordDlg dialog;
    struct States {
        BOOL newEnabled, confirmEnabled;
        int newLength;
    };
    std::vector<States> seen;
    ModalScript script({[&](CWnd* wnd) {
        auto look = [&] {
            seen.push_back({wnd->GetDlgItem(IDC_CPU_NEW_PASSWORD)->IsWindowEnabled(),
                            wnd->GetDlgItem(IDC_CPU_CONFIRM_PASSWORD)->IsWindowEnabled(),
                            wnd->GetDlgItem(IDC_CPU_NEW_PASSWORD)->GetWindowTextLength()});
        };
        look();  // at the start
        wnd->CheckRadioButton(IDC_CPU_LEVEL_1, IDC_CPU_LEVEL_3, IDC_CPU_LEVEL_3);
        PressButton(wnd, IDC_CPU_LEVEL_3);
        look();
        wnd->SetDlgItemText(IDC_CPU_NEW_PASSWORD, "abc");
        look();
        wnd->CheckRadioButton(IDC_CPU_LEVEL_1, IDC_CPU_LEVEL_3, IDC_CPU_LEVEL_1);
        PressButton(wnd, IDC_CPU_LEVEL_1);
        look();
        SaveImage(wnd, "cpu_password_dialog.bmp");
        PressButton(wnd, IDCANCEL);
    }});
    dialog.DoModal();
    ASSERT_EQ(4u, seen.size());
    EXPECT_FALSE(seen[0].newEnabled);
    EXPECT_FALSE(seen[0].confirmEnabled);
    EXPECT_TRUE(seen[1].newEnabled);
    EXPECT_FALSE(seen[1].confirmEnabled);
    EXPECT_TRUE(seen[2].confirmEnabled);
    EXPECT_FALSE(seen[3].newEnabled);
    EXPECT_FALSE(seen[3].confirmEnabled);
    EXPECT_EQ(0, seen[3].newLength);
}

TEST_F(PasswordDialogs, BusyLineRefusesTheChangeAndTheDialogStays) {
    messages.answer = IDYES;
    HoldCommLockElsewhere();
    CCpuPasswordDlg dialog;
    bool stayedOpen = false;
    HWND focused = nullptr, passwordEdit = nullptr;
    ModalScript script({[&](CWnd* wnd) {
        wnd->SetDlgItemText(IDC_CPU_OLD_PASSWORD, "old");
        PressButton(wnd, IDC_CPU_APPLY);
        stayedOpen = ::IsWindowVisible(wnd->m_hWnd) != FALSE;
        PressButton(wnd, IDCANCEL);
    }});
    dialog.DoModal();
    ReleaseCommLockElsewhere();
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ((std::vector<std::string>{"您确认要修改CPU内的保护密码吗？", "正在进行其它通讯任务，不允许再启动通讯任务！"}),
              MessageTexts());
    EXPECT_TRUE(link.Requests().empty());
    EXPECT_FALSE(theSerialPort.IsOpen());

    CPlcPasswordDlg password;
    ModalScript focusScript({[&](CWnd* wnd) {
        focused = ::GetFocus();
        passwordEdit = wnd->GetDlgItem(IDC_PLC_PASSWORD)->m_hWnd;
        PressButton(wnd, IDCANCEL);
    }});
    password.DoModal();
    EXPECT_EQ(passwordEdit, focused);
}

// Only the PLC's refusal speaks about the old password; a lost or damaged exchange is
// told as the communication fault it is, and the protection stays as it was.
TEST_F(PasswordDialogs, AFailedExchangeIsToldAsACommunicationFault) {
    const struct {
        const char* name;
        PlcFault fault;
        std::string message;
    } cases[] = {
        {"silent PLC", PlcFault::Silent, CommErrorMessage(kCommNoReply).text},
        {"damaged answer", PlcFault::BadCrc, CommErrorMessage(kCommBadReply).text},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        messages.shown.clear();
        messages.answer = IDYES;
        plc.InjectFault(c.fault, 0, 1);
        CCpuPasswordDlg dialog;
        ModalScript script({[&](CWnd* wnd) {
            wnd->SetDlgItemText(IDC_CPU_OLD_PASSWORD, "old");
            wnd->SetDlgItemText(IDC_CPU_NEW_PASSWORD, "new");
            wnd->SetDlgItemText(IDC_CPU_CONFIRM_PASSWORD, "new");
            PressButton(wnd, IDC_CPU_APPLY);
            PressButton(wnd, IDCANCEL);
        }});
        dialog.DoModal();
        EXPECT_EQ((std::vector<std::string>{"您确认要修改CPU内的保护密码吗？", c.message}), MessageTexts());
        EXPECT_TRUE(CommLockFree());
        EXPECT_FALSE(theSerialPort.IsOpen());
    }
}
