// Usage: ladderbench. Prints the times of building, converting, laying out, drawing and
// editing a ladder POU of 200 networks, the most a POU holds.
#include "editors/LadderEditEngine.h"
#include "editors/LadderEditor.h"
#include "editors/POUEditorDoc.h"
#include "ladder/Block.h"
#include "ladder/Coil.h"
#include "ladder/Contact.h"
#include "ladder/WorkspaceLadderEnvironment.h"
#include "ladder/LadderModel.h"
#include "ladder/LadderSheet.h"
#include "platform/CDC.h"
#include "project/CPlcWorkspace.h"
#include "project/CQLXFBPara.h"
#include "project/CQLXFunc.h"
#include "project/CQLXStatus.h"
#include "tools/BenchTiming.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <initializer_list>
#include <cstdio>
#include <vector>

namespace {

const int kNetworks = 200;
const int kViewWidth = 1600;
const int kViewHeight = 1000;

// An editor without a window: nothing to scroll, redraw or focus.
class QuietEngine : public CLadderEditEngine {
public:
    void CommitCellEdit() override {}
    BOOL UpdateScrollSizes() override { return TRUE; }
    BOOL CanAddParallelRow(CLadderElement*) override { return TRUE; }
    BOOL ScrollToCurrent(int, int) override { return TRUE; }
    void Redraw() override {}
    BOOL GoToNetwork(int) override { return TRUE; }
    void ResetForLoad() override {}
    void OnInitialUpdate() override {}
    void FocusView() override {}
    CPOUEditorDoc* GetDocument() const override { return nullptr; }
};

// The POU being edited, with no variables of its own.
class BenchDocument : public CPOUEditorDoc {
public:
    BenchDocument() { m_strPathName = "C:\\bench\\MAIN_MAIN.ilp"; }
};

// The workspace's answers, with the bench's POU as the active document.
class BenchEnvironment : public CWorkspaceLadderEnvironment {
public:
    CPOUEditorDoc* GetActivePOUDocument() const override { return &document; }

