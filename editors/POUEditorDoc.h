#pragma once
#include "language/OperandDescriptor.h"
#include "platform/Arrays.h"
#include "platform/CDocument.h"

class CEditModel;
class CLadderEditEngine;
class CPOUEditorView;
class CPOUVarView;

// The document of one open POU (MAIN, a subroutine or an interrupt routine). It owns the
// POU's editor model (IL or LD), reads and writes the program file (".ilp": a language
// header line, then the program as IL text), has the variable view write the ".ilv"
// file, asks before changes are dropped, shows the POU name as its title and switches
// the POU between IL and LD by rebuilding the model.
class CPOUEditorDoc : public CDocument {
    DECLARE_DYNCREATE(CPOUEditorDoc)

public:
    // How the ladder editor's engine is made; the ladder editor installs it. Without one
    // a ladder model is made without an engine.
    using LadderEngineFactory = CLadderEditEngine* (*)();
    static void SetLadderEngineFactory(LadderEngineFactory factory);

    CPOUEditorDoc() = default;
    ~CPOUEditorDoc() override;

    void Serialize(CArchive& ar) override;
    BOOL OnOpenDocument(LPCSTR path) override;
    BOOL OnSaveDocument(LPCSTR path) override;
    BOOL OnNewDocument() override;
    void DeleteContents() override;
    BOOL SaveModified() override;
    void SetTitle(LPCSTR title) override;
    void SetModifiedFlag(BOOL modified = TRUE) override;

    // Creates the model for a language, or rebuilds it from the exported IL lines when
    // the language differs from the model's.
    void CreateModel(int language);
    void SwitchLanguage(int language);
    // The model's language; 0 without a model.
    int GetLanguage() const;
    void GoToNetwork(int network);
    // Has the variable view build the POU's parameter list and, when write, its file.
    void UpdateParamList(BOOL write);
    // A variable declared by the POU: its type and access bits.
    BOOL LookupLocalVar(const CString& name, OperandDescriptor& flags) const;
    virtual CPOUVarView* GetVarView() const;
    CPOUEditorView* GetEditorView() const;
    // The program file's creation and last-write times in local time; both left as they
    // are when the file cannot be read.
    void GetFileTimes(CString& created, CString& modified) const;
    void GetVarDeclText(CStringArray& lines) const;
    // Makes the program and the variable file writable and visible.
    void ClearFileAttributes(const CString& path) const;
    // The POU name: the file name without folder and extension, after its first "_".
    CString GetPOUName() const;
    CEditModel* GetModel() const { return m_pModel; }
    const CString& GetVarFilePath() const { return m_strVarFilePath; }

    // The variable file beside a program file: its ".ilp" replaced by ".ilv"; empty for
    // another extension.
    static CString VarFilePathOf(const CString& programPath);
    // The POU name in a program file path.
    static CString PouNameOf(const CString& programPath);

    CString m_strVarFilePath;
    BOOL m_bFileMode = FALSE;
    CStringArray m_exportedLines;
    BOOL IsSubroutine = FALSE;

private:
    void AttachModel(CEditModel* model);
    CEditModel* NewModel(int language) const;
    void ConvertToLadder();
    void ConvertToIL();

    CEditModel* m_pModel = nullptr;
};
