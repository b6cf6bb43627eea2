// The house layout of an IL line and the switch of operands between global names and
// direct addresses. Program files hold addresses and "SBR%02d"/"INT%02d" references;
// the editor shows subroutine names and, with the switch on, global names.
#include "editors/ILEditEngine.h"
#include "editors/ILModel.h"
#include "editors/POUEditorDoc.h"
#include "language/DelimiterTable.h"
#include "language/DirectAddress.h"
#include "project/CPlcWorkspace.h"
#include "project/CQLXSymbol.h"

namespace {
const int kOperandColumn = 8;
const int kCodeWidth = 20;
const char kCommentGap[] = "    ";

BOOL IsWordChar(char ch) {
    char text[2] = {ch, '\0'};
    return !IsDelimiter(text);
}

BOOL ShowNames() { return theWorkspace && theWorkspace->showGlobalNames; }

BOOL IsAddress(const CString& word) {
    OperandDescriptor descriptor = 0;
    return ParseDirectAddress(word, descriptor);
}

CString PadTo(const CString& text, int width) {
    CString padded = text;
    while (padded.GetLength() < width) padded += ' ';
    return padded;
}

// Splits at runs of blanks and tabs.
void SplitAtBlanks(const CString& text, CStringArray& words) {
    int start = -1;
    for (int i = 0; i <= text.GetLength(); ++i) {
        bool blank = i == text.GetLength() || text[i] == ' ' || text[i] == '\t';
        if (blank && start >= 0) {
            words.Add(text.Mid(start, i - start));
            start = -1;
        } else if (!blank && start < 0) {
            start = i;
        }
    }
}

// Upper-cases a reserved word standing after a "." inside a word ("T37.q").
CString UpperAfterDot(const CString& word) {
    int dot = word.ReverseFind('.');
    if (dot < 0) return word;
    CString tail = word.Mid(dot + 1);
    if (!IsReservedWord(tail)) return word;
    tail.MakeUpper();
    return word.Left(dot + 1) + tail;
}
}  // namespace

template <typename Rewrite>
CString CILEditEngine::RewriteWords(const CString& text, Rewrite rewrite) const {
    CString result;
    int i = 0;
    while (i < text.GetLength()) {
        if (text.Mid(i, 2) == "(*") {
            int close = text.Find("*)", i + 2);
            int end = close < 0 ? text.GetLength() : close + 2;
            result += text.Mid(i, end - i);
            i = end;
        } else if (IsWordChar(text[i])) {
            int end = i;
            while (end < text.GetLength() && IsWordChar(text[end]) && text.Mid(end, 2) != "(*") ++end;
            result += rewrite(text.Mid(i, end - i));
            i = end;
        } else {
            result += text[i++];
        }
    }
    return result;
}

CString CILEditEngine::NameToAddress(const CString& word) const {
    OperandDescriptor descriptor = 0;
    if ((m_pDocument && m_pDocument->LookupLocalVar(word, descriptor)) || IsAddress(word)) return word;
    CQLXSymbol* symbol = nullptr;
    if (!theWorkspace || !theWorkspace->FindGlobalSymbol(word, symbol) || !symbol) return word;
    CString address = symbol->address;
    if (address.Left(1) != "%") address = "%" + address;
    return address;
}

CString CILEditEngine::AddressToName(const CString& word) const {
    CString address = word;
    address.MakeUpper();
    if (address.Left(1) == "%") address = address.Mid(1);
    CQLXSymbol* symbol = nullptr;
    if (!IsAddress(address) || !theWorkspace || !theWorkspace->FindGlobalSymbol(address, symbol) || !symbol)
        return word;
    return symbol->name;
}

CString CILEditEngine::FormatText(const CString& source) const {
    CString text = source;
    text.Trim();
    if (text.IsEmpty()) return text;
    CString label;
    int labelLine = ParseLabelLine(text, label);
    if (labelLine != -1) return labelLine == 1 && text.Find("(*") < 0 ? label + ":" : text;
    if (text[text.GetLength() - 1] == ',') text.SetAt(text.GetLength() - 1, ' ');
    BOOL showNames = ShowNames();
    text = RewriteWords(text, [&](const CString& original) {
        CString word = UpperAfterDot(original);
        CString upper = word;
        upper.MakeUpper();
        if (IsReservedWord(word)) return upper;
        if (IsAddress(word)) {
            bool bare = upper.Left(1) != "%" && upper.Left(1) != "T" && upper.Left(1) != "C" &&
                        upper.Left(2) != "RS" && upper.Left(2) != "SR";
            CString address = bare ? "%" + upper : upper;
            return showNames ? AddressToName(address) : address;
        }
        return showNames ? word : NameToAddress(word);
    });
    return LayoutText(text);
}

