#include "ui/commandbars/UIImageEditorModel.h"

#include <algorithm>

namespace {

// Runs a GDI drawing on the image through a memory device context.
void DrawWithGdi(CUIImageEditorBitmap& image, const std::function<void(HDC)>& draw) {
    HDC dc = ::CreateCompatibleDC(nullptr);
    HGDIOBJ old = ::SelectObject(dc, image.GetHandle());
    draw(dc);
    ::SelectObject(dc, old);
    ::DeleteDC(dc);
    ::GdiFlush();
}

CRect NormalizedCells(CPoint from, CPoint to) {
    return CRect(std::min(from.x, to.x), std::min(from.y, to.y), std::max(from.x, to.x), std::max(from.y, to.y));
}

}  // namespace

CSize ImageEditorCellSize(CSize area, CSize image) {
    const int width = image.cx > 0 ? area.cx / image.cx : 0;
    const int height = image.cy > 0 ? area.cy / image.cy : 0;
    return CSize(std::max(1, width), std::max(1, height));
}

BOOL CUIImageEditorModel::SetImageSize(CSize size) {
    Image image = CUIImageEditorBitmap::Create(size);
    if (!image) return FALSE;
    return SetImage(std::move(image));
}

BOOL CUIImageEditorModel::SetImage(Image image) {
    if (!image) return FALSE;
    m_size = image->GetSize();
    m_current = std::move(image);
    Changed();
    return TRUE;
}

void CUIImageEditorModel::SelectTool(int tool) {
    if (m_tool != ToolPickColor) m_toolBeforePick = m_tool;
    m_tool = tool;
}

BOOL CUIImageEditorModel::Press(CPoint cell, COLORREF currentColor, COLORREF* pickedColor) {
    if (m_tracking || cell.x < 0 || cell.y < 0 || cell.x >= m_size.cx || cell.y >= m_size.cy) return FALSE;
    const COLORREF cellColor = m_current ? m_current->GetColor(cell) : kImageEditorTransparent;
    if (m_tool == ToolPickColor) {
        *pickedColor = cellColor;
        m_tool = m_toolBeforePick;
        return TRUE;
    }
    BeginEdit();
    if (m_tool == ToolFill) {
        Fill(cell, currentColor);
        Commit();
        return FALSE;
    }
    m_dragStart = cell;
    m_shapeColor = currentColor;
    m_drawingColor = cellColor == currentColor ? kImageEditorTransparent : currentColor;
    m_tracking = TRUE;
    Track(cell);
    return FALSE;
}

void CUIImageEditorModel::Track(CPoint cell) {
    if (!m_tracking) return;
    if (m_tool == ToolPencil) {
        Image image = CopyEditorImage(m_current.get(), m_size);
        if (!image) return;
        const std::vector<DWORD> before = image->GetPixels();
        image->SetPixel(cell, PixelFromColor(m_drawingColor));
        if (image->IsAlpha()) MakeChangedPixelsOpaque(*image, before);
        m_current = std::move(image);
        Changed();
        return;
    }
    DrawShape(cell);
}

void CUIImageEditorModel::EndTracking() {
    if (!m_tracking) return;
    m_tracking = FALSE;
    Commit();
}

void CUIImageEditorModel::BeginEdit() {
    m_previous = std::move(m_current);
    m_current = CopyEditorImage(m_previous.get(), m_size);
}

void CUIImageEditorModel::Commit() {
    m_redo.clear();
    if (m_undo.size() >= kUndoSteps) m_undo.pop_front();
    m_undo.push_back(std::move(m_previous));
    Changed();
}

CUIImageEditorModel::Image CUIImageEditorModel::EditedCopy(const CUIImageEditorBitmap* source, const std::function<void(HDC)>& draw) const {
    Image image = CopyEditorImage(source, m_size);
    if (!image) return nullptr;
    const std::vector<DWORD> before = image->GetPixels();
    DrawWithGdi(*image, draw);
    if (image->IsAlpha()) MakeChangedPixelsOpaque(*image, before);
    return image;
}

void CUIImageEditorModel::Fill(CPoint cell, COLORREF color) {
    const COLORREF region = m_current ? m_current->GetColor(cell) : kImageEditorTransparent;
    Image image = EditedCopy(m_current.get(), [&](HDC dc) {
        HBRUSH brush = ::CreateSolidBrush(color);
        HGDIOBJ old = ::SelectObject(dc, brush);
        ::ExtFloodFill(dc, cell.x, cell.y, region, FLOODFILLSURFACE);
        ::SelectObject(dc, old);
        ::DeleteObject(brush);
    });
    if (image) m_current = std::move(image);
}

void CUIImageEditorModel::DrawShape(CPoint cell) {
    const CRect cells = NormalizedCells(m_dragStart, cell);
    Image image = EditedCopy(m_previous.get(), [&](HDC dc) {
        HPEN pen = ::CreatePen(PS_SOLID, 1, m_shapeColor);
        HBRUSH brush = m_tool == ToolEllipse ? ::CreateSolidBrush(kImageEditorTransparent) : nullptr;
        HGDIOBJ oldPen = ::SelectObject(dc, pen);
        HGDIOBJ oldBrush = ::SelectObject(dc, brush ? static_cast<HGDIOBJ>(brush) : ::GetStockObject(NULL_BRUSH));
        if (m_tool == ToolLine) {
            ::MoveToEx(dc, m_dragStart.x, m_dragStart.y, nullptr);
            ::LineTo(dc, cell.x, cell.y);
        } else if (m_tool == ToolRectangle) {
            ::Rectangle(dc, cells.left, cells.top, cells.right, cells.bottom);
        } else {
            ::Ellipse(dc, cells.left, cells.top, cells.right, cells.bottom);
        }
        ::SelectObject(dc, oldBrush);
        ::SelectObject(dc, oldPen);
        ::DeleteObject(pen);
        if (brush) ::DeleteObject(brush);
    });
    if (!image) return;
    m_current = std::move(image);
    Changed();
}

void CUIImageEditorModel::Undo() {
    if (m_undo.empty()) return;
    Image image = std::move(m_undo.back());
    m_undo.pop_back();
    m_redo.push_back(std::move(m_current));
    m_current = std::move(image);
    Changed();
}

void CUIImageEditorModel::Redo() {
    if (m_redo.empty()) return;
    Image image = std::move(m_redo.back());
    m_redo.pop_back();
    m_undo.push_back(std::move(m_current));
    m_current = std::move(image);
    Changed();
}

void CUIImageEditorModel::Clear() {
    m_previous = std::move(m_current);
    Commit();
}

void CUIImageEditorModel::MoveImage(CPoint offset) {
    ReplaceWith(CopyEditorImage(m_current.get(), m_size, offset));
}

BOOL CUIImageEditorModel::ReplaceWithBitmap(HBITMAP bitmap, BOOL alpha, COLORREF replaceFrom) {
    return ReplaceWith(CopyBitmapToEditorImage(bitmap, alpha, m_size, replaceFrom, kImageEditorTransparent));
}

BOOL CUIImageEditorModel::ReplaceWith(Image image) {
    if (!image) return FALSE;
    m_previous = std::move(m_current);
    m_current = std::move(image);
    Commit();
    return TRUE;
}

HBITMAP CUIImageEditorModel::CopyImageBitmap(COLORREF transparentAs) const {
    Image copy = CopyEditorImage(m_current.get(), m_size, CPoint(0, 0), kImageEditorTransparent, transparentAs);
    return copy ? copy->Detach() : nullptr;
}

void CUIImageEditorModel::Changed() {
    if (m_changed) m_changed();
}
