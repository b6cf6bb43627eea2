#include "project/CProjTreeNode.h"

IMPLEMENT_SERIAL(CProjTreeNode, CObject, 1)

CProjTreeNode::CProjTreeNode(int kind, int language, WORD number)
    : kind(kind), language(language), number(number) {}

void CProjTreeNode::Serialize(CArchive& ar) {
    if (ar.IsStoring())
        ar << name << label << author << kind << number << language;
    else
        ar >> name >> label >> author >> kind >> number >> language;
}

void CProjTreeNode::Clear() {
    kind = -1;
    language = -1;
    number = 0xFFFF;
    name.Empty();
    label.Empty();
    scratchText.Empty();
    author.Empty();
}
