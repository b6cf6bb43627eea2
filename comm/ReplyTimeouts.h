#pragma once
#include <cstdint>

// How long a transaction waits for the first reply byte. Both follow the CPU class of
// the open project and are set whenever it changes.
extern uint32_t g_ReplyTimeout;      // ms
extern uint32_t g_LinkTestTimeout;   // ms, for the link test only

void SetReplyTimeoutsForCpuClass(int cpuClass);
