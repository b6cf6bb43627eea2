#include "ui/commandbars/UIImageEditorDlg.h"

#include "ui/commandbars/UIImageEditorIcon.h"

#include "res/resource.h"

CUIImageEditorDlg::CUIImageEditorDlg(CWnd* parent) : CDialog(IDD_IMAGE_EDITOR, parent) {}

void CUIImageEditorDlg::SetIcon(HICON icon, BOOL alpha) {
    if (auto image = EditorImageFromIcon(icon, alpha))
        m_model.SetImage(std::move(image));
}

void CUIImageEditorDlg::SetIconSize(CSize size) { m_model.SetImageSize(size); }

HICON CUIImageEditorDlg::GetIcon(BOOL* alpha) const { return EditorImageToIcon(m_model.GetImage(), alpha); }
