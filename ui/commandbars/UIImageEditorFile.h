#pragma once

#include "ui/commandbars/UIImageEditorBitmap.h"

#include <string>

// A picture file as an editor image of the given size, chosen by the lower-cased
// extension: an icon file ("ico") by its 32-bit image of that width, else as an icon of
// that size; a bitmap file ("bmp") at its own size, with alpha when it is 32-bit; any
// other picture the system can read stretched to that size. Null when the file cannot
// be loaded.
std::unique_ptr<CUIImageEditorBitmap> LoadEditorImageFile(const std::string& path, CSize size);
