#include "comm/ProjectForceAccess.h"

#include "language/AddressCode.h"
#include "language/DirectAddress.h"
#include "project/CQLXProject.h"
#include "project/ForceImage.h"

#include <algorithm>

bool CProjectForceAccess::ParseForceAddress(const CString& text, uint16_t& code, uint32_t& typeFlags) {
    OperandDescriptor descriptor = 0;
    if (!ParseDirectAddress(text, descriptor) || !(descriptor & OD_FORCEABLE))
        return false;
    const CString address = CForcingService::ForceKey(text);
    const WORD encoded = EncodeAddressCode(address, FALSE);
    if (encoded == 0xFFFF)
        return false;
    code = encoded;
    typeFlags = descriptor;
    return true;
}

CString CProjectForceAccess::AddressCodeToText(uint16_t code, uint32_t kind) {
    return m_project.AddressCodeToText(code, kind);
}

bool CProjectForceAccess::SetForceImageValue(uint16_t code, uint32_t typeFlags, uint32_t value) {
    return m_project.forceImage && (typeFlags & OD_FORCEABLE) &&
           WriteForceValue(m_project.forceImage.get(), m_project.forceCellCount, code, typeFlags, value);
}

bool CProjectForceAccess::GetForceImageValue(uint16_t code, uint32_t typeFlags, uint32_t& value) {
    DWORD read = 0;
    if (!(typeFlags & OD_FORCEABLE) || !m_project.GetForceImageValue(code, typeFlags, read))
        return false;
    value = read;
    return true;
}

void CProjectForceAccess::ClearForceImage() {
    if (m_project.forceImage)
        std::fill_n(m_project.forceImage.get(), m_project.forceCellCount, 0);
    if (m_project.forceImageBackup)
        std::fill_n(m_project.forceImageBackup.get(), m_project.forceCellCount, 0);
}

void CProjectForceAccess::BackupForceImage() {
    if (m_project.forceImage && m_project.forceImageBackup)
        std::copy_n(m_project.forceImage.get(), m_project.forceCellCount, m_project.forceImageBackup.get());
}

void CProjectForceAccess::RestoreForceImage() {
    if (m_project.forceImage && m_project.forceImageBackup)
        std::copy_n(m_project.forceImageBackup.get(), m_project.forceCellCount, m_project.forceImage.get());
}

ForceEntryMap& CProjectForceAccess::ForceEntries() { return m_project.forceEntries; }
