#include "platform/CControlBar.h"
#include "platform/CDocTemplate.h"
#include "platform/CDocument.h"
#include "platform/CFrameWnd.h"
#include "platform/CMDIChildWnd.h"
#include "platform/CMDIFrameWnd.h"
#include "platform/CMenu.h"
#include "platform/CPreviewView.h"
#include "platform/CPrintDialog.h"
#include "platform/CPrintInfo.h"
#include "platform/CView.h"
#include "tests/support/ModalScript.h"
#include "tests/support/ScriptedCommonDialogs.h"
#include "tests/support/ScriptedMessageBoxes.h"
#include "tests/support/TestApplication.h"
#include "tests/support/TestImage.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

// Every step of printing that the view and the printer see, in order.
std::vector<std::string>* g_log = nullptr;
UINT g_pageCount = 3;

void Log(const std::string& step) { g_log->push_back(step); }

class PrintDoc : public CDocument {
    DECLARE_DYNCREATE(PrintDoc)
};
IMPLEMENT_DYNCREATE(PrintDoc, CDocument)

// A view of g_pageCount pages; page n is black over its left n quarters and top half.
class PageView : public CView {
    DECLARE_DYNCREATE(PageView)
public:
    void OnDraw(CDC*) override {}
    BOOL OnPreparePrinting(CPrintInfo* info) override {
        Log(info->m_bPreview ? "prepare preview" : "prepare");
        if (!DoPreparePrinting(info))
            return FALSE;
        info->SetMaxPage(g_pageCount);
        return TRUE;
    }
    void OnBeginPrinting(CDC* dc, CPrintInfo*) override { Log(dc->IsPrinting() ? "begin" : "begin, not printing"); }
    void OnPrepareDC(CDC* dc, CPrintInfo* info) override {
        if (info)
            Log("dc " + std::to_string(info->m_nCurPage));
    }
    void OnPrint(CDC* dc, CPrintInfo* info) override {
        Log("print " + std::to_string(info->m_nCurPage));
        drawRect = info->m_rectDraw;
        const CRect& page = info->m_rectDraw;
        dc->FillSolidRect(0, 0, page.Width() * static_cast<int>(info->m_nCurPage) / 4, page.Height() / 2,
                          RGB(0, 0, 0));
    }
    void OnEndPrinting(CDC*, CPrintInfo*) override { Log("end"); }

    CRect drawRect;

protected:
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(PageView, CView)
BEGIN_MESSAGE_MAP(PageView, CView)
    ON_COMMAND(ID_FILE_PRINT, CView::OnFilePrint)
    ON_COMMAND(ID_FILE_PRINT_DIRECT, OnFilePrint)
    ON_COMMAND(ID_FILE_PRINT_PREVIEW, OnFilePrintPreview)
END_MESSAGE_MAP()

// A printer standing in for a real one: a memory context that records the print
// job's steps. Once chosen in the print dialog the dialog owns its handle.
class RecordingPrinter : public CDC {
public:
    explicit RecordingPrinter(int failingPage = 0) : m_failingPage(failingPage) { CreateCompatibleDC(nullptr); }
    ~RecordingPrinter() override { Detach(); }

