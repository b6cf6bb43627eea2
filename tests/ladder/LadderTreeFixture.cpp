#include "tests/ladder/LadderTreeFixture.h"

#include "ladder/Block.h"
#include "project/CQLXFB.h"
#include "project/CQLXFunc.h"

namespace {
std::string Upper(const CString& text) {
    CString upper = text;
    upper.Trim();
    upper.MakeUpper();
    return upper.GetString();
}
}  // namespace

BOOL FakeLadderEnvironment::FindGlobalDescriptor(const CString& name,
                                                 OperandDescriptor& descriptor) const {
    auto found = globalTypes.find(Upper(name));
    if (found == globalTypes.end()) return FALSE;
    descriptor = found->second;
    return TRUE;
}

BOOL FakeLadderEnvironment::FindGlobalSymbol(const CString& nameOrAddress, CString& name,
                                             CString& address) const {
    std::string key = Upper(nameOrAddress);
    for (const auto& [declared, at] : globals) {
        if (declared == key || at == key || at == "%" + key) {
            name = declared.c_str();
            address = at.c_str();
            return TRUE;
        }
    }
    return FALSE;
}

BOOL FakeLadderEnvironment::AddFBInstance(const CString& type, const CString& name,
                                          const CString& pou) {
    std::string key = Upper(name);
    if (key.empty() || key.find('?') != std::string::npos) return FALSE;
    if (instances.count(key)) return FALSE;
    instances[key] = Instance{Upper(type), Upper(pou)};
    return TRUE;
}

void FakeLadderEnvironment::DeleteFBInstance(const CString& name) {
    instances.erase(Upper(name));
}

BOOL FakeLadderEnvironment::RenameFBInstance(const CString& oldName, const CString& newName) {
    std::string from = Upper(oldName), to = Upper(newName);
    auto found = instances.find(from);
    if (found == instances.end() || to.empty() || to.find('?') != std::string::npos ||
        instances.count(to))
        return FALSE;
    Instance instance = found->second;
    instances.erase(found);
    instances[to] = instance;
    return TRUE;
}

void FakeLadderEnvironment::GetFBInstancesOf(const CString& pou, CStringArray& types,
                                             CStringArray& names) const {
    for (const auto& [name, instance] : instances) {
        if (instance.pou != Upper(pou)) continue;
        types.Add(instance.type.c_str());
        names.Add(name.c_str());
    }
}

void FakeLadderEnvironment::DeleteFBInstancesOf(const CString& pou) {
    for (auto it = instances.begin(); it != instances.end();)
        it = it->second.pou == Upper(pou) ? instances.erase(it) : std::next(it);
}

BOOL FakeLadderEnvironment::ResolveCallTarget(const CString& name, CString& target) const {
    auto found = subroutines.find(Upper(name));
    if (found == subroutines.end()) return FALSE;
    target.Format("SBR%02d", found->second);
    return TRUE;
}

BOOL FakeLadderEnvironment::ToggleInterruptName(const CString& text, CString& other) const {
    std::string key = Upper(text);
    for (const auto& [name, number] : interrupts) {
        CString numbered;
        numbered.Format("INT%02d", number);
        if (key == name) {
            other = numbered;
            return TRUE;
        }
        if (key == numbered.GetString()) {
            other = name.c_str();
            return TRUE;
        }
    }
    return FALSE;
}

BOOL FakeLadderEnvironment::TranslateInterruptName(const CString& text, CString& name) const {
    std::string key = Upper(text);
    if (interrupts.count(key)) {
        name = key.c_str();
        return TRUE;
    }
    CString other;
    if (!ToggleInterruptName(text, other)) return FALSE;
    name = other;
    return TRUE;
}

