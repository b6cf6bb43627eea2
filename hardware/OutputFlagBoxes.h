#pragma once
#include "platform/CWnd.h"

// Sixteen output check boxes in two rows of eight under the labels of their two bytes,
// with a select-all box: the outputs' states on stop of the CPU and the hold-on-stop
// flags of the output modules. Boxes of outputs the module lacks are disabled.
class OutputFlagBoxes {
public:
    static constexpr int BoxCount = 16;

    struct Ids {
        int firstBox;     // bit 0; bits 1 to 15 follow
        int selectAll;
        int firstLabel;
        int secondLabel;
    };
    // clearOnTick: ticking a box clears select-all too (module forms); otherwise only
    // unticking does (the CPU page).
    OutputFlagBoxes(const Ids& ids, bool clearOnTick) : m_ids(ids), m_clearOnTick(clearOnTick) {}

    // Labels, enabled boxes and the first count flags; select-all off.
    void Fill(CWnd& form, const DWORD* flags, int count, int doCount, int startByte);
    // "Q" start ".x" and "Q" (start + 1) ".x".
    void ShowLabels(CWnd& form, int startByte);
    // True when the id is one of the boxes (a click was handled).
    bool OnClick(CWnd& form, int id);
    // All sixteen boxes and select-all cleared.
    void Clear(CWnd& form);
    // The first count boxes into the flags.
    void Store(const CWnd& form, DWORD* flags, int count) const;
    bool IsBox(int id) const { return id == m_ids.selectAll || (id >= m_ids.firstBox && id < m_ids.firstBox + BoxCount); }

private:
    Ids m_ids;
    bool m_clearOnTick;
    int m_doCount = 0;
};
