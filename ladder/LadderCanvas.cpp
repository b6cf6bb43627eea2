#include "ladder/LadderCanvas.h"

#include "project/CPlcWorkspace.h"

namespace {
enum EditorFont { LD_TEXT_FONT = 1, LD_COMMENT_FONT = 2, PRINT_FONT = 3 };

// The workspace's description of an editor font; the stock GUI font while there is no
// workspace or the font was never set.
LOGFONT EditorFontOf(int index) {
    LOGFONT font = {};
    if (theWorkspace) font = theWorkspace->editorFonts[index];
    if (font.lfFaceName[0] == '\0')
        ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof(font), &font);
    return font;
}

// Restores the text and background colours of a context when it goes.
class SavedTextColours {
public:
    explicit SavedTextColours(CDC* dc)
        : m_pDC(dc), m_text(dc->GetTextColor()), m_background(dc->GetBkColor()) {}
    ~SavedTextColours() {
        m_pDC->SetTextColor(m_text);
        m_pDC->SetBkColor(m_background);
    }

private:
    CDC* m_pDC;
    COLORREF m_text;
    COLORREF m_background;
};
}  // namespace

CLadderCanvas::CLadderCanvas(CDC* dc, BOOL inverse)
    : m_pDC(dc), m_bInverse(inverse), m_nOldBkMode(dc->SetBkMode(TRANSPARENT)) {
    LOGFONT text = EditorFontOf(LD_TEXT_FONT);
    LOGFONT comment = EditorFontOf(dc->IsPrinting() ? PRINT_FONT : LD_COMMENT_FONT);
    m_textFont.CreateFontIndirect(&text);
    m_commentFont.CreateFontIndirect(&comment);
}

CLadderCanvas::~CLadderCanvas() { m_pDC->SetBkMode(m_nOldBkMode); }

CPen* CLadderCanvas::PenOf(int width, COLORREF colour) {
    std::unique_ptr<CPen>& pen = m_pens[{width, colour}];
    if (!pen) pen = std::make_unique<CPen>(PS_SOLID, width, colour);
    return pen.get();
}

void CLadderCanvas::Line(int x1, int y1, int x2, int y2, int width, COLORREF colour) {
    CPen* old = m_pDC->SelectObject(PenOf(width, colour));
    m_pDC->MoveTo(x1, y1);
    m_pDC->LineTo(x2, y2);
    m_pDC->SelectObject(old);
}

void CLadderCanvas::Arc(const RECT& box, POINT start, POINT end, int width, COLORREF colour) {
    CPen* old = m_pDC->SelectObject(PenOf(width, colour));
    m_pDC->Arc(&box, start, end);
    m_pDC->SelectObject(old);
}

void CLadderCanvas::Frame(const RECT& rect, COLORREF line, COLORREF fill) {
    CBrush brush(fill);
    CPen* oldPen = m_pDC->SelectObject(PenOf(1, line));
    CBrush* oldBrush = m_pDC->SelectObject(&brush);
    m_pDC->Rectangle(&rect);
    m_pDC->SelectObject(oldBrush);
    m_pDC->SelectObject(oldPen);
}

CSize CLadderCanvas::LabelExtent(const CString& text) {
    CFont* old = m_pDC->SelectObject(&m_textFont);
    CSize extent = m_pDC->GetTextExtent(text);
    m_pDC->SelectObject(old);
    return extent;
}

void CLadderCanvas::Label(const CString& text, int x, int y, int align, COLORREF colour,
                          BOOL opaque) {
    SavedTextColours saved(m_pDC);
    if (colour != CLR_INVALID) m_pDC->SetTextColor(colour);
    if (m_bInverse) {
        m_pDC->SetBkColor(LADDER_BLACK);
        m_pDC->SetTextColor(LADDER_INVERSE_LINE);
    }
    if (IsPrinting()) m_pDC->SetTextColor(LADDER_BLACK);
    CFont* old = m_pDC->SelectObject(&m_textFont);
    CSize extent = m_pDC->GetTextExtent(text);
    int left = align == LABEL_LEFT    ? x + 5
               : align == LABEL_RIGHT ? x - 3 - extent.cx
                                      : x - extent.cx / 2;
    int top = align == LABEL_LEFT || align == LABEL_RIGHT ? y - extent.cy / 2
                                                          : y - 1 - extent.cy / 2;
    if (opaque) m_pDC->SetBkMode(OPAQUE);
    m_pDC->TextOut(left, top, text);
    if (opaque) m_pDC->SetBkMode(TRANSPARENT);
    m_pDC->SelectObject(old);
}