CQLXFunc* FakeLadderEnvironment::NewSubroutineDesc(const CString& name) const {
    std::string key = Upper(name);
    for (const auto& [subroutine, number] : subroutines) {
        CString target;
        target.Format("SBR%02d", number);
        if (key != subroutine && key != target.GetString()) continue;
        CQLXFunc* function = new CQLXFunc;
        function->SetName(subroutine.c_str());
        function->SetNumber(static_cast<WORD>(number + 1));
        auto params = subroutineParams.find(subroutine);
        std::vector<std::string> inputs{"EN"}, outputs{"ENO"};
        if (params != subroutineParams.end()) {
            inputs.insert(inputs.end(), params->second.first.begin(), params->second.first.end());
            outputs.insert(outputs.end(), params->second.second.begin(), params->second.second.end());
        }
        for (const std::string& input : inputs) {
            CQLXFBPara* param = new CQLXFBPara;
            param->SetNameAndFlags(input.c_str(), 0xA001);
            function->AddInput(param);
        }
        for (const std::string& output : outputs) {
            CQLXFBPara* param = new CQLXFBPara;
            param->SetNameAndFlags(output.c_str(), 0x4001);
            function->AddOutput(param);
        }
        return function;
    }
    return nullptr;
}

CContact* MakeContact(const char* operand, const char* symbol, int linkType) {
    CContact* contact = new CContact;
    contact->SetSymbol(symbol);
    contact->SetOperand(operand);
    contact->SetLinkType(linkType);
    return contact;
}

CCoil* MakeCoil(const char* operand, const char* symbol, int linkType) {
    CCoil* coil = new CCoil;
    coil->SetSymbol(symbol);
    coil->SetOperand(operand);
    coil->SetLinkType(linkType);
    return coil;
}

CBlock* MakeBox(const char* name, std::vector<const char*> inputs,
                std::vector<const char*> outputs, const char* instance) {
    CBlock* box = new CBlock;
    CLadderEnvironment& environment = LadderEnvironment();
    if (instance) {
        CQLXFB* block = environment.NewFunctionBlockDef(name);
        block->instanceName = instance;
        box->SetFunctionBlock(block);
    } else if (CQLXFunc* function = environment.NewFunctionDef(name)) {
        box->SetFunction(function);
    } else {
        CQLXFunc* subroutine = environment.NewSubroutineDesc(name);
        if (!subroutine) {
            subroutine = new CQLXFunc;
            subroutine->SetName(name);
        }
        box->SetFunction(subroutine);
    }
    for (size_t i = 0; i < inputs.size(); ++i) {
        CQLXFBPara* pin = box->InputPin(static_cast<int>(i + 1));
        if (pin) pin->textA = inputs[i];
        else ADD_FAILURE() << name << " has no input " << i + 1;
    }
    for (size_t j = 0; j < outputs.size(); ++j) {
        CQLXFBPara* pin = box->OutputPin(static_cast<int>(j + 1));
        if (pin) pin->textA = outputs[j];
        else ADD_FAILURE() << name << " has no output " << j + 1;
    }
    return box;
}

CLadderElement* Series(CLadderElement* parent, CLadderElement* child) {
    parent->m_pSeries = child;
    if (child) child->m_pParent = parent;
    return parent;
}

CLadderElement* Below(CLadderElement* parent, CLadderElement* child) {
    parent->m_pParallel = child;
    if (child) child->m_pParent = parent;
    return parent;
}

CLogicNode* SeriesNode(CLadderElement* left, CLadderElement* right) {
    CLogicNode* node = new CLogicNode(LINK_SERIES);
    Below(node, left);
    Series(node, right);
    return node;
}

CLogicNode* ParallelNode(CLadderElement* upper, CLadderElement* lower) {
    CLogicNode* node = new CLogicNode(LINK_PARALLEL);
    Series(node, upper);
    Below(node, lower);
    return node;
}

