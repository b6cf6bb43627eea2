#pragma once

#include "ui/commandbars/UICommandSet.h"

#include "platform/CCmdTarget.h"
#include "platform/CRect.h"
#include "platform/CString.h"

class CDC;
class CUICommandBar;
class CUICommandBars;
class CUICommandBarsTheme;
class CUIControls;
class CUIImageIconSet;
class CUIImageStore;

// The schema of archived bars and controls: stored objects of schema 6 or less load.
const UINT uiArchiveSchema = VERSIONABLE_SCHEMA | 6;

// Control types (CommandBarControlType).
enum UIControlType {
    uiControlButton = 1,
    uiControlPopup = 2,
    uiControlButtonPopup = 3,
    uiControlSplitButtonPopup = 4,
    uiControlComboBox = 5,
    uiControlEdit = 6,
    uiControlCustom = 7,
};

// Reasons a control is hidden; 0 means visible.
enum UIControlHideFlags {
    uiHideExpanded = 0x01,   // replaced by the entries it expanded into
    uiHideWrap = 0x02,       // does not fit into its bar
    uiHideVerticalDock = 0x04,  // not shown in a vertically docked bar
    uiHideScroll = 0x08,     // scrolled out of a popup
    uiHideCustomize = 0x10,  // hidden by the user
    uiHideRarelyUsed = 0x20,
    uiHideForMenu = 0x40,    // hidden for the active menu
};

// Behaviour flags of a control.
enum UIControlFlags {
    uiFlagRightAlign = 0x01,
    uiFlagSkipKeyboard = 0x02,
    uiFlagPopupLeft = 0x04,
    uiFlagNoUpdate = 0x08,
    uiFlagNoCustomize = 0x10,
};

// One entry of a command bar: its command id and texts, type, states, rectangle in
// the bar, and the flags that hide it or change how it behaves. It reacts to the
// mouse and keys through its parent bar and turns a click into a command.
class CUIControl : public CCmdTarget {
    DECLARE_SERIAL(CUIControl)

public:
    CUIControl() = default;
    ~CUIControl() override = default;

    virtual CString GetTooltip(CPoint point, CRect rect, int* hit) const { return m_tooltip; }
    virtual void SetBeginGroup(BOOL beginGroup);
    virtual void SetEnabled(BOOL enabled);
    virtual void SetRect(CRect rect) { m_rect = rect; }
    virtual BOOL IsEqual(CUIControl* other) const;
    virtual CUICommandBar* GetCommandBar() const { return nullptr; }
    virtual void SetHideFlags(DWORD flags) { m_hideFlags = flags; }
    virtual void OnExecute();
    virtual CSize GetSize(CDC* dc);
    virtual void Draw(CDC* dc);
    virtual void OnCalcDynamicSize(DWORD mode) {}
    // The image store's icons of the custom image id, else the image id, else the id;
    // null when every one of them is 0.
    virtual CUIImageIconSet* GetImage(int width);
    virtual int OnHookKeyDown(UINT key) { return 1; }
    virtual void SetParent(CUICommandBar* parent) { m_parent = parent; }
    virtual void Copy(CUIControl* source, BOOL recursive);
    virtual BOOL OnSetPopup(BOOL open) { return FALSE; }
    virtual void OnClick(BOOL keyboard = FALSE, CPoint point = CPoint(0, 0)) {}
    virtual void OnLButtonUp(CPoint point) {}
    virtual void OnRButtonUp(CPoint point) {}
    virtual BOOL OnLButtonDblClk(CPoint point);
    virtual void OnMouseMove(CPoint point) {}
    virtual void OnMouseHover();
    virtual BOOL OnSetSelected(int state);
    virtual CUIControl* Clone(BOOL recursive);
    // Customize mode: the drag of the control to another place (moved, copied with Ctrl
    // held, deleted when dropped off every bar); another control dragged over this one
    // (at a client point of its bar); whether the bar may take this control there.
    virtual void CustomizeStartDrag();
    virtual void OnCustomizeDragOver(CUIControl* dragged, CPoint point);
    virtual BOOL IsCustomizeDragOverAvail(CUICommandBar* bar, CPoint point) { return TRUE; }
    void Serialize(CArchive& ar) override;

