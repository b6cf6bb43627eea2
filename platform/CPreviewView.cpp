#include "platform/CPreviewView.h"

#include "platform/CCmdUI.h"
#include "platform/CFrameWnd.h"
#include "platform/CPrintDialog.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CPreviewView, CView)

BEGIN_MESSAGE_MAP(CPreviewView, CView)
    ON_WM_SIZE()
    ON_COMMAND(AFX_ID_PREVIEW_CLOSE, OnPreviewClose)
    ON_COMMAND(AFX_ID_PREVIEW_NEXT, OnNextPage)
    ON_COMMAND(AFX_ID_PREVIEW_PREV, OnPrevPage)
    ON_COMMAND(AFX_ID_PREVIEW_PRINT, OnPreviewPrint)
    ON_UPDATE_COMMAND_UI(AFX_ID_PREVIEW_NEXT, OnUpdateNextPage)
    ON_UPDATE_COMMAND_UI(AFX_ID_PREVIEW_PREV, OnUpdatePrevPage)
END_MESSAGE_MAP()

namespace {

const int pageMargin = 8;
const int shadowWidth = 3;

}  // namespace

CPreviewView::CPreviewView(CView* printView, CFrameWnd* frame) : m_pPrintView(printView), m_pFrame(frame) {
    m_info.m_bPreview = TRUE;
    m_state.lpfnCloseProc = &CPreviewView::CloseProc;
}

CPreviewView::~CPreviewView() {
    if (m_page)
        ::DeleteEnhMetaFile(m_page);
    m_printer.Detach();
}

// The windows are made before the frame changes, so that a failure leaves it as it
// was (a window whose creation fails deletes its object).
BOOL CPreviewView::Start(CView* printView) {
    CFrameWnd* frame = printView->GetTopLevelFrame();
    if (!frame)
        return FALSE;
    CPreviewView* preview = new CPreviewView(printView, frame);
    if (!preview->Prepare()) {
        delete preview;
        return FALSE;
    }
    if (!preview->Create(nullptr, nullptr, WS_CHILD, CRect(0, 0, 0, 0), frame, 0, nullptr))
        return FALSE;
    if (!preview->m_bar.Create(frame)) {
        preview->DestroyWindow();
        return FALSE;
    }
    preview->BeginPreview();
    return TRUE;
}

// The view prepares as for printing; its page count decides which pages there are.
BOOL CPreviewView::Prepare() {
    if (!m_pPrintView->OnPreparePrinting(&m_info) || !m_info.m_pPD->GetPrinterDC())
        return FALSE;
    m_printer.Attach(m_info.m_pPD->GetPrinterDC());
    m_printer.m_bPrinting = TRUE;
    if (!m_info.GetPrintRange(m_firstPage, m_lastPage)) {
        m_firstPage = 1;
        m_lastPage = 0;
    }
    return TRUE;
}

void CPreviewView::BeginPreview() {
    m_pPrintView->OnBeginPrinting(&m_printer, &m_info);
    m_pFrame->OnSetPreviewMode(TRUE, &m_state);
    SetDlgCtrlID(AFX_IDW_PANE_FIRST);
    ShowWindow(SW_SHOW);
    m_bar.ShowWindow(SW_SHOW);
    m_pFrame->SetActiveView(this);
    m_pFrame->RecalcLayout();
    ShowPage(m_firstPage);
}

void CPreviewView::Close() {
    CFrameWnd* frame = m_pFrame;
    CView* printView = m_pPrintView;
    CPrintPreviewState state = m_state;
    printView->OnEndPrinting(&m_printer, &m_info);
    if (frame->GetActiveView() == this)
        frame->SetActiveView(state.pViewActiveOld);
    m_bar.DestroyWindow();
    DestroyWindow();  // deletes this
    frame->OnSetPreviewMode(FALSE, &state);
    printView->SetFocus();
}

// The frame asked to close: the preview ends and the frame stays.
BOOL CPreviewView::CloseProc(CFrameWnd* frame) {
    if (CPreviewView* preview = dynamic_cast<CPreviewView*>(frame->GetActiveView()))
        preview->Close();
    return FALSE;
}

