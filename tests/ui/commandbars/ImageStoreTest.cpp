#include "platform/CArchive.h"
#include "platform/CImageList.h"
#include "platform/CMemFile.h"
#include "tests/support/TestImage.h"
#include "tests/ui/commandbars/ImageTestIcons.h"
#include "ui/commandbars/UIDerivedImages.h"
#include "ui/commandbars/UIImageFunctions.h"
#include "ui/commandbars/UIImageStore.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);

// A store on the heap released through its reference count, as its owners do.
class ImageStore : public testing::Test {
protected:
    ~ImageStore() override { store->InternalRelease(); }
    BOOL SetMasked(UINT id, int size, COLORREF color, int state = UI_IMAGE_NORMAL) {
        HICON icon = MakeMaskedIcon(size, size, color);
        const BOOL accepted = store->SetIcon(icon, id, 0, 0, state);
        ::DestroyIcon(icon);
        return accepted;
    }
    BOOL SetAlpha(UINT id, int size, DWORD argb) {
        HICON icon = MakeAlphaIcon(size, size, argb);
        const BOOL accepted = store->SetIcon(icon, id, 0, 0, UI_IMAGE_NORMAL, TRUE);
        ::DestroyIcon(icon);
        return accepted;
    }
    std::string Archived(CUIImageStore& from) {
        CMemFile file;
        CArchive ar(&file, CArchive::store);
        from.Serialize(ar);
        ar.Close();
        std::string bytes(file.GetLength(), '\0');
        file.SeekToBegin();
        file.Read(&bytes[0], static_cast<UINT>(bytes.size()));
        return bytes;
    }
    void LoadArchive(CUIImageStore& into, std::string bytes) {
        CMemFile file(reinterpret_cast<BYTE*>(&bytes[0]), static_cast<UINT>(bytes.size()));
        CArchive ar(&file, CArchive::load);
        into.Serialize(ar);
    }
    // The first pixel of the icon as drawn, 0x00BBGGRR.
    static COLORREF FirstPixel(HICON icon) {
        TestImage image(32, 32, RGB(1, 2, 3));
        ::DrawIconEx(image.DC().m_hDC, 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL);
        return image.Pixel(0, 0);
    }

    CUIImageStore* store = new CUIImageStore;
};

TEST_F(ImageStore, SeparatorIdsTakeNoImage) {
    CImageList list;
    ASSERT_TRUE(list.Create(16, 16, ILC_COLOR24 | ILC_MASK, 2, 0));
    for (COLORREF color : {kRed, kBlue}) {
        HICON icon = MakeMaskedIcon(16, 16, color);
        list.Add(icon);
        ::DestroyIcon(icon);
    }
    const UINT ids[] = {100, 0, 101};
    EXPECT_TRUE(store->SetIcons(list, ids, 3, 16, 16, UI_IMAGE_NORMAL));
    EXPECT_EQ(store->GetCount(), 2);
    EXPECT_EQ(FirstPixel(store->GetImage(100, 16)->GetIcon()), kRed);
    EXPECT_EQ(FirstPixel(store->GetImage(101, 16)->GetIcon()), kBlue);
    EXPECT_EQ(store->GetIconSet(0), nullptr);

    const UINT tooMany[] = {100, 101, 102};
    EXPECT_FALSE(store->SetIcons(list, tooMany, 3, 16, 16, UI_IMAGE_NORMAL));
}

TEST_F(ImageStore, OnlyANormalIconStartsACommandsImages) {
    EXPECT_FALSE(SetMasked(7, 16, kRed, UI_IMAGE_HOT));
    EXPECT_FALSE(SetMasked(7, 16, kRed, UI_IMAGE_DISABLED));
    EXPECT_EQ(store->GetIconSet(7), nullptr);
    EXPECT_FALSE(store->SetIcon(nullptr, 7, 16, 16, UI_IMAGE_NORMAL));

    ASSERT_TRUE(SetMasked(7, 16, kRed));
    EXPECT_TRUE(SetMasked(7, 16, kBlue, UI_IMAGE_HOT));
    EXPECT_TRUE(SetMasked(7, 16, kBlue, 5));  // accepted, ignored
    CUIImageIconSet* set = store->GetImage(7, 16);
    EXPECT_EQ(FirstPixel(set->GetHotIcon()), kBlue);
    EXPECT_EQ(FirstPixel(set->GetIcon()), kRed);
    EXPECT_EQ(set->GetHeight(), 16);
}

