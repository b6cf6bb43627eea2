// Usage: wintext [-d DESKTOP] [TITLE]
//        wintext --serve FOLDER [-d DESKTOP]
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
//
// With --serve it stays running and answers requests, since a script that reads the
// windows again and again would otherwise wait for a Wine process start each time: a
// file FOLDER/request.ID holding a TITLE (UTF-8, empty for all windows) is answered by
// FOLDER/reply.ID holding the same lines (ended by a bare line feed), made whole under
// another name and then renamed. It ends when FOLDER is removed.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cwchar>
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

std::string g_dump;  // the lines printed so far

// A line of the dump; a text ends at its first null character, as a C string would.
void Line(int depth, const std::string& text) {
    g_dump.append(static_cast<size_t>(depth) * 2, ' ').append(text.c_str()).append("\n");
}

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


// Fills g_dump with the desktop's windows whose title holds TITLE; false when none shows.
bool DumpWindows(const std::wstring& title) {
    Search search;
    search.title = title;
    EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&search));
    g_dump.clear();
    for (HWND window : search.found) PrintWindow(window, 0);
    return !search.found.empty();
}

// The calling thread on the named desktop while it lives (on its own one without a name);
// the desktop is opened anew each time, as the program may have started again on a new
// one of the same name.
class DesktopSwitch {
public:
    explicit DesktopSwitch(const wchar_t* name) : m_original(GetThreadDesktop(GetCurrentThreadId())) {
        if (!name) return;
        m_desktop = OpenDesktopW(name, 0, FALSE, GENERIC_ALL);
        if (m_desktop && !SetThreadDesktop(m_desktop)) {
            CloseDesktop(m_desktop);
            m_desktop = nullptr;
        }
        m_failed = !m_desktop;
    }
    ~DesktopSwitch() {
        if (!m_desktop) return;
        SetThreadDesktop(m_original);
        CloseDesktop(m_desktop);
    }
    DesktopSwitch(const DesktopSwitch&) = delete;
    DesktopSwitch& operator=(const DesktopSwitch&) = delete;

    bool Failed() const { return m_failed; }

private:
    HDESK m_original;
    HDESK m_desktop = nullptr;
    bool m_failed = false;
};

std::string ReadWholeFile(const std::wstring& path) {
    std::string bytes;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return bytes;
    char chunk[4096];
    DWORD read = 0;
    while (ReadFile(file, chunk, sizeof(chunk), &read, nullptr) && read > 0) bytes.append(chunk, read);
    CloseHandle(file);
    return bytes;
}

// Writes the file under a temporary name and renames it, so that a reader never sees it
// half written.
void WriteWholeFile(const std::wstring& temporary, const std::wstring& path, const std::string& bytes) {
    HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    bool whole = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                 written == bytes.size();
    CloseHandle(file);
    if (!whole || !MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING))
        DeleteFileW(temporary.c_str());
}

std::wstring FromUtf8(const std::string& bytes) {
    if (bytes.empty()) return {};
    int size = MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring text(size, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), &text[0], size);
    return text;
}

const wchar_t kRequestPrefix[] = L"request.";

std::vector<std::wstring> PendingRequests(const std::wstring& folder) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\" + kRequestPrefix + L"*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(found.cFileName);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

void AnswerRequests(const std::wstring& folder, const wchar_t* desktop) {
    for (const std::wstring& name : PendingRequests(folder)) {
        const std::wstring id = name.substr(wcslen(kRequestPrefix));
        const std::wstring request = folder + L"\\" + name;
        const std::wstring title = FromUtf8(ReadWholeFile(request));
        DeleteFileW(request.c_str());
        {
            DesktopSwitch onDesktop(desktop);
            if (onDesktop.Failed() || !DumpWindows(title)) g_dump.clear();
        }
        WriteWholeFile(folder + L"\\answer." + id, folder + L"\\reply." + id, g_dump);
    }
}

int Serve(const std::wstring& folder, const wchar_t* desktop) {
    // Woken by a new file in the folder; the time-out only bounds the wait where that
    // notice is not available.
    HANDLE change = FindFirstChangeNotificationW(folder.c_str(), FALSE, FILE_NOTIFY_CHANGE_FILE_NAME);
    while (GetFileAttributesW(folder.c_str()) != INVALID_FILE_ATTRIBUTES) {
        AnswerRequests(folder, desktop);
        if (change == INVALID_HANDLE_VALUE) {
            Sleep(20);
        } else {
            WaitForSingleObject(change, 100);
            FindNextChangeNotification(change);
        }
    }
    if (change != INVALID_HANDLE_VALUE) FindCloseChangeNotification(change);
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const wchar_t* folder = nullptr;
    const wchar_t* desktop = nullptr;
    int next = 1;
    if (argc > next + 1 && std::wstring(argv[next]) == L"--serve") {
        folder = argv[next + 1];
        next += 2;
    }
    if (argc > next + 1 && std::wstring(argv[next]) == L"-d") {
        desktop = argv[next + 1];
        next += 2;
    }
    if (folder) return Serve(folder, desktop);
    DesktopSwitch onDesktop(desktop);
    if (onDesktop.Failed()) {
        std::fprintf(stderr, "wintext: no desktop %s\n", Utf8(desktop).c_str());
        return 2;
    }
    bool shown = DumpWindows(argc > next ? argv[next] : L"");
    std::fputs(g_dump.c_str(), stdout);
    return shown ? 0 : 1;
}
