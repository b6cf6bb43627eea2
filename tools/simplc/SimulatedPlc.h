#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// An R2 PLC as the PC sees it through its request frames: run state, clock, password
// and protection level, the stored image with its program CRC, the force table, monitor
// data for the stored image's monitor lists, the module list, and faults injected on
// request. The serial program and the in-process test link both drive it.

// How one request is answered: the bytes and when they arrive.
struct PlcAnswer {
    std::vector<uint8_t> bytes;  // empty: the PLC stays silent
    uint32_t delayMs = 0;        // before the first byte
    size_t splitAt = 0;          // when not 0, bytes from here on arrive splitDelayMs later
    uint32_t splitDelayMs = 0;
};

enum class PlcFault {
    None,
    BadCrc,      // the CRC of the reply is damaged
    Silent,      // no reply at all
    ShortReply,  // the last bytes of the reply are missing
    LongReply,   // the reply runs past what a reply frame can hold
    BadLength,   // sound CRC, but the length byte N is `param`
    WrongBlock,  // the reply carries the next block number
    Refuse,      // a refusal with code `param` instead of the reply
    SlowReply,   // the reply starts `param` ms late
    SplitReply,  // the second half of the reply comes `param` ms after the first
    LostRequest, // the request never arrives: the PLC neither acts nor answers
};

struct PlcModuleEntry {
    uint8_t hardwareCode;
    uint8_t faultCode;
};

struct SimulatedPlcState {
    uint8_t station = 1;
    bool running = false;
    uint8_t clock[8] = {0x26, 0x12, 0x10, 0x14, 0x30, 0x00, 0x04, 0x00};  // BCD y m d h m s weekday, reserved
    uint8_t firmware[3] = {2, 1, 7};
    std::vector<PlcModuleEntry> modules = {{4, 0}, {16, 0}, {33, 2}};
    int protectionLevel = 1;                // 1 none, 2 download needs the password, 3 also upload
    uint8_t passwordBlock[8] = {};          // enciphered; the empty password's block at first
    bool unlocked = false;                  // the right password arrived since the last change
    std::vector<uint8_t> image;             // the stored target image, without option bytes
    uint8_t downloadOptions = 0;
    std::vector<uint8_t> forceTable;        // as written by "J"
    uint32_t monitorCycles = 0;             // "L" transfers begun
};

class SimulatedPlc {
public:
    static constexpr uint8_t kRefusalLetter = '?';

    SimulatedPlc();

    PlcAnswer Answer(const uint8_t* frame, size_t length);

    // The fault hits `count` answers after `skip` answers have gone out unharmed.
    // A dropped line is Silent with a large count.
    void InjectFault(PlcFault fault, uint32_t skip = 0, uint32_t count = 1, uint32_t param = 0);
    // From now on the injected fault counts and hits only requests of this letter (a
    // force write among monitoring requests, say); 0, as after InjectFault, any request.
    void AimFaultAt(uint8_t letter) { m_faultLetter = letter; }
    void ClearFaults();

    SimulatedPlcState& State() { return m_state; }
    void SetLogger(std::function<void(const std::string&)> logger) { m_log = std::move(logger); }

    // Monitor data byte `index` of cycle `cycle` (cycles count from 1).
    static uint8_t MonitorByte(uint32_t cycle, size_t index);
    static std::vector<uint8_t> EmptyForceTable();
    // Section 8 (monitor lists) and the CRC slot of the directory in a target image.
    static bool FindMonitorSection(const std::vector<uint8_t>& image, size_t& offset, size_t& length);
    static bool ProgramCrc(const std::vector<uint8_t>& image, uint8_t& low, uint8_t& high);

private:
    using Data = std::vector<uint8_t>;

    std::vector<uint8_t> Handle(uint8_t letter, uint8_t block, const Data& payload);
    std::vector<uint8_t> Reply(uint8_t letter, uint8_t block, const Data& data = {}) const;
    std::vector<uint8_t> Refusal(uint8_t code) const;
    std::vector<uint8_t> WriteBlock(uint8_t letter, uint8_t block, const Data& payload);
    std::vector<uint8_t> ReadBlock(uint8_t letter, uint8_t block);
    std::vector<uint8_t> ChangePassword(const Data& payload);
    std::vector<uint8_t> CheckPassword(const Data& payload);
    std::vector<uint8_t> Information() const;
    std::vector<uint8_t> ProgramCrcReply() const;
    Data MonitorData();
    void FinishWrite(uint8_t letter);
    bool FaultHitsThisAnswer(uint8_t letter);
    void ApplyFault(PlcAnswer& answer);
    void Log(const std::string& text) const;

    SimulatedPlcState m_state;
    // A writing transfer in progress: its letter (0 none), the next block expected.
    uint8_t m_writeLetter = 0;
    int m_writeNext = -1;
    Data m_incoming;
    // A reading transfer in progress: its letter (0 none) and the bytes it hands out.
    uint8_t m_readLetter = 0;
    Data m_outgoing;

    PlcFault m_fault = PlcFault::None;
    uint32_t m_faultSkip = 0, m_faultCount = 0, m_faultParam = 0;
    uint8_t m_faultLetter = 0;
    std::function<void(const std::string&)> m_log;
};

// Text of a frame for the log: "01 41 00 ..".
std::string FrameText(const uint8_t* bytes, size_t length);
