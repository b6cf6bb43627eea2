// The strip's painting: buttons, the tab row drawn whole off screen, the splitter box.
#include "ui/docking/tabs/UIFlatTabCtrl.h"

#include "platform/CDC.h"
#include "ui/commandbars/UIDrawHelpers.h"
#include "ui/commandbars/UIUISettings.h"

BOOL CUIFlatTabCtrl::OnEraseBkgnd(CDC* dc) {
    if (m_items.empty()) dc->FillSolidRect(&m_sheetRect, GetUISettings()->clrBtnFace);
    return TRUE;
}

void CUIFlatTabCtrl::OnPaint() {
    CPaintDC paint(this);
    Paint(&paint);
}

LRESULT CUIFlatTabCtrl::OnPrintClient(WPARAM wParam, LPARAM) {
    CDC* dc = CDC::FromHandle(reinterpret_cast<HDC>(wParam));
    if (m_items.empty()) dc->FillSolidRect(&m_sheetRect, GetUISettings()->clrBtnFace);
    Paint(dc);
    return 0;
}

void CUIFlatTabCtrl::Paint(CDC* target) {
    CRect clip;
    target->GetClipBox(&clip);
    if (m_style & FlatTabHScroll) target->ExcludeClipRect(&m_scrollRect);
    const CUIUISettings* settings = GetUISettings();
    CUIMemDC dc(target, m_stripRect, ::GetSysColor(COLOR_BTNFACE));
    dc.FillSolidRect(0, 0, m_stripRect.Width(), m_stripRect.Height(), settings->clrBtnFace);
    CGdiObject* oldPen = dc.SelectObject(&m_shadowPen);
    int edge = (m_style & FlatTabBottom) ? 0 : m_stripRect.Height() - 1;
    dc.MoveTo(-2, edge);
    dc.LineTo(m_stripRect.Width(), edge);
    dc.SelectObject(oldPen);
    for (const Button& button : m_buttons) {
        CRect meets;
        if (meets.IntersectRect(&button.rect, &clip)) DrawButton(&dc, button);
    }
    if (clip.right >= GetButtonsWidth() - 1) DrawTabRow(&dc);
    if (m_style & FlatTabHScroll) {
        CRect box = m_splitterRect;
        box.OffsetRect(0, -m_stripRect.top);
        DrawSplitter(&dc, box);
    }
}

// The whole row goes into an image of its own, the selected tab last so that it lies on
// its neighbours; the block the scroll offset shows is copied into the tab area.
void CUIFlatTabCtrl::DrawTabRow(CDC* dc) const {
    int total = GetTotalTabWidth();
    if (total <= 0 || VisibleWidth() <= 0) return;
    CDC row;
    CBitmap image;
    if (!row.CreateCompatibleDC(dc) || !image.CreateCompatibleBitmap(dc, total, m_height)) return;
    CGdiObject* oldImage = row.SelectObject(&image);
    row.FillSolidRect(0, 0, total, m_height, GetUISettings()->clrBtnFace);
    for (int i = 0; i < GetItemCount(); ++i)
        if (i != m_selected) DrawTab(&row, ImagePosition(i), FALSE, m_items[i]->caption);
    if (m_selected >= 0)
        DrawTab(&row, ImagePosition(m_selected), TRUE, m_items[m_selected]->caption);
    dc->BitBlt(GetButtonsWidth(), 0, VisibleWidth(), m_height, &row, m_offset, 0, SRCCOPY);
    row.SelectObject(oldImage);
}

