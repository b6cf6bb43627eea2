#pragma once

#include "ui/commandbars/UIImageEditorModel.h"

#include "platform/CDialog.h"

// The button image editor: a modal dialog in which the user paints a button image
// pixel by pixel. The drawing rules live in the model; the dialog shows the image,
// takes the mouse and the commands, and gives the result back as an icon.
class CUIImageEditorDlg : public CDialog {
public:
    explicit CUIImageEditorDlg(CWnd* parent = nullptr);

    // The image to edit: the icon's pixels at its own size.
    void SetIcon(HICON icon, BOOL alpha);
    // An empty image of that size.
    void SetIconSize(CSize size);
    // The edited image as an icon the caller owns, with whether it carries alpha; null
    // without an image.
    HICON GetIcon(BOOL* alpha) const;
    CUIImageEditorModel& GetModel() { return m_model; }

private:
    CUIImageEditorModel m_model;
};
