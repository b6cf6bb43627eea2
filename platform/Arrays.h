#pragma once
// The framework's named arrays. CObArray and CPtrArray hold pointers they do not own:
// removing an element or destroying the array leaves the object alone.

#include "platform/CArray.h"
#include "platform/CString.h"

class CObject;

class CByteArray : public CArray<BYTE, BYTE> {};
class CWordArray : public CArray<WORD, WORD> {};
class CDWordArray : public CArray<DWORD, DWORD> {};
class CPtrArray : public CArray<void*, void*> {};
class CObArray : public CArray<CObject*, CObject*> {};
class CStringArray : public CArray<CString, const CString&> {};