int CUIFlatTabCtrl::DrawTab(CDC* dc, int x, BOOL selected, const CString& caption) const {
    int saved = dc->SaveDC();
    int h2 = m_height / 2;
    CFont* font = selected ? m_selectedFont : m_normalFont;
    if (font) dc->SelectObject(font);
    CSize text = dc->GetTextExtent(caption);
    COLORREF fill = selected ? m_window : m_face;
    int width = text.cx + m_height + h2;
    BOOL bottom = (m_style & FlatTabBottom) != 0;
    int wide = bottom ? 0 : m_height - 1;
    int narrow = bottom ? m_height - 1 : 0;
    CBrush brush(fill);
    dc->SelectObject(&const_cast<CPen&>(m_textPen));
    dc->SelectObject(&brush);
    POINT corners[] = {{x, wide}, {x + h2 - 1, narrow}, {x + width - h2 - 1, narrow}, {x + width - 1, wide}};
    dc->Polygon(corners, 4);
    dc->SetTextColor(selected ? m_windowText : m_text);
    dc->SetBkColor(fill);
    dc->SetBkMode(OPAQUE);
    CRect textRect(x + h2 + h2 / 2, (m_height - text.cy) / 2 - 1, 0, 0);
    textRect.right = textRect.left + text.cx;
    textRect.bottom = textRect.top + text.cy;
    dc->DrawText(caption, &textRect, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX);
    int inward = bottom ? 1 : -1;  // from the wide edge towards the narrow one
    if (selected) {
        dc->SelectObject(&const_cast<CPen&>(m_shadowPen));
        dc->MoveTo(x + h2, narrow);
        dc->LineTo(x + 2 * h2 + text.cx - 1, narrow);
        dc->SelectObject(&const_cast<CPen&>(m_windowPen));
        dc->MoveTo(x + 1, wide);
        dc->LineTo(x + width - 1, wide);
    } else {
        dc->SelectObject(&const_cast<CPen&>(m_highlightPen));
        dc->MoveTo(x + 1, wide);
        dc->LineTo(x + h2 + 1, wide + inward * m_height);
        dc->SelectObject(&const_cast<CPen&>(m_shadowPen));
        dc->MoveTo(x, wide);
        dc->LineTo(x + width, wide);
        dc->MoveTo(x + h2, narrow);
        dc->LineTo(x + text.cx + m_height - 1, narrow);
    }
    dc->RestoreDC(saved);
    return width;
}

void CUIFlatTabCtrl::DrawButton(CDC* dc, const Button& button) const {
    CRect rect = button.rect;
    if (rect.IsRectEmpty()) return;
    rect.OffsetRect(0, -m_stripRect.top);
    const CUIUISettings* settings = GetUISettings();
    if (button.pressed)
        dc->Draw3dRect(&rect, settings->clrBtnShadow, settings->clrBtnHilite);
    else
        dc->Draw3dRect(&rect, settings->clrBtnHilite, settings->clrBtnShadow);
    rect.DeflateRect(1, 1);
    dc->FillSolidRect(&rect, settings->clrBtnFace);
    CGdiObject* oldPen =
        dc->SelectObject(&const_cast<CPen&>(button.enabled ? m_textPen : m_shadowPen));
    int step = 1 - button.direction;
    int length = (rect.right - rect.left) / 2 + 2;
    int y = rect.top + (rect.bottom - rect.top - length) / 2;
    int x = (step == -1 ? rect.right : rect.left) +
            ((rect.right - (length + 1) / 2 - rect.left - 1) / 2) * step;
    const int firstLength = length, firstY = y;
    while (length > 0) {
        dc->MoveTo(x, y);
        dc->LineTo(x, y + length);
        x += step;
        y += 1;
        length -= 2;
    }
    if (button.bar) {
        x += step;
        dc->MoveTo(x, firstY);
        dc->LineTo(x, firstY + firstLength);
    }
    dc->SelectObject(oldPen);
}

void CUIFlatTabCtrl::DrawSplitter(CDC* dc, const CRect& box) const {
    const CUIUISettings* settings = GetUISettings();
    dc->Draw3dRect(&box, settings->clrBtnHilite, settings->clrBtnShadow);
    CRect inside = box;
    inside.DeflateRect(1, 1);
    dc->FillSolidRect(&inside, settings->clrBtnFace);
}
