// The controls archive: how bars and their controls are written to and read from the
// framework's object archive. Later schemas only add fields at the end of a class's
// part; each is read only when the stored schema has it.
#include "ui/commandbars/UICommandBar.h"
#include "ui/commandbars/UICommandBars.h"
#include "ui/commandbars/UIControlPopup.h"
#include "ui/commandbars/UIControls.h"
#include "ui/commandbars/UIImageStore.h"
#include "ui/commandbars/UIMenuBar.h"
#include "ui/commandbars/UIPopupBar.h"
#include "ui/commandbars/UIToolBar.h"

#include "platform/CArchive.h"

namespace {

const UINT kSchema = uiArchiveSchema & ~VERSIONABLE_SCHEMA;

UINT SchemaOf(CArchive& ar) { return ar.IsStoring() ? kSchema : ar.GetObjectSchema(); }

void SerializeSet(CArchive& ar, CUICommandSet& set) {
    if (ar.IsStoring()) {
        ar.WriteCount(static_cast<DWORD>(set.GetCount()));
        POSITION position = set.GetStartPosition();
        while (position) {
            UINT id = 0;
            int value = 0;
            set.GetNextAssoc(position, id, value);
            ar << id << value;
        }
        return;
    }
    set.RemoveAll();
    const DWORD count = ar.ReadCount();
    for (DWORD i = 0; i < count; ++i) {
        UINT id = 0;
        int value = 0;
        ar >> id >> value;
        set.SetAt(id, value);
    }
}

// A collection read only to be passed over.
void SkipControls(CArchive& ar, UINT barSchema) {
    CUIControls* skipped = new CUIControls;
    try {
        skipped->Serialize(ar, barSchema);
    } catch (...) {
        skipped->InternalRelease();
        throw;
    }
    skipped->InternalRelease();
}

}  // namespace

void CUICommandBar::Serialize(CArchive& ar) {
    const UINT schema = SchemaOf(ar);
    if (ar.IsStoring()) {
        ar << m_barType << m_position << m_barId << m_dockingFlags << m_barStyle << m_title << m_customizable
           << m_widthLimit << static_cast<int>(m_buttonSize.cx) << static_cast<int>(m_buttonSize.cy);
    } else {
        // The archive carries the collection the loaded bars belong to.
        m_commandBars = reinterpret_cast<CUICommandBars*>(ar.m_pDocument);
        ar >> m_barType >> m_position >> m_barId >> m_dockingFlags >> m_barStyle >> m_title >> m_customizable >>
            m_widthLimit;
        if (schema > 2) {
            int cx = 0;
            int cy = 0;
            ar >> cx >> cy;
            m_buttonSize = CSize(cx, cy);
        }
    }
    m_controls->Serialize(ar, schema);
}

void CUIToolBar::Serialize(CArchive& ar) {
    CUICommandBar::Serialize(ar);
    if (ar.IsStoring())
        ar << m_resettable << m_temporary;
    else
        ar >> m_resettable >> m_temporary;
}

void CUIMenuBar::Serialize(CArchive& ar) {
    const UINT schema = SchemaOf(ar);
    CUIToolBar::Serialize(ar);
    if (ar.IsStoring()) {
        // The menu bar keeps no control sets of its own per menu.
        ar << m_currentMenuId;
        ar.WriteCount(0);
        return;
    }
    ar >> m_currentMenuId;
    if (schema <= 4)
        return;
    const DWORD sets = ar.ReadCount();
    for (DWORD i = 0; i < sets; ++i) {
        UINT menuId = 0;
        ar >> menuId;
        SkipControls(ar, schema);
    }
}

void CUIPopupBar::Serialize(CArchive& ar) {
    const UINT schema = SchemaOf(ar);
    CUICommandBar::Serialize(ar);
    // Tear-off: enabled, caption, bar id, width. Popup bars here are never torn off
    // into a bar of their own, so the fields are written empty and passed over.
    BOOL tearOff = FALSE;
    CString tearOffCaption;
    UINT tearOffId = 0;
    int tearOffWidth = 0;
    if (ar.IsStoring()) {
        ar << tearOff << tearOffCaption << tearOffId << tearOffWidth;
        ar << static_cast<int>(m_toolBarBorders.left) << static_cast<int>(m_toolBarBorders.top)
           << static_cast<int>(m_toolBarBorders.right) << static_cast<int>(m_toolBarBorders.bottom) << m_shadow;
        return;
    }
    ar >> tearOff >> tearOffCaption >> tearOffId >> tearOffWidth;
    if (schema <= 3)
        return;
    int left = 0, top = 0, right = 0, bottom = 0;
    ar >> left >> top >> right >> bottom >> m_shadow;
    m_toolBarBorders = CRect(left, top, right, bottom);
}

