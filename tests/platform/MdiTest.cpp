#include "platform/CDocTemplate.h"
#include "platform/CDocument.h"
#include "platform/CMDIChildWnd.h"
#include "platform/CMDIFrameWnd.h"
#include "platform/CView.h"
#include "tests/support/TestApplication.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const UINT ID_WHO = 33001;
std::vector<std::string>* g_commands = nullptr;

class ProjectDoc : public CDocument {
    DECLARE_DYNCREATE(ProjectDoc)
};
IMPLEMENT_DYNCREATE(ProjectDoc, CDocument)

class ProgramDoc : public CDocument {
    DECLARE_DYNCREATE(ProgramDoc)
};
IMPLEMENT_DYNCREATE(ProgramDoc, CDocument)

class NamedView : public CView {
    DECLARE_DYNAMIC(NamedView)
public:
    void OnDraw(CDC*) override {}
protected:
    void OnWho() { g_commands->push_back(static_cast<LPCSTR>(GetDocument()->GetTitle())); }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNAMIC(NamedView, CView)
BEGIN_MESSAGE_MAP(NamedView, CView)
    ON_COMMAND(ID_WHO, OnWho)
END_MESSAGE_MAP()

class ProjectView : public NamedView {
    DECLARE_DYNCREATE(ProjectView)
};
IMPLEMENT_DYNCREATE(ProjectView, NamedView)

class ProgramView : public NamedView {
    DECLARE_DYNCREATE(ProgramView)
};
IMPLEMENT_DYNCREATE(ProgramView, NamedView)

HMENU MenuWithPopup(LPCSTR popupText) {
    HMENU popup = ::CreatePopupMenu();
    ::AppendMenuA(popup, MF_STRING, ID_WHO, "who");
    HMENU bar = ::CreateMenu();
    ::AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), popupText);
    return bar;
}

CString FirstPopupText(HMENU menu) {
    char text[64] = {};
    ::GetMenuStringA(menu, 0, text, sizeof(text), MF_BYPOSITION);
    return text;
}

class MdiFrames : public ::testing::Test {
protected:
    void SetUp() override {
        g_commands = &m_commands;
        m_projects = AddTemplate(123, RUNTIME_CLASS(ProjectDoc), RUNTIME_CLASS(ProjectView),
                                 "\nProject\nProject\n", "工程(&F)");
        m_programs = AddTemplate(124, RUNTIME_CLASS(ProgramDoc), RUNTIME_CLASS(ProgramView),
                                 "\nProgram\nProgram\n", "梯形图(&L)");
        m_frame = new CMDIFrameWnd;
        ASSERT_TRUE(m_frame->Create(nullptr, "Tessaron", WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, CRect(0, 0, 640, 480)));
        m_frame->m_hMenuDefault = MenuWithPopup("文件(&F)");
        ::SetMenu(m_frame->m_hWnd, m_frame->m_hMenuDefault);
        m_app.m_pMainWnd = m_frame;
        m_frame->ShowWindow(SW_SHOW);
    }
    void TearDown() override {
        m_frame->DestroyWindow();
        m_app.m_pMainWnd = nullptr;
        g_commands = nullptr;
    }
    CMultiDocTemplate* AddTemplate(UINT id, CRuntimeClass* doc, CRuntimeClass* view, LPCSTR strings,
                                   LPCSTR menuText) {
        auto* docTemplate = new CMultiDocTemplate(id, doc, RUNTIME_CLASS(CMDIChildWnd), view);
        docTemplate->m_strDocStrings = strings;
        m_app.AddDocTemplate(docTemplate);
        docTemplate->m_hMenuShared = MenuWithPopup(menuText);
        return docTemplate;
    }
    CString MenuBarText() { return FirstPopupText(::GetMenu(m_frame->m_hWnd)); }
    CDocument* ActiveDocument() { return m_frame->GetActiveFrame()->GetActiveDocument(); }

    TestApplication m_app;
    std::vector<std::string> m_commands;
    CMultiDocTemplate* m_projects = nullptr;
    CMultiDocTemplate* m_programs = nullptr;
    CMDIFrameWnd* m_frame = nullptr;
};

