#include "ui/commandbars/UIImageEditorDlg.h"

#include "ui/commandbars/UIImageEditorClipboard.h"
#include "ui/commandbars/UIImageEditorFile.h"
#include "ui/commandbars/UIImageEditorIcon.h"
#include "ui/commandbars/UIImageEditorTooltip.h"
#include "ui/commandbars/UIImageFunctions.h"
#include "ui/commandbars/UIImageStore.h"
#include "ui/commandbars/UISystemPalette.h"

#include "platform/CColorDialog.h"
#include "platform/CFileDialog.h"
#include "platform/ClipboardDataObject.h"
#include "res/resource.h"

#include <commctrl.h>

#include <cstring>

namespace {

struct PaletteEntry {
    UINT id;
    COLORREF color;
};

// The palette in its 8 x 2 grid, row by row; each id names the colour.
const PaletteEntry Palette[] = {
    {IDS_COLOR_BLACK, RGB(0, 0, 0)},          {IDS_COLOR_GRAY_50, RGB(128, 128, 128)},
    {IDS_COLOR_DARK_RED, RGB(128, 0, 0)},     {IDS_COLOR_DARK_YELLOW, RGB(128, 128, 0)},
    {IDS_COLOR_GREEN, RGB(0, 128, 0)},        {IDS_COLOR_TEAL, RGB(0, 128, 128)},
    {IDS_COLOR_DARK_BLUE, RGB(0, 0, 128)},    {IDS_COLOR_VIOLET, RGB(128, 0, 128)},
    {IDS_COLOR_WHITE, RGB(255, 255, 255)},    {IDS_COLOR_GRAY_25, RGB(192, 192, 192)},
    {IDS_COLOR_RED, RGB(255, 0, 0)},          {IDS_COLOR_YELLOW, RGB(255, 255, 0)},
    {IDS_COLOR_BRIGHT_GREEN, RGB(0, 255, 0)}, {IDS_COLOR_TURQUOISE, RGB(0, 255, 255)},
    {IDS_COLOR_BLUE, RGB(0, 0, 255)},         {IDS_COLOR_PINK, RGB(255, 0, 255)},
};
// Ids that may name palette pickers.
const UINT FirstPaletteId = 9450;
const UINT LastPaletteId = 9496;

const int PickerSize = 11;
const int PickerStep = 13;
const UINT ToolIds[] = {ID_IMAGE_EDITOR_PENCIL, ID_IMAGE_EDITOR_FILL,      ID_IMAGE_EDITOR_UNDO,
                        ID_IMAGE_EDITOR_REDO,   ID_IMAGE_EDITOR_PICK_COLOR, ID_IMAGE_EDITOR_LINE,
                        ID_IMAGE_EDITOR_COPY,   ID_IMAGE_EDITOR_PASTE,     ID_IMAGE_EDITOR_RECTANGLE,
                        ID_IMAGE_EDITOR_ELLIPSE, ID_IMAGE_EDITOR_CLEAR,    ID_IMAGE_EDITOR_LOAD};
const UINT MoveIds[] = {ID_IMAGE_EDITOR_MOVE_LEFT, ID_IMAGE_EDITOR_MOVE_DOWN, ID_IMAGE_EDITOR_MOVE_UP,
                        ID_IMAGE_EDITOR_MOVE_RIGHT};
const int ToolImageCount = 12;

// The 16 button images, 32-bit with alpha where the system draws it, else masked.
HIMAGELIST LoadToolImages() {
    HMODULE module = ::GetModuleHandleA(nullptr);
    if (IsAlphaIconsSupported()) {
        HBITMAP strip = LoadAlphaBitmap(module, IDB_IMAGE_EDITOR_TOOLS_ALPHA);
        if (strip) {
            HIMAGELIST list = ::ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 16, 0);
            ::ImageList_Add(list, strip, nullptr);
            ::DeleteObject(strip);
            return list;
        }
    }
    return ::ImageList_LoadImageA(module, MAKEINTRESOURCEA(IDB_IMAGE_EDITOR_TOOLS), 16, 0, RGB(192, 192, 192),
                                  IMAGE_BITMAP, LR_CREATEDIBSECTION);
}

}  // namespace

