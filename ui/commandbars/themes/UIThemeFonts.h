#pragma once

#include "platform/CGdiObject.h"
#include "platform/CString.h"

// The fonts all paint managers share, rebuilt together from the system's menu,
// status, small-caption and icon-title fonts, and the popup entry height measured
// with the regular one.
struct CUIThemeFonts {
    CFont regular;
    CFont bold;
    CFont status;
    CFont smallCaption;
    CFont vertical;
    CFont verticalBold;
    CFont iconTitle;
    CFont symbol;
    int popupEntryHeight = 0;
    // Set once the system menu font has been seen to be Tahoma; never cleared.
    BOOL tahomaMenu = FALSE;

    static CUIThemeFonts& Get();
    void Rebuild();

    // Text is never smaller than 11 pixels: small negative heights become -11.
    static LONG FontHeight(LONG menuHeight);
    // The face of the horizontal fonts for the menu font.
    static CString HorizontalFace(const LOGFONT& menu, BOOL tahomaFlag, BOOL tahomaInstalled);
    // The face of the vertical fonts.
    static CString VerticalFace(const LOGFONT& menu, BOOL tahomaFlag, BOOL tahomaInstalled);
};

// TRUE when a font family of the face is installed (the default character set).
BOOL IsFontInstalled(LPCSTR face);
// Rebuilds the shared fonts (the status bar's constructor calls it too).
void RefreshThemeFonts();
