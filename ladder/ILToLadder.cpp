#include "ladder/ILToLadder.h"

#include "ladder/Coil.h"
#include "ladder/Comment.h"
#include "ladder/Contact.h"
#include "ladder/LogicNode.h"

namespace {
// Appended to the comment of a network that breaks a rule while the text is checked;
// taken off again when the network is built. It never reaches a file.
const char* const kRefusalMarker = "—23569_42_256738AETH3578KLLFSW3VYUX2TIP,L—";

BOOL IsOneOf(const CString& word, std::initializer_list<const char*> names) {
    for (const char* name : names) {
        if (word == name) return TRUE;
    }
    return FALSE;
}

BOOL IsLoadWord(const CString& word) { return IsOneOf(word, {"LD", "LDI", "LDN", "LDNI"}); }
BOOL IsOrWord(const CString& word) { return IsOneOf(word, {"OR", "ORN", "ORI", "ORNI"}); }
BOOL IsAndWord(const CString& word) { return IsOneOf(word, {"AND", "ANDN", "ANDI", "ANDNI"}); }

BOOL EndsWith(const CString& text, const char* tail) {
    int length = static_cast<int>(strlen(tail));
    return text.GetLength() >= length && text.Right(length) == tail;
}

CString UpperFirstWord(CStringArray& words) {
    if (words.IsEmpty()) words.Add("");
    words[0].MakeUpper();
    return words[0];
}

// The contact of a load, AND, OR or NOT line.
CContact* ContactOf(const CString& word, const CStringArray& words) {
    CContact* contact = new CContact;
    contact->SetOperand(words.GetSize() > 1 ? words[1] : CString(LADDER_MISSING_OPERAND));
    const char* symbol = "-| |-";
    if (word == "NOT")
        symbol = "-|NOT|-";
    else if (EndsWith(word, "NI"))
        symbol = "-|/I|-";
    else if (EndsWith(word, "N"))
        symbol = "-|/|-";
    else if (EndsWith(word, "I"))
        symbol = "-|I|-";
    contact->SetSymbol(symbol);
    contact->SetLinkType(word.Left(2) == "OR" ? LINK_PARALLEL : LINK_SERIES);
    return contact;
}
}  // namespace

// ---- Checking and splitting ----------------------------------------------------------

BOOL CILToLadder::CheckAndSplit(const CStringArray& lines, CString& message) {
    if (lines.IsEmpty()) return FALSE;
    BOOL instructionMet = FALSE;
    for (int i = 0; i < lines.GetSize(); ++i) {
        CString line = lines[i];
        line.Trim();
        if (line.IsEmpty()) continue;
        line.Replace(',', ' ');
        CString number;
        if (m_tokenizer.ParseNetworkHeader(line, number)) {
            // Two headers in a row make one network, with the first one's comment.
            if (!m_bAfterHeader) StartNetwork(lines, i, line, message);
            continue;
        }
        line = m_tokenizer.StripComments(line);
        line.Trim();
        if (line.IsEmpty()) continue;
        // Lines in front of the first header open network 0 themselves, so that a text
        // without headers is not lost.
        if (m_networkStarts.IsEmpty()) OpenNetwork("(* Network 0 *)", CString(), message);
        m_bAfterHeader = FALSE;
        instructionMet = TRUE;
        CheckInstruction(line, i, message);
    }
    if (!instructionMet && !m_networkStarts.IsEmpty()) {
        m_lines.Add("LD  ????");
    } else if (m_bAfterHeader) {
        // A header after the last instruction opens no network.
        m_networkStarts.RemoveAt(m_networkStarts.GetSize() - 1);
        m_firstOutputs.RemoveAt(m_firstOutputs.GetSize() - 1);
        m_networkComments.RemoveAt(m_networkComments.GetSize() - 1);
        m_lines.RemoveAt(m_lines.GetSize() - 1);
    }
    RefuseOpenBlocks(message);
    return TRUE;
}