TEST_F(ImageStore, ClosestWidthsAreScaledOnceAndDroppedWithANewIcon) {
    ASSERT_TRUE(SetMasked(1, 16, kRed));
    EXPECT_EQ(store->GetIconSet(1)->GetImage(24, FALSE), nullptr);
    CUIImageIconSet* scaled = store->GetImage(1, 24);
    ASSERT_NE(scaled, nullptr);
    EXPECT_TRUE(scaled->IsGenerated());
    EXPECT_EQ(scaled->GetWidth(), 24);
    EXPECT_EQ(scaled->GetHeight(), 24);
    EXPECT_EQ(GetIconSize(scaled->GetIcon()), CSize(24, 24));
    EXPECT_EQ(store->GetImage(1, 24), scaled);
    EXPECT_EQ(store->GetIconSet(1)->GetCount(), 2);

    ASSERT_TRUE(SetMasked(1, 16, kBlue));  // a new normal icon drops the generated set
    EXPECT_EQ(store->GetIconSet(1)->GetCount(), 1);
    EXPECT_EQ(store->GetIconSet(1)->GetImage(24, FALSE), nullptr);

    ASSERT_TRUE(SetAlpha(2, 16, 0xFF00FF00));
    CUIImageIconSet* alpha = store->GetImage(2, 24);  // alpha images are never scaled
    ASSERT_NE(alpha, nullptr);
    EXPECT_EQ(alpha->GetWidth(), 16);
    EXPECT_EQ(store->GetImage(3, 16), nullptr);
}

// The derived forms are premultiplied: each channel times 0x80 / 255, truncated.
TEST_F(ImageStore, DerivedFormsFollowTheFormulas) {
    ASSERT_TRUE(SetAlpha(1, 4, 0x80FF0000));  // alpha 0x80, red 255, green and blue 0
    CUIImageIconSet* set = store->GetImage(1, 4);
    auto firstPixel = [](CUIImageIconHandle& image) { return ReadPixels32(image.GetPremultipliedBitmap(), CSize(4, 4))[0]; };
    auto half = [](int c) { return static_cast<DWORD>(c * 0x80 / 255); };
    EXPECT_EQ(firstPixel(set->GetFadedIcon()), 0x80802626u);  // 255 stays, 0 becomes 76
    const COLORREF shadow = GetIconShadowColor();
    EXPECT_EQ(firstPixel(set->GetShadowIcon()),
              0x80000000u | (half(GetRValue(shadow)) << 16) | (half(GetGValue(shadow)) << 8) | half(GetBValue(shadow)));
    EXPECT_EQ(firstPixel(set->GetDisabledIcon()), 0x80454545u);  // sqrt(76.245 / 255) x 255 = 139.4

    // An explicit disabled icon wins over the generated one.
    HICON disabled = MakeAlphaIcon(4, 4, 0xFF010203);
    ASSERT_TRUE(store->SetIcon(disabled, 1, 4, 4, UI_IMAGE_DISABLED, TRUE));
    ::DestroyIcon(disabled);
    EXPECT_EQ(IconPixels(set->GetDisabledIcon())[0], 0xFF010203u);
}

TEST_F(ImageStore, CustomIdsStayAboveEveryStoredId) {
    HICON icon = MakeMaskedIcon(16, 16, kRed);
    EXPECT_EQ(store->AddCustomIcon(icon), 0x10AABu);
    EXPECT_EQ(store->GetImage(0x10AAB, 16)->GetWidth(), 16);

    CUIImageStore* other = new CUIImageStore;
    other->SetIcon(icon, 0x20000, 0, 0, UI_IMAGE_NORMAL);
    const std::string bytes = Archived(*other);
    other->InternalRelease();
    LoadArchive(*store, bytes);
    EXPECT_EQ(store->GetIconSet(0x10AAB), nullptr);  // loading replaces everything
    EXPECT_EQ(store->AddCustomIcon(icon), 0x20001u);
    ::DestroyIcon(icon);
}