void CUIControls::Serialize(CArchive& ar, UINT barSchema) {
    if (ar.IsStoring()) {
        int count = 0;
        for (CUIControl* control : m_controls)
            count += control->m_temporary ? 0 : 1;
        ar << count;
        for (CUIControl* control : m_controls) {
            if (!control->m_temporary)
                ar.WriteObject(control);
        }
        ar << static_cast<BOOL>(m_originalControls != nullptr);
        if (m_originalControls)
            m_originalControls->Serialize(ar, barSchema);
        ar << static_cast<BOOL>(FALSE);
        return;
    }
    int count = 0;
    ar >> count;
    for (int i = 0; i < count; ++i) {
        CUIControl* control = static_cast<CUIControl*>(ar.ReadObject(RUNTIME_CLASS(CUIControl)));
        // A control named twice (a damaged archive) would be owned twice.
        if (control == nullptr || control->m_controls != nullptr)
            AfxThrowArchiveException(CArchiveException::badIndex);
        control->m_controls = this;
        m_controls.push_back(control);
    }
    if (barSchema > 2) {
        BOOL hasOriginal = FALSE;
        ar >> hasOriginal;
        if (hasOriginal) {
            CUIControls* original = new CUIControls;
            original->m_commandBars = GetCommandBars();
            SetOriginalControls(original);
            original->Serialize(ar, barSchema);
        }
        BOOL reserved = FALSE;
        ar >> reserved;
        if (reserved)
            SkipControls(ar, barSchema);
    }
    RefreshIndexes();
}

CUIControls* CUIControls::DetachOriginalControls() {
    CUIControls* original = m_originalControls;
    m_originalControls = nullptr;
    return original;
}

void CUIControls::SetOriginalControls(CUIControls* original) {
    if (m_originalControls)
        m_originalControls->InternalRelease();
    m_originalControls = original;
}

void CUIControl::Serialize(CArchive& ar) {
    const UINT schema = SchemaOf(ar);
    if (ar.IsStoring()) {
        ar << m_type << m_id << m_imageId << m_beginGroup << m_tag << m_flags << m_hideFlags << m_caption
           << m_shortcutText << m_tooltip << m_description << m_parameter << m_customImageId << m_customCaption
           << m_extraText;
    } else {
        ar >> m_type >> m_id >> m_imageId >> m_beginGroup >> m_tag >> m_flags >> m_hideFlags >> m_caption >>
            m_shortcutText >> m_tooltip >> m_description >> m_parameter >> m_customImageId >> m_customCaption;
        if (schema > 1)
            ar >> m_extraText;
    }
    if (m_customImageId > 0)
        GetImageManager()->SerializeIcons(static_cast<UINT>(m_customImageId), ar);
    if (ar.IsLoading() && schema <= 3)
        return;
    SerializeSet(ar, m_hiddenFor);
    SerializeSet(ar, m_visibleFor);
    if (ar.IsStoring())
        ar << m_defaultItem;
    else
        ar >> m_defaultItem;
}

void CUIControlButton::Serialize(CArchive& ar) {
    CUIControl::Serialize(ar);
    if (ar.IsStoring())
        ar << m_buttonStyle;
    else
        ar >> m_buttonStyle;
}

void CUIControlPopup::Serialize(CArchive& ar) {
    const UINT schema = SchemaOf(ar);
    CUIControl::Serialize(ar);
    if (ar.IsStoring()) {
        ar << (m_popupBar ? m_popupBar->GetBarID() : 0u) << m_buttonStyle;
        return;
    }
    ar >> m_loadedBarId;
    if (schema > 4)
        ar >> m_buttonStyle;
}
