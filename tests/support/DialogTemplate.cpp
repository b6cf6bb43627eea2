#include "tests/support/DialogTemplate.h"

namespace {

void AppendText(std::vector<WORD>& words, LPCSTR text) {
    int length = ::MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    std::vector<WCHAR> wide(static_cast<size_t>(length));
    ::MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), length);
    words.insert(words.end(), wide.begin(), wide.end());
}

void AppendDword(std::vector<WORD>& words, DWORD value) {
    words.push_back(LOWORD(value));
    words.push_back(HIWORD(value));
}

}  // namespace

DialogTemplate::DialogTemplate(LPCSTR caption, int width, int height, DWORD style)
    : m_style(style | DS_SETFONT), m_caption(caption), m_width(width), m_height(height) {}

DialogTemplate& DialogTemplate::Add(WORD classAtom, int id, LPCSTR text, int x, int y, int width, int height,
                                    DWORD style) {
    std::vector<WORD> item = ItemHeader(id, x, y, width, height, style);
    item.push_back(0xFFFF);
    item.push_back(classAtom);
    return AddItem(item, text);
}

DialogTemplate& DialogTemplate::Add(LPCSTR className, int id, LPCSTR text, int x, int y, int width, int height,
                                    DWORD style) {
    std::vector<WORD> item = ItemHeader(id, x, y, width, height, style);
    AppendText(item, className);
    return AddItem(item, text);
}

// An item's style, extended style, place, size and id; its class follows.
std::vector<WORD> DialogTemplate::ItemHeader(int id, int x, int y, int width, int height, DWORD style) {
    std::vector<WORD> item;
    AppendDword(item, style | WS_CHILD | WS_VISIBLE);
    AppendDword(item, 0);
    for (int value : {x, y, width, height, id})
        item.push_back(static_cast<WORD>(value));
    return item;
}

// Ends an item with its text and no creation data.
DialogTemplate& DialogTemplate::AddItem(std::vector<WORD>& item, LPCSTR text) {
    AppendText(item, text);
    item.push_back(0);
    m_items.push_back(item);
    return *this;
}

DialogTemplate& DialogTemplate::Button(int id, LPCSTR text, int x, int y, DWORD style) {
    return Add(0x80, id, text, x, y, 50, 14, style);
}

DialogTemplate& DialogTemplate::Edit(int id, int x, int y, int width, DWORD style) {
    return Add(0x81, id, "", x, y, width, 12, style);
}

// Items start on DWORD boundaries (in WORDs: even counts).
LPCDLGTEMPLATEA DialogTemplate::Get() {
    m_built.clear();
    AppendDword(m_built, m_style);
    AppendDword(m_built, 0);
    m_built.push_back(static_cast<WORD>(m_items.size()));
    for (int value : {m_x, m_y, m_width, m_height})
        m_built.push_back(static_cast<WORD>(value));
    m_built.push_back(0);  // no menu
    m_built.push_back(0);  // the dialog class
    AppendText(m_built, m_caption.c_str());
    m_built.push_back(9);  // point size
    AppendText(m_built, "宋体");
    for (const std::vector<WORD>& item : m_items) {
        if (m_built.size() % 2)
            m_built.push_back(0);
        m_built.insert(m_built.end(), item.begin(), item.end());
    }
    return reinterpret_cast<LPCDLGTEMPLATEA>(m_built.data());
}
