#pragma once
#include "editors/EditModel.h"
#include "language/ILLineParser.h"
#include "language/InstrSpecTable.h"
#include "platform/Arrays.h"

#include <memory>
#include <vector>

class CILEditEngine;
class CILLineMonitor;

// The editor model of an IL POU: the program as text lines, divided into networks by
// header comments "(* Network n *)". It owns the IL editor engine, gives the document
// the file and snapshot forms of the text, keeps the headers numbered, prepares the
// text for saving and remembers the POU's FB instances so that a dropped edit can put
// them back.
class CILModel : public CEditModel {
public:
    CILModel();
    ~CILModel() override;

    // File form: every line and CR LF, one more CR LF after a last line that is not
    // empty; read back with every TAB as 8 blanks. Snapshot form: caret line and column,
    // scroll x and y (4 bytes each), then the lines as in the file form.
    void Serialize(CArchive& ar, BOOL fileMode) override;
    void DeleteContents() override;
    BOOL OnNewDocument() override;
    BOOL OnOpenDocument(LPCTSTR path) override;
    void AfterSave(LPCTSTR path, BOOL stashed) override;
    BOOL BeforeSave(LPCTSTR path) override;
    void OnDiscardChanges() override;
    void ExportIL(CStringArray& lines) override;
    void GoToNetwork(int network) override;
    BOOL CanConvertToLD() override;

    CILEditEngine* GetEngine() const { return m_pILEngine; }
    CStringArray& GetLines() { return m_lines; }
    const CStringArray& GetLines() const { return m_lines; }
    BOOL IsHeaderLine(int line) const;
    // Searches lines from..0 for a header; its number text at the first found.
    BOOL FindPrevHeader(int from, CString& number) const;
    BOOL AnyHeaderIn(int first, int last) const;
    BOOL SetHeaderNumber(int line, const CString& number);
    BOOL RenumberFrom(int line);
    void RenumberAll();
    BOOL StripHeaderComments(int line);
    BOOL InsertNetworkAfter(int line);
    void RememberFBInstances();
    BOOL StashIfEmpty();
    void WriteInitialSnapshot();
    void BuildMonitorRecords(std::vector<std::unique_ptr<CILLineMonitor>>& records);
    static BOOL IsJumpWord(const CString& word);
    static OperandDescriptor SelectOperandType(int operand, const InstrSpec& resolved, OperandDescriptor address);
    static CString HeaderText(int number);

    CStringArray m_stash;
    CStringArray m_fbNames;
    CStringArray m_fbTypes;

private:
    void ReadLines(CArchive& ar);
    void WriteLines(CArchive& ar, BOOL extraLineEnd) const;
    CString PouName() const;
    void AddMonitorOperands(CILLineMonitor& record, const CStringArray& words);

    CILLineParser m_parser;
    CILEditEngine* m_pILEngine;
    CStringArray m_lines;
};
