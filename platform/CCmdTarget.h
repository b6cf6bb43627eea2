#pragma once

#include "platform/CCmdUI.h"
#include "platform/CObject.h"
#include "platform/MessageMap.h"

// The base of every object that receives commands: windows, documents, document
// templates, the application, and the UI toolkit's bars and controls. It looks up
// commands in its class's message map (OnCmdMsg; derived classes extend the route)
// and carries a reference count for objects shared between owners.
class CCmdTarget : public CObject {
    DECLARE_DYNAMIC(CCmdTarget)

public:
    CCmdTarget() = default;
    ~CCmdTarget() override = default;

    // Routes a command (nCode CN_COMMAND or a control notification), its update
    // (CN_UPDATE_COMMAND_UI with the CCmdUI in pExtra) or a notification (nCode
    // MAKELONG(code, WM_NOTIFY) with an AFX_NOTIFY in pExtra). With pHandlerInfo the
    // handler is only looked for, not called. TRUE when a handler took it.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

    // Reference counting: an object starts with one reference; the release of the
    // last one calls OnFinalRelease, which deletes the object unless overridden.
    DWORD InternalAddRef() { return static_cast<DWORD>(++m_dwRef); }
    DWORD InternalRelease();
    DWORD ExternalAddRef() { return InternalAddRef(); }
    DWORD ExternalRelease() { return InternalRelease(); }
    virtual void OnFinalRelease() { delete this; }
    // Nothing to switch on: no automation clients exist for this program's objects.
    void EnableAutomation() {}

    void BeginWaitCursor();
    void EndWaitCursor();
    void RestoreWaitCursor();

    long m_dwRef = 1;

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;

    // The entry of this object's map chain for the message, code and id.
    const AFX_MSGMAP_ENTRY* FindMessageEntry(UINT message, UINT code, UINT id) const;
};

// Shows the wait cursor for the lifetime of the object.
class CWaitCursor {
public:
    CWaitCursor();
    ~CWaitCursor();
    void Restore();
};
