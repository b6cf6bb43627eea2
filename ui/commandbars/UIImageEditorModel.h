#pragma once

#include "ui/commandbars/UIImageEditorBitmap.h"

#include <deque>
#include <functional>
#include <memory>

// The button image editor's drawing state, apart from its windows: the image being
// drawn, the one before the operation in progress, the undo and redo steps and the six
// drawing tools. Mouse input arrives in image cells (row 0 at the top).
class CUIImageEditorModel {
public:
    enum Tool { ToolPencil, ToolFill, ToolPickColor, ToolLine, ToolRectangle, ToolEllipse };
    // Undo keeps this many steps, dropping the oldest.
    static const size_t kUndoSteps = 16;

    CSize GetImageSize() const { return m_size; }
    // An empty image of that size; a size that is not positive is refused.
    BOOL SetImageSize(CSize size);
    // The image to start from; its size becomes the editor's (refused when not positive).
    BOOL SetImage(std::unique_ptr<CUIImageEditorBitmap> image);
    // The current image; null when it was cleared (all transparent).
    const CUIImageEditorBitmap* GetImage() const { return m_current.get(); }

    int GetTool() const { return m_tool; }
    int GetToolBeforePick() const { return m_toolBeforePick; }
    void SelectTool(int tool);

    // Left-button press on a cell with the current colour. Returns TRUE with the cell's
    // colour when the pick tool took it (the tool then returns to the one before).
    BOOL Press(CPoint cell, COLORREF currentColor, COLORREF* pickedColor);
    BOOL IsTracking() const { return m_tracking; }
    void Track(CPoint cell);
    // The drag ends (button released or capture lost): the stroke becomes one undo step.
    void EndTracking();

    BOOL CanUndo() const { return !m_undo.empty(); }
    BOOL CanRedo() const { return !m_redo.empty(); }
    void Undo();
    void Redo();
    void Clear();
    // Moves the image by one pixel; what leaves it is lost, what it uncovers transparent.
    void MoveImage(CPoint offset);
    // Replaces the image with a copy of a bitmap; pixels of replaceFrom become
    // transparent when the bitmap has no alpha. Nothing when it cannot be read.
    BOOL ReplaceWithBitmap(HBITMAP bitmap, BOOL alpha, COLORREF replaceFrom = kImageEditorNoColor);
    BOOL ReplaceWith(std::unique_ptr<CUIImageEditorBitmap> image);
    // A copy of the image for the clipboard, transparent pixels as the given colour when
    // it has no alpha; the caller owns it.
    HBITMAP CopyImageBitmap(COLORREF transparentAs) const;

    size_t GetUndoCount() const { return m_undo.size(); }
    size_t GetRedoCount() const { return m_redo.size(); }
    // Called whenever the image shown changes.
    void SetChangedHandler(std::function<void()> handler) { m_changed = std::move(handler); }

private:
    using Image = std::unique_ptr<CUIImageEditorBitmap>;
    void BeginEdit();
    void Commit();
    void Fill(CPoint cell, COLORREF color);
    void DrawShape(CPoint cell);
    Image EditedCopy(const CUIImageEditorBitmap* source, const std::function<void(HDC)>& draw) const;
    void Changed();

    CSize m_size = CSize(16, 16);
    Image m_current;
    Image m_previous;
    std::deque<Image> m_undo;
    std::deque<Image> m_redo;
    int m_tool = ToolPencil;
    int m_toolBeforePick = ToolPencil;
    BOOL m_tracking = FALSE;
    CPoint m_dragStart;
    COLORREF m_drawingColor = 0;
    COLORREF m_shapeColor = 0;
    std::function<void()> m_changed;
};

// The size of one image cell in a drawing area: at least one pixel, so that an image
// larger than the area still maps every point to a cell.
CSize ImageEditorCellSize(CSize area, CSize image);
