#include "shell/project/PouFiles.h"

#include "shell/project/PouNames.h"

#include <utility>
#include <vector>
#include <windows.h>

namespace {

using FileMove = std::pair<CString, CString>;  // from, to

std::vector<FileMove> PlanMoves(const CString& folder, const CString& oldBase, const CString& newBase) {
    std::vector<FileMove> moves;
    WIN32_FIND_DATAA entry;
    HANDLE search = ::FindFirstFileA(folder + "\\" + oldBase + ".*", &entry);
    if (search == INVALID_HANDLE_VALUE)
        return moves;
    do {
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            continue;
        CString from = folder + "\\" + entry.cFileName;
        moves.emplace_back(from, folder + "\\" + newBase + from.Right(4));
    } while (::FindNextFileA(search, &entry));
    ::FindClose(search);
    return moves;
}

}  // namespace

BOOL MovePouFiles(const CString& folder, int kind, int number, const CString& oldName, const CString& newName) {
    const std::vector<FileMove> moves =
        PlanMoves(folder, PouFileBase(kind, number, oldName), PouFileBase(kind, number, newName));
    for (size_t done = 0; done < moves.size(); ++done) {
        if (::MoveFileA(moves[done].first, moves[done].second))
            continue;
        while (done-- > 0)
            ::MoveFileA(moves[done].second, moves[done].first);
        return FALSE;
    }
    return TRUE;
}
