#include "tests/ui/commandbars/ImageTestIcons.h"
#include "ui/commandbars/UIImageEditorClipboard.h"
#include "ui/commandbars/UIImageEditorIcon.h"
#include "ui/commandbars/UIImageEditorModel.h"
#include "ui/commandbars/UIImageEditorRendering.h"
#include "ui/commandbars/UIImageEditorTooltip.h"
#include "ui/commandbars/UIImageFunctions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kGreen = RGB(0, 128, 0);
const COLORREF kButtonFace = RGB(212, 208, 200);

// The image as rows of letters: '.' transparent, 'R' red, 'G' green, '?' anything else.
std::vector<std::string> Rows(const CUIImageEditorBitmap* image, CSize size) {
    std::vector<std::string> rows(static_cast<size_t>(size.cy), std::string(static_cast<size_t>(size.cx), '.'));
    if (!image) return rows;
    for (int y = 0; y < size.cy; ++y) {
        for (int x = 0; x < size.cx; ++x) {
            const COLORREF color = image->GetColor(CPoint(x, y));
            rows[y][x] = color == kImageEditorTransparent ? '.' : color == kRed ? 'R' : color == kGreen ? 'G' : '?';
        }
    }
    return rows;
}

class ImageEditorModel : public testing::Test {
protected:
    explicit ImageEditorModel(CSize size = CSize(8, 8)) { EXPECT_TRUE(model.SetImageSize(size)); }
    std::vector<std::string> Image() const { return Rows(model.GetImage(), model.GetImageSize()); }
    void Stroke(std::vector<CPoint> cells, COLORREF color = kRed) {
        COLORREF picked = 0;
        model.Press(cells.front(), color, &picked);
        for (CPoint cell : cells) model.Track(cell);
        model.EndTracking();
    }
    void Drag(int tool, CPoint from, CPoint to, COLORREF color = kRed) {
        model.SelectTool(tool);
        Stroke({from, to}, color);
    }
    void FillGreen() {
        model.SelectTool(CUIImageEditorModel::ToolFill);
        COLORREF picked = 0;
        model.Press(CPoint(0, 0), kGreen, &picked);
    }
    CUIImageEditorModel model;
};

TEST_F(ImageEditorModel, UndoKeepsTheLastSixteenStepsAndRedoGoesForwardAgain) {
    std::vector<std::vector<std::string>> after;
    for (int stroke = 0; stroke < 17; ++stroke) {
        Stroke({CPoint(stroke % 8, stroke / 8)});
        after.push_back(Image());
    }
    EXPECT_EQ(16u, model.GetUndoCount());
    for (int undo = 0; undo < 17; ++undo) model.Undo();
    EXPECT_EQ(after[0], Image());
    EXPECT_FALSE(model.CanUndo());
    EXPECT_EQ(16u, model.GetRedoCount());

    model.Redo();
    EXPECT_EQ(after[1], Image());
    Stroke({CPoint(7, 7)});
    EXPECT_FALSE(model.CanRedo());
    EXPECT_EQ('R', Image()[7][7]);
}

TEST_F(ImageEditorModel, PencilStrokeIsOneStepAndStartingOnTheCurrentColourErases) {
    Stroke({CPoint(1, 1), CPoint(2, 1), CPoint(3, 1)});
    EXPECT_EQ(".RRR....", Image()[1]);
    EXPECT_EQ(1u, model.GetUndoCount());

    // The drawing colour is chosen at the press: the whole stroke erases.
    Stroke({CPoint(2, 1), CPoint(3, 1), CPoint(4, 1)});
    EXPECT_EQ(".R......", Image()[1]);
    model.Undo();
    EXPECT_EQ(".RRR....", Image()[1]);

    // A lost capture without a drag adds no step; a press outside the image does nothing.
    model.EndTracking();
    COLORREF picked = 0;
    model.Press(CPoint(8, 0), kRed, &picked);
    EXPECT_FALSE(model.IsTracking());
    EXPECT_EQ(1u, model.GetUndoCount());
}

TEST_F(ImageEditorModel, ShapesDrawFromTheStartCellWithTheEndExclusive) {
    FillGreen();
    Drag(CUIImageEditorModel::ToolRectangle, CPoint(5, 4), CPoint(1, 1));
    const std::vector<std::string> rectangle = {"GGGGGGGG", "GRRRRGGG", "GRGGRGGG", "GRRRRGGG", "GGGGGGGG",
                                                "GGGGGGGG", "GGGGGGGG", "GGGGGGGG"};
    EXPECT_EQ(rectangle, Image());

    model.Undo();
    Drag(CUIImageEditorModel::ToolLine, CPoint(1, 6), CPoint(5, 6));
    EXPECT_EQ("GRRRRGGG", Image()[6]);

    model.Undo();
    Drag(CUIImageEditorModel::ToolEllipse, CPoint(0, 0), CPoint(8, 8));
    const std::vector<std::string> ellipse = Image();
    EXPECT_EQ('.', ellipse[4][4]) << "the inside becomes transparent";
    EXPECT_EQ('G', ellipse[0][0]) << "the corners stay";
    EXPECT_EQ('R', ellipse[0][4]);
    EXPECT_EQ('R', ellipse[4][0]);
}