    int StartDoc(LPDOCINFOA document) override {
        Log(std::string("start doc ") + document->lpszDocName);
        return m_failingPage == -1 ? SP_ERROR : 1;
    }
    int StartPage() override {
        Log("start page");
        return ++m_page == m_failingPage ? SP_ERROR : 1;
    }
    int EndPage() override {
        Log("end page");
        return 1;
    }
    int EndDoc() override {
        Log("end doc");
        return 1;
    }
    int AbortDoc() override {
        Log("abort doc");
        return 1;
    }

private:
    int m_failingPage;  // -1: the job does not start
    int m_page = 0;
};

// The default-printer question of the print dialog, answered with this printer.
ScriptedCommonDialogs::Answer DefaultPrinter(HDC printer) {
    return [printer](CCommonDialog& dialog) -> INT_PTR {
        CPrintDialog* print = dynamic_cast<CPrintDialog*>(&dialog);
        EXPECT_TRUE(print && (print->m_pd.Flags & PD_RETURNDEFAULT)) << "the default printer was not asked for";
        return ChoosePrinter(printer)(dialog);
    };
}

// The user picks pages from..to of the printer.
ScriptedCommonDialogs::Answer ChoosePages(HDC printer, WORD from, WORD to) {
    return [printer, from, to](CCommonDialog& dialog) -> INT_PTR {
        CPrintDialog& print = dynamic_cast<CPrintDialog&>(dialog);
        EXPECT_FALSE(print.m_pd.Flags & PD_RETURNDEFAULT);
        EXPECT_EQ(print.m_pd.nMaxPage, CPrintInfo::unknownPageCount) << "pages are counted after the dialog";
        print.m_pd.Flags |= PD_PAGENUMS;
        print.m_pd.nFromPage = from;
        print.m_pd.nToPage = to;
        print.m_pd.hDC = printer;
        return IDOK;
    };
}

// Device records of the screen, standing for a printer the user picked.
HGLOBAL ScreenDeviceNames() {
    const char driver[] = "DISPLAY";
    HGLOBAL handle = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DEVNAMES) + sizeof(driver) + 2);
    DEVNAMES* names = static_cast<DEVNAMES*>(::GlobalLock(handle));
    names->wDriverOffset = sizeof(DEVNAMES);
    names->wDeviceOffset = sizeof(DEVNAMES) + sizeof(driver);
    names->wOutputOffset = names->wDeviceOffset + 1;
    memcpy(reinterpret_cast<char*>(names) + names->wDriverOffset, driver, sizeof(driver));
    ::GlobalUnlock(handle);
    return handle;
}

class Printing : public ::testing::Test {
protected:
    void SetUp() override {
        g_log = &m_log;
        g_pageCount = 3;
        m_document = new PrintDoc;
        m_document->SetTitle("程序一");
        CCreateContext context;
        context.m_pNewViewClass = RUNTIME_CLASS(PageView);
        context.m_pCurrentDoc = m_document;
        m_frame = new CFrameWnd;
        ASSERT_TRUE(m_frame->Create(nullptr, "Printing", WS_OVERLAPPEDWINDOW, CRect(0, 0, 480, 400), nullptr, nullptr,
                                    0, &context));
        m_app.m_pMainWnd = m_frame;
        m_frame->InitialUpdateFrame(m_document, TRUE);
        m_view = static_cast<PageView*>(m_frame->GetActiveView());
        ASSERT_NE(m_view, nullptr);
    }
    void TearDown() override {
        if (m_frame && ::IsWindow(m_frame->m_hWnd))
            m_frame->DestroyWindow();
        g_log = nullptr;
    }

    void Command(CWnd* target, UINT id) { target->SendMessage(WM_COMMAND, MAKEWPARAM(id, 0)); }

    TestApplication m_app;
    std::vector<std::string> m_log;
    PrintDoc* m_document = nullptr;
    CFrameWnd* m_frame = nullptr;
    PageView* m_view = nullptr;
};

using Steps = std::vector<std::string>;

Steps PageSteps(std::initializer_list<int> pages) {
    Steps steps;
    for (int page : pages) {
        std::string number = std::to_string(page);
        steps.insert(steps.end(), {"start page", "dc " + number, "print " + number, "end page"});
    }
    return steps;
}

Steps Job(const Steps& pages) {
    Steps steps = {"prepare", "begin", "start doc 程序一"};
    steps.insert(steps.end(), pages.begin(), pages.end());
    steps.insert(steps.end(), {"end doc", "end"});
    return steps;
}

TEST_F(Printing, PrintsEveryPageBetweenBeginAndEnd) {
    RecordingPrinter printer;
    CRect paper(0, 0, printer.GetDeviceCaps(HORZRES), printer.GetDeviceCaps(VERTRES));
    ScriptedCommonDialogs dialogs{ChoosePrinter(printer.m_hDC)};
    Command(m_view, ID_FILE_PRINT);
    EXPECT_EQ(m_log, Job(PageSteps({1, 2, 3})));
    EXPECT_EQ(m_view->drawRect, paper);
    EXPECT_FALSE(printer.IsPrinting());
    EXPECT_EQ(dialogs.PendingAnswers(), 0u);
}

// The pages printed are the ones chosen in the dialog, within the view's pages.
TEST_F(Printing, ChosenPagesWithinTheViewsPages) {
    struct Case {
        WORD from, to;
        UINT pageCount;
        Steps pages;
    };
    const Case cases[] = {
        {2, 3, 3, PageSteps({2, 3})},
        {2, 9, 3, PageSteps({2, 3})},
        {3, 3, 5, PageSteps({3})},
        {1, 3, CPrintInfo::unknownPageCount, PageSteps({1})},  // a view that does not count has one
    };
    for (const Case& c : cases) {
        m_log.clear();
        g_pageCount = c.pageCount;
        RecordingPrinter printer;
        ScriptedCommonDialogs dialogs{ChoosePages(printer.m_hDC, c.from, c.to)};
        Command(m_view, ID_FILE_PRINT);
        EXPECT_EQ(m_log, Job(c.pages)) << c.from << ".." << c.to;
    }
}