TEST_F(ImageStore, ArchiveRoundTripKeepsEveryImage) {
    ASSERT_TRUE(SetMasked(10, 16, kRed));
    ASSERT_TRUE(SetMasked(10, 16, kBlue, UI_IMAGE_HOT));
    ASSERT_TRUE(SetMasked(10, 24, RGB(0, 128, 0)));
    ASSERT_TRUE(SetMasked(10, 24, RGB(9, 9, 9), UI_IMAGE_DISABLED));
    ASSERT_TRUE(SetAlpha(11, 16, 0x7F102030));
    const std::string bytes = Archived(*store);

    CUIImageStore* loaded = new CUIImageStore;
    LoadArchive(*loaded, bytes);
    // Same content; sets sharing a hash bucket come back in the other order.
    EXPECT_EQ(Archived(*loaded).size(), bytes.size());
    CUIImageIconSet* red = loaded->GetIconSet(10)->GetImage(16, FALSE);
    ASSERT_NE(red, nullptr);
    EXPECT_EQ(FirstPixel(red->GetIcon()), kRed);
    EXPECT_EQ(FirstPixel(red->GetHotIcon()), kBlue);
    TestImage image(16, 16, RGB(1, 2, 3));
    ::DrawIconEx(image.DC().m_hDC, 0, 0, red->GetIcon(), 0, 0, 0, nullptr, DI_NORMAL);
    EXPECT_EQ(image.Pixel(12, 5), RGB(1, 2, 3));  // the mask came back
    EXPECT_EQ(FirstPixel(loaded->GetIconSet(10)->GetImage(24, FALSE)->GetExplicitDisabledIcon()), RGB(9, 9, 9));
    CUIImageIconSet* alpha = loaded->GetImage(11, 16);
    EXPECT_TRUE(alpha->IsAlpha());
    EXPECT_EQ(IconPixels(alpha->GetIcon())[0], 0x7F102030u);
    EXPECT_EQ(alpha->GetExplicitHotIcon().GetIcon(), nullptr);
    loaded->InternalRelease();
}

TEST_F(ImageStore, AWrongTagIsABadClass) {
    ASSERT_TRUE(SetMasked(10, 16, kRed));
    std::string bytes = Archived(*store);
    const size_t tag = bytes.find("CUIImageManagerIcons");
    ASSERT_NE(tag, std::string::npos);
    bytes[tag + 3] = 'X';
    int cause = -1;
    try {
        LoadArchive(*store, bytes);
    } catch (CArchiveException* error) {
        cause = error->m_cause;
        error->Delete();
    }
    EXPECT_EQ(cause, CArchiveException::badClass);
}

