#pragma once
#include "ladder/LadderElement.h"

// The header of a ladder network: its number, its comment and whether the network is
// shown as ladder. Drawn as a comment block above the rung; its IL is the network's
// header lines, by which the stored IL text is split into networks again.
class CComment : public CLadderElement {
    DECLARE_SERIAL(CComment)
public:
    CComment();

    void Serialize(CArchive& ar) override;
    BYTE GetTag() const override {
        return m_bConvertible ? TAG_HEADER : TAG_HEADER | TAG_KEPT_AS_IL;
    }

    CString GetSymbol() const override { return CString(); }
    SIZE GetSize(BOOL printing) override { return SIZE{2, m_nHeight}; }
    // "(* Network n *)" and, with a comment, a second line "(*comment*)" whose line
    // breaks are written as the byte 0x01.
    CString ToIL() const override;

    int m_nNetwork = 0;
    LOGFONT m_font = {};
    CString m_strComment;
    COLORREF m_commentColour = RGB(0, 127, 0);
    int m_nNetworkRows = 0;
    BOOL m_bConvertible = TRUE;

protected:
    SIZE Place(LadderPass& pass) override;

private:
    // Paints the comment block and takes its size in cells from the text.
    void Paint(LadderPass& pass);
    // The lines drawn: the network number, then the comment or the refusal note.
    CStringArray& ShownLines(CStringArray& lines);
};