BEGIN_MESSAGE_MAP(CUIImageEditorDlg, CDialog)
    ON_MESSAGE(WM_KICKIDLE, OnKickIdle)
    ON_COMMAND_RANGE(ID_IMAGE_EDITOR_PENCIL, ID_IMAGE_EDITOR_ELLIPSE, OnTool)
    ON_UPDATE_COMMAND_UI_RANGE(ID_IMAGE_EDITOR_PENCIL, ID_IMAGE_EDITOR_ELLIPSE, OnUpdateTool)
    ON_COMMAND(ID_IMAGE_EDITOR_UNDO, OnUndo)
    ON_COMMAND(ID_IMAGE_EDITOR_REDO, OnRedo)
    ON_UPDATE_COMMAND_UI(ID_IMAGE_EDITOR_UNDO, OnUpdateUndo)
    ON_UPDATE_COMMAND_UI(ID_IMAGE_EDITOR_REDO, OnUpdateRedo)
    ON_COMMAND(ID_IMAGE_EDITOR_CLEAR, OnClear)
    ON_COMMAND_RANGE(ID_IMAGE_EDITOR_MOVE_LEFT, ID_IMAGE_EDITOR_MOVE_RIGHT, OnMove)
    ON_COMMAND(ID_IMAGE_EDITOR_COPY, OnCopy)
    ON_COMMAND(ID_IMAGE_EDITOR_PASTE, OnPaste)
    ON_COMMAND(ID_IMAGE_EDITOR_LOAD, OnLoad)
END_MESSAGE_MAP()

CUIImageEditorDlg::CUIImageEditorDlg(CWnd* parent)
    : CDialog(IDD_IMAGE_EDITOR, parent), m_picture(this, &m_model), m_preview(&m_model) {
    m_model.SetChangedHandler([this] {
        if (m_picture.GetSafeHwnd())
            m_picture.Invalidate(FALSE);
        if (m_preview.GetSafeHwnd())
            m_preview.Invalidate(FALSE);
    });
}

CUIImageEditorDlg::~CUIImageEditorDlg() {
    for (HIMAGELIST list : {m_toolImages, m_moveImages}) {
        if (list)
            ::ImageList_Destroy(list);
    }
}

void CUIImageEditorDlg::SetIcon(HICON icon, BOOL alpha) {
    if (auto image = EditorImageFromIcon(icon, alpha))
        m_model.SetImage(std::move(image));
}

void CUIImageEditorDlg::SetIconSize(CSize size) { m_model.SetImageSize(size); }

HICON CUIImageEditorDlg::GetIcon(BOOL* alpha) const {
    *alpha = FALSE;
    return EditorImageToIcon(m_model.GetImage(), alpha);
}

CRect CUIImageEditorDlg::PlaceholderRect(UINT id) const {
    CRect rect;
    if (CWnd* placeholder = GetDlgItem(static_cast<int>(id))) {
        placeholder->GetWindowRect(&rect);
        ScreenToClient(&rect);
    }
    return rect;
}

BOOL CUIImageEditorDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    CreateToolBars();
    CreatePalette();
    m_transparent.SubclassDlgItem(IDC_IMAGE_EDITOR_TRANSPARENT, this);
    m_transparent.m_color = kImageEditorTransparent;
    m_free.SubclassDlgItem(IDC_IMAGE_EDITOR_FREE_COLOR, this);
    m_picture.Attach(GetDlgItem(IDC_IMAGE_EDITOR_PICTURE));
    m_preview.SubclassDlgItem(IDC_IMAGE_EDITOR_PREVIEW, this);
    m_preview.ModifyStyleEx(WS_EX_STATICEDGE, 0, SWP_FRAMECHANGED);
    return TRUE;
}