TEST_F(ImageEditorModel, AShapeFollowsTheMouseFromTheImageBeforeTheDrag) {
    model.SelectTool(CUIImageEditorModel::ToolRectangle);
    COLORREF picked = 0;
    model.Press(CPoint(0, 0), kRed, &picked);
    model.Track(CPoint(8, 8));
    model.Track(CPoint(2, 2));
    model.EndTracking();
    const std::vector<std::string> expected = {"RR......", "RR......", "........", "........",
                                               "........", "........", "........", "........"};
    EXPECT_EQ(expected, Image());
}

TEST_F(ImageEditorModel, MovesLoseWhatLeavesAndUncoverTransparentPixels) {
    Stroke({CPoint(0, 0)});
    Stroke({CPoint(7, 7)});
    const struct {
        CPoint offset;
        CPoint kept;
    } moves[] = {{CPoint(1, 0), CPoint(1, 0)}, {CPoint(-1, 0), CPoint(6, 7)}, {CPoint(0, 1), CPoint(0, 1)}, {CPoint(0, -1), CPoint(7, 6)}};
    for (const auto& move : moves) {
        model.MoveImage(move.offset);
        int red = 0;
        for (const std::string& row : Image()) red += static_cast<int>(std::count(row.begin(), row.end(), 'R'));
        EXPECT_EQ(1, red) << move.offset.x << "," << move.offset.y;
        EXPECT_EQ('R', Image()[move.kept.y][move.kept.x]);
        model.Undo();
    }
    EXPECT_EQ(2u, model.GetUndoCount());
}

TEST_F(ImageEditorModel, FillStopsAtOtherColoursAndClearCanBeUndone) {
    Drag(CUIImageEditorModel::ToolRectangle, CPoint(0, 0), CPoint(4, 4));
    model.SelectTool(CUIImageEditorModel::ToolFill);
    COLORREF picked = 0;
    model.Press(CPoint(2, 2), kGreen, &picked);
    EXPECT_EQ("RGGR....", Image()[1]);
    EXPECT_EQ("........", Image()[5]);

    model.Clear();
    EXPECT_EQ(nullptr, model.GetImage());
    model.Undo();
    EXPECT_EQ("RGGR....", Image()[1]);
}

TEST_F(ImageEditorModel, PickingAColourReturnsToTheToolBefore) {
    FillGreen();
    model.SelectTool(CUIImageEditorModel::ToolLine);
    model.SelectTool(CUIImageEditorModel::ToolPickColor);
    model.SelectTool(CUIImageEditorModel::ToolPickColor);
    COLORREF picked = 0;
    EXPECT_TRUE(model.Press(CPoint(3, 3), kRed, &picked));
    EXPECT_EQ(kGreen, picked);
    EXPECT_EQ(CUIImageEditorModel::ToolLine, model.GetTool());
    EXPECT_EQ(1u, model.GetUndoCount());
}

TEST_F(ImageEditorModel, EditsOfAnAlphaImageMakeTheChangedPixelsOpaque) {
    HICON icon = MakeAlphaIcon(8, 8, 0x80FF0000);
    model.SetImage(EditorImageFromIcon(icon, TRUE));
    ::DestroyIcon(icon);
    ASSERT_TRUE(model.GetImage()->IsAlpha());
    Stroke({CPoint(1, 1)}, kGreen);
    EXPECT_EQ(0xFF008000u, model.GetImage()->GetPixel(CPoint(1, 1)));
    EXPECT_EQ(0x80FF0000u, model.GetImage()->GetPixel(CPoint(2, 1)));
    Stroke({CPoint(1, 1)}, kGreen);  // erasing leaves the transparent colour as it is
    EXPECT_EQ(0x00FFFEFFu, model.GetImage()->GetPixel(CPoint(1, 1)));
}