void CPreviewView::ShowPage(UINT page) {
    if (m_page)
        ::DeleteEnhMetaFile(m_page);
    m_page = nullptr;
    m_info.m_nCurPage = page;
    if (page >= m_firstPage && page <= m_lastPage)
        m_page = RecordPage();
    Invalidate(TRUE);
}

// The metafile is made for the printer's context, so the view measures and lays out
// the page as on paper; its frame is the whole printable area (in 0.01 mm).
HENHMETAFILE CPreviewView::RecordPage() {
    int width = m_printer.GetDeviceCaps(HORZRES);
    int height = m_printer.GetDeviceCaps(VERTRES);
    RECT frame = {0, 0, ::MulDiv(width, 2540, m_printer.GetDeviceCaps(LOGPIXELSX)),
                  ::MulDiv(height, 2540, m_printer.GetDeviceCaps(LOGPIXELSY))};
    CDC page;
    if (!page.Attach(::CreateEnhMetaFileA(m_printer.m_hDC, nullptr, &frame, nullptr)))
        return nullptr;
    page.m_bPrinting = TRUE;
    m_pPrintView->OnPrepareDC(&page, &m_info);
    m_info.SetDrawRect(&page);
    m_pPrintView->OnPrint(&page, &m_info);
    return ::CloseEnhMetaFile(page.Detach());
}

// The page keeps the paper's proportions and fits the window within a margin.
CRect CPreviewView::GetPageRect() const {
    if (!m_page)
        return CRect();
    CRect client;
    GetClientRect(&client);
    client.DeflateRect(pageMargin, pageMargin);
    double paperWidth = static_cast<double>(m_printer.GetDeviceCaps(HORZRES)) / m_printer.GetDeviceCaps(LOGPIXELSX);
    double paperHeight = static_cast<double>(m_printer.GetDeviceCaps(VERTRES)) / m_printer.GetDeviceCaps(LOGPIXELSY);
    double scale = std::min(client.Width() / paperWidth, client.Height() / paperHeight);
    int width = std::max(1, static_cast<int>(paperWidth * scale));
    int height = std::max(1, static_cast<int>(paperHeight * scale));
    int left = client.left + (client.Width() - width) / 2;
    int top = client.top + (client.Height() - height) / 2;
    return CRect(left, top, left + width, top + height);
}

void CPreviewView::OnDraw(CDC* dc) {
    CRect client;
    GetClientRect(&client);
    dc->FillSolidRect(&client, ::GetSysColor(COLOR_APPWORKSPACE));
    if (!m_page)
        return;
    CRect page = GetPageRect();
    CRect shadow = page;
    shadow.OffsetRect(shadowWidth, shadowWidth);
    dc->FillSolidRect(&shadow, RGB(0, 0, 0));
    dc->FillSolidRect(&page, RGB(255, 255, 255));
    ::PlayEnhMetaFile(dc->m_hDC, m_page, &page);
}

void CPreviewView::OnSize(UINT, int, int) {
    Default();
    Invalidate(TRUE);
}

void CPreviewView::OnNextPage() {
    if (m_info.m_nCurPage < m_lastPage)
        ShowPage(m_info.m_nCurPage + 1);
}

void CPreviewView::OnPrevPage() {
    if (m_info.m_nCurPage > m_firstPage)
        ShowPage(m_info.m_nCurPage - 1);
}

void CPreviewView::OnUpdateNextPage(CCmdUI* cmdUI) { cmdUI->Enable(m_info.m_nCurPage < m_lastPage); }

void CPreviewView::OnUpdatePrevPage(CCmdUI* cmdUI) {
    cmdUI->Enable(m_info.m_nCurPage > m_firstPage && m_info.m_nCurPage <= m_lastPage);
}

// Printing from the preview ends it and prints as the print command does.
void CPreviewView::OnPreviewPrint() {
    CView* printView = m_pPrintView;
    Close();
    printView->SendMessage(WM_COMMAND, MAKEWPARAM(ID_FILE_PRINT, 0));
}