void CILToLadder::StartNetwork(const CStringArray& lines, int& index, const CString& header,
                               CString& message) {
    CString comment, number;
    if (index + 1 < lines.GetSize()) {
        const CString& next = lines[index + 1];
        if (next.Left(2) == "(*" && EndsWith(next, "*)") && next.GetLength() >= 4 &&
            !m_tokenizer.ParseNetworkHeader(next, number)) {
            comment = next.Mid(2, next.GetLength() - 4);
            ++index;
        }
    }
    OpenNetwork(header, comment, message);
    m_bAfterHeader = TRUE;
}

void CILToLadder::OpenNetwork(const CString& header, const CString& comment,
                              CString& message) {
    RefuseOpenBlocks(message);
    m_networkStarts.Add(static_cast<int>(m_lines.GetSize()));
    m_firstOutputs.Add(-1);
    m_bOutputPending = TRUE;
    m_networkComments.Add(comment);
    m_lines.Add(header);
    m_bLoadExpected = TRUE;
}

void CILToLadder::CheckInstruction(const CString& line, int lineNumber, CString& message) {
    CString word = m_tokenizer.FirstOperand(line);
    word.MakeUpper();
    const int index = static_cast<int>(m_lines.GetSize());
    CString lead;
    lead.Format("不能转换第%d行!\r\n", lineNumber);
    if (IsLoadWord(word)) {
        if (m_bLoadExpected)
            m_bLoadExpected = FALSE;
        else
            Refuse(lead + "LD类指令只允许在一个网络、OR块或者AND块的第一行使用。", message);
    } else if (m_bLoadExpected) {
        if (EndsWith(line, ":")) {
            if (m_bOutputPending && !m_firstOutputs.IsEmpty()) {
                m_firstOutputs[m_firstOutputs.GetSize() - 1] = index;
                m_bOutputPending = FALSE;
            }
        } else {
            Refuse(lead + "OR() 或者 AND() 中第一条指令必须是LD指令!", message);
        }
        m_bLoadExpected = FALSE;
    } else if (m_tokenizer.IsOutputInstruction(word)) {
        if (m_bOutputPending && !m_firstOutputs.IsEmpty()) {
            m_firstOutputs[m_firstOutputs.GetSize() - 1] = index;
            m_bOutputPending = FALSE;
        }
    } else if (!m_bOutputPending) {
        CString coilLead;
        coilLead.Format("不能转第%d行\r\n", lineNumber);
        Refuse(coilLead + "线圈指令只能出现在每个梯级的最后。\r\n", message);
    } else if (word == "OR(" || word == "AND(") {
        int type = word == "OR(" ? 2 : 1;
        m_blocks.Add(BlockRecord{index, -1, type});
        m_openBlocks.Add(type);
        m_bLoadExpected = TRUE;
    } else if (word == ")") {
        CheckClosingBracket(message);
    }
    m_lines.Add(line);
}

void CILToLadder::CheckClosingBracket(CString& message) {
    if (m_openBlocks.IsEmpty()) {
        Refuse("\")\" 前没有对应的 \"AND(\" 或 \"OR(\"。\r\n", message);
        return;
    }
    int innermost = m_openBlocks[m_openBlocks.GetSize() - 1];
    if (LastLineLinkType() == innermost)
        Refuse("ADN块最后指令必须是并联类型指令,OR块最后一条指令必须是串联类型指令", message);
    m_openBlocks.RemoveAt(m_openBlocks.GetSize() - 1);
    for (INT_PTR r = m_blocks.GetSize() - 1; r >= 0; --r) {
        if (m_blocks[r].end != -1) continue;
        m_blocks[r].end = static_cast<int>(m_lines.GetSize());
        break;
    }
    m_bLoadExpected = FALSE;
}

void CILToLadder::RefuseOpenBlocks(CString& message) {
    if (m_openBlocks.IsEmpty()) return;
    Refuse("\"AND(\" 或 \"OR(\" 块在网络结束前没有 \")\"。\r\n", message);
    m_openBlocks.RemoveAll();
}

