#pragma once
// The framework's named maps. Maps to CObject* or void* hold pointers they do not own:
// removing an entry or destroying the map leaves the object alone.

#include "platform/CMap.h"

class CObject;

class CMapStringToOb : public CMap<CString, LPCSTR, CObject*, CObject*> {
public:
    using CMap::CMap;
};

class CMapStringToPtr : public CMap<CString, LPCSTR, void*, void*> {
public:
    using CMap::CMap;
};

class CMapStringToString : public CMap<CString, LPCSTR, CString, LPCSTR> {
public:
    using CMap::CMap;
};

class CMapWordToOb : public CMap<WORD, WORD, CObject*, CObject*> {
public:
    using CMap::CMap;
};

class CMapWordToPtr : public CMap<WORD, WORD, void*, void*> {
public:
    using CMap::CMap;
};

class CMapPtrToPtr : public CMap<void*, void*, void*, void*> {
public:
    using CMap::CMap;
};
