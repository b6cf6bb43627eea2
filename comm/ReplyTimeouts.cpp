#include "comm/ReplyTimeouts.h"

uint32_t g_ReplyTimeout = 2000;
uint32_t g_LinkTestTimeout = 300;

void SetReplyTimeoutsForCpuClass(int cpuClass) {
    // The smallest CPUs answer slowly.
    const bool slowCpu = cpuClass == 0;
    g_ReplyTimeout = slowCpu ? 8000 : 2000;
    g_LinkTestTimeout = slowCpu ? 600 : 300;
}
