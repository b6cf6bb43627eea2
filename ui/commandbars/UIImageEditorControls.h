#pragma once

#include "ui/commandbars/UIImageEditorModel.h"

#include "platform/CWnd.h"

#include <vector>

class CUIImageEditorDlg;

// A colour swatch of the button image editor; a press tells the dialog (NM_CLICK).
class CUIImageEditorPicker : public CWnd {
public:
    COLORREF m_color = 0;
    BOOL m_selected = FALSE;

    void Select(BOOL selected);

protected:
    void Paint(CDC* dc);
    void OnPaint();
    LRESULT OnPrintClient(WPARAM wParam, LPARAM);
    void OnLButtonDown(UINT flags, CPoint point);

    DECLARE_MESSAGE_MAP()
};

// The zoomed drawing area over the model: each image pixel a cell, the mouse drawing
// with the model's tool, the cursor telling the tool.
class CUIImageEditorPicture : public CWnd {
public:
    CUIImageEditorPicture(CUIImageEditorDlg* dialog, CUIImageEditorModel* model) : m_dialog(dialog), m_model(model) {}

    // Subclasses the control and fits it to whole cells of the image.
    BOOL Attach(CWnd* control);
    CSize GetCellSize() const { return m_cell; }
    // The picture as 32-bit pixels, top row first (what painting shows).
    std::vector<DWORD> RenderPixels() const;

protected:
    void Paint(CDC* dc);
    void OnPaint();
    LRESULT OnPrintClient(WPARAM wParam, LPARAM);
    BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    BOOL OnSetCursor(CWnd* window, UINT hitTest, UINT message);
    void OnLButtonDown(UINT flags, CPoint point);
    void OnMouseMove(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    void OnCaptureChanged(CWnd* window);

    DECLARE_MESSAGE_MAP()

private:
    CPoint CellAt(CPoint point) const;

    CUIImageEditorDlg* m_dialog;
    CUIImageEditorModel* m_model;
    CSize m_cell = CSize(1, 1);
};

// The image at its real size on the button face, framed like a button.
class CUIImageEditorPreview : public CWnd {
public:
    explicit CUIImageEditorPreview(CUIImageEditorModel* model) : m_model(model) {}

protected:
    void Paint(CDC* dc);
    void OnPaint();
    LRESULT OnPrintClient(WPARAM wParam, LPARAM);
    BOOL OnEraseBkgnd(CDC*) { return TRUE; }

    DECLARE_MESSAGE_MAP()

private:
    CUIImageEditorModel* m_model;
};

// A flat toolbar of the editor whose buttons are updated by the dialog's handlers.
class CUIImageEditorToolBar : public CWnd {
public:
    // The buttons with the images of the list from the first image on, wrapping after
    // every buttonsPerRow; the bar sits at the point in its parent, sized to its buttons.
    BOOL Create(CWnd* parent, CPoint topLeft, const std::vector<UINT>& ids, int buttonsPerRow, HIMAGELIST images);
    BOOL IsChecked(UINT id) const;
    BOOL IsEnabled(UINT id) const;

protected:
    LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    std::vector<UINT> m_ids;
};
