#include <gtest/gtest.h>

#include <set>
#include <string>

#include "tests/ui/docking/DockingTestFrame.h"
#include "ui/docking/UIDockingPaneAutoHideStrip.h"
#include "ui/docking/UIDockingPaneLayoutState.h"
#include "ui/docking/UIDockingPaneMiniWnd.h"
#include "ui/docking/UIDockingPaneSplitContainer.h"
#include "ui/docking/UIDockingPaneTabbedContainer.h"

namespace {

const char LayoutName[] = "QLXNormalLayout";

// The layout key of the test profile, opened for reading and writing.
class LayoutKey {
public:
    LayoutKey() {
        HKEY section = AfxGetApp()->GetSectionKey("DockingPaneLayouts");
        ::RegCreateKeyExA(section, LayoutName, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &m_key, nullptr);
        ::RegCloseKey(section);
    }
    ~LayoutKey() { ::RegCloseKey(m_key); }
    operator HKEY() const { return m_key; }

    std::set<std::string> Subkeys() const {
        std::set<std::string> names;
        char name[256];
        for (DWORD i = 0;; ++i) {
            DWORD length = sizeof(name);
            if (::RegEnumKeyExA(m_key, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
                break;
            names.insert(name);
        }
        return names;
    }
    // The value names of a subkey, with their types.
    std::set<std::string> Values(const char* subkey) const {
        std::set<std::string> names;
        HKEY key;
        if (::RegOpenKeyExA(m_key, subkey, 0, KEY_READ, &key) != ERROR_SUCCESS)
            return names;
        char name[256];
        for (DWORD i = 0;; ++i) {
            DWORD length = sizeof(name), type = 0;
            if (::RegEnumValueA(key, i, name, &length, nullptr, &type, nullptr, nullptr) != ERROR_SUCCESS)
                break;
            names.insert(std::string(name) + (type == REG_SZ ? ":sz" : ""));
        }
        ::RegCloseKey(key);
        return names;
    }
    int Int(const char* subkey, const char* value) const {
        DWORD data = 0xDEAD, size = sizeof(data);
        ::RegGetValueA(m_key, subkey, value, RRF_RT_REG_DWORD, nullptr, &data, &size);
        return static_cast<int>(data);
    }

private:
    HKEY m_key = nullptr;
};

// Rebuilds a saved layout: one element per "Pane-%d" of its "Type", then each reads
// its own values through the number map, as a loader of the program would.
void LoadLayout(CUIDockingPaneLayoutState& layout, HKEY key, CFrameWnd* frame) {
    layout.Clear();
    layout.SetKey(key);
    int count = layout.ReadInt("Summary", "Panes", 0);
    CUIDockingPaneNumberMap numbers;
    for (int number = 1; number <= count; ++number) {
        CUIDockingPaneBase* element = nullptr;
        switch (layout.ReadInt(DockingPaneSection(number), "Type", -1)) {
        case DockingPaneKindPane: element = new CUIDockingPaneItem(&layout, 0, ""); break;
        case DockingPaneKindTabbed: element = new CUIDockingPaneTabbedContainer(&layout); break;
        case DockingPaneKindSplit: element = new CUIDockingPaneSplitContainer(nullptr, FALSE, frame, &layout); break;
        case DockingPaneKindFloating: element = new CUIDockingPaneMiniWnd(&layout); break;
        case DockingPaneKindClient: element = new CUIDockingPaneBase(DockingPaneKindClient, &layout); break;
        case DockingPaneKindAutoHide: element = new CUIDockingPaneAutoHideStrip(&layout, DockLeft); break;
        default: FAIL() << "unknown type in Pane-" << number;
        }
        element->m_number = number;
        numbers[number] = element;
    }
    for (auto& entry : numbers)
        EXPECT_TRUE(entry.second->LoadFromRegistry(&layout, numbers)) << "Pane-" << entry.first;
    layout.m_top = static_cast<CUIDockingPaneSplitContainer*>(numbers[layout.ReadInt("Summary", "TopContainer", 0)]);
    layout.m_client = numbers[layout.ReadInt("Summary", "Client", 0)];
    layout.SetKey(nullptr);
}

// The tree under an element: kinds, sizes, order, panes by id and selection.
std::string Describe(CUIDockingPaneBase* element) {
    std::string text = std::to_string(element->GetKind()) + "[" + std::to_string(element->m_cx) + "x" +
                       std::to_string(element->m_cy);
    switch (element->GetKind()) {
    case DockingPaneKindPane: {
        auto* pane = static_cast<CUIDockingPaneItem*>(element);
        text += " #" + std::to_string(pane->GetId()) + " " + std::string(pane->GetTitle());
        break;
    }
    case DockingPaneKindTabbed: {
        auto* tabbed = static_cast<CUIDockingPaneTabbedContainer*>(element);
        for (CUIDockingPaneItem* pane : tabbed->GetPanes())
            text += " " + Describe(pane) + (pane == tabbed->GetSelected() ? "*" : "");
        break;
    }
    case DockingPaneKindSplit: {
        auto* split = static_cast<CUIDockingPaneSplitContainer*>(element);
        text += split->IsHorizontal() ? " H" : " V";
        for (CUIDockingPaneBase* child : split->GetChildren())
            text += " " + Describe(child);
        break;
    }
    case DockingPaneKindFloating: {
        auto* floating = static_cast<CUIDockingPaneMiniWnd*>(element);
        text += " " + Describe(floating->GetTopContainer());
        break;
    }
    case DockingPaneKindAutoHide: {
        auto* panel = static_cast<CUIDockingPaneAutoHideStrip*>(element);
        text += " side " + std::to_string(panel->GetSide());
        for (CUIDockingPaneBase* container : panel->GetContainers())
            text += " " + Describe(container);
        break;
    }
    }
    return text + "]";
}

// The layout's roots and pane records, holders by their element numbers.
std::string DescribeLayout(CUIDockingPaneLayoutState& layout) {
    std::string text;
    for (CUIDockingPaneBase* element : layout.m_elements)
        if (!element->GetHolder())
            text += Describe(element) + "\n";
    // A loader appends the records in element order: compare them as a set.
    auto number = [](CUIDockingPaneBase* e) { return std::to_string(e ? e->m_number : 0); };
    std::set<std::string> records;
    for (const DockingPaneInfo& info : layout.m_panes)
        records.insert(std::to_string(info.pane->GetId()) + " d" + number(info.dockingHolder) + " f" +
                       number(info.floatingHolder) + " l" + number(info.lastHolder) + "\n");
    for (const std::string& record : records)
        text += record;
    return text;
}

class DockingRegistryTest : public DockingFrameTest {
protected:
    void SetUp() override {
        app.DeleteProfile();
        DockingFrameTest::SetUp();
    }
    void TearDown() override {
        DockingFrameTest::TearDown();
        app.DeleteProfile();
    }
    // Saves the frame's layout as the program does at shut-down; the saved copy's
    // description.
    std::string Save() {
        CUIDockingPaneLayoutState copy(&frame->manager);
        frame->manager.GetLayout(&copy);
        copy.SaveToRegistry(LayoutName);
        return DescribeLayout(copy);
    }
    std::string Load() {
        LayoutKey key;
        CUIDockingPaneLayoutState loaded(&frame->manager);
        LoadLayout(loaded, key, frame);
        return DescribeLayout(loaded);
    }
};

TEST_F(DockingRegistryTest, StartUpLayoutSavesItsElementsAndReadsBackTheSame) {
    std::string saved = Save();
    LayoutKey key;
    std::set<std::string> expected = {"Summary"};
    for (int i = 1; i <= 13; ++i)
        expected.insert("Pane-" + std::to_string(i));
    EXPECT_EQ(expected, key.Subkeys());
    EXPECT_EQ(13, key.Int("Summary", "Panes"));
    EXPECT_EQ(std::set<std::string>({"TopContainer", "Client", "Panes"}), key.Values("Summary"));

    // Values per kind, compared as sets.
    std::set<std::string> paneValues = {"Type", "DockingCX", "DockingCY", "Title:sz", "ID", "IconID", "Options",
                                        "DockingHolder", "FloatingHolder", "LastHolder"};
    std::set<std::string> tabbedValues = {"Type", "DockingCX", "DockingCY", "Selected", "Panes", "Pane-1"};
    std::map<int, int> kinds;
    for (int i = 1; i <= 13; ++i) {
        std::string section = "Pane-" + std::to_string(i);
        int type = key.Int(section.c_str(), "Type");
        ++kinds[type];
        if (type == DockingPaneKindPane) {
            EXPECT_EQ(paneValues, key.Values(section.c_str())) << section;
        }
        if (type == DockingPaneKindClient) {
            EXPECT_EQ(std::set<std::string>({"Type", "DockingCX", "DockingCY"}), key.Values(section.c_str()));
        }
        if (type == DockingPaneKindPane && key.Int(section.c_str(), "ID") == ProjectPane) {
            EXPECT_EQ(-1, key.Int(section.c_str(), "IconID"));
            EXPECT_EQ(205, key.Int(section.c_str(), "DockingCX"));
            EXPECT_EQ(140, key.Int(section.c_str(), "DockingCY"));
            int holder = key.Int(section.c_str(), "DockingHolder");
            std::string holderSection = "Pane-" + std::to_string(holder);
            EXPECT_EQ(DockingPaneKindTabbed, key.Int(holderSection.c_str(), "Type"));
            EXPECT_EQ(tabbedValues, key.Values(holderSection.c_str()));
            EXPECT_EQ(i, key.Int(holderSection.c_str(), "Pane-1"));
            EXPECT_EQ(i, key.Int(holderSection.c_str(), "Selected"));
            EXPECT_EQ(0, key.Int(section.c_str(), "FloatingHolder"));
        }
    }
    // Client, three split containers, four tabbed containers (one empty), five panes.
    EXPECT_EQ((std::map<int, int>{{0, 5}, {1, 4}, {2, 3}, {4, 1}}), kinds);

    EXPECT_EQ(saved, Load());
}

TEST_F(DockingRegistryTest, FloatingFramesRoundTrip) {
    frame->manager.FloatPane(frame->Pane(OutputPane), CRect(300, 200, 600, 400));
    app.PumpUntilIdle();
    std::string saved = Save();
    LayoutKey key;
    bool found = false;
    for (const std::string& section : key.Subkeys()) {
        if (section == "Summary" || key.Int(section.c_str(), "Type") != DockingPaneKindFloating)
            continue;
        found = true;
        EXPECT_EQ(std::set<std::string>({"Type", "DockingCX", "DockingCY", "TopContaner", "WindowRectTopPos",
                                         "WindowRectBottomPos", "WindowRectLeftPos", "WindowRectRightPos"}),
                  key.Values(section.c_str()));
        EXPECT_EQ(300, key.Int(section.c_str(), "WindowRectLeftPos"));
        EXPECT_EQ(400, key.Int(section.c_str(), "WindowRectBottomPos"));
        std::string top = "Pane-" + std::to_string(key.Int(section.c_str(), "TopContaner"));
        EXPECT_EQ(DockingPaneKindSplit, key.Int(top.c_str(), "Type"));
    }
    EXPECT_TRUE(found);
    EXPECT_EQ(saved, Load());
}

TEST_F(DockingRegistryTest, AutoHidePanelsRoundTrip) {
    frame->manager.ToggleAutoHide(frame->Pane(OutputPane));
    frame->manager.ToggleAutoHide(frame->Pane(ProjectPane));
    frame->RecalcLayout();
    std::string saved = Save();
    LayoutKey key;
    std::map<int, std::string> panels;  // side: the panel's section
    for (const std::string& section : key.Subkeys())
        if (section != "Summary" && key.Int(section.c_str(), "Type") == DockingPaneKindAutoHide)
            panels[key.Int(section.c_str(), "Direction")] = section;
    ASSERT_EQ((std::vector<int>{DockLeft, DockBottom}), [&] {
        std::vector<int> sides;
        for (auto& entry : panels)
            sides.push_back(entry.first);
        return sides;
    }());
    for (auto& entry : panels) {
        const char* section = entry.second.c_str();
        EXPECT_EQ(std::set<std::string>({"Type", "DockingCX", "DockingCY", "Direction", "Pane-1", "Panes"}),
                  key.Values(section));
        EXPECT_EQ(1, key.Int(section, "Panes"));
        std::string container = "Pane-" + std::to_string(key.Int(section, "Pane-1"));
        EXPECT_EQ(DockingPaneKindTabbed, key.Int(container.c_str(), "Type"));
        std::string pane = "Pane-" + std::to_string(key.Int(container.c_str(), "Pane-1"));
        EXPECT_EQ(entry.first == DockLeft ? ProjectPane : OutputPane, key.Int(pane.c_str(), "ID"));
    }
    // The emptied docked containers stay: they are the panes' docking holders.
    EXPECT_NE(std::string::npos, saved.find(std::to_string(OutputPane) + " d"));
    EXPECT_EQ(std::string::npos, saved.find(std::to_string(OutputPane) + " d0"));
    EXPECT_EQ(saved, Load());

    // A damaged side is refused rather than taken as a panel index.
    {
        LayoutKey damaged;
        HKEY panel;
        ::RegOpenKeyExA(damaged, panels[DockLeft].c_str(), 0, KEY_SET_VALUE, &panel);
        DWORD side = 7;
        ::RegSetValueExA(panel, "Direction", 0, REG_DWORD, reinterpret_cast<BYTE*>(&side), sizeof(side));
        ::RegCloseKey(panel);
    }
    CUIDockingPaneLayoutState loaded(&frame->manager);
    loaded.SetKey(key);
    auto* panel = new CUIDockingPaneAutoHideStrip(&loaded, DockLeft);  // owned by the layout
    panel->m_number = std::stoi(panels[DockLeft].substr(5));
    EXPECT_FALSE(panel->LoadFromRegistry(&loaded, {}));
    EXPECT_EQ(nullptr, loaded.GetPanel(DockLeft));
    loaded.SetKey(nullptr);
}

TEST_F(DockingRegistryTest, ASmallerSecondSaveLeavesOnlyItself) {
    Save();
    MakeFrame(FALSE);
    frame->manager.CreatePane(ProjectPane, CRect(0, 0, 205, 140), DockLeft);
    Save();
    LayoutKey key;
    EXPECT_EQ(std::set<std::string>({"Summary", "Pane-1", "Pane-2", "Pane-3", "Pane-4"}), key.Subkeys());
    EXPECT_EQ(4, key.Int("Summary", "Panes"));
}

TEST_F(DockingRegistryTest, ADamagedCountNeitherLoopsNorLeavesStrays) {
    {
        LayoutKey key;
        HKEY summary, stray;
        ::RegCreateKeyExA(key, "Summary", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &summary, nullptr);
        DWORD damaged = 0x7FFFFFFF;
        ::RegSetValueExA(summary, "Panes", 0, REG_DWORD, reinterpret_cast<BYTE*>(&damaged), sizeof(damaged));
        ::RegCloseKey(summary);
        ::RegCreateKeyExA(key, "Pane-99", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &stray, nullptr);
        ::RegCloseKey(stray);
        ::RegCreateKeyExA(key, "Pane-notes", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &stray, nullptr);
        ::RegCloseKey(stray);
    }
    DWORD start = ::GetTickCount();
    Save();
    EXPECT_LT(::GetTickCount() - start, 5000u);
    LayoutKey key;
    std::set<std::string> subkeys = key.Subkeys();
    EXPECT_EQ(0u, subkeys.count("Pane-99"));
    EXPECT_EQ(1u, subkeys.count("Pane-notes"));  // not a section of ours: kept
    EXPECT_EQ(13, key.Int("Summary", "Panes"));
}

TEST_F(DockingRegistryTest, ClosedPanesAndTheirEmptyContainersAreSavedOthersArePurged) {
    frame->Pane(ProjectPane)->Close();
    std::string saved = Save();
    // The project's emptied container is its docking holder: kept, like the module list's.
    EXPECT_NE(std::string::npos, saved.find(std::to_string(ProjectPane) + " d"));
    EXPECT_EQ(std::string::npos, saved.find(std::to_string(ProjectPane) + " d0"));
    EXPECT_EQ(saved, Load());
}

}  // namespace
