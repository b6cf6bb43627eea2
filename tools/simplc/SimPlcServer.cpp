#include "tools/simplc/SimPlcServer.h"

#include "comm/ForceTable.h"
#include "comm/PasswordBlock.h"
#include "tools/simplc/SampleImage.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace {

constexpr uint32_t kIdlePollMs = 250;
constexpr uint32_t kQuietGapMs = 10;
constexpr int kQuietChecks = 2;
constexpr uint16_t kSampleForcedBit = 1;   // address codes of the forces "load" leaves
constexpr uint16_t kSampleForcedWord = 2;

struct FaultName {
    const char* name;
    PlcFault fault;
};

const FaultName kFaultNames[] = {
    {"crc", PlcFault::BadCrc},        {"silent", PlcFault::Silent},  {"short", PlcFault::ShortReply},
    {"long", PlcFault::LongReply},    {"length", PlcFault::BadLength}, {"block", PlcFault::WrongBlock},
    {"refuse", PlcFault::Refuse},     {"slow", PlcFault::SlowReply}, {"split", PlcFault::SplitReply},
    {"lost", PlcFault::LostRequest},
};

}  // namespace

SimPlcServer::SimPlcServer(const std::string& portName, const std::string& controlPath, FILE* log)
    : m_controlPath(controlPath), m_log(log) {
    m_port.Settings().portName = portName.c_str();
    m_plc.SetLogger([this](const std::string& text) { Log(text); });
}

// One line: "status: running R image N crc HHLL forces HASH" (FNV-1a of the force table).
void SimPlcServer::LogStatus() {
    const SimulatedPlcState& state = m_plc.State();
    uint8_t low = 0, high = 0;
    SimulatedPlc::ProgramCrc(state.image, low, high);
    uint32_t hash = 2166136261u;
    for (uint8_t byte : state.forceTable)
        hash = (hash ^ byte) * 16777619u;
    char line[128];
    std::snprintf(line, sizeof line, "status: running %d image %u crc %02X%02X forces %08X", state.running ? 1 : 0,
                  static_cast<unsigned>(state.image.size()), high, low, hash);
    Log(line);
}

void SimPlcServer::Log(const std::string& text) {
    if (!m_log)
        return;
    std::fprintf(m_log, "%10lu %s\n", GetTickCount(), text.c_str());
    std::fflush(m_log);
}

bool SimPlcServer::Open() {
    if (!m_port.OpenPort()) {
        Log("cannot open " + std::string(m_port.Settings().portName) + ", error " + std::to_string(GetLastError()) +
            (m_port.Handle() == INVALID_HANDLE_VALUE ? "" : " setting it up"));
        return false;
    }
    Log("serving on " + std::string(m_port.Settings().portName));
    return true;
}

bool SimPlcServer::Run() {
    std::vector<uint8_t> frame;
    while (!m_quit) {
        PollControlFile();
        if (m_quit || !ReadFrame(frame))
            continue;
        PollControlFile();
        SendAnswer(m_plc.Answer(frame.data(), frame.size()));
    }
    m_port.ClosePort();
    return true;
}

// A frame is what arrives until the line stays quiet for a moment: the PC writes each
// request in one piece.
bool SimPlcServer::ReadFrame(std::vector<uint8_t>& frame) {
    frame.clear();
    if (!m_port.WaitForReply(EV_RXCHAR, kIdlePollMs))
        return false;
    for (int quiet = 0; quiet < kQuietChecks;) {
        uint32_t errors = 0, waiting = 0;
        if (!m_port.QueryInput(errors, waiting))
            return false;
        if (waiting > 0) {
            const size_t at = frame.size();
            frame.resize(at + waiting);
            if (!m_port.Read(frame.data() + at, waiting))
                return false;
            quiet = 0;
        } else {
            ++quiet;
        }
        Sleep(kQuietGapMs);
    }
    return !frame.empty();
}

