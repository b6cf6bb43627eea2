#pragma once
#include "platform/CString.h"

#include <vector>

// The serial ports the system lists under HKEY_LOCAL_MACHINE
// "HARDWARE\DEVICEMAP\SERIALCOMM": the data of each value, e.g. "COM1". False when
// the key cannot be opened.
bool ListSerialPorts(std::vector<CString>& ports);
