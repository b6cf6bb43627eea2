#include "platform/CDC.h"

#include "platform/CHandleMap.h"
#include "platform/CWnd.h"
#include "platform/NullSafe.h"

namespace {

using DcHandleMap = CHandleMap<CDC, HDC>;

DcHandleMap& DcMap() {
    static thread_local DcHandleMap map([](CDC* dc) { dc->m_hDC = dc->m_hAttribDC = nullptr; });
    return map;
}

CDC* MakeTemporary(HDC handle) {
    CDC* dc = new CDC;
    dc->m_hDC = dc->m_hAttribDC = handle;
    return dc;
}

}  // namespace

CDC::~CDC() { DeleteDC(); }

CDC* CDC::FromHandle(HDC handle) { return DcMap().FromHandle(handle, MakeTemporary); }

void CDC::DeleteTempMap() { CHandleMapBase::DeleteAllTemporaries(); }

CBrush* CDC::GetHalftoneBrush() {
    static CBrush brush;
    if (!brush.m_hObject) {
        WORD rows[8];
        for (int y = 0; y < 8; ++y) rows[y] = (y % 2) ? 0xAAAA : 0x5555;
        CBitmap pattern;
        if (pattern.CreateBitmap(8, 8, 1, 1, rows)) brush.CreatePatternBrush(&pattern);
    }
    return &brush;
}

HDC CDC::GetSafeHdc() const {
    const CDC* self = AfxOpaquePointer(this);
    return self ? self->m_hDC : nullptr;
}

BOOL CDC::Attach(HDC handle) {
    if (!handle)
        return FALSE;
    DcMap().RemoveHandle(handle);
    m_hDC = m_hAttribDC = handle;
    DcMap().SetPermanent(handle, this);
    return TRUE;
}

HDC CDC::Detach() {
    HDC handle = m_hDC;
    if (handle)
        DcMap().RemoveHandle(handle);
    m_hDC = m_hAttribDC = nullptr;
    return handle;
}

BOOL CDC::DeleteDC() {
    HDC handle = Detach();
    return handle ? ::DeleteDC(handle) : FALSE;
}

BOOL CDC::CreateDC(LPCSTR driver, LPCSTR device, LPCSTR output, const DEVMODEA* initData) {
    return Attach(::CreateDCA(driver, device, output, initData));
}

BOOL CDC::CreateCompatibleDC(CDC* dc) { return Attach(::CreateCompatibleDC(dc ? dc->m_hDC : nullptr)); }

CWnd* CDC::GetWindow() const { return CWnd::FromHandle(::WindowFromDC(m_hDC)); }

CPen* CDC::SelectObject(CPen* pen) { return static_cast<CPen*>(SelectObject(static_cast<CGdiObject*>(pen))); }

CBrush* CDC::SelectObject(CBrush* brush) {
    return static_cast<CBrush*>(SelectObject(static_cast<CGdiObject*>(brush)));
}

CFont* CDC::SelectObject(CFont* font) { return static_cast<CFont*>(SelectObject(static_cast<CGdiObject*>(font))); }

CBitmap* CDC::SelectObject(CBitmap* bitmap) {
    return static_cast<CBitmap*>(SelectObject(static_cast<CGdiObject*>(bitmap)));
}

CGdiObject* CDC::SelectObject(CGdiObject* object) {
    if (!object || !object->m_hObject)
        return nullptr;
    return CGdiObject::FromHandle(::SelectObject(m_hDC, object->m_hObject));
}

int CDC::SelectObject(CRgn* region) {
    return static_cast<int>(reinterpret_cast<INT_PTR>(::SelectObject(m_hDC, *region)));
}

CGdiObject* CDC::SelectStockObject(int index) {
    return CGdiObject::FromHandle(::SelectObject(m_hDC, ::GetStockObject(index)));
}

CPen* CDC::GetCurrentPen() const { return CPen::FromHandle(static_cast<HPEN>(::GetCurrentObject(m_hDC, OBJ_PEN))); }

CBrush* CDC::GetCurrentBrush() const {
    return CBrush::FromHandle(static_cast<HBRUSH>(::GetCurrentObject(m_hDC, OBJ_BRUSH)));
}

CFont* CDC::GetCurrentFont() const {
    return CFont::FromHandle(static_cast<HFONT>(::GetCurrentObject(m_hDC, OBJ_FONT)));
}

