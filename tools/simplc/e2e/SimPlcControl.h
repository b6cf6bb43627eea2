#pragma once
#include <string>

// Tells the simulated PLC program what to do next through its control file, and waits
// (at most a few seconds) until it has taken the commands.
bool SendSimPlcCommands(const std::string& controlPath, const std::string& commands);
