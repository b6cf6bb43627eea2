#pragma once
// The framework's named lists. CObList and CPtrList hold pointers they do not own.

#include "platform/CList.h"
#include "platform/CString.h"

class CObject;

class CPtrList : public CList<void*, void*> {
public:
    using CList::CList;
};

class CObList : public CList<CObject*, CObject*> {
public:
    using CList::CList;
};

class CStringList : public CList<CString, const CString&> {
public:
    using CList::CList;
};
