#pragma once

#include "platform/CCmdUI.h"
#include "platform/CPropertySheet.h"

class CImageList;
class CUICommandBars;
class CUICommandBar;
class CUIControl;
class CUIPopupBar;

// The window open while the user customizes the command bars: while it exists the bars
// are in customize mode, it holds the mouse capture of control drags, and it offers the
// context menu of the selected control (reset, delete, name, button image and its
// editor, display style, group mark) with that menu's commands.
class CUICustomizeSheet : public CPropertySheet {
public:
    CUICustomizeSheet(CUICommandBars* commandBars, LPCSTR caption, CWnd* parent = nullptr);

    CUICommandBars* GetCommandBars() const { return m_commandBars; }
    // The images offered by "Change Button Image" (not owned; none by default).
    void SetButtonImages(CImageList* images) { m_buttonImages = images; }
    // The selected control's context menu at a screen point; returns when it closes.
    void ContextMenu(CPoint point);
    // That menu as a popup bar (one reference for the caller); null when it cannot be made.
    CUIPopupBar* CreateContextMenu();

    BOOL OnInitDialog() override;

protected:
    void OnDestroy();
    LRESULT OnExecuteNotify(WPARAM, LPARAM lParam);
    void OnReset();
    void OnDelete();
    void OnCopyImage();
    void OnPasteImage();
    void OnResetImage();
    void OnEditImage();
    void OnStyle(UINT id);
    void OnBeginGroup();
    void OnUpdateReset(CCmdUI* cmdUI);
    void OnUpdateName(CCmdUI* cmdUI) { cmdUI->Enable(TRUE); }
    void OnUpdateImageCommand(CCmdUI* cmdUI);
    void OnUpdatePasteImage(CCmdUI* cmdUI);
    void OnUpdateResetImage(CCmdUI* cmdUI);
    void OnUpdateStyle(CCmdUI* cmdUI);
    void OnUpdateBeginGroup(CCmdUI* cmdUI);

    DECLARE_MESSAGE_MAP()

private:
    CUIControl* Selected() const;
    // The menu's entry of the id becomes the control (which the menu then owns).
    static void ReplaceEntry(CUICommandBar* popup, UINT id, CUIControl* control);
    CUIControl* CreateImagePalette();
    void ChangeImage(UINT imageId);
    static void Relayout(CUIControl* control);

    CUICommandBars* m_commandBars;
    CImageList* m_buttonImages = nullptr;
};
