#pragma once

#include "compiler/CompileShell.h"
#include "project/InitDataCheck.h"

#include <string>
#include <utility>
#include <vector>

// Records the output lines of a compile and answers the initial-data check with a set
// number of problems, or, given rows, with the check of those rows writing to the
// compile tab; installs itself for its lifetime.
class CRecordingCompileShell : public ICompileShell {
public:
    explicit CRecordingCompileShell(int initDataProblems = 0, int programMemorySize = 1280)
        : initDataProblems(initDataProblems),
          programMemorySize(programMemorySize),
          previous(GetCompileShell()) {
        SetCompileShell(this);
    }
    CRecordingCompileShell(const CRecordingCompileShell&) = delete;
    CRecordingCompileShell& operator=(const CRecordingCompileShell&) = delete;
    ~CRecordingCompileShell() override { SetCompileShell(previous); }

    void AddOutputLine(int tab, const CString& text) override {
        lines.emplace_back(tab, std::string(text.GetString()));
    }
    int CheckInitDataTable() override {
        ++initDataChecks;
        if (initDataRows == nullptr) return initDataProblems;
        return CheckInitDataRows(*initDataRows, [this](const CString& line) { AddOutputLine(kCompileTab, line); });
    }

    int GetProgramMemorySize() override { return programMemorySize; }

    // The compile tab's lines, one text.
    std::string CompileText() const {
        std::string text;
        for (const auto& line : lines)
            if (line.first == kCompileTab) text += line.second + "\n";
        return text;
    }

    std::vector<std::pair<int, std::string>> lines;
    int initDataChecks = 0;
    int initDataProblems;
    const CObArray* initDataRows = nullptr;
    int programMemorySize;

private:
    ICompileShell* previous;
};
