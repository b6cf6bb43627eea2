#include "platform/CCmdTarget.h"

#include "platform/CCmdUI.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap() {
    static const AFX_MSGMAP_ENTRY noEntries[] = {{0, 0, 0, 0, nullptr, nullptr}};
    static const AFX_MSGMAP messageMap = {nullptr, &noEntries[0]};
    return &messageMap;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

const AFX_MSGMAP_ENTRY* CCmdTarget::FindMessageEntry(UINT message, UINT code, UINT id) const {
    for (const AFX_MSGMAP* map = GetMessageMap(); map; map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* entry = map->lpEntries; entry->pfn; ++entry) {
            UINT entryMessage = entry->pRegisteredMessage ? *entry->pRegisteredMessage : entry->nMessage;
            if (entryMessage == message && entry->nCode == code && entry->nID <= id && id <= entry->nLastID)
                return entry;
        }
    }
    return nullptr;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
    // The update code is -1 whole; every other code carries the message in its high
    // word (none means WM_COMMAND) and the notification code in its low word.
    UINT message = WM_COMMAND;
    UINT code = static_cast<UINT>(nCode);
    if (code != CN_UPDATE_COMMAND_UI) {
        if (HIWORD(code))
            message = HIWORD(code);
        code = LOWORD(code);
    }
    const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(message, code, nID);
    if (!entry)
        return FALSE;
    if (pHandlerInfo) {
        pHandlerInfo->pTarget = this;
        pHandlerInfo->pEntry = entry;
        return TRUE;
    }
    AFX_MSGCALL call = {message, 0, 0, nID, pExtra};
    return entry->pfn(this, call) != 0;
}

DWORD CCmdTarget::InternalRelease() {
    long count = --m_dwRef;
    if (count == 0)
        OnFinalRelease();
    return static_cast<DWORD>(count);
}

namespace {

// +1 shows the wait cursor (nesting), -1 ends one showing, 0 shows it again after
// something else changed the cursor.
void DoWaitCursor(int change) {
    static thread_local int count = 0;
    count += change;
    if (count < 0)
        count = 0;
    ::SetCursor(::LoadCursorA(nullptr, count > 0 ? IDC_WAIT : IDC_ARROW));
}

}  // namespace

void CCmdTarget::BeginWaitCursor() { DoWaitCursor(1); }

void CCmdTarget::EndWaitCursor() { DoWaitCursor(-1); }

void CCmdTarget::RestoreWaitCursor() { DoWaitCursor(0); }

CWaitCursor::CWaitCursor() { DoWaitCursor(1); }

CWaitCursor::~CWaitCursor() { DoWaitCursor(-1); }

void CWaitCursor::Restore() { DoWaitCursor(0); }

LRESULT AfxCall::UpdateCmdUI(CCmdUI* cmdUI, void (*call)(CCmdTarget*, CCmdUI*), CCmdTarget* target) {
    cmdUI->m_bContinueRouting = FALSE;
    call(target, cmdUI);
    BOOL handled = !cmdUI->m_bContinueRouting;
    cmdUI->m_bContinueRouting = FALSE;
    return handled;
}