    // Texts from the string resource of the id ("description\ntooltip"); the caption
    // becomes the tooltip. The id is kept even when no string exists.
    void SetID(UINT id);
    UINT GetID() const { return m_id; }
    // A tab splits the text: the part after it becomes the shortcut text.
    void SetCaption(LPCSTR text);
    void LoadCaption(UINT stringId);
    CString GetCaption() const { return m_caption; }
    CString GetDisplayCaption() const { return m_customCaption.IsEmpty() ? m_caption : m_customCaption; }
    CString GetDescription() const { return m_description; }
    CString GetShortcutText() const { return m_shortcutText; }
    void SetShortcutText(LPCSTR text) { m_shortcutText = text; }
    void SetFlags(DWORD flags) { m_flags = flags; }
    DWORD GetFlags() const { return m_flags; }
    DWORD GetHideFlags() const { return m_hideFlags; }
    BOOL IsVisible() const { return m_hideFlags == 0; }
    int GetType() const { return m_type; }
    int GetIndex() const { return m_index; }
    BOOL GetEnabled() const { return m_enabled; }
    BOOL GetBeginGroup() const { return m_beginGroup; }
    int GetSelected() const { return m_selected; }
    int GetPressed() const { return m_pressed; }
    int GetChecked() const { return m_checked; }
    CRect GetRect() const { return m_rect; }
    CUICommandBar* GetParent() const { return m_parent; }
    CUIControls* GetControls() const { return m_controls; }
    void SetRarelyUsed(BOOL rarely);
    BOOL GetDefaultItem() const { return m_defaultItem; }
    void SetDefaultItem(BOOL defaultItem);
    // The id whose image the control shows.
    int GetEffectiveImageId() const;

    void RedrawParent();
    void DelayLayoutParent();
    void InvalidateParent();
    BOOL IsCursorOver() const;
    BOOL IsCustomizeMode() const;
    CUICommandBarsTheme* GetPaintManager() const;
    CUIImageStore* GetImageManager() const;
    CUICommandBars* GetCommandBars() const;
    // Tracks the mouse with the button down over the control (or the rectangle):
    // executes when it is released over it. Ends without a click when the capture is
    // lost or the thread is asked to quit (the quit request stays queued).
    void PressButton(CRect rect);

    DWORD m_tag = 0;
    int m_imageId = 0;
    int m_customImageId = 0;
    BOOL m_startsRow = FALSE;
    int m_checked = 0;
    BOOL m_temporary = FALSE;
    CRect m_rowRect;
    CString m_customCaption;
    CString m_tooltip;
    CString m_description;
    CString m_parameter;
    CString m_extraText;
    BOOL m_rarelyUsed = FALSE;
    CUICommandSet m_visibleFor;
    CUICommandSet m_hiddenFor;
    int m_buttonStyle = 0;

protected:
    friend class CUIControls;
class CUIImageIconSet;
class CUIImageStore;
    friend class CUICommandBar;
    friend class CUICommandBarUpdateUI;

    // Out of its collection, the group marks kept where they were seen.
    void RemoveKeepingGroups();

    int m_index = 0;
    UINT m_id = 0;
    BOOL m_beginGroup = FALSE;
    BOOL m_enabled = TRUE;
    int m_selected = 0;
    int m_pressed = 0;
    CRect m_rect;
    DWORD m_hideFlags = 0;
    DWORD m_flags = 0;
    CString m_caption;
    CString m_shortcutText;
    CUIControls* m_controls = nullptr;
    int m_type = 0;
    CUICommandBar* m_parent = nullptr;
    BOOL m_defaultItem = FALSE;
};

// The plain command button.
class CUIControlButton : public CUIControl {
    DECLARE_SERIAL(CUIControlButton)

public:
    CUIControlButton() { m_type = uiControlButton; }
    void Copy(CUIControl* source, BOOL recursive) override;
    void OnClick(BOOL keyboard = FALSE, CPoint point = CPoint(0, 0)) override;
    void OnLButtonUp(CPoint point) override;
    CUIControl* Clone(BOOL recursive) override;
    void Serialize(CArchive& ar) override;
};