// Damaged image records: the archive refuses them; a paste answers 0 and adds nothing.
TEST_F(ImageStore, MalformedImageRecordsAreRefused) {
    ASSERT_TRUE(SetMasked(10, 16, kRed));
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        store->SerializeIcons(10, ar);
        ar.Close();
    }
    std::string good(file.GetLength(), '\0');
    file.SeekToBegin();
    file.Read(&good[0], static_cast<UINT>(good.size()));
    // Tag (1 + 20), set count (2), width, height, alpha (12): the colour part's header count.
    const size_t header = 21 + 2 + 12;
    ASSERT_EQ(static_cast<BYTE>(good[header]), 52);
    const size_t info = header + 2;
    auto patched = [&](size_t at, std::initializer_list<BYTE> bytes) {
        std::string copy = good;
        size_t i = at;
        for (BYTE b : bytes) copy[i++] = static_cast<char>(b);
        return copy;
    };
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"header count 51", patched(header, {51, 0})},
        {"header count 53", patched(header, {53, 0})},
        {"header count escaped", patched(header, {0xFF, 0xFF, 0x34, 0, 0, 0})},
        {"header size 12", patched(info, {12, 0, 0, 0})},
        {"width 0", patched(info + 4, {0, 0, 0, 0})},
        {"width 5000", patched(info + 4, {0x88, 0x13, 0, 0})},
        {"height 0", patched(info + 8, {0, 0, 0, 0})},
        {"8 bits", patched(info + 14, {8, 0})},
        {"compressed", patched(info + 16, {1, 0, 0, 0})},
        {"bits beyond the image", patched(info + 52, {0x01, 0x04})},
        {"cut short", good.substr(0, good.size() - 40)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        bool refused = false;
        try {
            std::string bytes = c.bytes;
            CMemFile in(reinterpret_cast<BYTE*>(&bytes[0]), static_cast<UINT>(bytes.size()));
            CArchive ar(&in, CArchive::load);
            store->SerializeIcons(77, ar);
        } catch (CArchiveException* error) {
            refused = true;
            error->Delete();
        }
        EXPECT_TRUE(refused);
        EXPECT_EQ(store->GetIconSet(77), nullptr);
        EXPECT_EQ(store->PasteImageFromData(reinterpret_cast<const BYTE*>(c.bytes.data()), static_cast<UINT>(c.bytes.size())),
                  0u);
    }
    EXPECT_EQ(store->GetCount(), 1);
    const UINT pasted =
        store->PasteImageFromData(reinterpret_cast<const BYTE*>(good.data()), static_cast<UINT>(good.size()));
    EXPECT_GT(pasted, 0x10AAAu);
    EXPECT_EQ(FirstPixel(store->GetImage(pasted, 16)->GetIcon()), kRed);
}

TEST_F(ImageStore, ClipboardCarriesACommandsImages) {
    ASSERT_TRUE(SetMasked(10, 16, kRed));
    ASSERT_TRUE(::OpenClipboard(nullptr));
    ::EmptyClipboard();
    EXPECT_TRUE(store->CopyImageToClipboard(10));
    ::CloseClipboard();
    ASSERT_TRUE(::OpenClipboard(nullptr));
    const UINT pasted = store->PasteImageFromClipboard();
    ::EmptyClipboard();
    ::CloseClipboard();
    ASSERT_NE(pasted, 0u);
    EXPECT_EQ(FirstPixel(store->GetImage(pasted, 16)->GetIcon()), kRed);
    EXPECT_NE(store->GetAlphaImageFormat(), 0u);
}

TEST_F(ImageStore, BitmapStripsAreCutByWidth) {
    const UINT ids[] = {1, 0, 2};
    EXPECT_FALSE(store->SetIconsFromResource(123, ids, 0));  // no count, no division
    CBitmap strip;
    strip.Attach(CreateDib32(100, 16, nullptr));
    EXPECT_FALSE(store->SetIconsFromBitmap(strip, ids, 3, 16, 16, UI_IMAGE_NORMAL, TRUE));  // 100 is no multiple
    EXPECT_FALSE(store->SetIconsFromBitmap(strip, ids, 3, 0, 16, UI_IMAGE_NORMAL, TRUE));
    CBitmap alphaStrip;
    alphaStrip.Attach(CreateDib32(32, 16, nullptr));
    EXPECT_TRUE(store->SetIconsFromBitmap(alphaStrip, ids, 3, 16, 16, UI_IMAGE_NORMAL, TRUE));
    EXPECT_TRUE(store->GetImage(2, 16)->IsAlpha());
    EXPECT_FALSE(IsAlphaBitmapResource(::GetModuleHandleA(nullptr), 123));
    EXPECT_EQ(LoadAlphaBitmap(::GetModuleHandleA(nullptr), 123), nullptr);
}

TEST_F(ImageStore, RefreshAllDropsDerivedForms) {
    ASSERT_TRUE(SetMasked(1, 16, kRed));
    CUIImageIconSet* set = store->GetImage(1, 16);
    ASSERT_FALSE(set->GetFadedIcon().IsEmpty());
    store->GetImage(1, 20);
    store->RefreshAll();
    EXPECT_EQ(store->GetIconSet(1)->GetCount(), 1);
    EXPECT_FALSE(set->GetFadedIcon().IsEmpty());  // made again on demand
}

}  // namespace