    mutable BenchDocument document;
};

CContact* NewContact(const CString& operand, const char* symbol, int linkType) {
    CContact* contact = new CContact;
    contact->SetSymbol(symbol);
    contact->SetOperand(operand);
    contact->SetLinkType(linkType);
    return contact;
}

CCoil* NewCoil(const CString& operand, const char* symbol) {
    CCoil* coil = new CCoil;
    coil->SetSymbol(symbol);
    coil->SetOperand(operand);
    return coil;
}

// A function box with the operands of its inputs from pin 1 and of its first output.
CBlock* NewBox(const char* name, std::initializer_list<CString> inputs, const CString& output) {
    CBlock* box = new CBlock;
    box->SetFunction(LadderEnvironment().NewFunctionDef(name));
    int pin = 1;
    for (const CString& input : inputs) box->InputPin(pin++)->textA = input;
    box->OutputPin(1)->textA = output;
    return box;
}

CString Address(const char* format, int number) {
    CString text;
    text.Format(format, number);
    return text;
}

// One network as a user builds it: two contacts in series, a branch below the first, a
// move box and an addition box, and the coil with a second coil stacked below it.
void BuildNetwork(CLadderModel& model, int n) {
    model.NewNetwork();
    CLadderElement* first = model.GetCurrentElement();
    first->SetOperand(Address("%%I0.%d", n % 8));
    CContact* second = NewContact(Address("%%M%d.0", n % 30), "-|/|-", LINK_SERIES);
    model.InsertRight(second);
    model.SetCurrentElement(first);
    model.InsertParallel(NewContact(Address("%%M%d.1", n % 30), "-| |-", LINK_PARALLEL));
    model.SetCurrentElement(second);
    CBlock* move = NewBox("MOVE", {Address("%%VW%d", 2 * n)}, Address("%%VW%d", 2 * n + 400));
    model.InsertBox(move);
    model.SetCurrentElement(move);
    CString sum = Address("%%VW%d", 2 * n + 800);
    model.InsertBox(NewBox("ADD", {sum, "5"}, sum));
    CCoil* coil = static_cast<CCoil*>(model.GetItem(2 * n + 1));
    coil->SetSymbol("-( )");
    coil->SetOperand(Address("%%Q0.%d", n % 8));
    model.SetCurrentElement(coil);
    model.InsertParallelCoil(NewCoil(Address("%%M%d.3", n % 30), "-(S)"));
}

// A 32-bit memory device context of the view's size.
class MemoryView {
public:
    MemoryView() {
        m_dc.CreateCompatibleDC(nullptr);
        m_bitmap.CreateBitmap(kViewWidth, kViewHeight, 1, 32, nullptr);
        m_old = m_dc.SelectObject(&m_bitmap);
    }
    ~MemoryView() { m_dc.SelectObject(m_old); }
    CDC* Clear() {
        m_dc.FillSolidRect(0, 0, kViewWidth, kViewHeight, RGB(255, 255, 255));
        return &m_dc;
    }

private:
    CDC m_dc;
    CBitmap m_bitmap;
    CBitmap* m_old = nullptr;
};

// Registers the byte cells the monitored operands read, so live values are found.
void RegisterCells(CPlcWorkspace& workspace) {
    const char* prefixes[] = {"%IB", "%QB", "%MB", "%VB"};
    for (const char* prefix : prefixes) {
        for (int byte = 0; byte < 1300; ++byte) {
            if (prefix[1] != 'V' && byte >= 32) break;
            CString text;
            text.Format("%s%d", prefix, byte);
            CQLXStatus* cell = new CQLXStatus;
            cell->cellText = text;
            cell->value = static_cast<DWORD>(byte * 37 & 0xFF);
            workspace.AddMonitorOperand(text, cell);
        }
    }
}

// The editor on the same POU: painting a page, editing commands, the in-cell box's
// commit, undo, pasting every network into an empty POU and the print layout.
void BenchEditor(const CStringArray& lines, CPOUEditorDoc* document, MemoryView& view) {
    CLadderEditor* editor = new CLadderEditor;
    CLadderModel model(editor);
    editor->SetDocument(document);
    editor->SetClientSize(CSize(kViewWidth, kViewHeight));
    model.m_strPouName = "MAIN";
    model.LoadFromIL(lines);
    model.TakeSnapshot();
    editor->LayoutNetworks();
    editor->UpdateScrollSizes();
    double paint = MedianMilliseconds(20, [&] { editor->OnPaint(view.Clear()); });
    int lastRow = model.GetItem(2 * kNetworks - 2)->GetCellRect().m_nRow;
    auto clickLastContact = [&] { editor->ClickAt(150, (lastRow + 1) * 40 + 20, FALSE, TRUE); };
    double edit = MedianMilliseconds(20, [&] {
        clickLastContact();
        editor->InsertContact(FALSE);
        editor->OnPaint(view.Clear());
    });
    double commit = MedianMilliseconds(20, [&] {
        editor->ClickAt(150, (lastRow + 1) * 40 + 5, FALSE, FALSE);
        editor->OnChar('1', 1, 0);
        editor->CommitCellEdit();
    });
    double undo = MedianMilliseconds(20, [&] {
        editor->Undo();
        editor->LayoutNetworks();
    });
    editor->SelectAll();
    editor->Copy();
    std::vector<double> pastes;
    for (int k = 0; k < 5; ++k) {
        CLadderEditor* target = new CLadderEditor;
        CLadderModel empty(target);
        target->SetDocument(document);
        target->LayoutNetworks();
        Stopwatch watch;
        target->Paste();
        pastes.push_back(watch.Milliseconds());
    }
    double printLayout = MedianMilliseconds(20, [&] { editor->PaginateNetworks(4960, 7016, 600, 600); });
    theWorkspace->ClearLadderClipboard();
    printf("editor paint: %.2f ms\n", paint);
    printf("editor edit: %.2f ms\n", edit);
    printf("editor commit: %.2f ms\n", commit);
    printf("editor undo: %.2f ms\n", undo);
    printf("editor paste: %.2f ms (%d networks)\n", Median(pastes), kNetworks);
    printf("editor print layout: %.2f ms\n", printLayout);
}

}  // namespace

