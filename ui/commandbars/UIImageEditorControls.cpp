#include "ui/commandbars/UIImageEditorControls.h"

#include "ui/commandbars/UIDrawHelpers.h"
#include "ui/commandbars/UIImageEditorDlg.h"
#include "ui/commandbars/UIImageEditorRendering.h"
#include "ui/commandbars/UIImageFunctions.h"
#include "ui/commandbars/UISystemPalette.h"

#include "platform/CCmdUI.h"
#include "platform/CGdiObject.h"
#include "res/resource.h"

#include <commctrl.h>

namespace {

const COLORREF CheckerGrey = RGB(235, 235, 235);

void FrameWith(CDC* dc, CRect rect, COLORREF color) {
    CBrush brush(color);
    dc->FrameRect(rect, &brush);
}

// Pixels of 32 bits, top row first, onto the device context at its origin.
void PutPixels(CDC* dc, const std::vector<DWORD>& pixels, CSize size) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = size.cx;
    info.bmiHeader.biHeight = -size.cy;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    ::SetDIBitsToDevice(dc->m_hDC, 0, 0, size.cx, size.cy, 0, 0, 0, size.cy, pixels.data(), &info, DIB_RGB_COLORS);
}

HCURSOR ToolCursor(int tool) {
    UINT id = IDC_CURSOR_IMAGE_EDITOR_SHAPE;
    if (tool == CUIImageEditorModel::ToolPencil)
        id = IDC_CURSOR_IMAGE_EDITOR_PENCIL;
    else if (tool == CUIImageEditorModel::ToolFill)
        id = IDC_CURSOR_IMAGE_EDITOR_FILL;
    else if (tool == CUIImageEditorModel::ToolPickColor)
        id = IDC_CURSOR_IMAGE_EDITOR_PICK;
    return ::LoadCursorA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id));
}

// A command state of one toolbar button during the idle update.
class ToolButtonCmdUI : public CCmdUI {
public:
    explicit ToolButtonCmdUI(HWND toolBar) : m_toolBar(toolBar) {}
    void Enable(BOOL on) override {
        m_bEnableChanged = TRUE;
        ::SendMessageA(m_toolBar, TB_ENABLEBUTTON, m_nID, MAKELPARAM(on ? TRUE : FALSE, 0));
    }
    void SetCheck(int check) override { ::SendMessageA(m_toolBar, TB_CHECKBUTTON, m_nID, MAKELPARAM(check != 0, 0)); }
    void SetRadio(BOOL on) override { SetCheck(on ? 1 : 0); }

private:
    HWND m_toolBar;
};

}  // namespace

BEGIN_MESSAGE_MAP(CUIImageEditorPicker, CWnd)
    ON_WM_PAINT()
    ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

void CUIImageEditorPicker::Select(BOOL selected) {
    m_selected = selected;
    if (m_hWnd)
        Invalidate(FALSE);
}

void CUIImageEditorPicker::OnPaint() {
    CPaintDC dc(this);
    Paint(&dc);
}

LRESULT CUIImageEditorPicker::OnPrintClient(WPARAM wParam, LPARAM) {
    Paint(CDC::FromHandle(reinterpret_cast<HDC>(wParam)));
    return 0;
}

void CUIImageEditorPicker::Paint(CDC* dc) {
    CRect client;
    GetClientRect(&client);
    if (m_color == kImageEditorTransparent) {
        dc->FillSolidRect(client, RGB(255, 255, 255));
        const CPoint middle = client.CenterPoint();
        dc->FillSolidRect(CRect(client.left, client.top, middle.x, middle.y), CheckerGrey);
        dc->FillSolidRect(CRect(middle.x, middle.y, client.right, client.bottom), CheckerGrey);
    } else {
        dc->FillSolidRect(client, m_color);
    }
    if (m_selected) {
        const COLORREF frames[] = {RGB(0, 0, 0), RGB(255, 255, 255), RGB(0, 0, 0)};
        for (COLORREF frame : frames) {
            FrameWith(dc, client, frame);
            client.DeflateRect(1, 1);
        }
    } else {
        FrameWith(dc, client, GetUISystemPalette().GetColor(21));
    }
}