void CILToLadder::Refuse(const CString& reason, CString& message) {
    message += reason;
    if (m_networkComments.IsEmpty()) return;
    CString& comment = m_networkComments[m_networkComments.GetSize() - 1];
    if (!EndsWith(comment, kRefusalMarker)) comment += kRefusalMarker;
}

int CILToLadder::LastLineLinkType() const {
    if (m_lines.IsEmpty()) return -1;
    const int last = static_cast<int>(m_lines.GetSize() - 1);
    if (m_lines[last] == ")") {
        for (int r = 0; r < m_blocks.GetSize(); ++r)
            if (m_blocks[r].end == last) return m_blocks[r].type;
        return -1;
    }
    CStringArray words;
    m_tokenizer.SplitTokens(m_lines[last], words);
    CString word = UpperFirstWord(words);
    return IsOrWord(word) && words.GetSize() < 3 ? LINK_PARALLEL : LINK_SERIES;
}

int CILToLadder::FindBlockEnd(int start) {
    const int count = static_cast<int>(m_blocks.GetSize());
    if (m_nBlockHint < count && m_blocks[m_nBlockHint].start == start)
        return m_blocks[m_nBlockHint++].end;
    for (int r = 0; r < count; ++r) {
        if (m_blocks[r].start != start) continue;
        m_nBlockHint = r + 1;
        return m_blocks[r].end;
    }
    return -1;
}

// ---- Building -------------------------------------------------------------------------

BOOL CILToLadder::BuildNetworks() { return Build(FALSE); }

void CILToLadder::BuildNetworksKeepingIL() { Build(TRUE); }

BOOL CILToLadder::Build(BOOL keepUnbuildable) {
    if (m_lines.GetSize() < 2 || m_networkStarts.IsEmpty()) return FALSE;
    for (int k = 0; k < m_networkStarts.GetSize(); ++k) {
        if (BuildNetwork(k)) continue;
        if (!keepUnbuildable) {
            DeleteElements();
            return FALSE;
        }
        DropLastNetwork();
        BuildKeptNetwork(k);
    }
    return TRUE;
}

void CILToLadder::NetworkRange(int network, int& first, int& last) const {
    first = m_networkStarts[network] + 1;
    last = (network + 1 < m_networkStarts.GetSize() ? m_networkStarts[network + 1]
                                                    : static_cast<int>(m_lines.GetSize())) -
           1;
}

BOOL CILToLadder::BuildNetwork(int network) {
    CString comment = m_networkComments[network];
    if (EndsWith(comment, kRefusalMarker)) {
        BuildKeptNetwork(network);
        return TRUE;
    }
    int first = 0, last = 0;
    NetworkRange(network, first, last);
    CComment* header = new CComment;
    header->m_nNetwork = network;
    comment.Replace("\x01", "\r\n");
    header->m_strComment = comment;
    m_elements.Add(header);
    const int firstOutput = m_firstOutputs[network];
    CLadderElement* root = BuildCoils(firstOutput < 0 ? last + 1 : firstOutput, last);
    m_elements.Add(root);
    const int logicEnd = firstOutput < 0 ? last : firstOutput - 1;
    return logicEnd < first || BuildRungLevel(root, first, logicEnd);
}

void CILToLadder::BuildKeptNetwork(int network) {
    int first = 0, last = 0;
    NetworkRange(network, first, last);
    CComment* header = new CComment;
    header->m_nNetwork = network;
    CString comment = m_networkComments[network];
    if (EndsWith(comment, kRefusalMarker))
        comment = comment.Left(comment.GetLength() - static_cast<int>(strlen(kRefusalMarker)));
    header->m_strComment = comment;
    header->m_bConvertible = FALSE;
    m_elements.Add(header);
    CString il;
    for (int i = first; i <= last; ++i) il += m_lines[i] + "\r\n";
    CCoil* coil = new CCoil;
    coil->SetLinkType(LINK_SERIES);
    coil->SetRawIL(il);
    m_elements.Add(coil);
}

