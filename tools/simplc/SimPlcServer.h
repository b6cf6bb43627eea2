#pragma once
#include "comm/SerialPort.h"
#include "tools/simplc/SimulatedPlc.h"

#include <cstdio>
#include <string>
#include <vector>

// Serves a simulated PLC on a COM port: reads each request frame (it ends when the line
// falls quiet), answers it, logs both, and between frames obeys the commands a test
// drops into its control file (faults, run state, quit).
class SimPlcServer {
public:
    SimPlcServer(const std::string& portName, const std::string& controlPath, FILE* log);

    bool Open();
    // Serves until a "quit" command; false when the port fails.
    bool Run();

    // Applies one control command; false for an unknown one.
    bool Command(const std::string& line);

private:
    bool ReadFrame(std::vector<uint8_t>& frame);
    void SendAnswer(const PlcAnswer& answer);
    void PollControlFile();
    void Log(const std::string& text);
    void LogStatus();

    CSerialPort m_port;
    SimulatedPlc m_plc;
    std::string m_controlPath;
    FILE* m_log;
    bool m_quit = false;
};
