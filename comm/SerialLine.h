#pragma once
#include <cstdint>

// The byte channel beneath the PLC frames: the Win32 serial port in the program, an
// in-process link in the protocol tests. The frame and transaction code talks to this
// interface only, so it runs unchanged over either.
class SerialLine {
public:
    virtual ~SerialLine() = default;

    virtual bool IsOpen() const = 0;
    // Abort pending transfers and drop whatever waits in both directions.
    virtual void Purge() = 0;
    // Write all bytes; false when the write fails or does not complete in time.
    virtual bool Write(const uint8_t* data, uint32_t length) = 0;
    // Clear and report the line's error flags (CE_...) and the count of waiting bytes.
    virtual bool QueryInput(uint32_t& errors, uint32_t& waiting) = 0;
    // Read exactly this many of the waiting bytes.
    virtual bool Read(uint8_t* data, uint32_t length) = 0;
    // Wait until at least one byte is waiting, at most timeoutMs; eventMask is EV_RXCHAR.
    virtual bool WaitForReply(uint32_t eventMask, uint32_t timeoutMs) = 0;
    // Let time pass while the reply comes in.
    virtual void Pause(uint32_t ms) = 0;
};
