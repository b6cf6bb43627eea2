// Usage: wintext [-d DESKTOP] [TITLE]
// Prints every visible top-level window of the desktop (the Wine desktop window the
// program runs in, by its name; the default desktop without -d) whose title contains
// TITLE (all of them without one) and, indented below it, its visible child windows: class, control id, text and
// screen rectangle, then the entries of list boxes, combo boxes, list views, tree views
// and tab controls. Texts are printed as UTF-8, one window or entry per line:
//   window <class> id=<id> "<text>" [left,top,right,bottom]
//     item "<text>"            (list box, combo box, list view first column)
//     item "<text>" | "<col2>"  (list view with more columns)
//     tab "<text>" current      (tab control; the selected one is marked)
//     node "<text>" selected    (tree view, indented by depth)
// The program runs in the same Wine session as the windows it reads; entries stored as
// pointers in the other process are read through memory allocated there.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::string Utf8(const std::wstring& text) {
    if (text.empty()) return {};
    int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                   nullptr);
    std::string bytes(size, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), &bytes[0], size, nullptr, nullptr);
    return bytes;
}

std::wstring WindowText(HWND window) {
    wchar_t text[1024] = L"";
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 1000, &result);
    return text;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[256] = L"";
    GetClassNameW(window, name, 256);
    return name;
}

LRESULT Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 1000, &result)) return -1;
    return static_cast<LRESULT>(result);
}

void Line(int depth, const std::string& text) { std::printf("%*s%s\n", depth * 2, "", text.c_str()); }

std::string Quoted(const std::wstring& text) { return "\"" + Utf8(text) + "\""; }

// A block of memory in the process that owns a window, for the messages whose
// arguments point to structures there.
class RemoteBlock {
public:
    RemoteBlock(HWND window, size_t size) : m_size(size) {
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        m_process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, process);
        if (m_process) m_address = VirtualAllocEx(m_process, nullptr, size, MEM_COMMIT, PAGE_READWRITE);
    }
    ~RemoteBlock() {
        if (m_address) VirtualFreeEx(m_process, m_address, 0, MEM_RELEASE);
        if (m_process) CloseHandle(m_process);
    }
    RemoteBlock(const RemoteBlock&) = delete;
    RemoteBlock& operator=(const RemoteBlock&) = delete;

    bool IsValid() const { return m_address != nullptr; }
    char* Address() const { return static_cast<char*>(m_address); }
    bool Write(size_t offset, const void* data, size_t size) const {
        return offset + size <= m_size && WriteProcessMemory(m_process, Address() + offset, data, size, nullptr);
    }
    bool Read(size_t offset, void* data, size_t size) const {
        return offset + size <= m_size && ReadProcessMemory(m_process, Address() + offset, data, size, nullptr);
    }

private:
    size_t m_size;
    HANDLE m_process = nullptr;
    void* m_address = nullptr;
};

const size_t kTextOffset = 256;  // the structure first, its text buffer after it
const int kTextChars = 512;

std::wstring RemoteText(const RemoteBlock& block) {
    wchar_t text[kTextChars] = L"";
    block.Read(kTextOffset, text, sizeof(text) - sizeof(wchar_t));
    return text;
}

void PrintListBox(HWND window, UINT countMessage, UINT lengthMessage, UINT textMessage, int depth) {
    LRESULT count = Send(window, countMessage);
    for (LRESULT i = 0; i < count; ++i) {
        LRESULT length = Send(window, lengthMessage, i);
        if (length < 0) continue;
        std::wstring text(static_cast<size_t>(length) + 1, L'\0');
        Send(window, textMessage, i, reinterpret_cast<LPARAM>(&text[0]));
        text.resize(static_cast<size_t>(length));
        Line(depth, "item " + Quoted(text));
    }
}

std::wstring ListViewText(HWND window, const RemoteBlock& block, int item, int column) {
    LVITEMW request = {};
    request.iSubItem = column;
    request.cchTextMax = kTextChars;
    request.pszText = reinterpret_cast<LPWSTR>(block.Address() + kTextOffset);
    wchar_t empty = 0;
    block.Write(kTextOffset, &empty, sizeof(empty));
    block.Write(0, &request, sizeof(request));
    Send(window, LVM_GETITEMTEXTW, item, reinterpret_cast<LPARAM>(block.Address()));
    return RemoteText(block);
}

void PrintListView(HWND window, int depth) {
    RemoteBlock block(window, kTextOffset + kTextChars * sizeof(wchar_t));
    if (!block.IsValid()) return;
    HWND header = reinterpret_cast<HWND>(Send(window, LVM_GETHEADER));
    LRESULT columns = header ? Send(header, HDM_GETITEMCOUNT) : 1;
    if (columns < 1) columns = 1;
    LRESULT count = Send(window, LVM_GETITEMCOUNT);
    for (int item = 0; item < count; ++item) {
        std::string line = "item " + Quoted(ListViewText(window, block, item, 0));
        for (int column = 1; column < columns; ++column)
            line += " | " + Quoted(ListViewText(window, block, item, column));
        Line(depth, line);
    }
}

