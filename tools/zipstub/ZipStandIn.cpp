// Stand-in for the command-line zip program the project export and import run, for
// the tests only. It understands the three command lines the program gives:
//   -add -recurse -path -over=all -speed <archive> <folder>\*.* <file>
//   -extract -nametype=long -overwrite=all <archive> *.qpr
//   -extract=all -directories -nametype=long -overwrite=all <archive>
// Arguments may be quoted. Archives are stored (not compressed) zip files whose entry
// names are the paths below the current folder, in the system code page.
// The environment variable TX_ZIP_MODE changes what it does:
//   "hang"  sleeps far longer than anyone waits;
//   "idle"  ends at once without doing anything.
// When TX_ZIP_LOG names a file, the command line goes there first.

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

struct Entry {
    std::string name;  // with "\" between folders
    Bytes data;
};

std::string Environment(const char* name) {
    char value[MAX_PATH] = "";
    const DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
    return length > 0 && length < sizeof value ? std::string(value) : std::string();
}

std::vector<std::string> SplitCommandLine(const char* line) {
    std::vector<std::string> args;
    const char* p = line;
    while (*p) {
        while (*p == ' ' || *p == '\t')
            ++p;
        if (!*p)
            break;
        std::string arg;
        bool quoted = false;
        for (; *p && (quoted || (*p != ' ' && *p != '\t')); ++p) {
            if (*p == '"')
                quoted = !quoted;
            else
                arg += *p;
        }
        args.push_back(arg);
    }
    return args;
}

uint32_t Crc32(const Bytes& data) {
    uint32_t crc = 0xFFFFFFFF;
    for (uint8_t byte : data) {
        crc ^= byte;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
    }
    return ~crc;
}

bool ReadFile(const std::string& path, Bytes& data) {
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return false;
    data.clear();
    uint8_t buffer[4096];
    size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        data.insert(data.end(), buffer, buffer + got);
    std::fclose(file);
    return true;
}

bool WriteFile(const std::string& path, const Bytes& data) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    const bool written = std::fwrite(data.data(), 1, data.size(), file) == data.size();
    return std::fclose(file) == 0 && written;
}

std::string CurrentFolder() {
    char folder[MAX_PATH] = "";
    GetCurrentDirectoryA(sizeof folder, folder);
    return folder;
}

// The entry name of a path: below the current folder when it lies there.
std::string EntryName(const std::string& path) {
    std::string base = CurrentFolder();
    if (!base.empty() && base.back() != '\\')
        base += '\\';
    if (path.size() > base.size() && _strnicmp(path.c_str(), base.c_str(), base.size()) == 0)
        return path.substr(base.size());
    const size_t slash = path.find_last_of('\\');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

void CollectFolder(const std::string& folder, std::vector<Entry>& entries) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        const std::string name = found.cFileName;
        if (name == "." || name == "..")
            continue;
        const std::string path = folder + "\\" + name;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            CollectFolder(path, entries);
        } else {
            Entry entry{EntryName(path), {}};
            if (ReadFile(path, entry.data))
                entries.push_back(entry);
        }
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

