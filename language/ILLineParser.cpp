#include "language/ILLineParser.h"

#include "platform/StringCopies.h"

CString CILLineParser::StripComments(const CString& line) const {
    CString text = line;
    for (;;) {
        const int open = text.Find("(*");
        const int close = open < 0 ? -1 : text.Find("*)", open);
        if (close < 0) break;
        text = text.Left(open) + " " + text.Mid(close + 2);
    }
    return Trimmed(text);
}

bool CILLineParser::ParseNetworkHeader(const CString& line, CString& number) const {
    if (line.GetLength() <= 11) return false;
    CString text = Trimmed(line);
    if (text.Left(2) != "(*" || text.Right(2) != "*)") return false;
    text = Trimmed(text.Mid(2, text.GetLength() - 4));
    CString keyword = text.Left(7);
    keyword.MakeUpper();
    if (keyword != "NETWORK") return false;
    text = Trimmed(text.Mid(7));
    if (!IsDigitText(text)) return false;
    number = text;
    return true;
}

bool CILLineParser::IsDigitText(const CString& text) const {
    return !text.IsEmpty() && text.SpanIncluding("0123456789").GetLength() == text.GetLength();
}

bool CILLineParser::SplitTokens(const CString& line, CStringArray& words) const {
    CString text = Trimmed(line);
    if (text.IsEmpty()) return false;
    for (int blank = text.Find(' '); blank >= 0; blank = text.Find(' ')) {
        words.Add(text.Left(blank));
        text = text.Mid(blank);
        text.TrimLeft(' ');
    }
    words.Add(text);
    return true;
}

bool CILLineParser::SplitBySeparator(const CString& text, const CString& separator,
                                     CStringArray& pieces) const {
    if (text.IsEmpty() || separator.IsEmpty()) return false;
    CString rest = text;
    for (;;) {
        rest.Trim();
        if (rest.IsEmpty() || rest == separator) break;
        const int at = rest.Find(separator);
        if (at < 0) {
            pieces.Add(rest);
            break;
        }
        // Cut through the separator's end, so that a separator that is not blank cannot
        // stop the text from getting shorter.
        const int end = at + separator.GetLength();
        pieces.Add(rest.Left(end));
        rest = rest.Mid(end);
    }
    return true;
}
