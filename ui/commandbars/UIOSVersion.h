#pragma once

#include <windows.h>

// The operating system's version record, read once, with the probes the toolkit's
// drawing choices depend on. Each probe matches one platform id, major and minor
// version exactly, so a system none of them names (a later one, or 4.90) answers 0
// to all of them.
class CUIOSVersion : public OSVERSIONINFOA {
public:
    CUIOSVersion();  // the running system's record
    explicit CUIOSVersion(const OSVERSIONINFOA& record);

    BOOL IsWin95() const;
    BOOL IsWin98() const;
    BOOL IsWinNT4() const;
    BOOL IsWin2000() const;
    BOOL IsWinXP() const;
};

// The running system's record, read on first use and never changed afterwards.
const CUIOSVersion& GetUIOSVersion();