// A view with no pages (an empty program) starts no print job, and is still told that
// printing ended.
TEST_F(Printing, ViewWithoutPagesStartsNoJob) {
    g_pageCount = 0;
    RecordingPrinter printer;
    ScriptedCommonDialogs dialogs{ChoosePrinter(printer.m_hDC)};
    Command(m_view, ID_FILE_PRINT);
    EXPECT_EQ(m_log, Steps({"prepare", "begin", "end"}));
}

TEST_F(Printing, CancelledDialogPrintsNothing) {
    ScriptedCommonDialogs dialogs{CancelDialog()};
    Command(m_view, ID_FILE_PRINT);
    EXPECT_EQ(m_log, Steps({"prepare"}));
}

TEST_F(Printing, DirectPrintUsesTheDefaultPrinter) {
    RecordingPrinter printer;
    ScriptedCommonDialogs dialogs{DefaultPrinter(printer.m_hDC)};
    Command(m_view, ID_FILE_PRINT_DIRECT);
    EXPECT_EQ(m_log, Job(PageSteps({1, 2, 3})));
}

// Without a default printer the print dialog comes up, so the user sees why.
TEST_F(Printing, DirectPrintWithoutDefaultPrinterAsksTheUser) {
    RecordingPrinter printer;
    ScriptedCommonDialogs dialogs{CancelDialog(), ChoosePages(printer.m_hDC, 1, 1)};
    Command(m_view, ID_FILE_PRINT_DIRECT);
    EXPECT_EQ(m_log, Job(PageSteps({1})));
}

// A job the printer refuses, or a page it refuses, ends the job, tells the view that
// printing ended and tells the user.
TEST_F(Printing, PrinterFailuresAbortAndAreReported) {
    struct Case {
        int failingPage;
        Steps steps;
    };
    Steps abortedOnPage2 = {"prepare", "begin", "start doc 程序一"};
    for (const std::string& step : PageSteps({1}))
        abortedOnPage2.push_back(step);
    abortedOnPage2.insert(abortedOnPage2.end(), {"start page", "abort doc", "end"});
    const Case cases[] = {
        {-1, {"prepare", "begin", "start doc 程序一", "end"}},
        {2, abortedOnPage2},
    };
    for (const Case& c : cases) {
        m_log.clear();
        RecordingPrinter printer(c.failingPage);
        ScriptedCommonDialogs dialogs{ChoosePrinter(printer.m_hDC)};
        ScriptedMessageBoxes boxes{IDOK};
        Command(m_view, ID_FILE_PRINT);
        EXPECT_EQ(m_log, c.steps) << "failing page " << c.failingPage;
        ASSERT_EQ(boxes.Calls().size(), 1u);
        EXPECT_EQ(boxes.Calls()[0].text, "无法启动打印作业。");
    }
}

// The printer chosen in print setup is the one later jobs use: preview takes it
// without asking, and the print dialog starts from it.
TEST_F(Printing, PrintSetupChoosesThePrinterOfLaterJobs) {
    HGLOBAL chosen = ScreenDeviceNames();
    ScriptedCommonDialogs setup{[chosen](CCommonDialog& dialog) -> INT_PTR {
        CPrintDialog& print = dynamic_cast<CPrintDialog&>(dialog);
        EXPECT_TRUE(print.m_pd.Flags & PD_PRINTSETUP);
        print.m_pd.hDevNames = chosen;
        return IDOK;
    }};
    Command(m_frame, ID_FILE_PRINT_SETUP);
    EXPECT_EQ(m_app.m_hDevNames, chosen);

    Command(m_view, ID_FILE_PRINT_PREVIEW);
    CPreviewView* preview = dynamic_cast<CPreviewView*>(m_frame->GetActiveView());
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(::GetDeviceCaps(preview->GetPrintInfo().m_pPD->GetPrinterDC(), TECHNOLOGY), DT_RASDISPLAY);
    preview->Close();

    setup.Queue([chosen](CCommonDialog& dialog) -> INT_PTR {
        EXPECT_EQ(dynamic_cast<CPrintDialog&>(dialog).m_pd.hDevNames, chosen);
        return IDCANCEL;
    });
    Command(m_view, ID_FILE_PRINT);
    EXPECT_EQ(setup.PendingAnswers(), 0u);
    EXPECT_EQ(setup.UnscriptedDialogs(), 0);
    EXPECT_EQ(m_app.m_hDevNames, chosen);
}

