#pragma once
#include <map>
#include <memory>
#include <utility>

#include "platform/CDC.h"
#include "platform/CString.h"

const COLORREF LADDER_RED = RGB(255, 0, 0);
const COLORREF LADDER_BLUE = RGB(0, 0, 255);
const COLORREF LADDER_WHITE = RGB(255, 255, 255);
const COLORREF LADDER_BLACK = RGB(0, 0, 0);
// Lines and texts of the selected (inverse) look, drawn on black.
const COLORREF LADDER_INVERSE_LINE = RGB(250, 250, 250);

enum LabelAlign {
    LABEL_CENTRE = 0,
    LABEL_LEFT = 1,   // left edge 5 pixels right of the point
    LABEL_RIGHT = 2,  // right edge 3 pixels left of the point
};

// A length of the cell grid scaled by a fraction, truncated toward zero as every
// position on the grid is.
inline int Scaled(int length, double fraction) { return static_cast<int>(fraction * length); }

// The device context of one ladder drawing with the look asked for: the fonts of the
// ladder texts and comments (the workspace's editor fonts), the selected (inverse)
// look and printing. Pens are made once per drawing; everything a call selects into
// the context is put back before it returns. Texts are drawn transparent unless a call
// asks for an opaque background.
class CLadderCanvas {
public:
    CLadderCanvas(CDC* dc, BOOL inverse);
    ~CLadderCanvas();
    CLadderCanvas(const CLadderCanvas&) = delete;
    CLadderCanvas& operator=(const CLadderCanvas&) = delete;

    CDC* DC() const { return m_pDC; }
    BOOL IsInverse() const { return m_bInverse; }
    BOOL IsPrinting() const { return m_pDC->IsPrinting(); }
    // The colour lines are drawn in: the element's own, or the light grey of the inverse
    // look.
    COLORREF LineColour(COLORREF colour) const {
        return m_bInverse ? LADDER_INVERSE_LINE : colour;
    }

    void Line(int x1, int y1, int x2, int y2, int width, COLORREF colour);
    // The part of the ellipse in the box from start to end, counter-clockwise.
    void Arc(const RECT& box, POINT start, POINT end, int width, COLORREF colour);
    // A rectangle outlined with a 1-pixel pen and filled.
    void Frame(const RECT& rect, COLORREF line, COLORREF fill);
    void Fill(const RECT& rect, COLORREF colour) { m_pDC->FillSolidRect(&rect, colour); }

    // A text in the ladder text font placed by its alignment (LabelAlign; centred
    // texts on (x, y - 1), the others centred vertically on y), in the colour given or
    // the context's text colour (CLR_INVALID), on the context's background colour when
    // opaque. The inverse look writes light grey on black, printing black.
    void Label(const CString& text, int x, int y, int align, COLORREF colour = CLR_INVALID,
               BOOL opaque = FALSE);
    CSize LabelExtent(const CString& text);
    // The font of network comments: the comment font on screen, the print font when
    // printing.
    CFont* CommentFont() { return &m_commentFont; }

private:
    CPen* PenOf(int width, COLORREF colour);

    CDC* m_pDC;
    BOOL m_bInverse;
    int m_nOldBkMode;
    CFont m_textFont;
    CFont m_commentFont;
    std::map<std::pair<int, COLORREF>, std::unique_ptr<CPen>> m_pens;
};