CBitmap* CDC::GetCurrentBitmap() const {
    return CBitmap::FromHandle(static_cast<HBITMAP>(::GetCurrentObject(m_hDC, OBJ_BITMAP)));
}

CPoint CDC::SetViewportOrg(int x, int y) {
    CPoint previous;
    ::SetViewportOrgEx(m_hDC, x, y, &previous);
    return previous;
}

CPoint CDC::OffsetViewportOrg(int dx, int dy) {
    CPoint previous;
    ::OffsetViewportOrgEx(m_hDC, dx, dy, &previous);
    return previous;
}

CPoint CDC::GetViewportOrg() const {
    CPoint origin;
    ::GetViewportOrgEx(m_hAttribDC, &origin);
    return origin;
}

CSize CDC::SetViewportExt(int cx, int cy) {
    CSize previous;
    ::SetViewportExtEx(m_hDC, cx, cy, &previous);
    return previous;
}

CSize CDC::GetViewportExt() const {
    CSize extent;
    ::GetViewportExtEx(m_hAttribDC, &extent);
    return extent;
}

CPoint CDC::SetWindowOrg(int x, int y) {
    CPoint previous;
    ::SetWindowOrgEx(m_hDC, x, y, &previous);
    return previous;
}

CPoint CDC::OffsetWindowOrg(int dx, int dy) {
    CPoint previous;
    ::OffsetWindowOrgEx(m_hDC, dx, dy, &previous);
    return previous;
}

CPoint CDC::GetWindowOrg() const {
    CPoint origin;
    ::GetWindowOrgEx(m_hAttribDC, &origin);
    return origin;
}

CSize CDC::SetWindowExt(int cx, int cy) {
    CSize previous;
    ::SetWindowExtEx(m_hDC, cx, cy, &previous);
    return previous;
}

CSize CDC::GetWindowExt() const {
    CSize extent;
    ::GetWindowExtEx(m_hAttribDC, &extent);
    return extent;
}

// A size converts as the distance between two converted points, so the origins cancel.
void CDC::DPtoLP(LPSIZE size) const {
    POINT points[2] = {{0, 0}, {size->cx, size->cy}};
    DPtoLP(points, 2);
    size->cx = points[1].x - points[0].x;
    size->cy = points[1].y - points[0].y;
}

void CDC::LPtoDP(LPSIZE size) const {
    POINT points[2] = {{0, 0}, {size->cx, size->cy}};
    LPtoDP(points, 2);
    size->cx = points[1].x - points[0].x;
    size->cy = points[1].y - points[0].y;
}

CPoint CDC::MoveTo(int x, int y) {
    CPoint previous;
    ::MoveToEx(m_hDC, x, y, &previous);
    return previous;
}

CPoint CDC::GetCurrentPosition() const {
    CPoint position;
    ::GetCurrentPositionEx(m_hAttribDC, &position);
    return position;
}

// Fills with the background colour through an opaque empty text output, which needs
// no brush; the background colour is left as the colour given.
void CDC::FillSolidRect(LPCRECT rect, COLORREF color) {
    ::SetBkColor(m_hDC, color);
    ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, rect, nullptr, 0, nullptr);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF color) {
    CRect rect(x, y, x + cx, y + cy);
    FillSolidRect(rect, color);
}

void CDC::Draw3dRect(LPCRECT rect, COLORREF topLeft, COLORREF bottomRight) {
    Draw3dRect(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, topLeft, bottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF topLeft, COLORREF bottomRight) {
    FillSolidRect(x, y, cx - 1, 1, topLeft);
    FillSolidRect(x, y, 1, cy - 1, topLeft);
    FillSolidRect(x + cx, y, -1, cy, bottomRight);
    FillSolidRect(x, y + cy, cx, -1, bottomRight);
}

CSize CDC::TabbedTextOut(int x, int y, LPCSTR text, int count, int tabCount, const INT* tabStops, int tabOrigin) {
    return CSize(static_cast<DWORD>(::TabbedTextOutA(m_hDC, x, y, text, count, tabCount, tabStops, tabOrigin)));
}

CSize CDC::GetTextExtent(LPCSTR text, int count) const {
    CSize size;
    ::GetTextExtentPoint32A(m_hAttribDC, text, count, &size);
    return size;
}

CSize CDC::GetTabbedTextExtent(LPCSTR text, int count, int tabCount, const INT* tabStops) const {
    return CSize(::GetTabbedTextExtentA(m_hAttribDC, text, count, tabCount, tabStops));
}

int CDC::GetTextFace(CString& faceName) const {
    char buffer[LF_FACESIZE] = {};
    int length = ::GetTextFaceA(m_hAttribDC, LF_FACESIZE, buffer);
    faceName = buffer;
    return length;
}

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* source, int sx, int sy, DWORD rop) {
    return ::BitBlt(m_hDC, x, y, width, height, source ? source->m_hDC : nullptr, sx, sy, rop);
}

