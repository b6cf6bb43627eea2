#pragma once

#include "compiler/CompileDriver.h"
#include "compiler/CompileFileList.h"
#include "language/CpuClassSource.h"
#include "project/FileUtils.h"
#include "tests/compiler/RecordingCompileShell.h"
#include "tests/support/ScriptedMessageBoxes.h"

#include <windows.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

// A project on disk for whole-project compiles: a temporary folder holding the project
// file <name>.qpr and the project folder <name>\ with the POU and global variable
// files; compiles it as the compile command does and reads the results back.
class CProjectFixture {
public:
    explicit CProjectFixture(const char* name, int cpuClass = 1) : name(name) {
        fixtureCpuClass = cpuClass;
        SetCpuClassReader([] { return fixtureCpuClass; });
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        root = std::string(temp) + "tx_project_" + name;
        CreateDirectoryA(root.c_str(), nullptr);
        CleanFolder(root.c_str());
        CreateDirectoryA(Folder().c_str(), nullptr);
        std::ofstream(root + "\\" + name + ".qpr") << "project";
    }
    ~CProjectFixture() {
        CleanFolder(root.c_str());
        RemoveDirectoryA(root.c_str());
        SetCpuClassReader(nullptr);
    }

    std::string Folder() const { return root + "\\" + name; }
    std::string ProjectFile() const { return root + "\\" + name + ".qpr"; }

    // Writes a file of the project folder; lines are joined with CR LF.
    void Write(const std::string& fileName, const std::vector<std::string>& lines) const {
        std::ofstream file(Folder() + "\\" + fileName, std::ios::binary);
        for (const std::string& line : lines) file << line << "\r\n";
    }
    // A POU as the editors save it: the program file with its language marker and the
    // variable file.
    void WritePou(const std::string& stem, const std::vector<std::string>& program,
                  const std::vector<std::string>& variables = {"VAR", "END_VAR"},
                  int language = 1) const {
        std::vector<std::string> lines = {"(*" + std::to_string(language) + "*)"};
        lines.insert(lines.end(), program.begin(), program.end());
        Write(stem + ".ilp", lines);
        Write(stem + ".ilv", variables);
    }

    bool Compile(const std::vector<CompileUnit>& units, bool hasGlobals = false, bool hexListing = false) {
        CStringArray files;
        BuildCompileFileList(ProjectFile().c_str(), units, hasGlobals, files);
        std::vector<CString> list;
        for (int i = 0; i < files.GetSize(); ++i) list.push_back(files[i]);
        ICompileShell* previous = GetCompileShell();
        SetCompileShell(&shell);
        CCompileDriver driver(list.data(), static_cast<int>(list.size()));
        const bool compiled = driver.Compile(hexListing);
        SetCompileShell(previous);
        return compiled;
    }

    std::string ReadFolderFile(const std::string& fileName) const {
        std::ifstream file(Folder() + "\\" + fileName, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    }
    std::vector<uint8_t> ObjectBytes() const {
        const std::string bytes = ReadFolderFile(Upper(name) + ".EPL");
        return std::vector<uint8_t>(bytes.begin(), bytes.end());
    }
    bool HasObject() const { return HasFile(Upper(name) + ".EPL"); }
    bool HasFile(const std::string& fileName) const {
        return GetFileAttributesA((Folder() + "\\" + fileName).c_str()) != INVALID_FILE_ATTRIBUTES;
    }
    std::string Log() const { return ReadFolderFile(Upper(name) + ".COI"); }

    CRecordingCompileShell shell;

private:
    static std::string Upper(std::string text) {
        for (char& c : text) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
        return text;
    }
    static inline int fixtureCpuClass = 1;
    std::string name;
    std::string root;
};
