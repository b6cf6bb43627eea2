#include "tools/simplc/SimulatedPlc.h"

#include "comm/Crc16.h"
#include "comm/PasswordBlock.h"
#include "comm/PlcFrame.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

constexpr size_t kSectionHeader = 6;
constexpr uint8_t kMonitorSection = 8;
constexpr size_t kOverLongReply = 230;
constexpr size_t kShortBy = 3;
constexpr int kOptionCopies = 3;
constexpr uint8_t kForbidUpload = 0x01;
constexpr uint8_t kLinkTestAnswer = 0x55;
constexpr uint8_t kRefusalOther = 0;

void ReplaceCrc(std::vector<uint8_t>& frame) {
    frame.resize(frame.size() - PlcFrame::kCrcSize);
    PlcFrame::AppendCrc(frame);
}

}  // namespace

std::string FrameText(const uint8_t* bytes, size_t length) {
    std::string text;
    char hex[4];
    for (size_t i = 0; i < length; ++i) {
        std::snprintf(hex, sizeof hex, i ? " %02X" : "%02X", bytes[i]);
        text += hex;
    }
    return text;
}

SimulatedPlc::SimulatedPlc() {
    EncipherPassword("", m_state.passwordBlock);
    m_state.forceTable = EmptyForceTable();
}

std::vector<uint8_t> SimulatedPlc::EmptyForceTable() { return {11, 0, 9, 6, 9, 0, 0, 0, 0, 0, 0}; }

uint8_t SimulatedPlc::MonitorByte(uint32_t cycle, size_t index) {
    return static_cast<uint8_t>(index * 3 + cycle);
}

bool SimulatedPlc::FindMonitorSection(const std::vector<uint8_t>& image, size_t& offset, size_t& length) {
    for (size_t at = 0; at + kSectionHeader <= image.size();) {
        const size_t size = image[at] | (image[at + 1] << 8);
        if (size < kSectionHeader || at + size > image.size())
            return false;
        if (image[at + 2] == kMonitorSection) {
            offset = at;
            length = size;
            return true;
        }
        at += size;
    }
    return false;
}

bool SimulatedPlc::ProgramCrc(const std::vector<uint8_t>& image, uint8_t& low, uint8_t& high) {
    if (image.size() < kSectionHeader)
        return false;
    const size_t directory = image[0] | (image[1] << 8);
    if (directory < kSectionHeader + 2 || directory > image.size())
        return false;
    low = image[directory - 2];
    high = image[directory - 1];
    return true;
}

void SimulatedPlc::InjectFault(PlcFault fault, uint32_t skip, uint32_t count, uint32_t param) {
    m_fault = fault;
    m_faultSkip = skip;
    m_faultCount = count;
    m_faultParam = param;
    m_faultLetter = 0;
}

void SimulatedPlc::ClearFaults() { InjectFault(PlcFault::None, 0, 0, 0); }

void SimulatedPlc::Log(const std::string& text) const {
    if (m_log)
        m_log(text);
}

PlcAnswer SimulatedPlc::Answer(const uint8_t* frame, size_t length) {
    Log("RX " + FrameText(frame, length));
    PlcAnswer answer;
    if (length < PlcFrame::kHeaderSize + PlcFrame::kCrcSize || Crc16(frame, static_cast<uint32_t>(length)) != 0) {
        Log("   garbled request ignored");
        return answer;
    }
    if (frame[0] != m_state.station)
        return answer;
    const Data payload(frame + PlcFrame::kHeaderSize, frame + length - PlcFrame::kCrcSize);
    const bool faulty = FaultHitsThisAnswer(frame[1]);
    if (faulty && m_fault == PlcFault::Refuse)
        answer.bytes = Refusal(static_cast<uint8_t>(m_faultParam));  // a refusing PLC does nothing
    else if (!faulty || m_fault != PlcFault::LostRequest)
        answer.bytes = Handle(frame[1], frame[2], payload);
    if (faulty)
        ApplyFault(answer);
    if (!answer.bytes.empty())
        Log("TX " + FrameText(answer.bytes.data(), answer.bytes.size()));
    else
        Log("   no answer");
    return answer;
}

std::vector<uint8_t> SimulatedPlc::Reply(uint8_t letter, uint8_t block, const Data& data) const {
    return PlcFrame::MakeReply(m_state.station, letter, block, data);
}

