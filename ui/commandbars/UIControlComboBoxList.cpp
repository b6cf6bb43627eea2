#include "ui/commandbars/UIControlComboBoxList.h"

#include "ui/commandbars/UICommandBarsMessages.h"
#include "ui/commandbars/UIControlComboBox.h"
#include "ui/commandbars/UIMouseTrackHook.h"
#include "ui/commandbars/UISystemPalette.h"
#include "ui/commandbars/themes/UICommandBarsTheme.h"
#include "ui/commandbars/themes/UIThemeFonts.h"

#include "platform/CArchive.h"
#include "platform/CDC.h"

#include <algorithm>
#include <vector>

IMPLEMENT_SERIAL(CUIControlComboBoxList, CUIPopupBar, uiArchiveSchema)

namespace {

// The list box's border and static edge take two pixels on each side.
const int kNonClientHeight = 4;
const int kOuterFrameColor = 43;
const int kWindowColor = 5;

}  // namespace

CUIControlComboBoxList::CUIControlComboBoxList() {
    m_position = uiBarList;
    m_shadow = FALSE;
    CreateListWindow();
}

CUIControlComboBoxList::~CUIControlComboBoxList() {
    if (m_hWnd)
        DestroyWindow();
}

BOOL CUIControlComboBoxList::CreateListWindow() {
    if (m_hWnd)
        return TRUE;
    return CreateEx(WS_EX_TOOLWINDOW | WS_EX_STATICEDGE, "LISTBOX", "", WS_POPUP | WS_BORDER | WS_VSCROLL | WS_CLIPCHILDREN,
                    CRect(0, 0, 0, 0), nullptr, 0);
}

int CUIControlComboBoxList::AddString(LPCSTR text) {
    if (!CreateListWindow())
        return LB_ERR;
    return static_cast<int>(SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
}

int CUIControlComboBoxList::GetCount() const {
    return m_hWnd ? static_cast<int>(SendMessage(LB_GETCOUNT)) : 0;
}

int CUIControlComboBoxList::GetCurSel() const {
    return m_hWnd ? static_cast<int>(SendMessage(LB_GETCURSEL)) : LB_ERR;
}

CString CUIControlComboBoxList::GetText(int index) const {
    const int length = m_hWnd ? static_cast<int>(SendMessage(LB_GETTEXTLEN, index)) : LB_ERR;
    if (length == LB_ERR)
        return CString();
    std::vector<char> text(static_cast<size_t>(length) + 1);
    SendMessage(LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    return CString(text.data());
}

BOOL CUIControlComboBoxList::Popup(CUIControlPopup* opener, BOOL) {
    if (!CreateListWindow())
        return FALSE;
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(CUIThemeFonts::Get().iconTitle.GetSafeHandle()), TRUE);
    m_opener = opener;
    m_owner = dynamic_cast<CUIControlComboBox*>(opener);
    if (CWnd* owner = GetOwnerSite())
        owner->SendMessage(CommandBarsPopupNotify, 0, reinterpret_cast<LPARAM>(this));
    SetTrackingMode(uiTracking, FALSE, FALSE);
    if (m_opener)
        ComputeDirection();
    PlaceAndShow();
    return TRUE;
}

CSize CUIControlComboBoxList::CalcDynamicLayout(int, DWORD) {
    const int rows = std::min(std::max(GetCount(), 1), MaxRows);
    const int itemHeight = m_hWnd ? static_cast<int>(SendMessage(LB_GETITEMHEIGHT)) : 0;
    const int width = m_listWidth > 0 ? m_listWidth : m_opener ? m_opener->GetRect().Width() : 0;
    return CSize(width, itemHeight * rows + kNonClientHeight);
}

// The list hides rather than going away: it lives as long as its combo box.
BOOL CUIControlComboBoxList::SetTrackingMode(int mode, BOOL selectFirst, BOOL keyboard) {
    if (!CUICommandBar::SetTrackingMode(mode, selectFirst, keyboard))
        return FALSE;
    CUIMouseTrackHook& hook = CUIMouseTrackHook::Get();
    if (mode != uiNotTracking) {
        ++hook.m_suspendCount;
        return TRUE;
    }
    if (hook.m_suspendCount > 0)
        --hook.m_suspendCount;
    if (m_hWnd)
        ShowWindow(SW_HIDE);
    if (CUICommandBar* parent = GetParentCommandBar())
        parent->SetOpenPopup(-1, FALSE);
    m_opener = nullptr;
    m_owner = nullptr;
    return TRUE;
}

int CUIControlComboBoxList::OnKeyDown(UINT key) {
    switch (key) {
    case VK_ESCAPE:
        CUIPopupBar::OnKeyDown(key);
        return 1;
    case VK_TAB:
        return 0;
    case VK_RETURN:
        if (m_owner)
            m_owner->OnExecute();
        return 1;
    default: {
        const int before = GetCurSel();
        DefWindowProc(WM_KEYDOWN, key, 0);
        if (GetCurSel() != before && m_owner)
            m_owner->OnListSelChanged();
        return 1;
    }
    }
}

int CUIControlComboBoxList::OnHookMessage(HWND hwnd, UINT message, WPARAM& wParam, LPARAM& lParam, LRESULT& result) {
    if (message != WM_MOUSEWHEEL)
        return CUIPopupBar::OnHookMessage(hwnd, message, wParam, lParam, result);
    if (m_hWnd)
        DefWindowProc(WM_MOUSEWHEEL, wParam, lParam);
    return Handled;
}

void CUIControlComboBoxList::SelectAt(CPoint point) {
    const LRESULT hit = SendMessage(LB_ITEMFROMPOINT, 0, MAKELPARAM(point.x, point.y));
    if (HIWORD(hit) != 0)
        return;  // below the last string
    const int index = LOWORD(hit);
    if (index != GetCurSel())
        SendMessage(LB_SETCURSEL, index);
}

LRESULT CUIControlComboBoxList::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_MOUSEMOVE:
        SelectAt(CPoint(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))));
        return CUIPopupBar::WindowProc(message, wParam, lParam);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        return 0;
    case WM_LBUTTONUP:
        if (CUIControlComboBox* owner = m_owner) {
            owner->OnListSelChanged();
            owner->OnExecute();
        }
        return 0;
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case WM_NCPAINT: {
        DefWindowProc(message, wParam, lParam);
        HDC dc = ::GetWindowDC(m_hWnd);
        DrawFrames(dc);
        ::ReleaseDC(m_hWnd, dc);
        return 0;
    }
    case WM_PRINT: {
        const LRESULT result = DefWindowProc(message, wParam, lParam);
        if (lParam & PRF_NONCLIENT)
            DrawFrames(reinterpret_cast<HDC>(wParam));
        return result;
    }
    case WM_PAINT:
        PaintList();
        return 0;
    case WM_DESTROY:
    case WM_NCDESTROY:
        return CUIPopupBar::WindowProc(message, wParam, lParam);
    default:
        return DefWindowProc(message, wParam, lParam);
    }
}

