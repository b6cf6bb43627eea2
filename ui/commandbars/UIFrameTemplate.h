#pragma once

#include "ui/commandbars/UICommandBars.h"

#include "platform/CWnd.h"

// What a frame holding command bars offers to windows that follow them (the tabbed
// client takes their theme); a frame without this interface has none.
class CUICommandBarsSite {
public:
    virtual ~CUICommandBarsSite() = default;
    virtual CUICommandBars* GetCommandBars() const = 0;
};

// A frame class with command bars: the bars see the frame's key messages and window
// messages before the frame does, and the tab-group commands go first to the window
// that has taken over the MDI client (the tabbed client, which handles them there).
// Base is the framework's MDI frame class.
template <class Base>
class CUIFrameTemplate : public Base, public CUICommandBarsSite {
public:
    static constexpr UINT FirstTabGroupCommand = 9420;
    static constexpr UINT LastTabGroupCommand = 9423;

    CUICommandBars* GetCommandBars() const override { return m_pCommandBars; }

    BOOL PreTranslateMessage(MSG* msg) override {
        if (m_pCommandBars && m_pCommandBars->PreTranslateFrameMessage(msg))
            return TRUE;
        return Base::PreTranslateMessage(msg);
    }

    BOOL OnCmdMsg(UINT id, int code, void* extra, AFX_CMDHANDLERINFO* handlerInfo) override {
        if (id >= FirstTabGroupCommand && id <= LastTabGroupCommand) {
            CWnd* client = CWnd::FromHandlePermanent(this->m_hWndMDIClient);
            if (client && client->OnCmdMsg(id, code, extra, handlerInfo))
                return TRUE;
        }
        return Base::OnCmdMsg(id, code, extra, handlerInfo);
    }

    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override {
        if (m_pCommandBars && m_pCommandBars->OnFrameWndMsg(message, wParam, lParam, result))
            return TRUE;
        return Base::OnWndMsg(message, wParam, lParam, result);
    }

protected:
    CUICommandBars* m_pCommandBars = nullptr;
};
