#include "tests/support/ScriptedMessageBoxes.h"
#include "tests/support/TestApplication.h"
#include "tests/ui/commandbars/ImageTestIcons.h"
#include "tests/ui/commandbars/RecordingTheme.h"
#include "tests/ui/commandbars/TestBarFrame.h"

#include "ui/commandbars/UICommandBars.h"
#include "ui/commandbars/UIControlPopup.h"
#include "ui/commandbars/UIControls.h"
#include "ui/commandbars/UIImageStore.h"
#include "ui/commandbars/UIPopupBar.h"
#include "ui/commandbars/UIToolBar.h"

#include "platform/CArchive.h"
#include "platform/CMemFile.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

const char kProfile[] = "QLXCommandBars";
const char kSection[] = "QLXCommandBars-Controls";
const UINT kPopupId = 9001;
const UINT kUserBarId = 0xE802;
const UINT kCustomImage = 0x7E01;

using Bytes = std::vector<BYTE>;

std::vector<UINT> Ids(CUIControls* controls) {
    std::vector<UINT> ids;
    for (int i = 0; i < controls->GetCount(); ++i) {
        if (!controls->GetAt(i)->m_temporary)
            ids.push_back(controls->GetAt(i)->GetID());
    }
    return ids;
}

// The standard toolbar as a user leaves it: its second button gone, a popup with two
// entries at its end and the first button with a caption and an image of its own;
// and a toolbar of the user's own.
void Customize(BarFrame& frame, const CString& description = "") {
    CUIControls* controls = frame.Bar(IDR_TOOLBAR_STANDARD)->GetControls();
    controls->Remove(1);
    CUIControl* first = controls->GetAt(0);
    first->m_customCaption = "我的按钮";
    first->m_customImageId = static_cast<int>(kCustomImage);
    first->m_description = description;
    HICON icon = MakeMaskedIcon(16, 16, RGB(200, 0, 0));
    GetImageManager()->SetIcon(icon, kCustomImage, 16, 16, 0);
    ::DestroyIcon(icon);
    CUIControlPopup* popup = static_cast<CUIControlPopup*>(controls->Add(uiControlButtonPopup, kPopupId));
    popup->SetCaption("更多(&M)");
    CUIPopupBar* popupBar = new CUIPopupBar;
    popupBar->SetCommandBars(frame.bars);
    popupBar->GetControls()->Add(uiControlButton, ID_PROJECT_SAVE);
    popupBar->GetControls()->Add(uiControlButton, ID_PROJECT_NEW);
    popup->SetCommandBar(popupBar);
    popupBar->InternalRelease();

    CUICommandBar* own = frame.bars->CreateToolBar("Custom 2", kUserBarId, FALSE);
    own->GetControls()->Add(uiControlButton, ID_PROJECT_SAVE);
    own->GetControls()->Add(uiControlButton, ID_PROJECT_NEW);
}

class Customization : public ::testing::Test {
protected:
    void SetUp() override {
        SelectTheme(uiThemeClassic);
        m_app.DeleteProfile();
        DeleteHiddenFile();
    }
    void TearDown() override {
        m_app.DeleteProfile();
        DeleteHiddenFile();
    }
    CString HiddenFile() {
        CString path;
        CUICommandBars::GetHiddenFileName(&path, kProfile);
        return path;
    }
    void DeleteHiddenFile() {
        ::SetFileAttributesA(HiddenFile(), FILE_ATTRIBUTE_NORMAL);
        ::DeleteFileA(HiddenFile());
    }
    Bytes StoredControls() {
        BYTE* data = nullptr;
        UINT length = 0;
        if (!m_app.GetProfileBinary(kSection, "Controls", &data, &length))
            return {};
        Bytes bytes(data, data + length);
        delete[] data;
        return bytes;
    }
    int LoadFromFile() { return static_cast<int>(m_app.GetProfileInt(kSection, "LoadFromFile", -1)); }
    // The standard toolbar's buttons in a frame with the profile's state restored.
    std::vector<UINT> RestoredStandardIds(BOOL silent = TRUE) {
        BarFrame frame(TRUE);
        frame.bars->RestoreBarsState(kProfile, silent);
        return Ids(frame.Bar(IDR_TOOLBAR_STANDARD)->GetControls());
    }

