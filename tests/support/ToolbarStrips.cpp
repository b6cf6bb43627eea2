#include "tests/support/ToolbarStrips.h"

#include "res/resource.h"

namespace {

const UINT kToolbarIds[] = {IDR_TOOLBAR_STANDARD, IDR_TOOLBAR_PROJECT, IDR_TOOLBAR_LADDER, IDR_TOOLBAR_PLC};
const WORD kToolbarResourceType = 241;

}  // namespace

std::vector<UINT> ToolbarStrip::ImageCommands() const {
    std::vector<UINT> images;
    for (UINT command : commands) {
        if (command) images.push_back(command);
    }
    return images;
}

std::vector<ToolbarStrip> LoadToolbarStrips() {
    std::vector<ToolbarStrip> strips;
    HMODULE module = ::GetModuleHandleA(nullptr);
    for (UINT id : kToolbarIds) {
        HRSRC resource = ::FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(kToolbarResourceType));
        if (!resource) continue;
        const WORD* words = static_cast<const WORD*>(::LockResource(::LoadResource(module, resource)));
        const DWORD size = ::SizeofResource(module, resource) / sizeof(WORD);
        ToolbarStrip strip{id, {}};
        for (DWORD i = 0; size >= 4 && i < words[3] && 4 + i < size; ++i) strip.commands.push_back(words[4 + i]);
        strips.push_back(strip);
    }
    return strips;
}