TEST_F(ImageEditorModel, PastedPlainBitmapsLoseTheirButtonFaceAlphaOnesKeepIt) {
    for (BOOL alpha : {FALSE, TRUE}) {
        DWORD* bits = nullptr;
        HBITMAP bitmap = CreateDib32(8, 8, &bits);
        for (int i = 0; i < 64; ++i) bits[i] = (i % 2 ? PixelFromColor(kButtonFace) : PixelFromColor(kRed)) | 0xFF000000;
        ASSERT_TRUE(model.ReplaceWithBitmap(bitmap, alpha, kButtonFace));
        ::DeleteObject(bitmap);
        EXPECT_EQ('R', Image()[0][0]);
        EXPECT_EQ(alpha ? '?' : '.', Image()[0][1]) << alpha;
        EXPECT_EQ(alpha, model.GetImage()->IsAlpha());
    }
    EXPECT_FALSE(model.ReplaceWithBitmap(nullptr, FALSE));
    EXPECT_EQ(2u, model.GetUndoCount());
}

TEST_F(ImageEditorModel, TheClipboardCopyShowsTransparentPixelsAsTheButtonFace) {
    Stroke({CPoint(0, 0)});
    HBITMAP copy = model.CopyImageBitmap(kButtonFace);
    const std::vector<DWORD> pixels = ReadPixels32(copy, CSize(8, 8));
    ::DeleteObject(copy);
    ASSERT_EQ(64u, pixels.size());
    EXPECT_EQ(kRed, ColorFromPixel(pixels[0]));
    EXPECT_EQ(kButtonFace, ColorFromPixel(pixels[1]));
}

TEST(ImageEditorSize, CellsAreAtLeastOnePixelAndEmptyImagesAreRefused) {
    const struct {
        CSize area, image, cell;
    } cases[] = {{CSize(161, 161), CSize(16, 16), CSize(10, 10)},
                 {CSize(100, 50), CSize(16, 16), CSize(6, 3)},
                 {CSize(10, 10), CSize(16, 16), CSize(1, 1)},
                 {CSize(10, 10), CSize(0, 0), CSize(1, 1)}};
    for (const auto& c : cases) EXPECT_EQ(c.cell, ImageEditorCellSize(c.area, c.image)) << c.area.cx << "/" << c.image.cx;

    CUIImageEditorModel model;
    EXPECT_FALSE(model.SetImageSize(CSize(0, 0)));
    EXPECT_FALSE(model.SetImageSize(CSize(5, 0)));
    EXPECT_EQ(CSize(16, 16), model.GetImageSize());
    EXPECT_TRUE(model.SetImageSize(CSize(24, 20)));
    EXPECT_EQ(CSize(24, 20), model.GetImage()->GetSize());
}

TEST(ImageEditorIcon, MaskedAndAlphaIconsRoundTrip) {
    HICON masked = MakeMaskedIcon(16, 16, kRed);
    auto image = EditorImageFromIcon(masked, FALSE);
    ::DestroyIcon(masked);
    ASSERT_TRUE(image);
    EXPECT_EQ(kRed, image->GetColor(CPoint(0, 5)));
    EXPECT_EQ(kImageEditorTransparent, image->GetColor(CPoint(15, 5)));
    BOOL alpha = FALSE;
    HICON icon = EditorImageToIcon(image.get(), &alpha);
    ASSERT_TRUE(icon);
    EXPECT_FALSE(alpha);
    EXPECT_EQ(CSize(16, 16), GetIconSize(icon));
    ::DestroyIcon(icon);

    HICON withAlpha = MakeAlphaIcon(16, 16, 0);
    image = EditorImageFromIcon(withAlpha, TRUE);
    ::DestroyIcon(withAlpha);
    ASSERT_TRUE(image);
    EXPECT_TRUE(image->IsAlpha());
    EXPECT_EQ(0x00FFFEFFu, image->GetPixel(CPoint(3, 3))) << "empty pixels become transparent";
    icon = EditorImageToIcon(image.get(), &alpha);
    EXPECT_TRUE(icon && alpha);
    ::DestroyIcon(icon);

    EXPECT_EQ(nullptr, EditorImageToIcon(nullptr, &alpha));
    EXPECT_EQ(nullptr, EditorImageFromIcon(nullptr, FALSE));
}

