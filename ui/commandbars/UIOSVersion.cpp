#include "ui/commandbars/UIOSVersion.h"

CUIOSVersion::CUIOSVersion() {
    OSVERSIONINFOA record = {};
    record.dwOSVersionInfoSize = sizeof(record);
    ::GetVersionExA(&record);
    static_cast<OSVERSIONINFOA&>(*this) = record;
}

CUIOSVersion::CUIOSVersion(const OSVERSIONINFOA& record) {
    static_cast<OSVERSIONINFOA&>(*this) = record;
}

BOOL CUIOSVersion::IsWin95() const {
    return dwPlatformId == VER_PLATFORM_WIN32_WINDOWS && dwMajorVersion == 4 && dwMinorVersion < 10;
}

BOOL CUIOSVersion::IsWin98() const {
    return dwPlatformId == VER_PLATFORM_WIN32_WINDOWS && dwMajorVersion == 4 && dwMinorVersion == 10;
}

BOOL CUIOSVersion::IsWinNT4() const {
    return dwPlatformId == VER_PLATFORM_WIN32_NT && dwMajorVersion == 4 && dwMinorVersion == 0;
}

BOOL CUIOSVersion::IsWin2000() const {
    return dwPlatformId == VER_PLATFORM_WIN32_NT && dwMajorVersion == 5 && dwMinorVersion == 0;
}

BOOL CUIOSVersion::IsWinXP() const {
    return dwPlatformId == VER_PLATFORM_WIN32_NT && dwMajorVersion == 5 && dwMinorVersion == 1;
}

const CUIOSVersion& GetUIOSVersion() {
    static const CUIOSVersion version;
    return version;
}
