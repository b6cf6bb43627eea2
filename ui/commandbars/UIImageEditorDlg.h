#pragma once

#include "ui/commandbars/UIImageEditorControls.h"
#include "ui/commandbars/UIImageEditorModel.h"

#include "platform/CDialog.h"

#include <array>
#include <memory>

class CCmdUI;

// The button image editor: a modal dialog in which the user paints a button image
// pixel by pixel. The drawing rules live in the model; the dialog shows the image in a
// zoomed drawing area and a preview, offers the tools, colours, moves, clipboard and
// picture files, and gives the result back as an icon.
class CUIImageEditorDlg : public CDialog {
public:
    static const int PaletteColumns = 8;
    static const int PaletteRows = 2;

    explicit CUIImageEditorDlg(CWnd* parent = nullptr);
    ~CUIImageEditorDlg() override;

    // The image to edit: the icon's pixels at its own size.
    void SetIcon(HICON icon, BOOL alpha);
    // An empty image of that size.
    void SetIconSize(CSize size);
    // The edited image as an icon the caller owns, with whether it carries alpha; null
    // without an image.
    HICON GetIcon(BOOL* alpha) const;
    CUIImageEditorModel& GetModel() { return m_model; }

    // The colour the tools draw with: the selected picker's.
    COLORREF GetCurrentColor() const;
    // The pick tool took a colour: the free-colour picker holds and selects it.
    void OnColorPicked(COLORREF color);
    CUIImageEditorPicker* GetSelectedPicker() const { return m_selected; }
    CUIImageEditorPicture& GetPicture() { return m_picture; }
    CUIImageEditorToolBar& GetToolsBar() { return m_tools; }

    BOOL OnInitDialog() override;

protected:
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    LRESULT OnKickIdle(WPARAM, LPARAM);
    void OnTool(UINT id);
    void OnUpdateTool(CCmdUI* cmdUI);
    void OnUndo() { m_model.Undo(); }
    void OnRedo() { m_model.Redo(); }
    void OnUpdateUndo(CCmdUI* cmdUI);
    void OnUpdateRedo(CCmdUI* cmdUI);
    void OnClear() { m_model.Clear(); }
    void OnMove(UINT id);
    void OnCopy();
    void OnPaste();
    void OnLoad();

    DECLARE_MESSAGE_MAP()

private:
    void CreateToolBars();
    void CreatePalette();
    void SelectPicker(CUIImageEditorPicker* picker);
    BOOL OnPickerClick(UINT id);
    BOOL OnToolTipText(NMHDR* notify);
    CRect PlaceholderRect(UINT id) const;

    CUIImageEditorModel m_model;
    CUIImageEditorToolBar m_tools;
    CUIImageEditorToolBar m_moves;
    HIMAGELIST m_toolImages = nullptr;
    HIMAGELIST m_moveImages = nullptr;
    std::array<CUIImageEditorPicker, PaletteColumns * PaletteRows> m_palette;
    CUIImageEditorPicker m_transparent;
    CUIImageEditorPicker m_free;
    CUIImageEditorPicker* m_selected = nullptr;
    CUIImageEditorPicture m_picture;
    CUIImageEditorPreview m_preview;
};
