#include "platform/CDataExchange.h"
#include "platform/CDocument.h"
#include "platform/CFormView.h"
#include "platform/CFrameWnd.h"
#include "platform/CSpinButtonCtrl.h"
#include "res/resource.h"
#include "tests/support/TestApplication.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class FormDoc : public CDocument {};

// The input-address form of a digital input module: a start field with its spin.
class StartForm : public CFormView {
    DECLARE_DYNCREATE(StartForm)

public:
    StartForm() : CFormView(IDD_FORM_DI) {}
    ~StartForm() override { ++s_deleted; }

    static int s_deleted;
    int m_start = 3;
    int m_changes = 0;
    std::vector<int> m_steps;
    CSpinButtonCtrl m_spin;

    void DoDataExchange(CDataExchange* dx) override {
        DDX_Control(dx, IDC_HW_DI_SPIN, m_spin);
        DDX_Text(dx, IDC_HW_DI_START, m_start);
    }

protected:
    void OnStartChange() { ++m_changes; }
    void OnSpinStep(NMHDR* header, LRESULT* result) {
        m_steps.push_back(reinterpret_cast<NMUPDOWN*>(header)->iDelta);
        *result = 0;
    }
    DECLARE_MESSAGE_MAP()
};

int StartForm::s_deleted = 0;

IMPLEMENT_DYNCREATE(StartForm, CFormView)
BEGIN_MESSAGE_MAP(StartForm, CFormView)
    ON_EN_CHANGE(IDC_HW_DI_START, OnStartChange)
    ON_NOTIFY(UDN_DELTAPOS, IDC_HW_DI_SPIN, OnSpinStep)
END_MESSAGE_MAP()

class FormViews : public ::testing::Test {
protected:
    void SetUp() override {
        m_document = new FormDoc;  // closes itself with its last view
        CCreateContext context;
        context.m_pNewViewClass = RUNTIME_CLASS(StartForm);
        context.m_pCurrentDoc = m_document;
        m_frame = new CFrameWnd;  // deletes itself with its window
        ASSERT_TRUE(m_frame->Create(nullptr, "form", WS_OVERLAPPEDWINDOW, CRect(0, 0, 700, 500), nullptr, nullptr, 0,
                                    &context));
        m_frame->InitialUpdateFrame(m_document, TRUE);
        m_form = static_cast<StartForm*>(m_frame->GetActiveView());
        ASSERT_NE(m_form, nullptr);
    }
    void TearDown() override {
        if (m_frame->m_hWnd)
            m_frame->DestroyWindow();
    }

    CString StartText() const {
        CString text;
        m_form->GetDlgItemText(IDC_HW_DI_START, text);
        return text;
    }

    TestApplication m_app;
    FormDoc* m_document = nullptr;
    CFrameWnd* m_frame = nullptr;
    StartForm* m_form = nullptr;
};

TEST_F(FormViews, TheTemplateMakesAViewOfTheDocument) {
    EXPECT_TRUE(m_form->IsKindOf(RUNTIME_CLASS(CFormView)));
    EXPECT_EQ(m_form->GetDocument(), m_document);
    EXPECT_EQ(m_form->GetDlgCtrlID(), int(AFX_IDW_PANE_FIRST));
    EXPECT_EQ(m_form->GetParent()->m_hWnd, m_frame->m_hWnd);
    EXPECT_TRUE(m_form->GetStyle() & WS_CHILD);
    EXPECT_TRUE(m_form->GetExStyle() & WS_EX_CLIENTEDGE);  // the frame asked for a border
    EXPECT_NE(m_form->GetDlgItem(IDC_HW_DI_LENGTH), nullptr);
    // The frame's layout gave the view the frame's client area.
    CRect frameClient, formWindow;
    m_frame->GetClientRect(&frameClient);
    m_form->GetWindowRect(&formWindow);
    EXPECT_EQ(formWindow.Size(), frameClient.Size());
}

TEST_F(FormViews, FieldsAreFilledAtTheInitialUpdateAndReadBack) {
    EXPECT_EQ(StartText(), "3");
    EXPECT_EQ(m_form->m_spin.GetBuddy()->m_hWnd, m_form->GetDlgItem(IDC_HW_DI_START)->m_hWnd);
    m_form->SetDlgItemText(IDC_HW_DI_START, "12");
    EXPECT_TRUE(m_form->UpdateData(TRUE));
    EXPECT_EQ(m_form->m_start, 12);
    EXPECT_EQ(m_form->m_changes, 1);  // the typing; the exchange's own filling is not told
}

TEST_F(FormViews, TheSpinsStepsReachTheFormsMap) {
    m_form->m_spin.SetRange32(0, 14);
    m_form->m_spin.SetPos32(4);
    int changes = m_form->m_changes;
    m_form->m_spin.SendMessage(WM_KEYDOWN, VK_DOWN);
    EXPECT_EQ(m_form->m_steps, std::vector<int>{-1});
    EXPECT_EQ(StartText(), "3");
    EXPECT_GT(m_form->m_changes, changes);
}

TEST_F(FormViews, TabMovesBetweenTheFields) {
    CWnd* start = m_form->GetDlgItem(IDC_HW_DI_START);
    start->SetFocus();
    ASSERT_EQ(::GetFocus(), start->m_hWnd);
    start->PostMessage(WM_KEYDOWN, VK_TAB);
    m_app.PumpUntilIdle();
    EXPECT_EQ(::GetDlgCtrlID(::GetFocus()), IDC_HW_DI_LENGTH);  // the next field
}

TEST_F(FormViews, AWindowSmallerThanTheTemplateScrolls) {
    CSize total = m_form->GetTotalSize();
    EXPECT_GT(total.cx, 300);
    EXPECT_GT(total.cy, 150);
    m_form->MoveWindow(0, 0, total.cx / 2, total.cy / 2);
    EXPECT_TRUE(m_form->GetStyle() & WS_VSCROLL);
    m_form->SendMessage(WM_VSCROLL, SB_BOTTOM);
    EXPECT_GT(m_form->GetScrollPosition().y, 0);
    m_form->MoveWindow(0, 0, total.cx + 50, total.cy + 50);
    EXPECT_FALSE(m_form->GetStyle() & WS_VSCROLL);
}

TEST_F(FormViews, AHiddenFormForATabAndAMissingTemplate) {
    auto* form = new StartForm;
    ASSERT_TRUE(form->Create(nullptr, nullptr, WS_CHILD, CRect(0, 0, 200, 100), m_frame, 5));
    EXPECT_FALSE(form->IsWindowVisible());
    EXPECT_EQ(form->GetDlgCtrlID(), 5);
    EXPECT_EQ(form->GetDocument(), nullptr);
    form->DestroyWindow();

    class NoTemplateForm : public StartForm {
    public:
        NoTemplateForm() { m_lpszTemplateName = MAKEINTRESOURCEA(1); }
    };
    int deleted = StartForm::s_deleted;
    EXPECT_FALSE((new NoTemplateForm)->Create(nullptr, nullptr, WS_CHILD, CRect(0, 0, 200, 100), m_frame, 6));
    EXPECT_EQ(StartForm::s_deleted, deleted + 1);  // a view that failed is gone
}

}  // namespace