void CILEditEngine::FormatLine(int line, BOOL caretStays) {
    CStringArray& lines = m_pModel->GetLines();
    if (line < 0 || line >= lines.GetSize()) return;
    lines.SetAt(line, FormatText(lines[line]));
    if (!caretStays && line == m_nCaretLine) m_nCaretColumn = ClampColumn(line, m_nCaretColumn);
}

CString CILEditEngine::LayoutText(const CString& source) const {
    CString text = source;
    text.Trim();
    if (text.IsEmpty()) return text;
    CString comment, code = text;
    int open = text.Find("(*");
    if (open >= 0) {
        int close = -1;
        for (int at = text.Find("*)", open + 2); at >= 0; at = text.Find("*)", at + 1)) close = at;
        if (close < 0 || close + 2 != text.GetLength() || open == 0) return text;
        comment = kCommentGap + text.Mid(open);
        code = text.Left(open);
    }
    code.Replace(',', ' ');
    code.Trim();
    CStringArray words;
    SplitAtBlanks(code, words);
    if (words.GetSize() <= 1) return (comment.IsEmpty() ? code : PadTo(code, kCodeWidth)) + comment;
    CString result = words[0];
    result = result.GetLength() >= kOperandColumn ? result + " " : PadTo(result, kOperandColumn);
    for (int i = 1; i < words.GetSize(); ++i) {
        const CString& operand = words[i];
        result += operand;
        if (i + 1 == words.GetSize()) break;
        bool keyword = IsReservedWord(operand) && operand.CompareNoCase("TRUE") != 0 && operand.CompareNoCase("FALSE") != 0;
        bool subroutine = theWorkspace && theWorkspace->project.IsSubroutineName(operand);
        result += keyword || subroutine ? " " : ", ";
    }
    if (!comment.IsEmpty()) result = PadTo(result, kCodeWidth);
    return result + comment;
}

void CILEditEngine::LayoutLine(int line, BOOL caretStays) {
    if (IsOnline()) return;
    CStringArray& lines = m_pModel->GetLines();
    if (line < 0 || line >= lines.GetSize()) return;
    lines.SetAt(line, LayoutText(lines[line]));
    if (!caretStays && line == m_nCaretLine) m_nCaretColumn = ClampColumn(line, m_nCaretColumn);
}

void CILEditEngine::ConvertLineNames(int line, BOOL toAddresses, int subroutineMode) {
    CStringArray& lines = m_pModel->GetLines();
    if (line < 0 || line >= lines.GetSize()) return;
    CString text = lines[line];
    text.Trim();
    if (!text.IsEmpty() && text[text.GetLength() - 1] == ',') text.SetAt(text.GetLength() - 1, ' ');
    const CQLXProject* project = theWorkspace ? &theWorkspace->project : nullptr;
    text = RewriteWords(text, [&](const CString& word) {
        if (IsReservedWord(word)) return word;
        if (subroutineMode != 0 && project) {
            CString converted;
            BOOL toNumber = subroutineMode == 1;
            if ((project->TranslateSubroutineName(word, converted, toNumber) ||
                 project->TranslateInterruptName(word, converted, toNumber)) &&
                converted != word)
                return converted;
        }
        if (toAddresses) return IsAddress(word) ? word : NameToAddress(word);
        return IsAddress(word) ? AddressToName(word) : word;
    });
    lines.SetAt(line, text);
}

void CILEditEngine::ReformatAll(BOOL showNames, int subroutineMode) {
    m_bSelection = FALSE;
    CStringArray& lines = m_pModel->GetLines();
    for (int line = 0; line < lines.GetSize(); ++line) {
        if (!lines[line].IsEmpty()) ConvertLineNames(line, !showNames, subroutineMode);
    }
    m_nCaretColumn = ClampColumn(m_nCaretLine, m_nCaretColumn);
    Redraw();
}
