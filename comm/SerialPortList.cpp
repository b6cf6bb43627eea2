#include "comm/SerialPortList.h"

#include <windows.h>

bool ListSerialPorts(std::vector<CString>& ports) {
    ports.clear();
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    for (DWORD index = 0;; ++index) {
        char name[256] = {};
        char data[256] = {};
        DWORD nameLength = sizeof name;
        DWORD dataLength = sizeof data - 1;  // room for an ending the value may lack
        DWORD type = 0;
        const LONG result = RegEnumValueA(key, index, name, &nameLength, nullptr, &type,
                                          reinterpret_cast<BYTE*>(data), &dataLength);
        if (result == ERROR_NO_MORE_ITEMS)
            break;
        if (result == ERROR_SUCCESS && type == REG_SZ)
            ports.push_back(data);
    }
    RegCloseKey(key);
    return true;
}