namespace {
std::string ContactShape(const CContact* contact) {
    std::string text = contact->IsNegation()
                           ? std::string("NOT")
                           : std::string(contact->GetMiddle()) + contact->GetOperand().GetString();
    if (contact->GetLinkType() == LINK_PARALLEL) text += "^";
    return text;
}

std::string BoxShape(const CBlock* box) {
    std::string text = "[" + std::string(box->GetName());
    if (box->GetBoxType() == CBlock::FUNCTION_BLOCK) text += " " + std::string(box->GetOperand());
    for (int i = 1; i < box->GetInputCount(); ++i)
        text += (i == 1 ? " " : ",") + std::string(box->InputOperand(i));
    text += "->";
    for (int j = 1; j < box->GetOutputCount(); ++j)
        text += (j == 1 ? "" : ",") + std::string(box->OutputOperand(j));
    return text + "]";
}

std::string CoilShape(const CCoil* coil) {
    std::string text;
    for (const CLadderElement* e = coil; e; e = e->m_pParallel) {
        const CCoil* stacked = static_cast<const CCoil*>(e);
        if (e != coil) text += ";";
        text += std::string(stacked->GetMiddle()) + ":";
        if (stacked->HasOperand()) text += stacked->GetOperand().GetString();
    }
    return text + "=" + Shape(coil->m_pSeries);
}
}  // namespace

std::string Shape(const CLadderElement* element) {
    if (!element) return "_";
    switch (element->GetKind()) {
    case LADDER_COIL: return CoilShape(static_cast<const CCoil*>(element));
    case LADDER_NODE:
        return std::string(element->IsSeriesNode() ? "S(" : "P(") +
               Shape(element->IsSeriesNode() ? element->m_pParallel : element->m_pSeries) + "," +
               Shape(element->IsSeriesNode() ? element->m_pSeries : element->m_pParallel) + ")";
    default: break;
    }
    std::string text = element->GetKind() == LADDER_CONTACT
                           ? ContactShape(static_cast<const CContact*>(element))
                           : BoxShape(static_cast<const CBlock*>(element));
    if (element->m_pSeries) text += ">" + Shape(element->m_pSeries);
    if (element->m_pParallel) text += "|(" + Shape(element->m_pParallel) + ")";
    return text;
}

namespace {
std::string SubtreeFault(const CLadderElement* element) {
    if (!element) return "";
    for (const CLadderElement* child : {element->m_pSeries, element->m_pParallel}) {
        if (child && child->m_pParent != element) return "parent link broken at " + Shape(child);
    }
    int kind = element->GetKind();
    if (kind == LADDER_COIL || kind == LADDER_HEADER) return "coil or header inside logic";
    if (kind == LADDER_NODE) {
        if (element->IsSeriesNode() && !element->m_pParallel) return "series node without left part";
        if (element->IsParallelNode() && !element->m_pSeries)
            return "parallel node without upper branch";
        if (!element->IsSeriesNode() && !element->IsParallelNode()) return "node of no link type";
    } else {
        const CLadderElement* unused =
            element->GetLinkType() == LINK_SERIES ? element->m_pParallel : element->m_pSeries;
        if (unused) return "leaf uses both children: " + Shape(element);
        const CLadderElement* parent = element->m_pParent;
        if (element->GetLinkType() == LINK_PARALLEL && parent && parent->m_pParallel != element &&
            !parent->IsParallelNode())
            return "parallel leaf in series position: " + Shape(element);
    }
    std::string fault = SubtreeFault(element->m_pSeries);
    return fault.empty() ? SubtreeFault(element->m_pParallel) : fault;
}
}  // namespace

std::string TreeFault(const CLadderElement* root) {
    if (!root || root->GetKind() != LADDER_COIL) return "root is not a coil";
    if (root->m_pParent) return "root has a parent";
    for (const CLadderElement* e = root; e; e = e->m_pParallel) {
        if (e->GetKind() != LADDER_COIL) return "coil stack holds a non-coil";
        if (e != root && e->m_pSeries) return "stacked coil with logic";
        if (e->m_pParallel && e->GetLinkType() != LINK_PARALLEL) return "stack under link type 1";
        if (e->m_pParallel && e->m_pParallel->m_pParent != e) return "stack parent broken";
    }
    if (root->m_pSeries && root->m_pSeries->m_pParent != root) return "logic parent broken";
    return SubtreeFault(root->m_pSeries);
}
