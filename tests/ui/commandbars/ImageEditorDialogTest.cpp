#include "tests/support/ModalScript.h"
#include "tests/support/ScriptedCommonDialogs.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestApplication.h"
#include "tests/support/TestImage.h"
#include "tests/ui/commandbars/ImageTestIcons.h"

#include "ui/commandbars/UIImageEditorDlg.h"
#include "ui/commandbars/UIImageEditorFile.h"

#include "platform/CFrameWnd.h"
#include "res/resource.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>

namespace {

// A 24-bit bitmap file of one colour.
void WriteBmp24(const std::string& path, int width, int height, COLORREF color) {
    const int stride = (width * 3 + 3) & ~3;
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof(info);
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    std::string pixels(static_cast<size_t>(stride * height), '\0');
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            char* at = &pixels[static_cast<size_t>(y * stride + x * 3)];
            at[0] = static_cast<char>(GetBValue(color));
            at[1] = static_cast<char>(GetGValue(color));
            at[2] = static_cast<char>(GetRValue(color));
        }
    }
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(info);
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    FILE* out = std::fopen(path.c_str(), "wb");
    ASSERT_NE(nullptr, out);
    std::fwrite(&file, sizeof(file), 1, out);
    std::fwrite(&info, sizeof(info), 1, out);
    std::fwrite(pixels.data(), 1, pixels.size(), out);
    std::fclose(out);
}

class ImageEditorDialog : public ::testing::Test {
protected:
    void SetUp() override {
        m_frame = new CFrameWnd;
        ASSERT_TRUE(m_frame->Create(nullptr, "Tessaron", WS_OVERLAPPEDWINDOW, CRect(0, 0, 600, 400)));
        m_app.m_pMainWnd = m_frame;
    }
    void TearDown() override {
        m_app.m_pMainWnd = nullptr;
        m_frame->DestroyWindow();
    }
    // Runs the editor with the action done while it is up, then OK.
    INT_PTR RunEditor(CUIImageEditorDlg& editor, const std::function<void(CUIImageEditorDlg&)>& action) {
        ModalScript script({[&](CWnd*) {
            action(editor);
            PressButton(&editor, IDOK);
        }});
        return editor.DoModal();
    }
    static void ClickCell(CUIImageEditorDlg& editor, CPoint cell) {
        CUIImageEditorPicture& picture = editor.GetPicture();
        const CSize size = picture.GetCellSize();
        const LPARAM at = MAKELPARAM(cell.x * size.cx + size.cx / 2, cell.y * size.cy + size.cy / 2);
        picture.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, at);
        picture.SendMessage(WM_LBUTTONUP, 0, at);
    }
    static void Command(CUIImageEditorDlg& editor, UINT id) { editor.SendMessage(WM_COMMAND, id); }
    static CUIImageEditorPicker* Picker(CUIImageEditorDlg& editor, UINT id) {
        return static_cast<CUIImageEditorPicker*>(CWnd::FromHandlePermanent(editor.GetDlgItem(static_cast<int>(id))->GetSafeHwnd()));
    }
    static void Click(CWnd* window) { window->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2)); }
    static std::string ToolTip(CUIImageEditorDlg& editor, UINT id, BOOL* handled) {
        NMTTDISPINFOA info = {};
        info.hdr.hwndFrom = editor.GetSafeHwnd();
        info.hdr.idFrom = id;
        info.hdr.code = TTN_NEEDTEXTA;
        LRESULT result = 0;
        *handled = editor.OnWndMsg(WM_NOTIFY, id, reinterpret_cast<LPARAM>(&info), &result);
        return info.szText;
    }

    TestApplication m_app;
    CFrameWnd* m_frame = nullptr;
};

