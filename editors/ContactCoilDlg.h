#pragma once
#include "platform/CDialog.h"

class CLadderElement;

// What OK does with the operand typed for a contact or coil: the operand the element
// takes, the message the user is shown first, and whether the dialog ends.
struct LeafOperandDecision {
    BOOL close = FALSE;
    BOOL setOperand = FALSE;
    CString operand;
    const char* message = nullptr;  // a box owned by the dialog, or none
    const char* caption = nullptr;
    UINT icon = 0;
    BOOL focusOperand = FALSE;      // the operand edit takes the focus
};

// Decides OK for the symbol chosen and the operand typed. Label coils keep `labels`
// (the program's label names) in step: an "-(LBL)" defines its label there.
LeafOperandDecision DecideLeafOperand(const CString& symbol, const CString& typed,
                                      const CString& previousLabel, BOOL isCoil,
                                      CStringArray& labels);

// "触点/线圈": the kind and the operand of one contact or coil. OK writes the operand
// into the element; the chosen symbol is left in m_strSymbol for the editor to apply.
class CContactCoilDlg : public CDialog {
public:
    CContactCoilDlg(CLadderElement* element, BOOL isCoil, CWnd* parent = nullptr);

    CString m_strOperand;
    CString m_strSymbol;
    CString m_strPrevLabel;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnTypeChanged();
    // The operand edit is enabled only for a symbol that takes an operand.
    void ShowOperandFor(const CString& symbol);

    CLadderElement* m_pElement;
    BOOL m_bCoil;

    DECLARE_MESSAGE_MAP()
};
