#pragma once

#include "platform/CPropertyPage.h"

#include <vector>

// A property sheet on the system's property sheet control: tabs over the pages
// added to it. It runs modally with OK, Cancel and Apply (DoModal), or is made as a
// window of its own that lives until it is destroyed (Create), typically a child
// window inside a dialog or a form; such a sheet shows no buttons and is only as
// high as its tabs and pages.
class CPropertySheet : public CWnd {
    DECLARE_DYNAMIC(CPropertySheet)

public:
    CPropertySheet() { InitHeader(); }
    explicit CPropertySheet(UINT captionId, CWnd* parent = nullptr, UINT selectPage = 0);
    explicit CPropertySheet(LPCSTR caption, CWnd* parent = nullptr, UINT selectPage = 0);

    PROPSHEETHEADERA m_psh = {};

    // Pages are shown in the order they are added; the sheet does not own them.
    void AddPage(CPropertyPage* page) { m_pages.push_back(page); }
    int GetPageCount() const { return static_cast<int>(m_pages.size()); }
    CPropertyPage* GetPage(int index) const { return m_pages[static_cast<size_t>(index)]; }
    int GetPageIndex(CPropertyPage* page) const;
    // The page in front (before the sheet is made: the page it starts on).
    CPropertyPage* GetActivePage() const;
    int GetActiveIndex() const;
    // Brings a page to the front (making its window if needed); FALSE when the page
    // in front refuses to be left or the index is out of range.
    BOOL SetActivePage(int index);
    BOOL SetActivePage(CPropertyPage* page) { return SetActivePage(GetPageIndex(page)); }

    // IDOK, IDCANCEL, or -1 when the sheet could not be made.
    virtual INT_PTR DoModal();
    // With the style's WS_CHILD the sheet is a child window of parent; the default
    // style makes it a popup window.
    virtual BOOL Create(CWnd* parent = nullptr, DWORD style = static_cast<DWORD>(-1), DWORD exStyle = 0);
    // Called once the sheet and its first page are made.
    virtual BOOL OnInitDialog();

    BOOL ContinueModal() override;
    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    void InitHeader();
    BOOL CreateSheet(HWND parent, DWORD style, DWORD exStyle);
    void RemoveButtons();
    static int CALLBACK SheetCallback(HWND hwnd, UINT message, LPARAM lParam);

    std::vector<CPropertyPage*> m_pages;
    std::vector<PROPSHEETPAGEA> m_pageRecords;  // what the sheet control is made from
    CString m_caption;
    CWnd* m_pParentWnd = nullptr;
    DWORD m_style = static_cast<DWORD>(-1);  // the style asked of Create; -1 keeps the control's own
    DWORD m_exStyle = 0;
    bool m_modeless = false;
};