void CILToLadder::DropLastNetwork() {
    for (int item = 0; item < 2; ++item) {
        const INT_PTR last = m_elements.GetSize() - 1;
        static_cast<CLadderElement*>(m_elements[last])->DeleteSubtree(FALSE);
        m_elements.RemoveAt(last);
    }
}

CLadderElement* CILToLadder::BuildCoils(int first, int last) {
    const int outputCount = last - first + 1;
    if (outputCount <= 0) {
        CCoil* coil = new CCoil;
        coil->SetSymbol("-(NUL)");
        coil->SetLinkType(LINK_SERIES);
        return coil;
    }
    CCoil* root = nullptr;
    CCoil* previous = nullptr;
    for (int i = first; i <= last; ++i) {
        CStringArray words;
        m_tokenizer.SplitTokens(m_lines[i], words);
        CString word = UpperFirstWord(words);
        CString operand = words.GetSize() > 1 ? words[1] : CString(LADDER_MISSING_OPERAND);
        CString symbol;
        if (word == "ST" && (words.GetSize() > 1 &&
                             (words[1].Left(3) == "%BR" || words[1].Left(2) == "BR"))) {
            symbol = "-(NUL)";
            operand = LADDER_MISSING_OPERAND;
        } else if (word == "ST") {
            symbol = "-( )";
        } else if (word == "STN") {
            symbol = "-(/)";
        } else if (word == "STI") {
            symbol = "-(I)";
        } else if (words.GetSize() == 1 && EndsWith(word, ":")) {
            symbol = "-(LBL)";
            operand = words[0].Left(words[0].GetLength() - 1);
        } else {
            symbol = "-(" + word + ")";
        }
        CCoil* coil = new CCoil;
        coil->SetSymbol(symbol);
        coil->SetOperand(operand);
        coil->SetLinkType(outputCount > 1 ? LINK_PARALLEL : LINK_SERIES);
        if (previous)
            previous->LinkParallel(coil);
        else
            root = coil;
        previous = coil;
    }
    return root;
}

CLadderElement* CILToLadder::FirstContact(int first, int last) {
    if (first > last) return nullptr;
    CStringArray words;
    m_tokenizer.SplitTokens(m_lines[first], words);
    CString word = UpperFirstWord(words);
    if (!IsLoadWord(word)) return nullptr;
    CContact* contact = ContactOf(word, words);
    contact->SetLinkType(LINK_SERIES);
    if (first + 1 <= last) {
        CStringArray next;
        m_tokenizer.SplitTokens(m_lines[first + 1], next);
        BOOL orFollows = !next.IsEmpty() && (IsOrWord(next[0]) || next[0] == "OR(") &&
                         next.GetSize() < 3;
        if (orFollows) contact->SetLinkType(LINK_PARALLEL);
    }
    return contact;
}

CLadderElement* CILToLadder::BoxFromLine(int& index, int last, CStringArray& words) {
    CLadderElement* box = nullptr;
    int used = index;
    if (!m_reader.Recognise(m_lines, used, last, words, box)) return nullptr;
    index += used;
    return box;
}

BOOL CILToLadder::BuildRungLevel(CLadderElement* parent, int first, int last) {
    CLadderElement* contact = FirstContact(first, last);
    if (!contact) return FALSE;
    RungState state;
    state.parent = parent;
    if (contact->GetLinkType() == LINK_SERIES) {
        parent->LinkSeries(contact);
    } else {
        CLogicNode* group = new CLogicNode(LINK_SERIES);
        parent->LinkSeries(group);
        group->LinkParallel(contact);
        state.seriesNode = group;
    }
    state.current = contact;
    return BuildLevelLines(state, first + 1, last, &CILToLadder::AttachAsOr,
                           &CILToLadder::AttachInSeries);
}

