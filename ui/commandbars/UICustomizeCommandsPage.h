#pragma once

#include "platform/CListBox.h"
#include "platform/CPropertyPage.h"

#include <vector>

class CUICommandBars;
class CUICustomizeSheet;
class CUIControls;
class CUICommandBarsTheme;

// The commands list of the Commands page: owner-drawn by the paint manager, each item a
// control; a press on an item starts a copy-only drag of its control onto a bar.
class CUICustomizeCommandList : public CListBox {
public:
    CUICommandBars* m_commandBars = nullptr;

    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

protected:
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* dc);
    void OnLButtonDown(UINT flags, CPoint point);

    DECLARE_MESSAGE_MAP()

private:
    CUICommandBarsTheme* PaintManager() const;
};

// The customize sheet's page of commands by category, dragged from here onto bars.
class CUICustomizeCommandsPage : public CPropertyPage {
public:
    // Without the sheet the page takes the one it is shown in.
    explicit CUICustomizeCommandsPage(CUICustomizeSheet* sheet = nullptr);
    ~CUICustomizeCommandsPage() override;

    // A category of commands shown under the name (the page holds a reference).
    void AddCategory(LPCSTR name, CUIControls* commands);

    BOOL OnInitDialog() override;

protected:
    void OnCategoryChange();

    DECLARE_MESSAGE_MAP()

private:
    CUICustomizeSheet* Sheet() const;

    struct Category {
        CString name;
        CUIControls* commands;
    };

    CListBox m_categories;
    CUICustomizeCommandList m_commands;
    std::vector<Category> m_categoryList;
    CUICustomizeSheet* m_sheet;
};