std::vector<uint8_t> SimulatedPlc::Refusal(uint8_t code) const {
    return PlcFrame::MakeReply(m_state.station, kRefusalLetter, code, {});
}

std::vector<uint8_t> SimulatedPlc::Handle(uint8_t letter, uint8_t block, const Data& payload) {
    namespace F = PlcFunctionCode;
    if (letter != m_writeLetter) {
        m_writeLetter = 0;
        m_writeNext = -1;
    }
    switch (letter) {
    case F::LinkTest:
        return Reply(letter, 0, {kLinkTestAnswer});
    case F::ReadStatus:
        return Reply(letter, 0, {static_cast<uint8_t>(m_state.running ? 1 : 0)});
    case F::RunStop:
        if (payload.size() != 1)
            return Refusal(kRefusalOther);
        m_state.running = payload[0] == 1;
        return Reply(letter, 0);
    case F::ReadClock:
        return Reply(letter, 0, Data(m_state.clock, m_state.clock + 7));
    case F::WriteClock:
        if (payload.size() != 8)
            return Refusal(kRefusalOther);
        std::copy(payload.begin(), payload.end(), m_state.clock);
        return Reply(letter, 0);
    case F::ReadInfo:
        return Information();
    case F::ReadProgramCrc:
        return ProgramCrcReply();
    case F::Clear:
        m_state.image.clear();
        m_state.downloadOptions = 0;
        m_state.forceTable = EmptyForceTable();
        m_state.running = false;
        return Reply(letter, 0);
    case F::CancelForces:
        m_state.forceTable = EmptyForceTable();
        return Reply(letter, 0);
    case F::SendPassword:
        return CheckPassword(payload);
    case F::ChangePassword:
        return ChangePassword(payload);
    case F::Download:
    case F::WriteForces:
        return WriteBlock(letter, block, payload);
    case F::Upload:
    case F::ReadMonitor:
    case F::ReadForces:
        return ReadBlock(letter, block);
    default:
        return Refusal(kRefusalOther);
    }
}

std::vector<uint8_t> SimulatedPlc::Information() const {
    Data data(m_state.firmware, m_state.firmware + 3);
    data.push_back(0);
    data.push_back(static_cast<uint8_t>(m_state.modules.size()));
    for (const PlcModuleEntry& module : m_state.modules) {
        data.push_back(module.hardwareCode);
        data.push_back(module.faultCode);
    }
    return Reply(PlcFunctionCode::ReadInfo, 0, data);
}

std::vector<uint8_t> SimulatedPlc::ProgramCrcReply() const {
    uint8_t low = 0, high = 0;
    ProgramCrc(m_state.image, low, high);
    return Reply(PlcFunctionCode::ReadProgramCrc, 0, {low, high});
}

std::vector<uint8_t> SimulatedPlc::CheckPassword(const Data& payload) {
    m_state.unlocked = payload.size() == 8 && std::equal(payload.begin(), payload.end(), m_state.passwordBlock);
    return m_state.unlocked ? Reply(PlcFunctionCode::SendPassword, 0)
                            : Refusal(PlcFrame::kRefusalPasswordNeeded);
}

std::vector<uint8_t> SimulatedPlc::ChangePassword(const Data& payload) {
    if (payload.size() != 17 || !std::equal(payload.begin(), payload.begin() + 8, m_state.passwordBlock) ||
        payload[8] < 1 || payload[8] > 3)
        return Refusal(PlcFrame::kRefusalPasswordNeeded);
    m_state.protectionLevel = payload[8];
    std::copy(payload.begin() + 9, payload.end(), m_state.passwordBlock);
    m_state.unlocked = false;
    return Reply(PlcFunctionCode::ChangePassword, 0);
}

// Blocks come numbered downwards; the first block of a transfer may carry any number.
std::vector<uint8_t> SimulatedPlc::WriteBlock(uint8_t letter, uint8_t block, const Data& payload) {
    const bool continuing = m_writeLetter == letter && m_writeNext == block;
    if (!continuing) {
        const bool locked = m_state.protectionLevel >= 2 && !m_state.unlocked;
        if (letter == PlcFunctionCode::Download && locked)
            return Refusal(PlcFrame::kRefusalPasswordNeeded);
        m_writeLetter = letter;
        m_incoming.clear();
    }
    m_incoming.insert(m_incoming.end(), payload.begin(), payload.end());
    m_writeNext = block - 1;
    if (block == 0)
        FinishWrite(letter);
    return Reply(letter, block);
}

