#include "shell/compile/CompileFileOrder.h"

#include <vector>

namespace {

struct FileName {
    CString fileName;   // after the last backslash or colon, upper case
    CString extension;  // upper case, without the "."
};

FileName SplitName(const CString& path) {
    CString upper = path;
    upper.MakeUpper();
    const int slash = upper.ReverseFind('\\');
    const int colon = upper.ReverseFind(':');
    const CString fileName = upper.Mid((slash > colon ? slash : colon) + 1);
    const int dot = upper.ReverseFind('.');
    FileName result;
    result.extension = dot < 0 ? CString() : upper.Mid(dot + 1);
    result.fileName = fileName;
    return result;
}

bool StartsWith(const CString& text, const CString& prefix) { return text.Left(prefix.GetLength()) == prefix; }

// Collects the ordered positions: the single places (one name each, a second sets the
// duplicate mark) and the numbered runs (every match, in list order).
class FileOrder {
public:
    explicit FileOrder(const CStringArray& names) {
        for (int i = 0; i < names.GetSize(); ++i) m_names.push_back(SplitName(names[i]));
    }

    // Places the first name of this extension whose file name starts with the prefix;
    // false when none does.
    bool PlaceSingle(const char* prefix, const char* extension) {
        bool found = false;
        for (size_t i = 0; i < m_names.size(); ++i) {
            if (!Matches(i, prefix, extension)) continue;
            if (found) {
                m_duplicate = true;
            } else {
                m_order.push_back(static_cast<int>(i));
                found = true;
            }
        }
        return found;
    }

    // Places every name of each number 00-15 after the prefix, numbers in order.
    void PlaceNumbered(const char* prefix, const char* extension) {
        for (int number = 0; number < 16; ++number) {
            CString numbered;
            numbered.Format("%s%02d_", prefix, number);
            for (size_t i = 0; i < m_names.size(); ++i)
                if (Matches(i, numbered, extension)) m_order.push_back(static_cast<int>(i));
        }
    }

    const std::vector<int>& Order() const { return m_order; }
    bool Duplicate() const { return m_duplicate; }

private:
    bool Matches(size_t i, const CString& prefix, const char* extension) const {
        return m_names[i].extension == extension && StartsWith(m_names[i].fileName, prefix);
    }

    std::vector<FileName> m_names;
    std::vector<int> m_order;
    bool m_duplicate = false;
};

}  // namespace

BOOL OrderCompileFiles(const CStringArray& names, CStringArray& ordered) {
    FileOrder order(names);
    order.PlaceSingle("", "QPR");
    order.PlaceSingle("", "QGV");
    const bool mainVariables = order.PlaceSingle("MAIN_", "ILV");
    const bool mainProgram = order.PlaceSingle("MAIN_", "ILP");
    order.PlaceNumbered("SBR", "ILV");
    order.PlaceNumbered("INT", "ILV");
    order.PlaceNumbered("SBR", "ILP");
    order.PlaceNumbered("INT", "ILP");

    ordered.RemoveAll();
    ordered.SetSize(names.GetSize());
    const std::vector<int>& positions = order.Order();
    for (size_t i = 0; i < positions.size() && i < static_cast<size_t>(names.GetSize()); ++i)
        ordered[static_cast<int>(i)] = names[positions[i]];
    const bool allPlaced = positions.size() >= static_cast<size_t>(names.GetSize());
    return !order.Duplicate() && allPlaced && mainVariables && mainProgram;
}
