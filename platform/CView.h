#pragma once

#include "platform/CWnd.h"

class CDocument;
class CFrameWnd;
class CPrintInfo;

// A view: a child window of a frame that shows a document. It draws in OnDraw (for
// the screen and the printer alike), is told of document changes by OnUpdate, and
// routes commands to its document after itself.
class CView : public CWnd {
    DECLARE_DYNAMIC(CView)

public:
    ~CView() override;

    CDocument* GetDocument() const { return m_pDocument; }

    virtual void OnDraw(CDC* dc) = 0;
    virtual void OnPrepareDC(CDC* dc, CPrintInfo* info = nullptr);
    // Sent once after the frame and its views exist (WM_INITIALUPDATE); by default
    // the same as an update from the document.
    virtual void OnInitialUpdate();
    virtual void OnUpdate(CView* sender, LPARAM hint, CObject* hintObject);
    virtual void OnActivateView(BOOL activate, CView* activated, CView* deactivated);
    virtual void OnActivateFrame(UINT state, CFrameWnd* frame) {}

    // Printing. A job runs OnPreparePrinting (which sets the page count and, through
    // DoPreparePrinting, gets the printer), OnBeginPrinting, then for every page
    // OnPrepareDC and OnPrint, and OnEndPrinting. Print preview runs the same steps
    // with m_bPreview set, drawing the pages for the screen.
    virtual BOOL OnPreparePrinting(CPrintInfo* info) { return DoPreparePrinting(info); }
    virtual void OnBeginPrinting(CDC* dc, CPrintInfo* info) {}
    virtual void OnPrint(CDC* dc, CPrintInfo* info) { OnDraw(dc); }
    virtual void OnEndPrinting(CDC* dc, CPrintInfo* info) {}
    // The print dialog (the default printer for direct printing and preview); FALSE
    // when the user cancels or no printer context is given.
    BOOL DoPreparePrinting(CPrintInfo* info);
    // Handlers a derived view maps to ID_FILE_PRINT and ID_FILE_PRINT_DIRECT, and to
    // ID_FILE_PRINT_PREVIEW (public, so a map may name them as CView::OnFilePrint).
    void OnFilePrint();
    void OnFilePrintPreview();

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void PostNcDestroy() override { delete this; }

    CDocument* m_pDocument = nullptr;

protected:
    CView() = default;

    int OnCreate(LPCREATESTRUCT cs);
    void OnDestroy();
    void OnPaint();
    int OnMouseActivate(CWnd* desktop, UINT hitTest, UINT message);
    LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);

private:
    BOOL PrintPages(CDC* printer, CPrintInfo* info);
    BOOL PrintPage(CDC* printer, CPrintInfo* info);

    DECLARE_MESSAGE_MAP()
};
