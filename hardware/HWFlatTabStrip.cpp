#include "hardware/HWFlatTabStrip.h"

BOOL CHWFlatTabStrip::Create(CWnd* pane) {
    CRect client;
    pane->GetClientRect(&client);
    if (!m_strip.Create(WS_CHILD | WS_VISIBLE | FlatTabBottom | FlatTabArrows, client, pane, StripId))
        return FALSE;
    m_strip.ModifyStyleEx(0, WS_EX_STATICEDGE, SWP_FRAMECHANGED);
    return TRUE;
}
