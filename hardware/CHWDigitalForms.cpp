#include "hardware/CHWDigitalForms.h"

#include "project/CQLXProject.h"
#include "project/CQLX_R2_PLC.h"
#include "res/resource.h"

#include <algorithm>

namespace {

const char* const NoRoom = "地址空间不足，无法为本模块分配地址！";
const char* const NoInputRoom = "地址空间不足，无法为本模块分配DI地址！";
const char* const NoOutputRoom = "地址空间不足，无法为本模块分配DO地址！";

const OutputFlagBoxes::Ids FormFlagIds = {IDC_HW_OUT_FLAG_FIRST, IDC_HW_SELECT_ALL, IDC_HW_OUT_LABEL_1, IDC_HW_OUT_LABEL_2};

DWORD* HoldFlags(CQLX_R2_PLC& module) {
    return &module.outputHoldFlags[0][0];
}

// The flags a module stores: those of its whole output bytes.
int StoredFlagCount(const CQLX_R2_PLC& module) {
    return std::min((module.doCount + 7) / 8 * 8, CQLX_R2_PLC::HoldGroupCount * 8);
}

}  // namespace

IMPLEMENT_DYNCREATE(CHWDIView, CHWModuleForm)

CHWDIView::CHWDIView()
    : CHWModuleForm(IDD_FORM_DI), m_input(ModuleAreaI, IDC_HW_DI_START, IDC_HW_DI_SPIN, IDC_HW_DI_LENGTH) {
    AddStartField(m_input);
}

void CHWDIView::Fill() {
    m_input.Fill(*this);
}

bool CHWDIView::OnFormCommand(UINT id, UINT code) {
    if (code != BN_CLICKED)
        return false;
    if (id == IDC_HW_DI_DEFAULT) {
        if (!Project().AssignInputBytes(Module())) {
            ShowNoRoom(NoRoom);
            return true;
        }
        m_input.ShowModuleStart(*this);
    } else if (id == IDC_HW_DI_CANCEL) {
        m_input.Restore(*this);
    } else {
        return false;
    }
    Changed(true);
    return true;
}

IMPLEMENT_DYNCREATE(CHWDOView, CHWModuleForm)

CHWDOView::CHWDOView()
    : CHWModuleForm(IDD_FORM_DO),
      m_output(ModuleAreaQ, IDC_HW_OUT_START, IDC_HW_OUT_SPIN, IDC_HW_OUT_LENGTH),
      m_flags(FormFlagIds, true) {
    AddStartField(m_output);
}

void CHWDOView::FillFlags() {
    m_flags.Fill(*this, HoldFlags(*Module()), OutputFlagBoxes::BoxCount, Module()->doCount, Module()->qStart);
}

void CHWDOView::Fill() {
    m_output.Fill(*this);
    FillFlags();
}

bool CHWDOView::OnFormCommand(UINT id, UINT code) {
    if (code != BN_CLICKED)
        return false;
    if (m_flags.IsBox(id)) {
        m_flags.OnClick(*this, id);
        Changed(false);
        return true;
    }
    if (id == IDC_HW_DO_DEFAULT) {
        if (!Project().AssignOutputBytes(Module())) {
            ShowNoRoom(NoOutputRoom);
            return true;
        }
        m_output.ShowModuleStart(*this);
        m_flags.Clear(*this);
    } else if (id == IDC_HW_DO_CANCEL) {
        m_output.Restore(*this);
        FillFlags();
    } else {
        return false;
    }
    m_flags.ShowLabels(*this, Module()->qStart);
    Changed(true);
    return true;
}

void CHWDOView::OnStartChanged() {
    m_flags.ShowLabels(*this, Module()->qStart);
}

int CHWDOView::ApplyToModule() {
    m_output.Store(*this);
    m_flags.Store(*this, HoldFlags(*Module()), StoredFlagCount(*Module()));
    return -1;
}

IMPLEMENT_DYNCREATE(CHWDIOView, CHWModuleForm)

CHWDIOView::CHWDIOView()
    : CHWModuleForm(IDD_FORM_DIO),
      m_input(ModuleAreaI, IDC_HW_IN_START, IDC_HW_IN_SPIN, IDC_HW_IN_LENGTH),
      m_output(ModuleAreaQ, IDC_HW_OUT_START, IDC_HW_OUT_SPIN, IDC_HW_OUT_LENGTH),
      m_flags(FormFlagIds, true) {
    AddStartField(m_input);
    AddStartField(m_output);
}

void CHWDIOView::FillFlags() {
    m_flags.Fill(*this, HoldFlags(*Module()), StoredFlagCount(*Module()), Module()->doCount, Module()->qStart);
}

void CHWDIOView::Fill() {
    m_input.Fill(*this);
    m_output.Fill(*this);
    FillFlags();
}

// The new input range stays when only the outputs find no room. False when nothing
// changed.
bool CHWDIOView::Default() {
    if (!Project().AssignInputBytes(Module())) {
        ShowNoRoom(NoInputRoom);
        return false;
    }
    const bool outputsFit = Project().AssignOutputBytes(Module());
    m_input.ShowModuleStart(*this);
    if (!outputsFit) {
        ShowNoRoom(NoOutputRoom);
        return true;
    }
    m_output.ShowModuleStart(*this);
    m_flags.Clear(*this);
    return true;
}

bool CHWDIOView::OnFormCommand(UINT id, UINT code) {
    if (code != BN_CLICKED)
        return false;
    if (m_flags.IsBox(id)) {
        m_flags.OnClick(*this, id);
        Changed(false);
        return true;
    }
    if (id == IDC_HW_DIO_DEFAULT) {
        if (!Default())
            return true;
    } else if (id == IDC_HW_DIO_CANCEL) {
        m_input.Restore(*this);
        m_output.Restore(*this);
        FillFlags();
    } else {
        return false;
    }
    m_flags.ShowLabels(*this, Module()->qStart);
    Changed(true);
    return true;
}

void CHWDIOView::OnStartChanged() {
    m_flags.ShowLabels(*this, Module()->qStart);
}

int CHWDIOView::ApplyToModule() {
    m_input.Store(*this);
    m_output.Store(*this);
    m_flags.Store(*this, HoldFlags(*Module()), StoredFlagCount(*Module()));
    return -1;
}
