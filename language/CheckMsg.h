#pragma once

#include "platform/CString.h"

#include <vector>

// A message queued by a check: a code into the compile message table, a severity
// (0 error, 1 warning, 2 information) and a detail text. The caller drains the queue
// and reports the messages with its own file and line.
struct CCheckMsg {
    int code;
    int severity;
    CString text;
};

// Messages in the order queued, handed out one by one from a read cursor.
class CCheckMsgQueue {
public:
    void Add(int code, int severity, const CString& text) {
        messages.push_back({code, severity, text});
    }
    // The message at the cursor, then advances; false at the end.
    bool Next(int& code, int& severity, CString& text) {
        if (cursor >= messages.size()) return false;
        const CCheckMsg& msg = messages[cursor++];
        code = msg.code;
        severity = msg.severity;
        text = msg.text;
        return true;
    }
    void Clear() {
        messages.clear();
        cursor = 0;
    }
    int GetCount() const { return static_cast<int>(messages.size()); }
    const std::vector<CCheckMsg>& All() const { return messages; }

private:
    std::vector<CCheckMsg> messages;
    size_t cursor = 0;
};