void CUIImageEditorPicker::OnLButtonDown(UINT, CPoint) {
    NMHDR notify = {m_hWnd, static_cast<UINT_PTR>(GetDlgCtrlID()), static_cast<UINT>(NM_CLICK)};
    GetParent()->SendMessage(WM_NOTIFY, notify.idFrom, reinterpret_cast<LPARAM>(&notify));
}

BEGIN_MESSAGE_MAP(CUIImageEditorPicture, CWnd)
    ON_WM_PAINT()
    ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
    ON_WM_ERASEBKGND()
    ON_WM_SETCURSOR()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_CAPTURECHANGED()
END_MESSAGE_MAP()

BOOL CUIImageEditorPicture::Attach(CWnd* control) {
    if (control == nullptr || !SubclassWindow(control->GetSafeHwnd()))
        return FALSE;
    CRect rect;
    GetClientRect(&rect);
    const CSize image = m_model->GetImageSize();
    m_cell = ImageEditorCellSize(rect.Size(), image);
    SetWindowPos(nullptr, 0, 0, image.cx * m_cell.cx + 1, image.cy * m_cell.cy + 1,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return TRUE;
}

std::vector<DWORD> CUIImageEditorPicture::RenderPixels() const {
    CRect client;
    GetClientRect(&client);
    return RenderEditorPicture(m_model->GetImage(), m_model->GetImageSize(), client.Size());
}

void CUIImageEditorPicture::OnPaint() {
    CPaintDC dc(this);
    Paint(&dc);
}

LRESULT CUIImageEditorPicture::OnPrintClient(WPARAM wParam, LPARAM) {
    Paint(CDC::FromHandle(reinterpret_cast<HDC>(wParam)));
    return 0;
}

void CUIImageEditorPicture::Paint(CDC* dc) {
    CRect client;
    GetClientRect(&client);
    PutPixels(dc, RenderPixels(), client.Size());
}

BOOL CUIImageEditorPicture::OnSetCursor(CWnd*, UINT hitTest, UINT) {
    if (hitTest != HTCLIENT)
        return FALSE;
    ::SetCursor(ToolCursor(m_model->GetTool()));
    return TRUE;
}

CPoint CUIImageEditorPicture::CellAt(CPoint point) const { return CPoint(point.x / m_cell.cx, point.y / m_cell.cy); }

void CUIImageEditorPicture::OnLButtonDown(UINT, CPoint point) {
    COLORREF picked = 0;
    if (m_model->Press(CellAt(point), m_dialog->GetCurrentColor(), &picked))
        m_dialog->OnColorPicked(picked);
    if (m_model->IsTracking())
        SetCapture();
}

void CUIImageEditorPicture::OnMouseMove(UINT, CPoint point) {
    if (m_model->IsTracking())
        m_model->Track(CellAt(point));
}

void CUIImageEditorPicture::OnLButtonUp(UINT, CPoint) {
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
}

void CUIImageEditorPicture::OnCaptureChanged(CWnd*) {
    // Every loss of the capture, the release included, ends the stroke.
    if (m_model->IsTracking())
        m_model->EndTracking();
}

BEGIN_MESSAGE_MAP(CUIImageEditorPreview, CWnd)
    ON_WM_PAINT()
    ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

void CUIImageEditorPreview::OnPaint() {
    CPaintDC paint(this);
    Paint(&paint);
}

LRESULT CUIImageEditorPreview::OnPrintClient(WPARAM wParam, LPARAM) {
    Paint(CDC::FromHandle(reinterpret_cast<HDC>(wParam)));
    return 0;
}

void CUIImageEditorPreview::Paint(CDC* target) {
    CRect client;
    GetClientRect(&client);
    const COLORREF face = GetUISystemPalette().GetColor(COLOR_BTNFACE);
    CUIMemDC dc(target, client, face);
    const CSize size = m_model->GetImageSize();
    const CRect image(CPoint(10, (client.Height() - size.cy) / 2), size);
    CRect frame = image;
    frame.InflateRect(3, 3);
    dc.Draw3dRect(frame, RGB(255, 255, 255), GetUISystemPalette().GetColor(COLOR_BTNSHADOW));
    frame.InflateRect(1, 1);
    dc.Draw3dRect(frame, face, GetUISystemPalette().GetColor(COLOR_3DDKSHADOW));
    const CUIImageEditorBitmap* current = m_model->GetImage();
    if (current == nullptr)
        return;
    if (current->IsAlpha()) {
        UIIconPixels pixels;
        pixels.size = size;
        pixels.color = current->GetPixels();
        HBITMAP premultiplied = CreatePremultipliedBitmap(pixels);
        if (premultiplied) {
            AlphaBlendBitmap(dc.m_hDC, premultiplied, size, image);
            ::DeleteObject(premultiplied);
        }
        return;
    }
    auto shown = CopyEditorImage(current, size, CPoint(0, 0), kImageEditorTransparent, face);
    if (shown) {
        CDC source;
        source.CreateCompatibleDC(&dc);
        HGDIOBJ old = ::SelectObject(source.m_hDC, shown->GetHandle());
        dc.BitBlt(image.left, image.top, size.cx, size.cy, &source, 0, 0, SRCCOPY);
        ::SelectObject(source.m_hDC, old);
    }
}

BEGIN_MESSAGE_MAP(CUIImageEditorToolBar, CWnd)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

BOOL CUIImageEditorToolBar::Create(CWnd* parent, CPoint topLeft, const std::vector<UINT>& ids, int buttonsPerRow,
                                   HIMAGELIST images) {
    const DWORD style = WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NORESIZE |
                        CCS_NODIVIDER | CCS_NOPARENTALIGN;
    if (!CWnd::Create(TOOLBARCLASSNAMEA, nullptr, style, CRect(topLeft, CSize(1, 1)), parent, 0xFFFF))
        return FALSE;
    m_ids = ids;
    SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
    SendMessage(TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
    std::vector<TBBUTTON> buttons(ids.size());
    for (size_t i = 0; i < ids.size(); ++i) {
        buttons[i].iBitmap = static_cast<int>(i);
        buttons[i].idCommand = static_cast<int>(ids[i]);
        buttons[i].fsState = TBSTATE_ENABLED;
        if ((i + 1) % static_cast<size_t>(buttonsPerRow) == 0)
            buttons[i].fsState |= TBSTATE_WRAP;
        buttons[i].fsStyle = TBSTYLE_BUTTON;
    }
    SendMessage(TB_ADDBUTTONSA, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
    // The bar is as large as its buttons.
    CRect last;
    SendMessage(TB_GETITEMRECT, ids.size() - 1, reinterpret_cast<LPARAM>(&last));
    SetWindowPos(nullptr, 0, 0, last.right, last.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return TRUE;
}

BOOL CUIImageEditorToolBar::IsChecked(UINT id) const { return SendMessage(TB_ISBUTTONCHECKED, id) != 0; }

BOOL CUIImageEditorToolBar::IsEnabled(UINT id) const { return SendMessage(TB_ISBUTTONENABLED, id) != 0; }

LRESULT CUIImageEditorToolBar::OnIdleUpdateCmdUI(WPARAM, LPARAM) {
    if (!IsWindowVisible())
        return 0;
    ToolButtonCmdUI cmdUI(m_hWnd);
    cmdUI.m_nIndexMax = static_cast<UINT>(m_ids.size());
    for (size_t i = 0; i < m_ids.size(); ++i) {
        cmdUI.m_nID = m_ids[i];
        cmdUI.m_nIndex = static_cast<UINT>(i);
        cmdUI.DoUpdate(GetParent(), FALSE);
    }
    return 0;
}