TEST_F(MdiFrames, ActiveDocumentBringsItsTemplatesMenu) {
    EXPECT_EQ(MenuBarText(), "文件(&F)");
    CDocument* project = m_projects->OpenDocumentFile(nullptr);
    ASSERT_NE(project, nullptr);
    EXPECT_EQ(project->GetTitle(), "Project1");
    EXPECT_EQ(MenuBarText(), "工程(&F)");
    CDocument* program = m_programs->OpenDocumentFile(nullptr);
    ASSERT_NE(program, nullptr);
    EXPECT_EQ(MenuBarText(), "梯形图(&L)");
    EXPECT_EQ(ActiveDocument(), program);

    // Activating the other child switches back.
    POSITION position = project->GetFirstViewPosition();
    CFrameWnd* projectFrame = project->GetNextView(position)->GetParentFrame();
    m_frame->MDIActivate(projectFrame);
    EXPECT_EQ(MenuBarText(), "工程(&F)");
    EXPECT_EQ(ActiveDocument(), project);

    // Commands reach the active child's view.
    m_frame->SendMessage(WM_COMMAND, ID_WHO);
    EXPECT_EQ(m_commands, std::vector<std::string>{"Project1"});
    CString title;
    m_frame->GetWindowText(title);
    EXPECT_EQ(title, "Tessaron - Project1");

    // With the last child gone the frame's own menu is back.
    m_app.CloseAllDocuments(FALSE);
    EXPECT_EQ(m_frame->MDIGetActive(), nullptr);
    EXPECT_EQ(MenuBarText(), "文件(&F)");
    EXPECT_EQ(m_app.GetOpenDocumentCount(), 0);
}

TEST_F(MdiFrames, ClosingTheLastViewClosesTheDocument) {
    CDocument* first = m_programs->OpenDocumentFile(nullptr);
    m_programs->OpenDocumentFile(nullptr);
    EXPECT_EQ(m_app.GetOpenDocumentCount(), 2);
    POSITION position = first->GetFirstViewPosition();
    CFrameWnd* frame = first->GetNextView(position)->GetParentFrame();
    frame->SendMessage(WM_CLOSE);
    EXPECT_EQ(m_app.GetOpenDocumentCount(), 1);
    EXPECT_EQ(ActiveDocument()->GetTitle(), "Program2");
}

TEST_F(MdiFrames, OnlyTheActiveChildsViewsAreInTheActiveChild) {
    auto viewOf = [](CDocument* document) {
        POSITION position = document->GetFirstViewPosition();
        return document->GetNextView(position);
    };
    CView* first = viewOf(m_programs->OpenDocumentFile(nullptr));
    CView* second = viewOf(m_programs->OpenDocumentFile(nullptr));
    EXPECT_FALSE(IsInActiveMDIChild(first));
    EXPECT_TRUE(IsInActiveMDIChild(second));
    m_frame->MDIActivate(first->GetParentFrame());
    EXPECT_TRUE(IsInActiveMDIChild(first));
    EXPECT_FALSE(IsInActiveMDIChild(second));
    // Outside any document frame, and without a window, a view counts as active.
    CWnd pane;
    ASSERT_TRUE(pane.CreateEx(0, "Static", "", WS_CHILD, CRect(0, 0, 10, 10), m_frame, 1));
    EXPECT_TRUE(IsInActiveMDIChild(&pane));
    EXPECT_TRUE(IsInActiveMDIChild(nullptr));
    pane.DestroyWindow();
}

TEST_F(MdiFrames, TheMdiClientTakesTheRestNotAnotherChildWithItsId) {
    // A window of the frame with the pane id (as docking pane views have) stays where it is.
    CWnd other;
    ASSERT_TRUE(other.CreateEx(0, "Static", "", WS_CHILD | WS_VISIBLE, CRect(5, 5, 25, 25), m_frame,
                               AFX_IDW_PANE_FIRST));
    m_frame->RecalcLayout();
    CRect client, mdi;
    m_frame->GetClientRect(&client);
    ::GetWindowRect(m_frame->m_hWndMDIClient, &mdi);
    m_frame->ScreenToClient(&mdi);
    EXPECT_EQ(mdi, client);
    CRect rest;
    other.GetWindowRect(&rest);
    m_frame->ScreenToClient(&rest);
    EXPECT_EQ(rest, CRect(5, 5, 25, 25));
    other.DestroyWindow();
}

}  // namespace

namespace {
// An MDI client object that keeps a band of 30 pixels at the top for itself.
class BandedClient : public CWnd {
public:
    void CalcWindowRect(LPRECT rect, UINT adjustType) override {
        rect->top += 30;
        CWnd::CalcWindowRect(rect, adjustType);
    }
};

TEST_F(MdiFrames, LayoutAsksTheSubclassedMdiClientForItsRectangle) {
    BandedClient client;
    ASSERT_TRUE(client.SubclassWindow(m_frame->m_hWndMDIClient));
    m_frame->RecalcLayout();
    CRect frameClient, mdi;
    m_frame->GetClientRect(&frameClient);
    ::GetWindowRect(m_frame->m_hWndMDIClient, &mdi);
    m_frame->ScreenToClient(&mdi);
    EXPECT_EQ(frameClient.top + 30, mdi.top);
    client.UnsubclassWindow();
}
}  // namespace

namespace {

// A window procedure in front of the frame's that counts the texts set on it.
int g_textSets = 0;
WNDPROC g_frameProc = nullptr;
LRESULT CALLBACK CountTextSets(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETTEXT)
        ++g_textSets;
    return ::CallWindowProcA(g_frameProc, window, message, wParam, lParam);
}

}  // namespace