TEST_F(ImageEditorDialog, TheDialogLaysOutItsToolsPaletteAndDrawingArea) {
    CUIImageEditorDlg editor(m_frame);
    editor.SetIconSize(CSize(16, 16));
    EXPECT_EQ(IDOK, RunEditor(editor, [](CUIImageEditorDlg& dialog) {
        CUIImageEditorToolBar& tools = dialog.GetToolsBar();
        EXPECT_EQ(12, static_cast<int>(tools.SendMessage(TB_BUTTONCOUNT)));
        EXPECT_EQ(3, static_cast<int>(tools.SendMessage(TB_GETROWS)));
        CUIImageEditorPicker* black = Picker(dialog, IDS_COLOR_BLACK);
        ASSERT_NE(nullptr, black);
        EXPECT_EQ(black, dialog.GetSelectedPicker());
        CRect pinkRect, blackRect;
        Picker(dialog, IDS_COLOR_PINK)->GetWindowRect(&pinkRect);
        black->GetWindowRect(&blackRect);
        EXPECT_EQ(CPoint(blackRect.left + 7 * 13, blackRect.top + 13), pinkRect.TopLeft());
        EXPECT_EQ(CSize(11, 11), pinkRect.Size());
        CRect picture;
        dialog.GetPicture().GetClientRect(&picture);
        const CSize cell = dialog.GetPicture().GetCellSize();
        EXPECT_EQ(CSize(16 * cell.cx + 1, 16 * cell.cy + 1), picture.Size());
        EXPECT_FALSE(dialog.GetDlgItem(IDC_IMAGE_EDITOR_PREVIEW)->GetExStyle() & WS_EX_STATICEDGE);

        // Red, two strokes, one undone; the idle update shows the state on the toolbar.
        Click(Picker(dialog, IDS_COLOR_RED));
        EXPECT_EQ(RGB(255, 0, 0), dialog.GetCurrentColor());
        ClickCell(dialog, CPoint(2, 3));
        ClickCell(dialog, CPoint(4, 3));
        Command(dialog, ID_IMAGE_EDITOR_UNDO);
        dialog.SendMessage(WM_KICKIDLE);
        EXPECT_TRUE(tools.IsChecked(ID_IMAGE_EDITOR_PENCIL));
        EXPECT_TRUE(tools.IsEnabled(ID_IMAGE_EDITOR_UNDO));
        EXPECT_TRUE(tools.IsEnabled(ID_IMAGE_EDITOR_REDO));

        // Picking a colour selects the free picker and returns to the pencil.
        Command(dialog, ID_IMAGE_EDITOR_PICK_COLOR);
        dialog.SendMessage(WM_KICKIDLE);
        EXPECT_TRUE(tools.IsChecked(ID_IMAGE_EDITOR_PICK_COLOR));
        ClickCell(dialog, CPoint(2, 3));
        EXPECT_EQ(Picker(dialog, IDC_IMAGE_EDITOR_FREE_COLOR), dialog.GetSelectedPicker());
        EXPECT_EQ(RGB(255, 0, 0), dialog.GetCurrentColor());
        EXPECT_EQ(CUIImageEditorModel::ToolPencil, dialog.GetModel().GetTool());

        Click(Picker(dialog, IDC_IMAGE_EDITOR_TRANSPARENT));
        EXPECT_EQ(kImageEditorTransparent, dialog.GetCurrentColor());
        Command(dialog, ID_IMAGE_EDITOR_ELLIPSE);
        Click(Picker(dialog, IDS_COLOR_BLUE));
        ClickCell(dialog, CPoint(8, 8));
        dialog.GetPicture().SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(6 * cell.cx, 6 * cell.cy));
        dialog.GetPicture().SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(14 * cell.cx, 13 * cell.cy));
        dialog.GetPicture().SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(14 * cell.cx, 13 * cell.cy));

        {
            EXPECT_TRUE(dialog.IsWindowVisible());
            CRect window;
            dialog.GetWindowRect(&window);
            TestImage shot(window.Width(), window.Height());
            RenderWindow(&dialog, shot);
            EXPECT_TRUE(shot.SaveBmp(TestOutputPath("image_editor.bmp")));
            TestImage red(11, 11);
            RenderWindow(Picker(dialog, IDS_COLOR_RED), red);
            EXPECT_EQ(RGB(255, 0, 0), red.Pixel(5, 5));
        }
    }));
    const CUIImageEditorBitmap* image = editor.GetModel().GetImage();
    ASSERT_NE(nullptr, image);
    EXPECT_EQ(RGB(255, 0, 0), image->GetColor(CPoint(2, 3)));
    EXPECT_EQ(kImageEditorTransparent, image->GetColor(CPoint(4, 3))) << "undone";
    EXPECT_EQ(RGB(0, 0, 255), image->GetColor(CPoint(6, 9)));
    BOOL alpha = TRUE;
    HICON icon = editor.GetIcon(&alpha);
    ASSERT_NE(nullptr, icon);
    EXPECT_FALSE(alpha);
    ::DestroyIcon(icon);
}