TEST(ImageEditorPicture, CellsOverABottomAnchoredCheckerboardInAFrame) {
    auto image = CUIImageEditorBitmap::Create(CSize(2, 2));
    image->SetPixel(CPoint(0, 0), PixelFromColor(kRed));  // top-left
    const CSize client(9, 9);
    const std::vector<DWORD> pixels = RenderEditorPicture(image.get(), CSize(2, 2), client);
    auto at = [&](int x, int y) { return pixels[static_cast<size_t>(y) * client.cx + x]; };
    EXPECT_EQ(0u, at(0, 0));
    EXPECT_EQ(0u, at(8, 4));
    EXPECT_EQ(0x00FF0000u, at(2, 2));
    // Bottom-counted row 1 (client row 7): columns 1-4 are one square, 5 starts the next.
    EXPECT_EQ(0x00FFFFFFu, at(1, 7));
    EXPECT_EQ(0x00FFFFFFu, at(4, 7));
    EXPECT_EQ(0x00EBEBEBu, at(5, 7));
    EXPECT_EQ(0x00EBEBEBu, at(5, 4));
    EXPECT_EQ(0x00FFFFFFu, at(5, 3)) << "the square above";

    image->SetAlpha(TRUE);
    image->SetPixel(CPoint(1, 1), 0x80FF0000);
    const std::vector<DWORD> blended = RenderEditorPicture(image.get(), CSize(2, 2), client);
    // Red at alpha 128 over the 235 square: 235 - 128 * (235 - c) / 255 per channel.
    EXPECT_EQ(0x00F57676u, blended[static_cast<size_t>(7) * client.cx + 5]);

    EXPECT_EQ(0x00EBEBEBu, RenderEditorPicture(nullptr, CSize(2, 2), client)[7 * 9 + 5]);
}

}  // namespace

namespace {

TEST(ImageEditorResources, DialogImagesCursorsAndTextsArePresent) {
    HMODULE module = ::GetModuleHandleA(nullptr);
    EXPECT_TRUE(::FindResourceA(module, MAKEINTRESOURCEA(9351), MAKEINTRESOURCEA(5))) << "dialog";  // RT_DIALOG
    HBITMAP plain = static_cast<HBITMAP>(::LoadImageA(module, MAKEINTRESOURCEA(9352), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    ASSERT_TRUE(plain);
    BITMAP info = {};
    ::GetObjectA(plain, sizeof(info), &info);
    EXPECT_EQ(256, info.bmWidth);
    EXPECT_EQ(16, info.bmHeight);
    ::DeleteObject(plain);
    EXPECT_FALSE(IsAlphaBitmapResource(module, 9352));
    HBITMAP alpha = LoadAlphaBitmap(module, 9353);
    ASSERT_TRUE(alpha);
    const std::vector<DWORD> pixels = ReadPixels32(alpha, CSize(256, 16));
    ::DeleteObject(alpha);
    ASSERT_EQ(256u * 16u, pixels.size());
    EXPECT_EQ(0u, pixels[0]) << "the corner of the pencil is see-through";
    for (UINT cursor = 9375; cursor <= 9378; ++cursor) EXPECT_TRUE(::LoadCursorA(module, MAKEINTRESOURCEA(cursor))) << cursor;

    const struct {
        UINT id;
        const char* text;
    } texts[] = {{9363, "\nPencil"}, {9364, "\nFill With Color"}, {9368, "\nEllipse"}, {9450, "Black"}, {9478, "Turquiose"},
                 {9481, "Gray-25%"}, {9489, "White"}};
    for (const auto& t : texts) {
        char buffer[256] = {};
        ::LoadStringA(module, t.id, buffer, sizeof(buffer));
        EXPECT_STREQ(t.text, buffer) << t.id;
    }
    char filter[512] = {};
    EXPECT_LT(100, ::LoadStringA(module, 9396, filter, sizeof(filter)));
}

}  // namespace

namespace {

TEST(ImageEditorClipboard, AlphaIsTakenFromTheOfferedFormats) {
    const UINT dib32 = ::RegisterClipboardFormatA("Test DIB32 Image");
    const UINT leading = ::RegisterClipboardFormatA("DIB32 First");
    const UINT marker = ::RegisterClipboardFormatA("Alpha Bitmap Image");
    const struct {
        std::vector<UINT> formats;
        BOOL alpha;
    } cases[] = {{{CF_BITMAP}, FALSE}, {{CF_BITMAP, dib32}, TRUE}, {{CF_BITMAP, leading}, FALSE}, {{CF_BITMAP, marker}, TRUE}, {{}, FALSE}};
    for (const auto& c : cases) EXPECT_EQ(c.alpha, IsPastedBitmapAlpha(c.formats)) << c.formats.size();
}

TEST(ImageEditorClipboard, TooltipsAreTheTextAfterTheLineBreakCutToSeventyNine) {
    std::string text;
    ASSERT_TRUE(LoadImageEditorTooltip(::GetModuleHandleA(nullptr), 9364, &text));
    EXPECT_EQ("Fill With Color", text);
    EXPECT_FALSE(LoadImageEditorTooltip(::GetModuleHandleA(nullptr), 9349 + 50000, &text));
    EXPECT_EQ(std::string(79, 'x'), TooltipFromPrompt("prompt\n" + std::string(200, 'x')));
    EXPECT_EQ("", TooltipFromPrompt("no line break"));
}

}  // namespace
