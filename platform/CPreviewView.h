#pragma once

#include "platform/CDC.h"
#include "platform/CPrintInfo.h"
#include "platform/CPrintPreviewState.h"
#include "platform/CPreviewBar.h"
#include "platform/CView.h"

// Print preview of a view: in the view's top-level frame, in place of the frame's
// views and bars, it shows one page at a time as the view prints it for the printer
// (the page is recorded in a metafile made for the printer's context and played
// scaled to fit the window), with the preview bar above it. It ends by its close
// command, by printing, or when the frame is asked to close; the print view is then
// told the printing has ended and gets the focus back.
class CPreviewView : public CView {
    DECLARE_DYNAMIC(CPreviewView)

public:
    // FALSE when the view's print preparation fails (no printer, or cancelled).
    static BOOL Start(CView* printView);
    void Close();

    CView* GetPrintView() const { return m_pPrintView; }
    const CPrintInfo& GetPrintInfo() const { return m_info; }
    // The page on the screen in client coordinates; empty when the view has no pages.
    CRect GetPageRect() const;

    void OnDraw(CDC* dc) override;

protected:
    void OnPreviewClose() { Close(); }
    void OnNextPage();
    void OnPrevPage();
    void OnPreviewPrint();
    void OnUpdateNextPage(CCmdUI* cmdUI);
    void OnUpdatePrevPage(CCmdUI* cmdUI);
    void OnSize(UINT type, int cx, int cy);

    DECLARE_MESSAGE_MAP()

private:
    CPreviewView(CView* printView, CFrameWnd* frame);
    ~CPreviewView() override;

    BOOL Prepare();
    void BeginPreview();
    void ShowPage(UINT page);
    HENHMETAFILE RecordPage();
    static BOOL CloseProc(CFrameWnd* frame);

    CView* m_pPrintView;
    CFrameWnd* m_pFrame;
    CPrintInfo m_info;
    CDC m_printer;  // the print dialog's context, which the dialog owns
    CPrintPreviewState m_state;
    CPreviewBar m_bar;
    UINT m_firstPage = 1;
    UINT m_lastPage = 0;
    HENHMETAFILE m_page = nullptr;
};