void CUIControlComboBoxList::PaintList() {
    PAINTSTRUCT paint;
    HDC target = ::BeginPaint(m_hWnd, &paint);
    CRect client;
    GetClientRect(&client);
    CDC* dc = CDC::FromHandle(target);
    dc->FillSolidRect(&client, GetUISystemPalette().GetColor(kWindowColor));
    DefWindowProc(WM_PAINT, reinterpret_cast<WPARAM>(target), 0);
    ::EndPaint(m_hWnd, &paint);
}

void CUIControlComboBoxList::DrawFrames(HDC target) {
    CRect rect;
    GetWindowRect(&rect);
    rect.OffsetRect(-rect.left, -rect.top);
    CDC* dc = CDC::FromHandle(target);
    CUICommandBarsTheme* paintManager = GetPaintManager();
    const COLORREF outer = paintManager ? paintManager->GetColor(kOuterFrameColor) : ::GetSysColor(COLOR_WINDOWFRAME);
    dc->Draw3dRect(&rect, outer, outer);
    rect.DeflateRect(1, 1);
    const COLORREF inner = GetUISystemPalette().GetColor(kWindowColor);
    dc->Draw3dRect(&rect, inner, inner);
}

void CUIControlComboBoxList::Copy(CUICommandBar* source, BOOL recursive) {
    CUIPopupBar::Copy(source, recursive);
    CUIControlComboBoxList* list = dynamic_cast<CUIControlComboBoxList*>(source);
    if (list == nullptr || !CreateListWindow())
        return;
    for (int i = 0; i < list->GetCount(); ++i)
        AddString(list->GetText(i));
}

void CUIControlComboBoxList::Serialize(CArchive& ar) {
    CUIPopupBar::Serialize(ar);
    if (ar.IsStoring()) {
        const int count = GetCount();
        ar << count;
        for (int i = 0; i < count; ++i)
            ar << GetText(i);
        return;
    }
    CreateListWindow();
    int count = 0;
    ar >> count;
    for (int i = 0; i < count; ++i) {
        CString text;
        ar >> text;
        AddString(text);
    }
}
