#include "ui/commandbars/UIToolBarResource.h"

namespace {

const WORD kToolBarResourceType = 241;
const DWORD kHeaderWords = 4;

}  // namespace

BOOL LoadToolBarResource(UINT id, UIToolBarResource* resource) {
    HMODULE module = ::GetModuleHandleA(nullptr);
    HRSRC found = ::FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(kToolBarResourceType));
    HGLOBAL loaded = found ? ::LoadResource(module, found) : nullptr;
    const WORD* words = loaded ? static_cast<const WORD*>(::LockResource(loaded)) : nullptr;
    if (words == nullptr) return FALSE;
    const DWORD size = ::SizeofResource(module, found) / sizeof(WORD);
    if (size < kHeaderWords || size - kHeaderWords < words[3]) return FALSE;
    resource->buttonWidth = words[1];
    resource->buttonHeight = words[2];
    resource->ids.assign(words + kHeaderWords, words + kHeaderWords + words[3]);
    return TRUE;
}
