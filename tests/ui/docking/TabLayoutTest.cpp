#include <gtest/gtest.h>

#include "tests/support/TestApplication.h"
#include "tests/ui/docking/TestTabStrip.h"
#include "ui/docking/tabs/UITabAppearance.h"
#include "ui/docking/tabs/UITabColorSet.h"

namespace {
int CaptionWidth(CUITabTheme& theme, CFont* font, const char* text) {
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CGdiObject* old = dc.SelectObject(font);
    CRect rect(0, 0, 0, 0);
    dc.DrawText(text, -1, &rect, DT_SINGLELINE | DT_NOPREFIX | DT_CALCRECT);
    dc.SelectObject(old);
    return rect.Width();
}

TEST(TabLayout, SizeToFitShrinksTheWidestFirst) {
    struct Case {
        std::vector<int> widths;
        int available;
        std::vector<int> expected;
    } cases[] = {
        {{100, 80, 40}, 150, {55, 55, 40}},
        {{60, 60, 60}, 100, {33, 33, 33}},
        {{120}, 90, {90}},
        {{50, 40}, 200, {50, 40}},
        {{40, 100, 80}, 150, {40, 55, 55}},
    };
    for (const Case& c : cases) {
        TestTabStrip strip;
        strip.layOut = FALSE;
        for (int width : c.widths) strip.InsertItem(-1)->width = width;
        strip.theme.ShrinkItems(&strip, c.available);
        for (size_t i = 0; i < c.expected.size(); ++i)
            EXPECT_EQ(c.expected[i], strip.GetItem(static_cast<int>(i))->width) << "available " << c.available;
    }
}

TEST(TabLayout, ItemLengthsByLayoutMode) {
    TestTabStrip strip(CRect(0, 0, 2000, 60));
    strip.Add({"短", "一个很长的标题"});
    strip.SelectItemAt(0);
    CUITabTheme& theme = strip.theme;
    int wide = CaptionWidth(theme, &theme.normalFont, "一个很长的标题");
    int narrow = CaptionWidth(theme, &theme.normalFont, "短");

    theme.SetLayout(TabLayoutAutoSize);
    strip.Reposition();
    EXPECT_EQ(narrow + 12, strip.GetItem(0)->width);
    EXPECT_EQ(wide + 12, strip.GetItem(1)->width);

    theme.SetLayout(TabLayoutFixed);
    theme.itemPadding.SetRect(3, 0, 3, 0);
    strip.Reposition();
    EXPECT_EQ(76, strip.GetItem(0)->width);
    strip.SetItemMetrics(300, 18, 0, 0, 220, 0);
    EXPECT_EQ(220, strip.GetItem(1)->width);
    strip.SetItemMetrics(70, 18, 100, 0, 90, 0);  // the maximum wins over the minimum
    EXPECT_EQ(90, strip.GetItem(1)->width);

    theme.itemPadding.SetRect(0, 0, 0, 0);
    strip.SetItemMetrics(70, 18, 0, 0, 0, 0);
    theme.SetLayout(TabLayoutCompressed);
    strip.Reposition();
    EXPECT_EQ(24, strip.GetItem(1)->width);  // icon width 16 + 8, icon or not
    EXPECT_EQ(wide + 12, strip.GetItem(0)->width);
    strip.icons = TRUE;
    strip.Reposition();
    EXPECT_EQ(16 + wide + 12, strip.GetItem(0)->width);
}

TEST(TabLayout, BoldCaptionsOnlyForTheSelectedItemOfAnActiveStrip) {
    TestTabStrip strip(CRect(0, 0, 2000, 60));
    strip.Add({"文档窗口标题"});
    strip.SelectItemAt(0);
    strip.theme.boldSelectedCaption = TRUE;
    strip.Reposition();
    int bold = CaptionWidth(strip.theme, &strip.theme.boldFont, "文档窗口标题");
    int normal = CaptionWidth(strip.theme, &strip.theme.normalFont, "文档窗口标题");
    EXPECT_EQ(bold + 12, strip.GetItem(0)->width);
    strip.SetActive(FALSE);
    EXPECT_EQ(normal + 12, strip.GetItem(0)->width);
}

// Each position: the header on its side, tabs along it, the client area beside it.
TEST(TabLayout, PositionsPlaceHeaderTabsAndClientOnTheirSide) {
    for (int position = 0; position < 4; ++position) {
        TestTabStrip strip(CRect(10, 10, 310, 210));
        strip.theme.SetPosition(position);
        strip.Add({"one", "two"});
        RECT m;
        strip.theme.GetAppearance()->GetHeaderMargin(&m);
        int h = strip.theme.GetAppearance()->GetTabHeight(&strip);
        int thickness = h + m.top + m.bottom;
        const CRect& header = strip.headerRect;
        const CRect& client = strip.clientRect;
        CRect first = strip.RectOf(0), second = strip.RectOf(1);
        SCOPED_TRACE(position);
        switch (position) {
        case TabPositionTop:
            EXPECT_EQ(CRect(10, 10, header.right, 10 + thickness), header);
            EXPECT_EQ(13, first.top);
            EXPECT_EQ(12, first.left);
            EXPECT_EQ(first.right, second.left);
            EXPECT_EQ(header.bottom - 1 + 2, client.top);
            break;
        case TabPositionBottom:
            EXPECT_EQ(210 - thickness, header.top);
            EXPECT_EQ(210 - 3, first.bottom);
            EXPECT_EQ(header.top + 1 - 2, client.bottom);
            break;
        case TabPositionLeft:
            EXPECT_EQ(10 + thickness, header.right);
            EXPECT_EQ(13, first.left);
            EXPECT_EQ(12, first.top);
            EXPECT_EQ(first.bottom, second.top);
            EXPECT_EQ(header.right - 1 + 2, client.left);
            break;
        default:
            EXPECT_EQ(310 - thickness, header.left);
            EXPECT_EQ(310 - 3, first.right);
            EXPECT_EQ(header.left + 1 - 2, client.right);
            break;
        }
        EXPECT_EQ(h, IsHorizontalPosition(position) ? first.Height() : first.Width());
    }
}

TEST(TabLayout, AutoArrowsAppearWhenTabsOverflowAndTheScrollComesBackWhenTheyFit) {
    for (int position : {TabPositionTop, TabPositionRight}) {
        SCOPED_TRACE(position);
        BOOL horizontal = IsHorizontalPosition(position);
        TestTabStrip strip(horizontal ? CRect(0, 0, 200, 40) : CRect(0, 0, 40, 200));
        strip.theme.SetPosition(position);
        strip.Add({"第一个窗口", "第二个窗口", "第三个窗口", "第四个窗口"});
        CUITabNavigateButton* left = strip.FindNavigateButton(NavigateButtonLeft);
        CUITabNavigateButton* right = strip.FindNavigateButton(NavigateButtonRight);
        ASSERT_FALSE(right->GetRect().IsRectEmpty());
        ASSERT_FALSE(left->GetRect().IsRectEmpty());
        EXPECT_TRUE(right->IsEnabled());
        EXPECT_FALSE(left->IsEnabled());
        if (horizontal) {
            // Close, right, left from the far end inwards; the close button is hidden.
            EXPECT_EQ(right->GetRect().left, left->GetRect().right);
            EXPECT_EQ(strip.headerRect.right, left->GetRect().left);
            EXPECT_EQ(14, right->GetRect().Width());
            EXPECT_EQ(15, right->GetRect().Height());
        } else {
            EXPECT_EQ(right->GetRect().top, left->GetRect().bottom);
            EXPECT_EQ(strip.headerRect.bottom, left->GetRect().top);
        }
        strip.SetScrollOffset(-60);
        EXPECT_TRUE(left->IsEnabled());
        // The selected item is scrolled into view.
        strip.SelectItemAt(0);
        EXPECT_EQ(0, strip.GetScrollOffset());
        strip.SelectItemAt(3);
        EXPECT_LT(strip.GetScrollOffset(), 0);
        CRect last = strip.RectOf(3);
        EXPECT_LE(horizontal ? last.right : last.bottom, horizontal ? strip.headerRect.right : strip.headerRect.bottom);

        strip.area = horizontal ? CRect(0, 0, 1000, 40) : CRect(0, 0, 40, 1000);
        strip.Reposition();
        EXPECT_EQ(0, strip.GetScrollOffset());
        strip.Reposition();
        EXPECT_TRUE(left->GetRect().IsRectEmpty());
        EXPECT_TRUE(right->GetRect().IsRectEmpty());
    }
}

TEST(TabLayout, SizeToFitHidesTheArrowsAndAlwaysShownButtonsReserveTheirRoom) {
    TestTabStrip strip(CRect(0, 0, 200, 40));
    strip.theme.SetLayout(TabLayoutSizeToFit);
    strip.FindNavigateButton(NavigateButtonClose)->SetMode(NavigateButtonAlways);
    strip.Add({"第一个窗口", "第二个窗口", "第三个窗口", "第四个窗口"});
    EXPECT_TRUE(strip.FindNavigateButton(NavigateButtonLeft)->GetRect().IsRectEmpty());
    EXPECT_FALSE(strip.FindNavigateButton(NavigateButtonClose)->GetRect().IsRectEmpty());
    // 200 less the margins (2 + 6) less the close button (14).
    EXPECT_LE(strip.GetItemsLength(), 200 - 8 - 14);
    EXPECT_GE(strip.GetItemsLength(), 200 - 8 - 14 - 3);
}

TEST(TabLayout, StackedHeadersAndClientArea) {
    TestTabStrip strip(CRect(0, 0, 100, 200));
    strip.theme.SetAppearance(8);
    strip.theme.tabIcons = FALSE;
    strip.SetItemMetrics(70, 20, 0, 20, 0, 0);
    strip.Add({"a", "b", "c"});
    strip.SelectItemAt(0);
    strip.Reposition();
    ASSERT_EQ(20, strip.theme.GetAppearance()->GetTabHeight(&strip));
    EXPECT_EQ(CRect(1, 1, 100, 21), strip.RectOf(0));
    EXPECT_EQ(160, strip.RectOf(1).top);
    EXPECT_EQ(180, strip.RectOf(2).top);
    EXPECT_EQ(CRect(1, 21, 99, 160), strip.clientRect);

    strip.SelectItemAt(2);
    EXPECT_EQ(CRect(1, 61, 99, 199), strip.clientRect);
    strip.theme.clientFrameStyle = ClientFrameNone;
    strip.Reposition();
    EXPECT_EQ(0, strip.RectOf(0).left);
    EXPECT_EQ(CRect(0, 61, 100, 200), strip.clientRect);
}

TEST(TabLayout, MarginsTurnWithThePosition) {
    struct Case {
        int position;
        CRect expected;
    } cases[] = {{TabPositionTop, CRect(9, 8, 23, 24)},
                 {TabPositionLeft, CRect(8, 9, 24, 23)},
                 {TabPositionBottom, CRect(9, 6, 23, 22)},
                 {TabPositionRight, CRect(6, 9, 22, 23)}};
    for (const Case& c : cases) {
        CRect rect(10, 10, 20, 20);
        InflateRectByPosition(rect, 1, 2, 3, 4, c.position);
        EXPECT_EQ(c.expected, rect) << c.position;
        DeflateRectByPosition(rect, 1, 2, 3, 4, c.position);
        EXPECT_EQ(CRect(10, 10, 20, 20), rect);
    }
}

TEST(TabLayout, TabHeightFollowsRowIconsAndMinimum) {
    TestTabStrip strip;
    CUITabAppearance* appearance = strip.theme.GetAppearance();
    EXPECT_GE(appearance->GetRowHeight(), 18);
    int row = appearance->GetRowHeight();
    strip.theme.tabIcons = FALSE;
    EXPECT_EQ(row, appearance->GetTabHeight(&strip));
    // The icon size counts with icons on, whether or not an item shows one.
    strip.theme.tabIcons = TRUE;
    EXPECT_EQ(std::max(row, 20), appearance->GetTabHeight(&strip));
    strip.SetItemMetrics(70, 18, 0, 40, 0, 0);
    EXPECT_EQ(40, appearance->GetTabHeight(&strip));
}

TEST(TabTheme, AppearanceIndexesInstallTheirColourSets) {
    struct Case {
        int appearance, colorSet;
        int headerLeft;
    } cases[] = {{0, 1, 2}, {1, 1, 2}, {2, 1, 2}, {3, 4, -1}, {4, 2, 2}, {5, 2, 4}, {6, 2, 2}, {7, 2, -1}, {8, 1, 0}, {42, 1, 2}};
    CUITabTheme theme;
    for (const Case& c : cases) {
        theme.SetAppearance(c.appearance);
        EXPECT_EQ(c.colorSet, theme.GetColorSetIndex()) << c.appearance;
        EXPECT_EQ(c.colorSet, theme.GetAppearance()->GetDefaultColorSet()) << c.appearance;
        RECT m;
        theme.GetAppearance()->GetHeaderMargin(&m);
        if (c.headerLeft >= 0) {
            EXPECT_EQ(c.headerLeft, m.left) << c.appearance;
        }
    }
    int row = theme.GetAppearance()->GetRowHeight();
    theme.SetAppearance(3);
    RECT m;
    theme.GetAppearance()->GetHeaderMargin(&m);
    EXPECT_EQ(2 + row, m.left);
    EXPECT_NE(nullptr, dynamic_cast<CUITabColorSetScheme*>(theme.GetColorSet()));
    theme.SetColorSet(8);
    EXPECT_NE(nullptr, dynamic_cast<CUITabColorSetThemed*>(theme.GetColorSet()));
    theme.SetAppearance(7);
    theme.GetAppearance()->GetHeaderMargin(&m);
    EXPECT_EQ(2 + row / 2, m.left);
    EXPECT_EQ(2 + row / 2, m.right);
    theme.SetAppearance(42);
    EXPECT_NE(nullptr, dynamic_cast<CUITabAppearanceClassic*>(theme.GetAppearance()));
    EXPECT_NE(nullptr, dynamic_cast<CUITabColorSetClassic*>(theme.GetColorSet()));
    theme.SetColorSetObject(nullptr);
    EXPECT_NE(nullptr, theme.GetColorSet());
}

TEST(TabTheme, VerticalFontsAreTurnedAndNotTooSmall) {
    CUITabTheme theme;
    LOGFONTA normal = {}, vertical = {};
    theme.normalFont.GetLogFont(&normal);
    theme.verticalFont.GetLogFont(&vertical);
    EXPECT_EQ(2700, vertical.lfEscapement);
    EXPECT_STREQ("Arial", vertical.lfFaceName);
    if (normal.lfHeight >= -10 && normal.lfHeight <= -1)
        EXPECT_EQ(-11, vertical.lfHeight);
    else
        EXPECT_EQ(normal.lfHeight, vertical.lfHeight);
    LOGFONTA bold = {};
    theme.boldFont.GetLogFont(&bold);
    EXPECT_EQ(FW_BOLD, bold.lfWeight);
}
}  // namespace
