#include "platform/CImageList.h"
#include "tests/support/TestImage.h"
#include "tests/support/ToolbarStrips.h"
#include "ui/commandbars/UIDerivedImages.h"
#include "ui/commandbars/UIImageFunctions.h"
#include "ui/commandbars/UIImageStore.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

const int kCell = 20;
const COLORREF kFace = RGB(0xD4, 0xD0, 0xC8);

COLORREF DisabledLevel(COLORREF c) {
    const double gray = 0.299 * GetRValue(c) + 0.587 * GetGValue(c) + 0.114 * GetBValue(c);
    const int level = static_cast<int>(std::pow(gray / 255.0, 0.5) * 255.0);
    return RGB(level, level, level);
}

// The four toolbars of the program in one store, as the toolbars load them.
class ToolbarImages : public testing::Test {
protected:
    void SetUp() override {
        for (const ToolbarStrip& strip : LoadToolbarStrips()) {
            ASSERT_TRUE(store->SetIconsFromResource(strip.id, strip.commands.data(), static_cast<int>(strip.commands.size()),
                                                    16, 16, UI_IMAGE_NORMAL));
            for (UINT id : strip.ImageCommands()) ids.push_back(id);
        }
    }
    ~ToolbarImages() override { store->InternalRelease(); }

    CUIImageStore* store = new CUIImageStore;
    std::vector<UINT> ids;
};

TEST_F(ToolbarImages, EveryToolbarCommandHasItsImage) {
    EXPECT_EQ(ids.size(), 29u);
    EXPECT_EQ(store->GetCount(), 29);
    for (UINT id : ids) {
        CUIImageIconSet* set = store->GetImage(id, 16);
        ASSERT_NE(set, nullptr) << id;
        EXPECT_EQ(set->GetHeight(), 16);
        EXPECT_FALSE(set->IsAlpha());
    }
}

// The store cuts the strips itself; its icons, and the pixels the derived forms start
// from, are those of a masked image list, drawn alike on any background.
TEST_F(ToolbarImages, StripsAreCutAsAMaskedImageListCutsThem) {
    for (const ToolbarStrip& strip : LoadToolbarStrips()) {
        CBitmap bitmap;
        ASSERT_TRUE(bitmap.LoadBitmap(strip.id));
        CImageList list;
        ASSERT_TRUE(list.Create(16, 16, ILC_COLOR24 | ILC_MASK, 0, 1));
        ASSERT_GE(list.Add(&bitmap, store->GetMaskColor()), 0);
        const std::vector<UINT> commands = strip.ImageCommands();
        for (size_t i = 0; i < commands.size(); ++i) {
            HICON listIcon = list.ExtractIcon(static_cast<int>(i));
            ASSERT_NE(listIcon, nullptr);
            const UIIconPixels expected = ReadIconPixels(listIcon);
            CUIImageIconHandle& cut = store->GetImage(commands[i], 16)->GetIcon();
            const UIIconPixels drawn = ReadIconPixels(cut.GetIcon());
            EXPECT_EQ(expected.mask, drawn.mask) << commands[i];
            EXPECT_EQ(expected.mask, cut.GetPixels().mask) << commands[i];
            EXPECT_EQ(expected.color, cut.GetPixels().color) << commands[i];
            for (COLORREF background : {RGB(0, 0, 0), RGB(255, 255, 255), kFace}) {
                TestImage fromList(16, 16, background), fromStore(16, 16, background);
                ::DrawIconEx(fromList.DC().m_hDC, 0, 0, listIcon, 16, 16, 0, nullptr, DI_NORMAL);
                ::DrawIconEx(fromStore.DC().m_hDC, 0, 0, cut.GetIcon(), 16, 16, 0, nullptr, DI_NORMAL);
                int differing = 0;
                for (int y = 0; y < 16; ++y)
                    for (int x = 0; x < 16; ++x) differing += fromList.Pixel(x, y) != fromStore.Pixel(x, y);
                EXPECT_EQ(differing, 0) << commands[i] << " on " << std::hex << background;
            }
            ::DestroyIcon(listIcon);
        }
    }
}

// Each image in a row of four: normal, faded, shadow, generated disabled. Every pixel
// that the normal image covers follows the formula of its form; the others stay face.
TEST_F(ToolbarImages, DerivedFormsFollowTheirFormulasPixelByPixel) {
    TestImage image(kCell * static_cast<int>(ids.size()), kCell * 4, kFace);
    TestImage onBlack(16, 16, RGB(0, 0, 0));
    const COLORREF shadow = GetIconShadowColor();
    const std::function<COLORREF(COLORREF)> formulas[] = {
        [](COLORREF c) { return c; },
        [](COLORREF c) { return LightenColor(c, 0.3); },
        [shadow](COLORREF) { return shadow; },
        [](COLORREF c) { return DisabledLevel(c); },
    };
    int covered = 0;
    for (size_t column = 0; column < ids.size(); ++column) {
        CUIImageIconSet* set = store->GetImage(ids[column], 16);
        ASSERT_NE(set, nullptr);
        CUIImageIconHandle* forms[] = {&set->GetIcon(), &set->GetFadedIcon(), &set->GetShadowIcon(), &set->GetDisabledIcon()};
        const int x = static_cast<int>(column) * kCell + 2;
        for (int row = 0; row < 4; ++row) set->Draw(&image.DC(), CPoint(x, row * kCell + 2), *forms[row]);
        onBlack.DC().FillSolidRect(0, 0, 16, 16, RGB(0, 0, 0));
        set->Draw(&onBlack.DC(), CPoint(0, 0), set->GetIcon());
        int mismatches = 0, coveredHere = 0;
        for (int py = 0; py < 16; ++py) {
            for (int px = 0; px < 16; ++px) {
                const COLORREF normal = image.Pixel(x + px, 2 + py);
                const bool opaque = normal == onBlack.Pixel(px, py);
                coveredHere += opaque;
                for (int row = 1; row < 4; ++row) {
                    const COLORREF drawn = image.Pixel(x + px, row * kCell + 2 + py);
                    mismatches += drawn != (opaque ? formulas[row](normal) : kFace);
                }
            }
        }
        EXPECT_EQ(mismatches, 0) << "image " << column;
        EXPECT_GT(coveredHere, 16) << "image " << column;
        covered += coveredHere;
    }
    EXPECT_TRUE(image.SaveBmp(TestOutputPath("toolbar_images_derived.bmp")));
    EXPECT_GT(covered, 29 * 16);
}

}  // namespace
