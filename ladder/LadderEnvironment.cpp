#include "ladder/LadderEnvironment.h"

#include "language/InstrDesc.h"

BOOL CLadderEnvironment::FindGlobalSymbol(const CString&, CString&, CString&) const {
    return FALSE;
}

BOOL CLadderEnvironment::ShowGlobalNames() const { return FALSE; }

BOOL CLadderEnvironment::IsOnlineMonitoring() const { return FALSE; }

const InstrDesc* CLadderEnvironment::FindInstruction(const CString& name) const {
    for (const InstrDesc& record : LadderInstrCatalogue) {
        if (name == record.name) return &record;
    }
    return nullptr;
}

BOOL CLadderEnvironment::AddFBInstance(const CString&, const CString&, const CString&) {
    return FALSE;
}

void CLadderEnvironment::DeleteFBInstance(const CString&) {}

void CLadderEnvironment::GetFBInstancesOf(const CString&, CStringArray&, CStringArray&) const {}

void CLadderEnvironment::DeleteFBInstancesOf(const CString&) {}

BOOL CLadderEnvironment::ResolveCallTarget(const CString&, CString&) const { return FALSE; }

BOOL CLadderEnvironment::ToggleInterruptName(const CString&, CString&) const { return FALSE; }

BOOL CLadderEnvironment::TranslateInterruptName(const CString&, CString&) const { return FALSE; }

namespace {
CLadderEnvironment standIn;
CLadderEnvironment* installed = nullptr;
}  // namespace

CLadderEnvironment& LadderEnvironment() { return installed ? *installed : standIn; }

CLadderEnvironment* SetLadderEnvironment(CLadderEnvironment* environment) {
    CLadderEnvironment* previous = installed;
    installed = environment;
    return previous;
}
