#pragma once
#include "shell/frames/CCommandChildFrame.h"

#include <memory>

class CUIFlatTabCtrl;

// A command frame whose client is a flat tab strip along the bottom edge, with
// scroll-arrow buttons, filling the frame; the tabs hold the frame's views.
class CTabbedChildFrame : public CCommandChildFrame {
    DECLARE_DYNAMIC(CTabbedChildFrame)

public:
    ~CTabbedChildFrame() override;
    CUIFlatTabCtrl* GetTabStrip() const { return m_tabs.get(); }

protected:
    explicit CTabbedChildFrame(ChildWindow window);

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    BOOL CreateTabStrip(UINT id);
    void DeleteTabStrip();
    void OnSize(UINT type, int cx, int cy);

    DECLARE_MESSAGE_MAP()

private:
    std::unique_ptr<CUIFlatTabCtrl> m_tabs;
};