// A bar along the top standing for the program's toolbars.
class TopBar : public CControlBar {
public:
    BOOL Create(CWnd* parent) { return CreateBar(nullptr, WS_VISIBLE | CBRS_TOP, parent, AFX_IDW_TOOLBAR); }
    CSize CalcFixedLayout(BOOL stretch, BOOL) override { return CSize(stretch ? 32767 : 100, 20); }
    void OnUpdateCmdUI(CFrameWnd*, BOOL) override {}
};

class PrintPreview : public Printing {
protected:
    void SetUp() override {
        Printing::SetUp();
        ASSERT_TRUE(m_toolbar.Create(m_frame));
        ASSERT_TRUE(m_menu.CreateMenu());
        m_menu.AppendMenu(MF_STRING, ID_FILE_PRINT, "打印");
        ::SetMenu(m_frame->m_hWnd, m_menu.m_hMenu);
        m_frame->RecalcLayout();
    }
    void TearDown() override {
        Printing::TearDown();
        m_menu.DestroyMenu();
    }

    // Opens the preview with the default printer; the preview or null.
    CPreviewView* StartPreview(RecordingPrinter& printer) {
        ScriptedCommonDialogs dialogs{DefaultPrinter(printer.m_hDC)};
        Command(m_view, ID_FILE_PRINT_PREVIEW);
        m_app.RunIdle();
        return dynamic_cast<CPreviewView*>(m_frame->GetActiveView());
    }
    CRect ChildRect(CWnd* child) {
        CRect rect;
        child->GetWindowRect(&rect);
        m_frame->ScreenToClient(&rect);
        return rect;
    }
    CWnd* PreviewButton(UINT id) { return m_frame->GetDlgItem(AFX_IDW_PREVIEW_BAR)->GetDlgItem(id); }

    TopBar m_toolbar;
    CMenu m_menu;
};

TEST_F(PrintPreview, TakesTheFramesPlaceAndGivesItBack) {
    RecordingPrinter printer;
    CPreviewView* preview = StartPreview(printer);
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(m_log, Steps({"prepare preview", "begin", "dc 1", "print 1"}));
    EXPECT_EQ(preview->GetPrintView(), m_view);
    EXPECT_TRUE(preview->GetPrintInfo().m_bPreview);
    EXPECT_EQ(::GetFocus(), preview->m_hWnd) << "keys must not reach the hidden view";
    EXPECT_FALSE(m_view->IsWindowVisible());
    EXPECT_FALSE(m_toolbar.IsWindowVisible());
    EXPECT_EQ(::GetMenu(m_frame->m_hWnd), nullptr);
    EXPECT_NE(m_frame->m_lpfnCloseProc, nullptr);
    CWnd* bar = m_frame->GetDlgItem(AFX_IDW_PREVIEW_BAR);
    ASSERT_NE(bar, nullptr);
    CRect client;
    m_frame->GetClientRect(&client);
    EXPECT_EQ(ChildRect(preview), CRect(0, ChildRect(bar).bottom, client.right, client.bottom));

    Command(m_frame, AFX_ID_PREVIEW_CLOSE);
    EXPECT_EQ(m_log.back(), "end");
    EXPECT_EQ(m_frame->GetActiveView(), m_view);
    EXPECT_TRUE(m_view->IsWindowVisible());
    EXPECT_EQ(m_view->GetDlgCtrlID(), AFX_IDW_PANE_FIRST);
    EXPECT_TRUE(m_toolbar.IsWindowVisible());
    EXPECT_EQ(::GetMenu(m_frame->m_hWnd), m_menu.m_hMenu);
    EXPECT_EQ(m_frame->m_lpfnCloseProc, nullptr);
    EXPECT_EQ(m_frame->GetDlgItem(AFX_IDW_PREVIEW_BAR), nullptr);
    EXPECT_EQ(ChildRect(m_view).top, 20);
    EXPECT_EQ(::GetFocus(), m_view->m_hWnd);
}