void SimulatedPlc::FinishWrite(uint8_t letter) {
    if (letter == PlcFunctionCode::Download && m_incoming.size() >= kOptionCopies) {
        m_state.downloadOptions = m_incoming.back();
        m_state.image.assign(m_incoming.begin(), m_incoming.end() - kOptionCopies);
    } else if (letter == PlcFunctionCode::WriteForces) {
        m_state.forceTable = m_incoming;
    }
    m_writeLetter = 0;
    m_writeNext = -1;
    m_incoming.clear();
}

SimulatedPlc::Data SimulatedPlc::MonitorData() {
    size_t offset = 0, length = 0;
    if (!FindMonitorSection(m_state.image, offset, length) || length < kSectionHeader + 4)
        return {};
    const size_t end = offset + length;
    const size_t size = m_state.image[end - 2] | (m_state.image[end - 1] << 8);
    const uint32_t cycle = ++m_state.monitorCycles;
    Data data(size);
    for (size_t i = 0; i < size; ++i)
        data[i] = MonitorByte(cycle, i);
    return data;
}

// Block 255 takes a snapshot of the data and answers with the highest block number;
// each lower number hands out its 200 bytes, the highest first.
std::vector<uint8_t> SimulatedPlc::ReadBlock(uint8_t letter, uint8_t block) {
    namespace F = PlcFunctionCode;
    if (block == PlcFrame::kFirstReadBlock) {
        if (letter == F::Upload) {
            if (m_state.downloadOptions & kForbidUpload)
                return Refusal(PlcFrame::kRefusalUploadForbidden);
            if (m_state.protectionLevel >= 3 && !m_state.unlocked)
                return Refusal(PlcFrame::kRefusalPasswordNeeded);
        }
        m_outgoing = letter == F::Upload ? m_state.image : letter == F::ReadForces ? m_state.forceTable
                                                                                   : MonitorData();
        if (m_outgoing.empty())
            return Refusal(kRefusalOther);
        m_readLetter = letter;
    }
    const size_t count = (m_outgoing.size() + PlcFrame::kMaxBlockBytes - 1) / PlcFrame::kMaxBlockBytes;
    const uint8_t number = block == PlcFrame::kFirstReadBlock ? static_cast<uint8_t>(count - 1) : block;
    if (m_readLetter != letter || number >= count)
        return Refusal(kRefusalOther);
    const size_t start = (count - 1 - number) * PlcFrame::kMaxBlockBytes;
    const size_t end = std::min(m_outgoing.size(), start + PlcFrame::kMaxBlockBytes);
    return Reply(letter, number, Data(m_outgoing.begin() + start, m_outgoing.begin() + end));
}

// Counts the answers a fault lets pass first; true when this one is hit.
bool SimulatedPlc::FaultHitsThisAnswer(uint8_t letter) {
    if (m_fault == PlcFault::None || (m_faultLetter && letter != m_faultLetter))
        return false;
    if (m_faultSkip > 0) {
        --m_faultSkip;
        return false;
    }
    return true;
}

void SimulatedPlc::ApplyFault(PlcAnswer& answer) {
    std::vector<uint8_t>& bytes = answer.bytes;
    switch (m_fault) {
    case PlcFault::BadCrc: bytes.back() ^= 0xFF; break;
    case PlcFault::Silent: bytes.clear(); break;
    case PlcFault::ShortReply: bytes.resize(bytes.size() - std::min(kShortBy, bytes.size() - 1)); break;
    case PlcFault::LongReply: bytes.resize(kOverLongReply, 0); break;
    case PlcFault::BadLength: bytes[2] = static_cast<uint8_t>(m_faultParam); ReplaceCrc(bytes); break;
    case PlcFault::WrongBlock: bytes[3] = static_cast<uint8_t>(bytes[3] + 1); ReplaceCrc(bytes); break;
    case PlcFault::Refuse: break;  // answered without acting
    case PlcFault::LostRequest: break;  // neither handled nor answered
    case PlcFault::SlowReply: answer.delayMs = m_faultParam; break;
    case PlcFault::SplitReply:
        answer.splitAt = bytes.size() / 2;
        answer.splitDelayMs = m_faultParam;
        break;
    case PlcFault::None: break;
    }
    if (--m_faultCount == 0)
        m_fault = PlcFault::None;
}