    TestApplication m_app{"CustomizationTests"};
    ToolBarFactory m_factory;
    RecordingThemeFactory m_themes;
};

}  // namespace

TEST_F(Customization, ControlsComeBackWithTheirPopupsImagesAndTheUsersOwnToolbar) {
    std::vector<UINT> customized;
    {
        BarFrame before(TRUE);
        Customize(before);
        customized = Ids(before.Bar(IDR_TOOLBAR_STANDARD)->GetControls());
        before.Layout();
        before.bars->StoreBarsState(kProfile);
    }
    EXPECT_EQ(0, LoadFromFile());
    ASSERT_FALSE(StoredControls().empty());
    GetImageManager()->RemoveAll();  // the image must come from the archive

    BarFrame after(TRUE);
    after.bars->RestoreBarsState(kProfile, FALSE);
    CUIToolBar* standard = after.Bar(IDR_TOOLBAR_STANDARD);
    EXPECT_EQ(customized, Ids(standard->GetControls()));
    CUIControl* first = standard->GetControl(0);
    EXPECT_EQ(CString("我的按钮"), first->m_customCaption);
    EXPECT_NE(nullptr, GetImageManager()->GetIconSet(kCustomImage));
    // The original set stays the program's: the bar can still be reset.
    EXPECT_TRUE(standard->GetControls()->IsChanged());
    CUIControlPopup* popup =
        dynamic_cast<CUIControlPopup*>(standard->GetControls()->FindControl(uiControlButtonPopup, kPopupId, FALSE, FALSE));
    ASSERT_NE(nullptr, popup);
    EXPECT_EQ(CString("更多(&M)"), popup->GetCaption());
    ASSERT_NE(nullptr, popup->GetCommandBar());
    EXPECT_EQ(0u, popup->m_loadedBarId);
    EXPECT_EQ((std::vector<UINT>{ID_PROJECT_SAVE, ID_PROJECT_NEW}), Ids(popup->GetCommandBar()->GetControls()));
    // Untouched toolbars are not in the archive and stay as they are.
    EXPECT_FALSE(after.Bar(IDR_TOOLBAR_PLC)->GetControls()->IsChanged());

    CUIToolBar* own = after.Bar(kUserBarId);
    ASSERT_NE(nullptr, own);
    EXPECT_EQ(CString("Custom 2"), own->GetTitle());
    EXPECT_EQ((std::vector<UINT>{ID_PROJECT_SAVE, ID_PROJECT_NEW}), Ids(own->GetControls()));
    EXPECT_TRUE(own->IsVisible());
    EXPECT_EQ(after.bars->GetDockBar(uiBarTop), own->m_dockBar);
}