// The page is drawn as the view prints it, scaled into a white sheet; the bar's
// buttons turn the pages and are enabled only where there is a page to turn to.
TEST_F(PrintPreview, ShowsOnePageAtATime) {
    RecordingPrinter printer;
    CPreviewView* preview = StartPreview(printer);
    ASSERT_NE(preview, nullptr);
    EXPECT_TRUE(PreviewButton(AFX_ID_PREVIEW_NEXT)->IsWindowEnabled());
    EXPECT_FALSE(PreviewButton(AFX_ID_PREVIEW_PREV)->IsWindowEnabled());

    CRect client;
    preview->GetClientRect(&client);
    CRect page = preview->GetPageRect();
    ASSERT_FALSE(page.IsRectEmpty());
    CRect frameRect;
    m_frame->GetWindowRect(&frameRect);
    TestImage frameImage(frameRect.Width(), frameRect.Height());
    RenderWindow(m_frame, frameImage);
    EXPECT_TRUE(frameImage.SaveBmp(TestOutputPath("print-preview.bmp")));
    TestImage image(client.Width(), client.Height());
    RenderWindow(preview, image);
    int quarter = page.Width() / 4;
    int upper = page.top + page.Height() / 4;
    EXPECT_EQ(image.Pixel(page.left + quarter - 3, upper), RGB(0, 0, 0));
    EXPECT_EQ(image.Pixel(page.left + quarter + 3, upper), RGB(255, 255, 255));
    EXPECT_EQ(image.Pixel(page.left + quarter - 3, page.bottom - 3), RGB(255, 255, 255));
    EXPECT_EQ(image.Pixel(client.left + 2, client.top + 2), ::GetSysColor(COLOR_APPWORKSPACE));

    PressButton(m_frame->GetDlgItem(AFX_IDW_PREVIEW_BAR), AFX_ID_PREVIEW_NEXT);
    m_app.PumpUntilIdle();
    EXPECT_EQ(preview->GetPrintInfo().m_nCurPage, 2u);
    RenderWindow(preview, image);
    EXPECT_EQ(image.Pixel(page.left + 2 * quarter - 3, upper), RGB(0, 0, 0));
    EXPECT_EQ(image.Pixel(page.left + 2 * quarter + 3, upper), RGB(255, 255, 255));

    Command(m_frame, AFX_ID_PREVIEW_NEXT);
    m_app.RunIdle();
    EXPECT_EQ(preview->GetPrintInfo().m_nCurPage, 3u);
    EXPECT_FALSE(PreviewButton(AFX_ID_PREVIEW_NEXT)->IsWindowEnabled());
    EXPECT_TRUE(PreviewButton(AFX_ID_PREVIEW_PREV)->IsWindowEnabled());
    Command(m_frame, AFX_ID_PREVIEW_NEXT);
    EXPECT_EQ(preview->GetPrintInfo().m_nCurPage, 3u);
    Command(m_frame, AFX_ID_PREVIEW_PREV);
    EXPECT_EQ(preview->GetPrintInfo().m_nCurPage, 2u);
    Command(m_frame, AFX_ID_PREVIEW_CLOSE);
}

TEST_F(PrintPreview, ViewWithoutPagesShowsAnEmptyPreview) {
    g_pageCount = 0;
    RecordingPrinter printer;
    CPreviewView* preview = StartPreview(printer);
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(m_log, Steps({"prepare preview", "begin"}));
    EXPECT_TRUE(preview->GetPageRect().IsRectEmpty());
    EXPECT_FALSE(PreviewButton(AFX_ID_PREVIEW_NEXT)->IsWindowEnabled());
    EXPECT_FALSE(PreviewButton(AFX_ID_PREVIEW_PREV)->IsWindowEnabled());
    Command(m_frame, AFX_ID_PREVIEW_CLOSE);
}

// Closing the frame during the preview closes only the preview.
TEST_F(PrintPreview, ClosingTheFrameEndsThePreviewOnly) {
    RecordingPrinter printer;
    ASSERT_NE(StartPreview(printer), nullptr);
    m_frame->SendMessage(WM_CLOSE);
    ASSERT_TRUE(::IsWindow(m_frame->m_hWnd));
    EXPECT_EQ(m_frame->GetActiveView(), m_view);
    EXPECT_EQ(m_log.back(), "end");
}