TEST_F(MdiFrames, TitleWithAMaximisedChildIsSetOnlyWhenItChanges) {
    CDocument* program = m_programs->OpenDocumentFile(nullptr);
    ASSERT_NE(program, nullptr);
    POSITION position = program->GetFirstViewPosition();
    CFrameWnd* child = program->GetNextView(position)->GetParentFrame();
    child->ShowWindow(SW_SHOWMAXIMIZED);
    m_frame->OnUpdateFrameTitle(TRUE);
    CString shown;
    m_frame->GetWindowText(shown);
    EXPECT_EQ(shown, "Tessaron - [Program1]");

    g_textSets = 0;
    g_frameProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(m_frame->m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CountTextSets)));
    for (int i = 0; i < 3; ++i) {
        program->SetPathName("C:\\plant\\Program1", FALSE);
        m_frame->OnUpdateFrameTitle(TRUE);
    }
    EXPECT_EQ(g_textSets, 0);

    // Restored, the frame shows the document's title again.
    child->ShowWindow(SW_RESTORE);
    m_frame->OnUpdateFrameTitle(TRUE);
    m_frame->GetWindowText(shown);
    EXPECT_EQ(shown, "Tessaron - Program1");
    ::SetWindowLongPtrA(m_frame->m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_frameProc));
}

TEST_F(MdiFrames, ChildWithoutDocumentGivesItsTitleOnlyWhileNotMaximised) {
    auto* child = new CMDIChildWnd;
    ASSERT_TRUE(child->Create(nullptr, "硬件配置", WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW, CFrameWnd::rectDefault,
                              m_frame));
    CString shown;
    child->ShowWindow(SW_SHOWMAXIMIZED);
    m_frame->OnUpdateFrameTitle(TRUE);
    m_frame->GetWindowText(shown);
    EXPECT_EQ(shown, "Tessaron - [硬件配置]");
    child->ShowWindow(SW_RESTORE);
    m_frame->OnUpdateFrameTitle(TRUE);
    m_frame->GetWindowText(shown);
    EXPECT_EQ(shown, "Tessaron - 硬件配置");
    child->DestroyWindow();
}

namespace {

// An MDI client object that keeps a band at the top for itself and records the client
// sizes it is told of.
class SizeRecordingClient : public CWnd {
public:
    std::vector<CSize> sizes;
    void CalcWindowRect(LPRECT rect, UINT adjustType) override {
        rect->top += 30;
        CWnd::CalcWindowRect(rect, adjustType);
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_SIZE)
            sizes.emplace_back(LOWORD(lParam), HIWORD(lParam));
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

CSize ClientSizeOf(HWND window) {
    CRect client;
    ::GetClientRect(window, &client);
    return client.Size();
}

}  // namespace

TEST_F(MdiFrames, ResizingTheFrameTellsTheMdiClientOnlyTheSizeItIsGiven) {
    SizeRecordingClient client;
    ASSERT_TRUE(client.SubclassWindow(m_frame->m_hWndMDIClient));
    m_frame->RecalcLayout();
    CView* view = nullptr;
    {
        CDocument* program = m_programs->OpenDocumentFile(nullptr);
        POSITION position = program->GetFirstViewPosition();
        view = program->GetNextView(position);
    }
    m_frame->MDIMaximize(view->GetParentFrame());
    client.sizes.clear();

    for (const CSize frameSize : {CSize(700, 520), CSize(600, 400)}) {
        m_frame->SetWindowPos(nullptr, 0, 0, frameSize.cx, frameSize.cy, SWP_NOZORDER | SWP_NOACTIVATE);
        // Never the frame's whole client area, which the client does not keep.
        const CSize given = ClientSizeOf(m_frame->m_hWndMDIClient);
        ASSERT_FALSE(client.sizes.empty());
        for (const CSize& size : client.sizes)
            EXPECT_EQ(size, given);
        // The maximised child still fills what the client has.
        EXPECT_EQ(ClientSizeOf(view->GetParentFrame()->m_hWnd), given);
        client.sizes.clear();
    }
    m_app.CloseAllDocuments(FALSE);
    client.UnsubclassWindow();
}

// Hidden from the start: the bars an empty client drops at its first scroll update
// would otherwise resize it (and lay the frame out again) once the loop runs.
TEST_F(MdiFrames, AnEmptyClientHasNoScrollBarsFromTheStart) {
    const auto scrollStyle = [this] {
        return ::GetWindowLongA(m_frame->m_hWndMDIClient, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL);
    };
    SizeRecordingClient client;
    ASSERT_TRUE(client.SubclassWindow(m_frame->m_hWndMDIClient));
    m_frame->RecalcLayout();
    client.sizes.clear();
    EXPECT_EQ(scrollStyle(), 0);
    m_app.PumpUntilIdle();
    EXPECT_EQ(scrollStyle(), 0);
    EXPECT_TRUE(client.sizes.empty());
    client.UnsubclassWindow();
}