void PrintTreeNodes(HWND window, const RemoteBlock& block, HTREEITEM node, int depth) {
    for (; node; node = reinterpret_cast<HTREEITEM>(Send(window, TVM_GETNEXTITEM, TVGN_NEXT,
                                                         reinterpret_cast<LPARAM>(node)))) {
        TVITEMW request = {};
        request.mask = TVIF_TEXT | TVIF_STATE;
        request.hItem = node;
        request.stateMask = TVIS_SELECTED;
        request.cchTextMax = kTextChars;
        request.pszText = reinterpret_cast<LPWSTR>(block.Address() + kTextOffset);
        block.Write(0, &request, sizeof(request));
        Send(window, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(block.Address()));
        block.Read(0, &request, sizeof(request));
        Line(depth, "node " + Quoted(RemoteText(block)) + ((request.state & TVIS_SELECTED) ? " selected" : ""));
        auto child = reinterpret_cast<HTREEITEM>(Send(window, TVM_GETNEXTITEM, TVGN_CHILD,
                                                      reinterpret_cast<LPARAM>(node)));
        PrintTreeNodes(window, block, child, depth + 1);
    }
}

void PrintTreeView(HWND window, int depth) {
    RemoteBlock block(window, kTextOffset + kTextChars * sizeof(wchar_t));
    if (!block.IsValid()) return;
    PrintTreeNodes(window, block, reinterpret_cast<HTREEITEM>(Send(window, TVM_GETNEXTITEM, TVGN_ROOT)), depth);
}

void PrintTabs(HWND window, int depth) {
    RemoteBlock block(window, kTextOffset + kTextChars * sizeof(wchar_t));
    if (!block.IsValid()) return;
    LRESULT count = Send(window, TCM_GETITEMCOUNT);
    LRESULT current = Send(window, TCM_GETCURSEL);
    for (int tab = 0; tab < count; ++tab) {
        TCITEMW request = {};
        request.mask = TCIF_TEXT;
        request.cchTextMax = kTextChars;
        request.pszText = reinterpret_cast<LPWSTR>(block.Address() + kTextOffset);
        block.Write(0, &request, sizeof(request));
        Send(window, TCM_GETITEMW, tab, reinterpret_cast<LPARAM>(block.Address()));
        Line(depth, "tab " + Quoted(RemoteText(block)) + (tab == current ? " current" : ""));
    }
}

void PrintEntries(HWND window, const std::wstring& className, int depth) {
    if (className == L"ListBox")
        PrintListBox(window, LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT, depth);
    else if (className == L"ComboBox")
        PrintListBox(window, CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT, depth);
    else if (className == WC_LISTVIEWW)
        PrintListView(window, depth);
    else if (className == WC_TREEVIEWW)
        PrintTreeView(window, depth);
    else if (className == WC_TABCONTROLW)
        PrintTabs(window, depth);
}

void PrintWindow(HWND window, int depth) {
    RECT box = {};
    GetWindowRect(window, &box);
    const std::wstring className = ClassOf(window);
    char place[96];
    std::snprintf(place, sizeof(place), " id=%ld [%ld,%ld,%ld,%ld]", static_cast<long>(GetDlgCtrlID(window)),
                  box.left, box.top, box.right, box.bottom);
    Line(depth, "window " + Utf8(className) + place + " " + Quoted(WindowText(window)));
    PrintEntries(window, className, depth + 1);
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (IsWindowVisible(child)) PrintWindow(child, depth + 1);
}

struct Search {
    std::wstring title;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectTopLevel(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<Search*>(context);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == GetCurrentProcessId() || !IsWindowVisible(window)) return TRUE;
    if (search->title.empty() || WindowText(window).find(search->title) != std::wstring::npos)
        search->found.push_back(window);
    return TRUE;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    Search search;
    int next = 1;
    if (argc > 2 && std::wstring(argv[1]) == L"-d") {
        HDESK desktop = OpenDesktopW(argv[2], 0, FALSE, GENERIC_ALL);
        if (!desktop || !SetThreadDesktop(desktop)) {
            std::fprintf(stderr, "wintext: no desktop %s\n", Utf8(argv[2]).c_str());
            return 2;
        }
        next = 3;
    }
    if (argc > next) search.title = argv[next];
    EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&search));
    for (HWND window : search.found) PrintWindow(window, 0);
    return search.found.empty() ? 1 : 0;
}
