#include "tests/comm/InProcessLink.h"

#include <algorithm>
#include <cstring>

void InProcessLink::ForgetRequests() {
    CSingleLock lock(&m_lock, TRUE);
    m_requests.clear();
    m_threads.clear();
}

void InProcessLink::Pause(uint32_t ms) {
    CSingleLock lock(&m_lock, TRUE);
    m_now += ms;
}

void InProcessLink::Purge() {
    CSingleLock lock(&m_lock, TRUE);
    m_coming.clear();
    m_queue.clear();
}

bool InProcessLink::Write(const uint8_t* data, uint32_t length) {
    CSingleLock lock(&m_lock, TRUE);
    if (!m_open || m_failWrites)
        return false;
    m_requests.emplace_back(data, data + length);
    m_threads.push_back(GetCurrentThreadId());
    if (m_scripted) {
        m_scripted = false;
        m_coming.push_back({m_now, m_script});
        return true;
    }
    const PlcAnswer answer = m_plc.Answer(data, length);
    if (answer.bytes.empty())
        return true;
    const uint64_t first = m_now + answer.delayMs;
    const size_t split = answer.splitAt ? answer.splitAt : answer.bytes.size();
    m_coming.push_back({first, {answer.bytes.begin(), answer.bytes.begin() + split}});
    if (split < answer.bytes.size())
        m_coming.push_back({first + answer.splitDelayMs, {answer.bytes.begin() + split, answer.bytes.end()}});
    return true;
}

void InProcessLink::Deliver() {
    while (!m_coming.empty() && m_coming.front().at <= m_now) {
        m_queue.insert(m_queue.end(), m_coming.front().bytes.begin(), m_coming.front().bytes.end());
        m_coming.erase(m_coming.begin());
    }
}

bool InProcessLink::QueryInput(uint32_t& errors, uint32_t& waiting) {
    CSingleLock lock(&m_lock, TRUE);
    if (!m_open)
        return false;
    Deliver();
    errors = m_lineErrors;
    m_lineErrors = 0;
    waiting = static_cast<uint32_t>(m_queue.size());
    return true;
}

bool InProcessLink::Read(uint8_t* data, uint32_t length) {
    CSingleLock lock(&m_lock, TRUE);
    Deliver();
    if (!m_open || length > m_queue.size())
        return false;
    std::memcpy(data, m_queue.data(), length);
    m_queue.erase(m_queue.begin(), m_queue.begin() + length);
    return true;
}

bool InProcessLink::WaitForReply(uint32_t /*eventMask*/, uint32_t timeoutMs) {
    CSingleLock lock(&m_lock, TRUE);
    Deliver();
    if (!m_queue.empty())
        return true;
    if (!m_coming.empty() && m_coming.front().at <= m_now + timeoutMs) {
        m_now = m_coming.front().at;
        Deliver();
        return true;
    }
    m_now += timeoutMs;
    return false;
}
