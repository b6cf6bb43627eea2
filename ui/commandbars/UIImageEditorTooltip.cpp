#include "ui/commandbars/UIImageEditorTooltip.h"

namespace {

const size_t kTooltipBuffer = 80;

}  // namespace

std::string TooltipFromPrompt(const std::string& prompt) {
    const size_t lineBreak = prompt.find('\n');
    if (lineBreak == std::string::npos) return std::string();
    return prompt.substr(lineBreak + 1, kTooltipBuffer - 1);
}

BOOL LoadImageEditorTooltip(HINSTANCE instance, UINT id, std::string* text) {
    char buffer[256] = {};
    if (!::LoadStringA(instance, id, buffer, sizeof(buffer))) return FALSE;
    *text = TooltipFromPrompt(buffer);
    return TRUE;
}