void SimPlcServer::SendAnswer(const PlcAnswer& answer) {
    if (answer.bytes.empty())
        return;
    Sleep(answer.delayMs);
    const size_t split = answer.splitAt ? answer.splitAt : answer.bytes.size();
    m_port.Write(answer.bytes.data(), static_cast<uint32_t>(split));
    if (split < answer.bytes.size()) {
        Sleep(answer.splitDelayMs);
        m_port.Write(answer.bytes.data() + split, static_cast<uint32_t>(answer.bytes.size() - split));
    }
}

// The test writes its commands to a fresh file and renames it into place; the file is
// removed once read, which tells the test that the commands are in force.
void SimPlcServer::PollControlFile() {
    if (m_controlPath.empty() || GetFileAttributesA(m_controlPath.c_str()) == INVALID_FILE_ATTRIBUTES)
        return;
    {
        std::ifstream file(m_controlPath);
        std::string line;
        while (std::getline(file, line))
            if (!line.empty() && !Command(line))
                Log("unknown command: " + line);
    }
    DeleteFileA(m_controlPath.c_str());
}

bool SimPlcServer::Command(const std::string& line) {
    Log("control: " + line);
    std::istringstream words(line);
    std::string verb;
    words >> verb;
    if (verb == "quit") {
        m_quit = true;
        return true;
    }
    if (verb == "status") {  // what a test checks after a command: run state, program, forces
        LogStatus();
        return true;
    }
    if (verb == "clock") {  // "clock: YY-MM-DD hh:mm:ss weekday W", the BCD bytes as they stand
        const uint8_t* c = m_plc.State().clock;
        char text[64];
        std::snprintf(text, sizeof text, "clock: %02X-%02X-%02X %02X:%02X:%02X weekday %X", c[0], c[1], c[2], c[3], c[4],
                      c[5], c[6]);
        Log(text);
        return true;
    }
    if (verb == "password") {  // "password: level L, empty E": the protection, and whether it is the empty password
        const SimulatedPlcState& state = m_plc.State();
        uint8_t empty[8];
        EncipherPassword("", empty);
        Log("password: level " + std::to_string(state.protectionLevel) + ", empty " +
            (std::equal(empty, empty + 8, state.passwordBlock) ? "1" : "0"));
        return true;
    }
    if (verb == "clear") {  // no faults, and the station of a fresh PLC
        m_plc.ClearFaults();
        m_plc.State().station = SimulatedPlcState().station;
        return true;
    }
    if (verb == "load") {  // a program and two forces, as a download and a force would leave them
        SimulatedPlcState& state = m_plc.State();
        state.image = MakeSampleImage(SampleImageSpec());
        const std::vector<ForcedValue> forces = {{kSampleForcedBit, kForceBit, 1}, {kSampleForcedWord, kForceWord, 7}};
        return BuildForceTable(forces, state.forceTable);
    }
    if (verb == "station") {  // answers only requests to this station from now on
        int station = 0;
        words >> station;
        if (station < 1 || station > 255)
            return false;
        m_plc.State().station = static_cast<uint8_t>(station);
        return true;
    }
    if (verb == "run") {
        int run = 0;
        words >> run;
        m_plc.State().running = run != 0;
        return true;
    }
    if (verb == "drop") {  // the line goes dead after `skip` more answers
        uint32_t skip = 0;
        words >> skip;
        m_plc.InjectFault(PlcFault::Silent, skip, UINT32_MAX);
        return true;
    }
    if (verb != "fault")
        return false;
    // fault NAME [SKIP [COUNT [PARAM [LETTER]]]]: LETTER aims it at one kind of request.
    std::string name, letter;
    uint32_t skip = 0, count = 1, param = 0;
    words >> name >> skip >> count >> param >> letter;
    for (const FaultName& f : kFaultNames) {
        if (name == f.name) {
            m_plc.InjectFault(f.fault, skip, count, param);
            m_plc.AimFaultAt(letter.empty() ? 0 : static_cast<uint8_t>(letter[0]));
            return true;
        }
    }
    return false;
}