BOOL CILToLadder::BuildAndBlock(CLadderElement* blockNode, int first, int last) {
    CLadderElement* contact = FirstContact(first, last);
    if (!contact) return FALSE;
    RungState state;
    state.parent = blockNode;
    if (contact->GetLinkType() == LINK_PARALLEL) {
        blockNode->LinkParallel(contact);
    } else {
        CLogicNode* group = new CLogicNode(LINK_PARALLEL);
        group->LinkSeries(contact);
        blockNode->LinkParallel(group);
        state.parallelNode = group;
    }
    state.current = contact;
    return BuildLevelLines(state, first + 1, last, &CILToLadder::AttachInParallel,
                           &CILToLadder::AttachInBlockSeries);
}

// The lines after a level's first contact. A rung level and an AND block read them
// alike and differ only in how an OR branch and an AND step attach to what is there.
BOOL CILToLadder::BuildLevelLines(RungState& state, int first, int last, AttachFn attachOr,
                                  AttachFn attachAnd) {
    for (int i = first; i <= last; ++i) {
        CStringArray words;
        m_tokenizer.SplitTokens(m_lines[i], words);
        CString word = UpperFirstWord(words);
        BOOL shortLine = words.GetSize() < 3;
        if (word == "OR(" || word == "AND(") {
            int end = FindBlockEnd(i);
            if (end < 0 || end > last) return FALSE;
            CLogicNode* block = new CLogicNode(word == "OR(" ? LINK_PARALLEL : LINK_SERIES);
            if (word == "OR(") {
                (this->*attachOr)(state, block);
                if (!BuildRungLevel(block, i + 1, end - 1)) return FALSE;
            } else {
                (this->*attachAnd)(state, block);
                if (!BuildAndBlock(block, i + 1, end - 1)) return FALSE;
            }
            i = end;
        } else if (IsOrWord(word) && shortLine) {
            (this->*attachOr)(state, ContactOf(word, words));
        } else if ((IsAndWord(word) && shortLine) || (word == "NOT" && words.GetSize() == 1)) {
            (this->*attachAnd)(state, ContactOf(word, words));
        } else {
            CLadderElement* box = BoxFromLine(i, last, words);
            if (!box) return FALSE;
            (this->*attachAnd)(state, box);
        }
    }
    return TRUE;
}

void CILToLadder::AttachAsOr(RungState& state, CLadderElement* element) {
    if (state.current->GetLinkType() == LINK_PARALLEL) {
        state.current->LinkParallel(element);
    } else {
        CLogicNode* branches = new CLogicNode(LINK_PARALLEL);
        branches->LinkSeries(state.parent->m_pSeries);
        branches->LinkParallel(element);
        CLogicNode* group = new CLogicNode(LINK_SERIES);
        group->LinkParallel(branches);
        state.parent->LinkSeries(group);
        state.seriesNode = group;
    }
    state.current = element;
}

void CILToLadder::AttachInSeries(RungState& state, CLadderElement* element) {
    if (state.current->GetLinkType() == LINK_PARALLEL) state.current = state.seriesNode;
    state.current->LinkSeries(element);
    state.current = element;
}

void CILToLadder::AttachInParallel(RungState& state, CLadderElement* element) {
    if (state.current->GetLinkType() == LINK_SERIES) state.current = state.parallelNode;
    state.current->LinkParallel(element);
    state.current = element;
}

void CILToLadder::AttachInBlockSeries(RungState& state, CLadderElement* element) {
    if (state.current->GetLinkType() == LINK_SERIES) {
        state.current->LinkSeries(element);
    } else {
        CLogicNode* chain = new CLogicNode(LINK_SERIES);
        chain->LinkParallel(state.parent->m_pParallel);
        chain->LinkSeries(element);
        CLogicNode* branches = new CLogicNode(LINK_PARALLEL);
        branches->LinkSeries(chain);
        state.parent->LinkParallel(branches);
        state.parallelNode = branches;
    }
    state.current = element;
}

void CILToLadder::DeleteElements() {
    for (int i = 0; i < m_elements.GetSize(); ++i)
        static_cast<CLadderElement*>(m_elements[i])->DeleteSubtree(FALSE);
    m_elements.RemoveAll();
}