TEST_F(ImageEditorDialog, ImagesLargerThanTheAreaGetCellsOfOnePixelAndNoSizeIsRefused) {
    CUIImageEditorDlg editor(m_frame);
    editor.SetIconSize(CSize(0, 0));
    EXPECT_EQ(CSize(16, 16), editor.GetModel().GetImageSize()) << "0 x 0 refused";
    editor.SetIconSize(CSize(400, 300));
    EXPECT_EQ(IDOK, RunEditor(editor, [](CUIImageEditorDlg& dialog) {
        EXPECT_EQ(CSize(1, 1), dialog.GetPicture().GetCellSize());
        Click(Picker(dialog, IDS_COLOR_GREEN));
        ClickCell(dialog, CPoint(10, 20));
    }));
    EXPECT_EQ(RGB(0, 128, 0), editor.GetModel().GetImage()->GetColor(CPoint(10, 20)));
}

TEST_F(ImageEditorDialog, ToolTipsAreTheTextsAfterTheLineBreak) {
    CUIImageEditorDlg editor(m_frame);
    RunEditor(editor, [](CUIImageEditorDlg& dialog) {
        BOOL handled = FALSE;
        EXPECT_EQ("Fill With Color", ToolTip(dialog, ID_IMAGE_EDITOR_FILL, &handled));
        EXPECT_TRUE(handled);
        ToolTip(dialog, 0x7FF0, &handled);
        EXPECT_FALSE(handled) << "no string: not handled";
    });
}

TEST_F(ImageEditorDialog, CopyThenPasteGivesTheImageBackAndAFileLoadsIntoIt) {
    TempFolder folder;
    WriteBmp24(folder / "red.BMP", 4, 4, RGB(255, 0, 0));
    CUIImageEditorDlg editor(m_frame);
    ScriptedCommonDialogs dialogs({ChooseFile((folder / "red.BMP").c_str()), ChooseFile((folder / "missing.bmp").c_str())});
    RunEditor(editor, [](CUIImageEditorDlg& dialog) {
        Click(Picker(dialog, IDS_COLOR_YELLOW));
        ClickCell(dialog, CPoint(1, 1));
        Command(dialog, ID_IMAGE_EDITOR_COPY);
        EXPECT_TRUE(::IsClipboardFormatAvailable(CF_BITMAP));
        Command(dialog, ID_IMAGE_EDITOR_CLEAR);
        EXPECT_EQ(nullptr, dialog.GetModel().GetImage());
        Command(dialog, ID_IMAGE_EDITOR_PASTE);
        ASSERT_NE(nullptr, dialog.GetModel().GetImage());
        EXPECT_EQ(RGB(255, 255, 0), dialog.GetModel().GetImage()->GetColor(CPoint(1, 1)));
        EXPECT_EQ(kImageEditorTransparent, dialog.GetModel().GetImage()->GetColor(CPoint(2, 2))) << "button face";

        Command(dialog, ID_IMAGE_EDITOR_LOAD);
        EXPECT_EQ(RGB(255, 0, 0), dialog.GetModel().GetImage()->GetColor(CPoint(3, 3)));
        EXPECT_EQ(kImageEditorTransparent, dialog.GetModel().GetImage()->GetColor(CPoint(4, 4)));
        const size_t undo = dialog.GetModel().GetUndoCount();
        Command(dialog, ID_IMAGE_EDITOR_LOAD);
        EXPECT_EQ(undo, dialog.GetModel().GetUndoCount()) << "a file that cannot be loaded changes nothing";
    });
    EXPECT_EQ(0u, dialogs.PendingAnswers());
    EXPECT_EQ("All Picture Types|*.bmp;*.cur;*.dib;*.emf;*.ico;*.wmf;*.gif;*.jpg|Bitmaps (*.bmp;*.dib;*.gif;*.jpg)|"
              "*.bmp;*.dib;*.gif;*.jpg|Icons/Cursors (*.ico;*.cur)|*.ico;*.cur|Metafiles (*.wmf;*.emf)|*.wmf;*.emf|"
              "All files (*.*)|*.*||",
              dialogs.FileCalls().at(0).filter);
}

}  // namespace
