#pragma once

#include "platform/CDocument.h"

class CQLXProject;

// The document of the open project. It holds nothing of its own: its file is the
// workspace's project behind the project file header. Opening checks the header first
// and has files of older versions converted before they are loaded.
class CProjTreeDOC : public CDocument {
    DECLARE_DYNCREATE(CProjTreeDOC)

public:
    CProjTreeDOC() = default;

    // The header, then the project body; loading skips the header, which
    // OpenProjectFile has checked.
    void Serialize(CArchive& ar) override;
    // The framework's open; a file that loads becomes the document's path and goes on
    // the recent-file list.
    BOOL OnOpenDocument(LPCSTR path) override;
    // The framework's save, refused (and told) for a hardware configuration with an
    // empty slot before a module, which the file cannot keep.
    BOOL OnSaveDocument(LPCSTR path) override;

    // Checks, converts when older, and loads a project file into the closed project.
    // Every refusal is told to the user and leaves the project closed and empty.
    BOOL OpenProjectFile(const CString& path);
    // Saves the project as a new file with a new, empty project folder beside it; a
    // configuration the file cannot keep is refused before anything is touched.
    BOOL SaveProjectAs(const CString& path);

    // How long to wait for the converter of older files.
    DWORD converterWaitMs = 25000;

private:
    BOOL ConvertOlderFile(const CString& path);
};
