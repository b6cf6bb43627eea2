#pragma once

#include "ui/commandbars/UIImageEditorBitmap.h"

// Conversions between icons and the button image editor's images.

// The icon as an editor image of the icon's size: with alpha, its colour bitmap with
// fully empty pixels made transparent; without, the icon drawn on a transparent image.
// Null for an icon of no size.
std::unique_ptr<CUIImageEditorBitmap> EditorImageFromIcon(HICON icon, BOOL alpha);
// An icon of the image (the caller owns it), with *alpha telling whether it carries an
// alpha channel; null without an image or when it is not exactly one masked image.
HICON EditorImageToIcon(const CUIImageEditorBitmap* image, BOOL* alpha);