TEST_F(Customization, AnArchiveWithALaterSchemaOrAStrayObjectIsRefusedWhole) {
    std::vector<UINT> original;
    {
        BarFrame before(TRUE);
        original = Ids(before.Bar(IDR_TOOLBAR_STANDARD)->GetControls());
        Customize(before);
        before.bars->StoreBarsState(kProfile);
    }
    const Bytes stored = StoredControls();
    const std::string text(stored.begin(), stored.end());
    struct Case {
        const char* what;
        std::string find;
        std::string replace;
    };
    // A class tag is 0xFFFF, the schema (16 bits), the name's length (16 bits), the name.
    const std::string buttonTag = std::string("\x06\x00\x10\x00", 4) + "CUIControlButton";
    const Case cases[] = {
        {"a control of schema 7", buttonTag, std::string("\x07\x00\x10\x00", 4) + "CUIControlButton"},
        {"a bar where a control belongs", "CUIControlPopup", "CUIPopupToolBar"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::string damaged = text;
        const size_t at = damaged.find(c.find);
        ASSERT_NE(std::string::npos, at);
        damaged.replace(at, c.find.size(), c.replace);
        m_app.WriteProfileBinary(kSection, "Controls", reinterpret_cast<LPBYTE>(&damaged[0]),
                                 static_cast<UINT>(damaged.size()));
        BarFrame after(TRUE);
        after.bars->RestoreBarsState(kProfile, TRUE);
        EXPECT_EQ(original, Ids(after.Bar(IDR_TOOLBAR_STANDARD)->GetControls()));
        EXPECT_EQ(nullptr, after.Bar(kUserBarId));
    }
}

TEST_F(Customization, ArchivesAbove16000BytesGoToTheHiddenFile) {
    // The archive's size for a description of a known length, then the length that
    // makes it exactly 16000 bytes.
    auto storedSize = [this](int descriptionLength) {
        BarFrame frame(TRUE);
        Customize(frame, CString('x', descriptionLength));
        frame.bars->StoreBarsState(kProfile);
        if (LoadFromFile() == 0)
            return static_cast<int>(StoredControls().size());
        WIN32_FILE_ATTRIBUTE_DATA data = {};
        ::GetFileAttributesExA(HiddenFile(), GetFileExInfoStandard, &data);
        return static_cast<int>(data.nFileSizeLow);
    };
    const int base = storedSize(1000);
    const int exact = 1000 + 16000 - base;
    EXPECT_EQ(16000, storedSize(exact));
    EXPECT_EQ(0, LoadFromFile());
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(HiddenFile()));

    EXPECT_EQ(16001, storedSize(exact + 1));
    EXPECT_EQ(1, LoadFromFile());
    EXPECT_EQ(HiddenFile(), m_app.GetProfileString(kSection, "Controls"));
    const DWORD attributes = ::GetFileAttributesA(HiddenFile());
    ASSERT_NE(INVALID_FILE_ATTRIBUTES, attributes);
    EXPECT_TRUE(attributes & FILE_ATTRIBUTE_HIDDEN);
    BarFrame after(TRUE);
    after.bars->RestoreBarsState(kProfile, TRUE);
    EXPECT_EQ(CString('x', exact + 1), after.Bar(IDR_TOOLBAR_STANDARD)->GetControl(0)->GetDescription());

    // Back under the limit: the profile holds it and the file goes.
    EXPECT_EQ(16000, storedSize(exact));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(HiddenFile()));
}

TEST_F(Customization, AFailedFileWriteKeepsTheEarlierCustomization) {
    {
        BarFrame frame(TRUE);
        Customize(frame, CString('a', 17000));
        frame.bars->StoreBarsState(kProfile);
    }
    ASSERT_EQ(1, LoadFromFile());
    // The new file cannot be written.
    const CString blocker = HiddenFile() + ".new";
    ASSERT_TRUE(::CreateDirectoryA(blocker, nullptr));
    {
        BarFrame frame(TRUE);
        Customize(frame, CString('b', 17000));
        frame.bars->StoreBarsState(kProfile);
    }
    ::RemoveDirectoryA(blocker);
    EXPECT_EQ(1, LoadFromFile());
    BarFrame after(TRUE);
    after.bars->RestoreBarsState(kProfile, TRUE);
    EXPECT_EQ(CString('a', 17000), after.Bar(IDR_TOOLBAR_STANDARD)->GetControl(0)->GetDescription());
}

