#pragma once

#include "platform/CScrollView.h"

// A view whose window is a dialog made from a template: the template's controls are
// the form's fields, exchanged with the view's members by DoDataExchange (filled at
// the initial update). The view scrolls when its window is smaller than the
// template, and Tab and the arrow keys move between the fields as in a dialog.
class CFormView : public CScrollView {
    DECLARE_DYNAMIC(CFormView)

public:
    // The class and window names are ignored: the template gives the window.
    BOOL Create(LPCSTR className, LPCSTR windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id,
                CCreateContext* context = nullptr) override;
    void OnInitialUpdate() override;
    void OnDraw(CDC*) override {}
    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    explicit CFormView(UINT templateId) : m_lpszTemplateName(MAKEINTRESOURCEA(templateId)) {}
    explicit CFormView(LPCSTR templateName) : m_lpszTemplateName(templateName) {}

    int OnCreate(LPCREATESTRUCT cs);

    LPCSTR m_lpszTemplateName;
    CCreateContext* m_pCreateContext = nullptr;  // only while the window is made

    DECLARE_MESSAGE_MAP()
};
