#pragma once
#include "comm/SerialLine.h"
#include "platform/SyncObjects.h"
#include "tools/simplc/SimulatedPlc.h"

#include <cstdint>
#include <vector>

// A serial line that hands each request frame to a simulated PLC in the same process
// and delivers its answer on a virtual clock: waiting and pausing advance the clock
// instead of sleeping, so time-outs and slow replies are exact and instant. Each call is
// atomic, so that a test can let two threads meet on it and see who sent what.
class InProcessLink : public SerialLine {
public:
    explicit InProcessLink(SimulatedPlc& plc) : m_plc(plc) {}

    bool IsOpen() const override { return m_open; }
    void Purge() override;
    bool Write(const uint8_t* data, uint32_t length) override;
    bool QueryInput(uint32_t& errors, uint32_t& waiting) override;
    bool Read(uint8_t* data, uint32_t length) override;
    bool WaitForReply(uint32_t eventMask, uint32_t timeoutMs) override;
    void Pause(uint32_t ms) override;

    // What the line does besides carrying the PLC's answers.
    void SetOpen(bool open) { m_open = open; }
    void FailWrites(bool fail) { m_failWrites = fail; }
    void ReportLineErrors(uint32_t flags) { m_lineErrors = flags; }
    // The next request is answered with these bytes at once instead of by the PLC.
    void ScriptAnswer(std::vector<uint8_t> bytes) { m_script = std::move(bytes); m_scripted = true; }

    const std::vector<std::vector<uint8_t>>& Requests() const { return m_requests; }
    // The threads that sent the requests, in the same order.
    const std::vector<DWORD>& RequestThreads() const { return m_threads; }
    void ForgetRequests();
    uint64_t Now() const { return m_now; }

private:
    struct Arrival {
        uint64_t at;
        std::vector<uint8_t> bytes;
    };
    void Deliver();

    mutable CCriticalSection m_lock;
    SimulatedPlc& m_plc;
    bool m_open = true;
    bool m_failWrites = false;
    uint32_t m_lineErrors = 0;
    bool m_scripted = false;
    std::vector<uint8_t> m_script;
    uint64_t m_now = 0;
    std::vector<Arrival> m_coming;
    std::vector<uint8_t> m_queue;
    std::vector<std::vector<uint8_t>> m_requests;
    std::vector<DWORD> m_threads;
};