BOOL CDC::StretchBlt(int x, int y, int width, int height, CDC* source, int sx, int sy, int sourceWidth,
                     int sourceHeight, DWORD rop) {
    return ::StretchBlt(m_hDC, x, y, width, height, source ? source->m_hDC : nullptr, sx, sy, sourceWidth,
                        sourceHeight, rop);
}

CPaintDC::CPaintDC(CWnd* wnd) : m_hWnd(wnd->m_hWnd) { Attach(::BeginPaint(m_hWnd, &m_ps)); }

CPaintDC::~CPaintDC() {
    Detach();
    ::EndPaint(m_hWnd, &m_ps);
}

CClientDC::CClientDC(CWnd* wnd) : m_hWnd(wnd ? wnd->m_hWnd : nullptr) { Attach(::GetDC(m_hWnd)); }

CClientDC::~CClientDC() { ::ReleaseDC(m_hWnd, Detach()); }

CWindowDC::CWindowDC(CWnd* wnd) : m_hWnd(wnd ? wnd->m_hWnd : nullptr) { Attach(::GetWindowDC(m_hWnd)); }

CWindowDC::~CWindowDC() { ::ReleaseDC(m_hWnd, Detach()); }

BOOL CDC::DrawState(CPoint point, CSize size, CBitmap* bitmap, UINT flags, CBrush* brush) {
    HBRUSH fill = brush ? static_cast<HBRUSH>(*brush) : nullptr;
    LPARAM data = reinterpret_cast<LPARAM>(bitmap ? static_cast<HBITMAP>(*bitmap) : nullptr);
    return ::DrawStateA(m_hDC, fill, nullptr, data, 0, point.x, point.y, size.cx, size.cy, flags | DST_BITMAP);
}

BOOL CDC::DrawState(CPoint point, CSize size, HICON icon, UINT flags, CBrush* brush) {
    HBRUSH fill = brush ? static_cast<HBRUSH>(*brush) : nullptr;
    LPARAM data = reinterpret_cast<LPARAM>(icon);
    return ::DrawStateA(m_hDC, fill, nullptr, data, 0, point.x, point.y, size.cx, size.cy, flags | DST_ICON);
}

namespace {
// Inverts the frame of the given thickness inside the rectangle through the brush.
void InvertFrame(CDC* dc, LPCRECT rect, SIZE size, CBrush* brush) {
    if (!rect || size.cx <= 0 || size.cy <= 0 || ::IsRectEmpty(rect)) return;
    CRect outer(rect), inner(rect);
    inner.DeflateRect(size.cx, size.cy);
    CRgn frame, hole;
    frame.CreateRectRgnIndirect(&outer);
    if (!inner.IsRectEmpty()) {
        hole.CreateRectRgnIndirect(&inner);
        ::CombineRgn(frame, frame, hole, RGN_DIFF);
    }
    int saved = dc->SaveDC();
    dc->SelectClipRgn(&frame, RGN_AND);
    CBrush* old = dc->SelectObject(brush ? brush : CDC::GetHalftoneBrush());
    dc->PatBlt(outer.left, outer.top, outer.Width(), outer.Height(), PATINVERT);
    dc->SelectObject(old);
    dc->RestoreDC(saved);
}
}  // namespace

void CDC::DrawDragRect(LPCRECT rect, SIZE size, LPCRECT lastRect, SIZE lastSize, CBrush* brush, CBrush* lastBrush) {
    InvertFrame(this, lastRect, lastSize, lastBrush ? lastBrush : brush);
    InvertFrame(this, rect, size, brush);
}
