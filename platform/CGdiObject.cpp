#include "platform/CGdiObject.h"

#include "platform/CDC.h"
#include "platform/CHandleMap.h"
#include "platform/NullSafe.h"

namespace {

using GdiHandleMap = CHandleMap<CGdiObject, HGDIOBJ>;

GdiHandleMap& GdiMap() {
    static thread_local GdiHandleMap map([](CGdiObject* object) { object->m_hObject = nullptr; });
    return map;
}

// A temporary wrapper of the class that matches the handle's kind, so that the typed
// FromHandle functions may cast the result.
CGdiObject* MakeTemporary(HGDIOBJ handle) {
    CGdiObject* object;
    switch (::GetObjectType(handle)) {
    case OBJ_PEN:
    case OBJ_EXTPEN:
        object = new CPen;
        break;
    case OBJ_BRUSH:
        object = new CBrush;
        break;
    case OBJ_FONT:
        object = new CFont;
        break;
    case OBJ_BITMAP:
        object = new CBitmap;
        break;
    case OBJ_REGION:
        object = new CRgn;
        break;
    default:
        object = new CGdiObject;
        break;
    }
    object->m_hObject = handle;
    return object;
}

}  // namespace

CGdiObject::~CGdiObject() { DeleteObject(); }

CGdiObject* CGdiObject::FromHandle(HGDIOBJ handle) { return GdiMap().FromHandle(handle, MakeTemporary); }

void CGdiObject::DeleteTempMap() { CHandleMapBase::DeleteAllTemporaries(); }

HGDIOBJ CGdiObject::GetSafeHandle() const {
    const CGdiObject* self = AfxOpaquePointer(this);
    return self ? self->m_hObject : nullptr;
}

BOOL CGdiObject::Attach(HGDIOBJ handle) {
    if (!handle)
        return FALSE;
    GdiMap().RemoveHandle(handle);
    m_hObject = handle;
    GdiMap().SetPermanent(handle, this);
    return TRUE;
}

HGDIOBJ CGdiObject::Detach() {
    HGDIOBJ handle = m_hObject;
    if (handle)
        GdiMap().RemoveHandle(handle);
    m_hObject = nullptr;
    return handle;
}

BOOL CGdiObject::DeleteObject() {
    HGDIOBJ handle = Detach();
    return handle ? ::DeleteObject(handle) : FALSE;
}

BOOL CGdiObject::CreateStockObject(int index) { return Attach(::GetStockObject(index)); }

int CGdiObject::GetObject(int size, void* buffer) const { return ::GetObjectA(m_hObject, size, buffer); }

UINT CGdiObject::GetObjectType() const { return static_cast<UINT>(::GetObjectType(m_hObject)); }

BOOL CGdiObject::UnrealizeObject() { return ::UnrealizeObject(m_hObject); }

BOOL CPen::CreatePen(int style, int width, COLORREF color) { return Attach(::CreatePen(style, width, color)); }

BOOL CPen::CreatePenIndirect(const LOGPEN* logPen) { return Attach(::CreatePenIndirect(logPen)); }

BOOL CBrush::CreateSolidBrush(COLORREF color) { return Attach(::CreateSolidBrush(color)); }

BOOL CBrush::CreateHatchBrush(int hatch, COLORREF color) { return Attach(::CreateHatchBrush(hatch, color)); }

BOOL CBrush::CreatePatternBrush(CBitmap* bitmap) { return Attach(::CreatePatternBrush(*bitmap)); }

BOOL CBrush::CreateBrushIndirect(const LOGBRUSH* logBrush) { return Attach(::CreateBrushIndirect(logBrush)); }

BOOL CBrush::CreateSysColorBrush(int index) { return Attach(::GetSysColorBrush(index)); }

BOOL CFont::CreateFontIndirect(const LOGFONT* logFont) { return Attach(::CreateFontIndirectA(logFont)); }

BOOL CFont::CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic,
                       BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision,
                       BYTE quality, BYTE pitchAndFamily, LPCSTR faceName) {
    return Attach(::CreateFontA(height, width, escapement, orientation, weight, italic, underline, strikeOut,
                                charSet, outPrecision, clipPrecision, quality, pitchAndFamily, faceName));
}

BOOL CFont::CreatePointFont(int pointSizeTenths, LPCSTR faceName, CDC* dc) {
    LOGFONT logFont = {};
    logFont.lfCharSet = DEFAULT_CHARSET;
    logFont.lfHeight = pointSizeTenths;
    lstrcpynA(logFont.lfFaceName, faceName, LF_FACESIZE);
    return CreatePointFontIndirect(&logFont, dc);
}

// lfHeight holds tenths of a point; it becomes the negative character height in the
// device's logical units.
BOOL CFont::CreatePointFontIndirect(const LOGFONT* logFont, CDC* dc) {
    HDC hdc = dc ? dc->m_hAttribDC : ::GetDC(nullptr);
    LOGFONT scaled = *logFont;
    POINT size = {0, ::MulDiv(::GetDeviceCaps(hdc, LOGPIXELSY), logFont->lfHeight, 720)};
    POINT origin = {0, 0};
    ::DPtoLP(hdc, &size, 1);
    ::DPtoLP(hdc, &origin, 1);
    scaled.lfHeight = -abs(size.y - origin.y);
    if (!dc)
        ::ReleaseDC(nullptr, hdc);
    return CreateFontIndirect(&scaled);
}

BOOL CBitmap::LoadBitmap(LPCSTR resourceName) {
    return Attach(::LoadBitmapA(::GetModuleHandleA(nullptr), resourceName));
}

BOOL CBitmap::LoadOEMBitmap(UINT bitmapId) { return Attach(::LoadBitmapA(nullptr, MAKEINTRESOURCEA(bitmapId))); }

BOOL CBitmap::CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits) {
    return Attach(::CreateBitmap(width, height, planes, bitsPerPixel, bits));
}

BOOL CBitmap::CreateBitmapIndirect(BITMAP* bitmap) { return Attach(::CreateBitmapIndirect(bitmap)); }

BOOL CBitmap::CreateCompatibleBitmap(CDC* dc, int width, int height) {
    return Attach(::CreateCompatibleBitmap(dc->m_hDC, width, height));
}

BOOL CRgn::CreateRectRgn(int l, int t, int r, int b) { return Attach(::CreateRectRgn(l, t, r, b)); }

BOOL CRgn::CreateRectRgnIndirect(LPCRECT rect) { return Attach(::CreateRectRgnIndirect(rect)); }

BOOL CRgn::CreateEllipticRgn(int l, int t, int r, int b) { return Attach(::CreateEllipticRgn(l, t, r, b)); }

BOOL CRgn::CreateEllipticRgnIndirect(LPCRECT rect) { return Attach(::CreateEllipticRgnIndirect(rect)); }

BOOL CRgn::CreateRoundRectRgn(int l, int t, int r, int b, int width, int height) {
    return Attach(::CreateRoundRectRgn(l, t, r, b, width, height));
}

BOOL CRgn::CreatePolygonRgn(const POINT* points, int count, int fillMode) {
    return Attach(::CreatePolygonRgn(points, count, fillMode));
}

int CRgn::CombineRgn(const CRgn* a, const CRgn* b, int mode) {
    return ::CombineRgn(*this, a ? static_cast<HRGN>(*a) : nullptr, b ? static_cast<HRGN>(*b) : nullptr, mode);
}