void CUIImageEditorDlg::CreateToolBars() {
    m_toolImages = LoadToolImages();
    m_moveImages = m_toolImages ? ::ImageList_Duplicate(m_toolImages) : nullptr;
    for (int i = 0; m_moveImages && i < ToolImageCount; ++i)
        ::ImageList_Remove(m_moveImages, 0);
    const CPoint offset(-7, -4);
    m_tools.Create(this, PlaceholderRect(IDC_IMAGE_EDITOR_TOOLS).TopLeft() + offset,
                   std::vector<UINT>(std::begin(ToolIds), std::end(ToolIds)), 4, m_toolImages);
    m_moves.Create(this, PlaceholderRect(ID_IMAGE_EDITOR_MOVE_LEFT).TopLeft() + offset,
                   std::vector<UINT>(std::begin(MoveIds), std::end(MoveIds)), 4, m_moveImages);
}

void CUIImageEditorDlg::CreatePalette() {
    const CRect colors = PlaceholderRect(ID_IMAGE_EDITOR_MOVE_RIGHT);
    for (int i = 0; i < PaletteColumns * PaletteRows; ++i) {
        const int column = i % PaletteColumns, row = i / PaletteColumns;
        const CPoint topLeft(colors.left + PickerStep * column, colors.top - 4 + PickerStep * row);
        CUIImageEditorPicker& picker = m_palette[static_cast<size_t>(i)];
        picker.m_color = Palette[i].color;
        picker.Create("STATIC", nullptr, WS_CHILD | WS_VISIBLE | SS_NOTIFY, CRect(topLeft, CSize(PickerSize, PickerSize)),
                      this, Palette[i].id);
    }
    SelectPicker(&m_palette[0]);
}

COLORREF CUIImageEditorDlg::GetCurrentColor() const { return m_selected ? m_selected->m_color : 0; }

void CUIImageEditorDlg::SelectPicker(CUIImageEditorPicker* picker) {
    if (m_selected)
        m_selected->Select(FALSE);
    m_selected = picker;
    if (picker)
        picker->Select(TRUE);
}

void CUIImageEditorDlg::OnColorPicked(COLORREF color) {
    m_free.m_color = color;
    SelectPicker(&m_free);
}

BOOL CUIImageEditorDlg::OnPickerClick(UINT id) {
    if (id == IDC_IMAGE_EDITOR_TRANSPARENT) {
        SelectPicker(&m_transparent);
        return TRUE;
    }
    if (id == IDC_IMAGE_EDITOR_FREE_COLOR) {
        CColorDialog dialog(m_free.m_color, 0, this);
        if (dialog.DoModal() != 0) {
            m_free.m_color = dialog.GetColor();
            SelectPicker(&m_free);
        }
        return TRUE;
    }
    if (id < FirstPaletteId || id > LastPaletteId)
        return FALSE;
    for (CUIImageEditorPicker& picker : m_palette) {
        if (static_cast<UINT>(picker.GetDlgCtrlID()) == id) {
            SelectPicker(&picker);
            return TRUE;
        }
    }
    return FALSE;
}

BOOL CUIImageEditorDlg::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    NMHDR* notify = reinterpret_cast<NMHDR*>(lParam);
    if (notify->code == static_cast<UINT>(NM_CLICK) && OnPickerClick(static_cast<UINT>(notify->idFrom)))
        return TRUE;
    if ((notify->code == TTN_NEEDTEXTA || notify->code == TTN_NEEDTEXTW) && OnToolTipText(notify)) {
        if (result)
            *result = 0;
        return TRUE;
    }
    return CDialog::OnNotify(wParam, lParam, result);
}