TEST_F(PrintPreview, PrintButtonEndsThePreviewAndPrints) {
    RecordingPrinter previewPrinter;
    ASSERT_NE(StartPreview(previewPrinter), nullptr);
    m_log.clear();
    RecordingPrinter printer;
    ScriptedCommonDialogs dialogs{ChoosePrinter(printer.m_hDC)};
    Command(m_frame, AFX_ID_PREVIEW_PRINT);
    Steps expected = {"end"};
    for (const std::string& step : Job(PageSteps({1, 2, 3})))
        expected.push_back(step);
    EXPECT_EQ(m_log, expected);
    EXPECT_EQ(m_frame->GetActiveView(), m_view);
}

TEST_F(PrintPreview, CancelledPreparationLeavesTheFrameAlone) {
    ScriptedCommonDialogs dialogs{CancelDialog(), CancelDialog()};
    Command(m_view, ID_FILE_PRINT_PREVIEW);
    EXPECT_EQ(m_frame->GetActiveView(), m_view);
    EXPECT_TRUE(m_toolbar.IsWindowVisible());
    EXPECT_EQ(m_frame->GetDlgItem(AFX_IDW_PREVIEW_BAR), nullptr);
    EXPECT_EQ(m_log, Steps({"prepare preview"}));
}

// In an MDI program the preview of a child's view fills the main frame in place of the
// MDI client (and the children in it), and the client comes back afterwards.
TEST(PrintPreviewMdi, FillsTheMainFrameInPlaceOfTheClient) {
    TestApplication app;
    std::vector<std::string> log;
    g_log = &log;
    g_pageCount = 2;
    auto* docTemplate =
        new CMultiDocTemplate(124, RUNTIME_CLASS(PrintDoc), RUNTIME_CLASS(CMDIChildWnd), RUNTIME_CLASS(PageView));
    docTemplate->m_strDocStrings = "\nProgram\nProgram\n";
    app.AddDocTemplate(docTemplate);
    auto* frame = new CMDIFrameWnd;
    ASSERT_TRUE(frame->Create(nullptr, "Tessaron", WS_OVERLAPPEDWINDOW, CRect(0, 0, 640, 480)));
    app.m_pMainWnd = frame;
    frame->ShowWindow(SW_SHOW);
    CDocument* document = docTemplate->OpenDocumentFile(nullptr);
    ASSERT_NE(document, nullptr);
    POSITION position = document->GetFirstViewPosition();
    CView* view = document->GetNextView(position);
    HWND client = frame->m_hWndMDIClient;

    RecordingPrinter printer;
    {
        ScriptedCommonDialogs dialogs{DefaultPrinter(printer.m_hDC)};
        frame->SendMessage(WM_COMMAND, MAKEWPARAM(ID_FILE_PRINT_PREVIEW, 0));
    }
    CPreviewView* preview = dynamic_cast<CPreviewView*>(frame->GetActiveView());
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(preview->GetParent(), frame);
    EXPECT_EQ(preview->GetPrintView(), view);
    EXPECT_EQ(::GetFocus(), preview->m_hWnd);
    EXPECT_FALSE(::IsWindowVisible(client));
    CRect frameClient, previewRect;
    frame->GetClientRect(&frameClient);
    preview->GetWindowRect(&previewRect);
    frame->ScreenToClient(&previewRect);
    EXPECT_EQ(previewRect.bottom, frameClient.bottom);
    EXPECT_GT(previewRect.top, 0);
    app.RunIdle();
    CWnd* next = frame->GetDlgItem(AFX_IDW_PREVIEW_BAR)->GetDlgItem(AFX_ID_PREVIEW_NEXT);
    EXPECT_TRUE(next->IsWindowEnabled());
    frame->SendMessage(WM_COMMAND, MAKEWPARAM(AFX_ID_PREVIEW_NEXT, 0));
    EXPECT_EQ(preview->GetPrintInfo().m_nCurPage, 2u);

    frame->SendMessage(WM_COMMAND, MAKEWPARAM(AFX_ID_PREVIEW_CLOSE, 0));
    EXPECT_TRUE(::IsWindowVisible(client));
    EXPECT_EQ(::GetDlgCtrlID(client), AFX_IDW_PANE_FIRST);
    EXPECT_EQ(frame->GetActiveView(), nullptr);
    EXPECT_EQ(::GetFocus(), view->m_hWnd);
    EXPECT_EQ(log.back(), "end");
    frame->DestroyWindow();
    g_log = nullptr;
}

}  // namespace