void Put16(Bytes& out, uint32_t value) {
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

void Put32(Bytes& out, uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

uint32_t Get16(const Bytes& in, size_t at) { return in[at] | (in[at + 1] << 8); }
uint32_t Get32(const Bytes& in, size_t at) { return Get16(in, at) | (Get16(in, at + 2) << 16); }

// A stored zip: local headers with the data, the central directory, its end record.
Bytes MakeZip(const std::vector<Entry>& entries) {
    const uint32_t dosTime = 0, dosDate = (46 << 9) | (12 << 5) | 10;
    Bytes zip, directory;
    for (const Entry& entry : entries) {
        std::string name = entry.name;
        for (char& c : name)
            if (c == '\\')
                c = '/';
        const uint32_t crc = Crc32(entry.data), size = static_cast<uint32_t>(entry.data.size());
        const uint32_t offset = static_cast<uint32_t>(zip.size());
        Put32(zip, 0x04034b50);
        Put16(zip, 10); Put16(zip, 0); Put16(zip, 0); Put16(zip, dosTime); Put16(zip, dosDate);
        Put32(zip, crc); Put32(zip, size); Put32(zip, size);
        Put16(zip, static_cast<uint32_t>(name.size())); Put16(zip, 0);
        zip.insert(zip.end(), name.begin(), name.end());
        zip.insert(zip.end(), entry.data.begin(), entry.data.end());
        Put32(directory, 0x02014b50);
        Put16(directory, 10); Put16(directory, 10); Put16(directory, 0); Put16(directory, 0);
        Put16(directory, dosTime); Put16(directory, dosDate);
        Put32(directory, crc); Put32(directory, size); Put32(directory, size);
        Put16(directory, static_cast<uint32_t>(name.size())); Put16(directory, 0); Put16(directory, 0);
        Put16(directory, 0); Put16(directory, 0); Put32(directory, 0); Put32(directory, offset);
        directory.insert(directory.end(), name.begin(), name.end());
    }
    const uint32_t directoryOffset = static_cast<uint32_t>(zip.size());
    zip.insert(zip.end(), directory.begin(), directory.end());
    Put32(zip, 0x06054b50);
    Put16(zip, 0); Put16(zip, 0);
    Put16(zip, static_cast<uint32_t>(entries.size())); Put16(zip, static_cast<uint32_t>(entries.size()));
    Put32(zip, static_cast<uint32_t>(directory.size())); Put32(zip, directoryOffset);
    Put16(zip, 0);
    return zip;
}

bool ReadZip(const Bytes& zip, std::vector<Entry>& entries) {
    size_t at = 0;
    while (at + 30 <= zip.size() && Get32(zip, at) == 0x04034b50) {
        const uint32_t method = Get16(zip, at + 8), size = Get32(zip, at + 18);
        const uint32_t nameLength = Get16(zip, at + 26), extraLength = Get16(zip, at + 28);
        const size_t data = at + 30 + nameLength + extraLength;
        if (method != 0 || data + size > zip.size())
            return false;
        Entry entry{std::string(zip.begin() + at + 30, zip.begin() + at + 30 + nameLength),
                    Bytes(zip.begin() + data, zip.begin() + data + size)};
        for (char& c : entry.name)
            if (c == '/')
                c = '\\';
        entries.push_back(entry);
        at = data + size;
    }
    return true;
}

bool EndsWithNoCase(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && _stricmp(text.c_str() + text.size() - end.size(), end.c_str()) == 0;
}

void MakeFolders(const std::string& path) {
    for (size_t slash = path.find('\\'); slash != std::string::npos; slash = path.find('\\', slash + 1))
        CreateDirectoryA(path.substr(0, slash).c_str(), nullptr);
}

int Add(const std::vector<std::string>& positional) {
    if (positional.size() < 2)
        return 2;
    std::vector<Entry> entries;
    for (size_t i = 1; i < positional.size(); ++i) {
        const std::string& source = positional[i];
        const size_t star = source.find('*');
        if (star != std::string::npos) {
            CollectFolder(source.substr(0, source.find_last_of('\\', star)), entries);
            continue;
        }
        Entry entry{EntryName(source), {}};
        if (!ReadFile(source, entry.data))
            return 3;
        entries.push_back(entry);
    }
    return WriteFile(positional[0], MakeZip(entries)) ? 0 : 4;
}

int Extract(const std::vector<std::string>& positional, bool all) {
    Bytes zip;
    std::vector<Entry> entries;
    if (positional.empty() || !ReadFile(positional[0], zip) || !ReadZip(zip, entries))
        return 5;
    const std::string suffix = positional.size() > 1 && positional[1].rfind("*", 0) == 0 ? positional[1].substr(1) : "";
    for (const Entry& entry : entries) {
        const bool topLevel = entry.name.find('\\') == std::string::npos;
        if (!all && !(topLevel && EndsWithNoCase(entry.name, suffix)))
            continue;
        MakeFolders(entry.name);
        if (!WriteFile(entry.name, entry.data))
            return 6;
    }
    return 0;
}

}  // namespace

int main() {
    const char* commandLine = GetCommandLineA();
    const std::string logPath = Environment("TX_ZIP_LOG");
    if (!logPath.empty()) {
        FILE* log = std::fopen(logPath.c_str(), "ab");
        if (log) {
            std::fprintf(log, "%s\n", commandLine);
            std::fclose(log);
        }
    }
    const std::string mode = Environment("TX_ZIP_MODE");
    if (mode == "hang")
        Sleep(120000);
    if (mode == "idle" || mode == "hang")
        return 0;
    const std::vector<std::string> args = SplitCommandLine(commandLine);
    std::vector<std::string> options, positional;
    for (size_t i = 1; i < args.size(); ++i)
        (args[i].rfind("-", 0) == 0 ? options : positional).push_back(args[i]);
    if (options.empty())
        return 1;
    if (options[0] == "-add")
        return Add(positional);
    if (options[0] == "-extract")
        return Extract(positional, false);
    if (options[0] == "-extract=all")
        return Extract(positional, true);
    return 1;
}