BOOL CUIImageEditorDlg::OnToolTipText(NMHDR* notify) {
    std::string text;
    if (!LoadImageEditorTooltip(::GetModuleHandleA(nullptr), static_cast<UINT>(notify->idFrom), &text))
        return FALSE;
    if (notify->code == TTN_NEEDTEXTA) {
        NMTTDISPINFOA* info = reinterpret_cast<NMTTDISPINFOA*>(notify);
        ::lstrcpynA(info->szText, text.c_str(), sizeof(info->szText));
    } else {
        NMTTDISPINFOW* info = reinterpret_cast<NMTTDISPINFOW*>(notify);
        ::MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, info->szText, sizeof(info->szText) / sizeof(WCHAR));
        info->szText[sizeof(info->szText) / sizeof(WCHAR) - 1] = 0;
    }
    ::SetWindowPos(notify->hwndFrom, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return TRUE;
}

LRESULT CUIImageEditorDlg::OnKickIdle(WPARAM, LPARAM) {
    SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE);
    return 0;
}

void CUIImageEditorDlg::OnTool(UINT id) { m_model.SelectTool(static_cast<int>(id - ID_IMAGE_EDITOR_PENCIL)); }

void CUIImageEditorDlg::OnUpdateTool(CCmdUI* cmdUI) {
    cmdUI->SetRadio(m_model.GetTool() == static_cast<int>(cmdUI->m_nID - ID_IMAGE_EDITOR_PENCIL));
}

void CUIImageEditorDlg::OnUpdateUndo(CCmdUI* cmdUI) { cmdUI->Enable(m_model.CanUndo()); }

void CUIImageEditorDlg::OnUpdateRedo(CCmdUI* cmdUI) { cmdUI->Enable(m_model.CanRedo()); }

void CUIImageEditorDlg::OnMove(UINT id) {
    switch (id) {
    case ID_IMAGE_EDITOR_MOVE_LEFT:
        m_model.MoveImage(CPoint(-1, 0));
        break;
    case ID_IMAGE_EDITOR_MOVE_UP:
        m_model.MoveImage(CPoint(0, -1));
        break;
    case ID_IMAGE_EDITOR_MOVE_RIGHT:
        m_model.MoveImage(CPoint(1, 0));
        break;
    default:
        m_model.MoveImage(CPoint(0, 1));
        break;
    }
}

void CUIImageEditorDlg::OnCopy() {
    if (!::OpenClipboard(m_picture.GetSafeHwnd()))
        return;
    if (::EmptyClipboard()) {
        const BOOL alpha = m_model.GetImage() && m_model.GetImage()->IsAlpha();
        HBITMAP bitmap = m_model.CopyImageBitmap(GetUISystemPalette().GetColor(COLOR_BTNFACE));
        if (bitmap && !::SetClipboardData(CF_BITMAP, bitmap))
            ::DeleteObject(bitmap);
        if (alpha) {
            HGLOBAL marker = ::GlobalAlloc(GMEM_MOVEABLE, 1);
            if (marker && !::SetClipboardData(::RegisterClipboardFormatA("Alpha Bitmap Image"), marker))
                ::GlobalFree(marker);
        }
    }
    ::CloseClipboard();
}

void CUIImageEditorDlg::OnPaste() {
    CClipboardDataObject data;
    if (!data.AttachClipboard() || !data.IsDataAvailable(CF_BITMAP))
        return;
    HBITMAP bitmap = data.GetBitmap();
    if (bitmap == nullptr)
        return;
    std::vector<UINT> formats;
    UINT format = 0;
    data.BeginEnumFormats();
    while (data.GetNextFormat(&format))
        formats.push_back(format);
    const BOOL alpha = IsPastedBitmapAlpha(formats);
    m_model.ReplaceWithBitmap(bitmap, alpha, alpha ? kImageEditorNoColor : GetUISystemPalette().GetColor(COLOR_BTNFACE));
    ::DeleteObject(bitmap);
}

void CUIImageEditorDlg::OnLoad() {
    CString filter;
    filter.LoadString(IDS_IMAGE_EDITOR_FILTER);
    CFileDialog dialog(TRUE, nullptr, nullptr, OFN_HIDEREADONLY, filter, this);
    if (dialog.DoModal() != IDOK)
        return;
    if (auto image = LoadEditorImageFile(std::string(dialog.GetPathName()), m_model.GetImageSize()))
        m_model.ReplaceWith(std::move(image));
}