int main() {
    CPlcWorkspace workspace;
    workspace.project.cpuClass = 2;
    workspace.LoadInstructionCatalogue();
    BenchEnvironment environment;
    SetLadderEnvironment(&environment);
    CLadderModel model(new QuietEngine);

    Stopwatch building;
    for (int n = 0; n < kNetworks; ++n) BuildNetwork(model, n);
    double buildTime = building.Milliseconds();

    Stopwatch toIL;
    CStringArray lines;
    model.ExportIL(lines);
    double toILTime = toIL.Milliseconds();

    CLadderModel converted(new QuietEngine);
    Stopwatch toLadder;
    BOOL loaded = converted.LoadFromIL(lines);
    double toLadderTime = toLadder.Milliseconds();
    BOOL same = loaded && converted.ToIL() == model.ToIL();

    CLadderSheet sheet(converted);
    Stopwatch layout;
    sheet.LayOut();
    double layoutTime = layout.Milliseconds();
    const CDWordArray& starts = sheet.GetNetworkStartRows();
    int totalRows = static_cast<int>(starts[starts.GetSize() - 1]) + 10;

    MemoryView view;
    const int pageRows = kViewHeight / converted.m_nCellHeight;
    std::vector<double> pages, onlinePages;
    RegisterCells(workspace);
    for (int firstRow = 0; firstRow < totalRows; firstRow += pageRows) {
        Stopwatch page;
        sheet.Draw(view.Clear(), 0, firstRow);
        pages.push_back(page.Milliseconds());
        workspace.onlineMonitoring = TRUE;
        Stopwatch online;
        sheet.DrawOnline(view.Clear(), 0, firstRow);
        onlinePages.push_back(online.Milliseconds());
        workspace.onlineMonitoring = FALSE;
    }

    // Editing steps on the last network: an insertion, the new layout, the snapshot and
    // the repaint of the page that shows it.
    std::vector<double> steps;
    int lastPage = static_cast<int>(starts[starts.GetSize() - 1]) / pageRows * pageRows;
    for (int step = 0; step < 20; ++step) {
        converted.SetCurrentElement(converted.GetItem(2 * kNetworks - 1));
        Stopwatch edit;
        converted.InsertRight(NewContact(Address("%%I1.%d", step % 8), "-| |-", LINK_SERIES));
        sheet.LayOut();
        converted.TakeSnapshot();
        sheet.Draw(view.Clear(), 0, lastPage);
        steps.push_back(edit.Milliseconds());
    }

    printf("networks: %d (%d rows), IL lines: %d, round trip %s\n", converted.GetNetworkCount(),
           totalRows, static_cast<int>(lines.GetSize()), same ? "identical" : "DIFFERS");
    printf("build by editing: %.1f ms\n", buildTime);
    printf("LD -> IL: %.1f ms\n", toILTime);
    printf("IL -> LD: %.1f ms\n", toLadderTime);
    printf("layout: %.1f ms\n", layoutTime);
    printf("draw one page (%dx%d, %d pages): median %.1f ms, slowest %.1f ms\n", kViewWidth,
           kViewHeight, static_cast<int>(pages.size()), Median(pages),
           *std::max_element(pages.begin(), pages.end()));
    printf("live values of one page: median %.1f ms\n", Median(onlinePages));
    printf("editing step (insert, layout, snapshot, repaint): median %.1f ms, best %.1f ms\n",
           Median(steps), *std::min_element(steps.begin(), steps.end()));
    BenchEditor(lines, &environment.document, view);
    SetLadderEnvironment(nullptr);
    return same ? 0 : 1;
}
