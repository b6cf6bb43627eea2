#include "shell/controls/CColorLabel.h"
#include "shell/controls/CColorStatic.h"
#include "shell/controls/CDigitEdit.h"
#include "shell/controls/CSecureEdit.h"
#include "tests/support/TestApplication.h"
#include "tests/support/TestImage.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class TextControls : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_parent.CreateEx(0, nullptr, "controls", WS_POPUP | WS_VISIBLE, CRect(0, 0, 300, 120), nullptr, 0));
        m_parent.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)));
    }
    void TearDown() override { m_parent.DestroyWindow(); }

    static std::string TextOf(const CWnd& wnd) {
        CString text;
        wnd.GetWindowText(text);
        return std::string(text);
    }
    static void Type(CWnd& wnd, const char* text) {
        for (const char* ch = text; *ch; ++ch)
            wnd.SendMessage(WM_CHAR, static_cast<BYTE>(*ch), 1);
    }

    TestApplication m_app;
    CWnd m_parent;
};

TEST_F(TextControls, DigitEditTakesDigitsHashMinusAndBackspaceOnly) {
    CDigitEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 20), &m_parent, 5));
    Type(edit, "1a2+#.-3 x9");
    EXPECT_EQ(TextOf(edit), "12#-39");
    Type(edit, "\b\b");
    EXPECT_EQ(TextOf(edit), "12#-");
    edit.SetWindowText("ab");  // set by the program, not typed
    EXPECT_EQ(TextOf(edit), "ab");
}

TEST_F(TextControls, SecureEditGivesItsTextOncePerArming) {
    CSecureEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | ES_PASSWORD, CRect(0, 0, 200, 20), &m_parent, 6));
    edit.SetWindowText("k7#pw");
    EXPECT_EQ(TextOf(edit), "");

    edit.Arm();
    EXPECT_EQ(TextOf(edit), "k7#pw");
    EXPECT_EQ(TextOf(edit), "");

    char line[16] = {};
    *reinterpret_cast<WORD*>(line) = sizeof line;
    EXPECT_EQ(edit.SendMessage(EM_GETLINE, 0, reinterpret_cast<LPARAM>(line)), 0);
    edit.Arm();
    *reinterpret_cast<WORD*>(line) = sizeof line;
    EXPECT_EQ(edit.SendMessage(EM_GETLINE, 0, reinterpret_cast<LPARAM>(line)), 5);
    EXPECT_EQ(std::string(line, 5), "k7#pw");

    // The masking stays, whatever asks to remove it.
    LRESULT mask = edit.SendMessage(EM_GETPASSWORDCHAR);
    EXPECT_NE(mask, 0);
    EXPECT_EQ(edit.SendMessage(EM_SETPASSWORDCHAR, 0), 0);
    EXPECT_EQ(edit.SendMessage(EM_GETPASSWORDCHAR), mask);
}

// What each coloured control answers its parent's WM_CTLCOLOR with.
TEST_F(TextControls, ColouredControlsSetTheirColoursInTheDeviceContext) {
    CColorLabel label;
    CColorStatic text;
    ASSERT_TRUE(label.Create("运行", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, CRect(0, 0, 100, 30), &m_parent, 7));
    ASSERT_TRUE(text.Create("下载完成", WS_CHILD | WS_VISIBLE, CRect(0, 40, 200, 60), &m_parent, 8));
    label.SetBackColor(RGB(0, 255, 0));
    text.SetTextColor(RGB(255, 0, 0));

    struct Case {
        CWnd* control;
        UINT message;
        COLORREF text;
        COLORREF back;
        COLORREF brush;
    } cases[] = {
        {&label, WM_CTLCOLORSTATIC, RGB(0, 0, 0), RGB(0, 255, 0), RGB(212, 208, 200)},
        {&text, WM_CTLCOLORSTATIC, RGB(255, 0, 0), ::GetSysColor(COLOR_BTNFACE), ::GetSysColor(COLOR_BTNFACE)},
    };
    for (const Case& c : cases) {
        TestImage image(10, 10);
        HDC dc = image.DC().m_hDC;
        auto brush = reinterpret_cast<HBRUSH>(
            m_parent.SendMessage(c.message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(c.control->m_hWnd)));
        ASSERT_NE(brush, nullptr);
        LOGBRUSH logBrush = {};
        ::GetObjectA(brush, sizeof logBrush, &logBrush);
        EXPECT_EQ(logBrush.lbColor, c.brush);
        EXPECT_EQ(::GetTextColor(dc), c.text);
        EXPECT_EQ(::GetBkColor(dc), c.back);
    }
}

// The colours as the controls are drawn: the static's text in its colour, the label (a
// group box's caption, as the PLC dialogs use it) on its own background while the rest
// of the label stays grey.
TEST_F(TextControls, ColouredControlsDrawInTheirColours) {
    CColorLabel label;
    CColorStatic text;
    ASSERT_TRUE(label.Create("运行", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, CRect(10, 10, 110, 40), &m_parent, 7));
    ASSERT_TRUE(text.Create("下载完成", WS_CHILD | WS_VISIBLE, CRect(10, 60, 210, 80), &m_parent, 8));
    label.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)));
    text.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)));
    label.SetBackColor(RGB(0, 255, 0));
    text.SetTextColor(RGB(255, 0, 0));

    TestImage image(300, 120);
    RenderWindow(&m_parent, image);
    image.SaveBmp(TestOutputPath("shell-coloured-controls.bmp"));
    // The text is smoothed: its strokes are red-dominated, not all pure red.
    int redStrokes = 0;
    for (int y = 60; y < 80; ++y) {
        for (int x = 10; x < 210; ++x) {
            COLORREF pixel = image.Pixel(x, y);
            redStrokes += GetRValue(pixel) > GetGValue(pixel) + 80 && GetRValue(pixel) > GetBValue(pixel) + 80;
        }
    }
    EXPECT_GT(redStrokes, 30);
    EXPECT_GT(image.CountPixels(CRect(10, 60, 210, 80), ::GetSysColor(COLOR_BTNFACE)), 3000);
    EXPECT_GT(image.CountPixels(CRect(10, 10, 110, 40), RGB(0, 255, 0)), 100);
    EXPECT_GT(image.CountPixels(CRect(10, 10, 110, 40), RGB(212, 208, 200)), 20);
    EXPECT_EQ(image.CountPixels(CRect(10, 60, 210, 80), RGB(0, 255, 0)), 0);
}

}  // namespace
