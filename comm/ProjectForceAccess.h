#pragma once
#include "comm/ForcingService.h"

class CQLXProject;

// The forcing service's view of the open project: direct addresses through the
// language's parser and address codes, the project's force images and force map.
class CProjectForceAccess : public ForceProject {
public:
    explicit CProjectForceAccess(CQLXProject& project) : m_project(project) {}

    bool ParseForceAddress(const CString& text, uint16_t& code, uint32_t& typeFlags) override;
    CString AddressCodeToText(uint16_t code, uint32_t kind) override;
    bool SetForceImageValue(uint16_t code, uint32_t typeFlags, uint32_t value) override;
    bool GetForceImageValue(uint16_t code, uint32_t typeFlags, uint32_t& value) override;
    void ClearForceImage() override;
    void BackupForceImage() override;
    void RestoreForceImage() override;
    ForceEntryMap& ForceEntries() override;

private:
    CQLXProject& m_project;
};