TEST_F(Customization, AToolbarChangedByAnUpdateIsMergedAsTheUserAnswers) {
    {
        BarFrame before(TRUE);
        Customize(before);
        before.bars->StoreBarsState(kProfile);
    }
    struct Case {
        const char* what;
        BOOL silent;
        std::vector<int> answers;
        BOOL customizedComesBack;
    };
    const Case cases[] = {
        {"silent", TRUE, {}, FALSE},
        {"yes: reset to the new toolbar", FALSE, {IDYES}, FALSE},
        {"no: keep the customized one", FALSE, {IDNO}, TRUE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        BarFrame after(TRUE);
        // The program's standard toolbar lost its first button in the update.
        CUIToolBar* standard = after.Bar(IDR_TOOLBAR_STANDARD);
        standard->GetControls()->Remove(0);
        standard->GetControls()->CreateOriginalControls();
        const std::vector<UINT> updated = Ids(standard->GetControls());
        ScriptedMessageBoxes boxes;
        for (int answer : c.answers)
            boxes.QueueAnswer(answer);
        after.bars->RestoreBarsState(kProfile, c.silent);
        ASSERT_EQ(c.answers.size(), boxes.Calls().size());
        if (!c.answers.empty()) {
            EXPECT_NE(std::string::npos, boxes.Calls()[0].text.find("'bar'"));
            EXPECT_EQ(static_cast<UINT>(MB_YESNO | MB_ICONQUESTION), boxes.Calls()[0].type);
        }
        const std::vector<UINT> ids = Ids(standard->GetControls());
        EXPECT_EQ(c.customizedComesBack, ids.back() == kPopupId);
        if (!c.customizedComesBack) {
            EXPECT_EQ(updated, ids);
        }
        // Either way the new program's set is what a reset goes back to.
        EXPECT_EQ(updated, Ids(standard->GetControls()->GetOriginalControls()));
    }
}

TEST_F(Customization, TheProgramsFrameNeitherWritesNorReadsControls) {
    BYTE garbage[] = {1, 2, 3};
    m_app.WriteProfileBinary(kSection, "Controls", garbage, sizeof(garbage));
    {
        BarFrame frame(FALSE);
        Customize(frame);
        frame.bars->StoreBarsState(kProfile);
    }
    EXPECT_EQ(Bytes(garbage, garbage + 3), StoredControls());
    EXPECT_EQ(-1, LoadFromFile());
    BarFrame after(FALSE);
    after.bars->RestoreBarsState(kProfile, FALSE);
    EXPECT_EQ(nullptr, after.Bar(kUserBarId));
}

TEST(ControlsArchive, AButtonIsWrittenFieldByFieldAfterItsClassTag) {
    CUIControlButton* button = new CUIControlButton;
    button->SetID(4242);
    button->SetCaption("Go");
    button->m_tooltip = "T";
    button->m_description = "D";
    button->m_imageId = 7;
    button->m_tag = 9;
    button->m_visibleFor.Add(123);
    button->m_buttonStyle = 3;
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ar.WriteObject(button);
        ar.Close();
    }
    const UINT length = static_cast<UINT>(file.GetLength());
    BYTE* data = file.Detach();
    const Bytes bytes(data, data + length);
    std::free(data);
    const std::string name = "CUIControlButton";
    Bytes expected = {0xFF, 0xFF, 6, 0, static_cast<BYTE>(name.size()), 0};
    expected.insert(expected.end(), name.begin(), name.end());
    const Bytes fields = {
        1, 0, 0, 0,  0x92, 0x10, 0, 0,  7, 0, 0, 0,  0, 0, 0, 0,  9, 0, 0, 0,  0, 0, 0, 0,  0, 0, 0, 0,  // type .. hide
        2, 'G', 'o',  0,  1, 'T',  1, 'D',  0,  // caption, shortcut, tooltip, description, parameter
        0, 0, 0, 0,  0,  0,                      // custom image id, custom caption, extra text
        0, 0,  1, 0, 123, 0, 0, 0, 1, 0, 0, 0,  // hidden for (none), visible for (123 -> 1)
        0, 0, 0, 0,  3, 0, 0, 0,                // default item, button style
    };
    expected.insert(expected.end(), fields.begin(), fields.end());
    EXPECT_EQ(expected, bytes);

    // And back.
    CMemFile in(const_cast<BYTE*>(bytes.data()), length);
    CArchive ar(&in, CArchive::load);
    CUIControlButton* loaded = dynamic_cast<CUIControlButton*>(ar.ReadObject(RUNTIME_CLASS(CUIControl)));
    ASSERT_NE(nullptr, loaded);
    EXPECT_EQ(4242u, loaded->GetID());
    EXPECT_EQ(CString("Go"), loaded->GetCaption());
    EXPECT_TRUE(loaded->m_visibleFor.Contains(123));
    EXPECT_EQ(3, loaded->m_buttonStyle);
    loaded->InternalRelease();
    button->InternalRelease();
}
