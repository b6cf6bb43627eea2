#pragma once

#include "compiler/CompileShell.h"

#include <string>
#include <utility>
#include <vector>

// Records the output lines of a compile and answers the initial-data check with a set
// number of problems; installs itself for its lifetime.
class CRecordingCompileShell : public ICompileShell {
public:
    explicit CRecordingCompileShell(int initDataProblems = 0)
        : initDataProblems(initDataProblems), previous(GetCompileShell()) {
        SetCompileShell(this);
    }
    ~CRecordingCompileShell() override { SetCompileShell(previous); }

    void AddOutputLine(int tab, const CString& text) override {
        lines.emplace_back(tab, std::string(text.GetString()));
    }
    int CheckInitDataTable() override {
        ++initDataChecks;
        return initDataProblems;
    }

    std::vector<std::pair<int, std::string>> lines;
    int initDataChecks = 0;

private:
    int initDataProblems;
    ICompileShell* previous;
};
