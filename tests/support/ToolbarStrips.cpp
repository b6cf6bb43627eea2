#include "tests/support/ToolbarStrips.h"

#include "res/resource.h"
#include "ui/commandbars/UIToolBarResource.h"

namespace {

const UINT kToolbarIds[] = {IDR_TOOLBAR_STANDARD, IDR_TOOLBAR_PROJECT, IDR_TOOLBAR_LADDER, IDR_TOOLBAR_PLC};

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
    for (UINT id : kToolbarIds) {
        UIToolBarResource resource;
        if (LoadToolBarResource(id, &resource)) strips.push_back(ToolbarStrip{id, resource.ids});
    }
    return strips;
}
