// The dialog driven by the keyboard alone, through the whole flow: choose a file, follow its imports,
// load, filter, select, edit, copy, save and export, with the context menu opened from the keyboard.

#include "dialog_harness.h"
#include "temp_dir.h"

#include <gtest/gtest.h>
#include <wx/timer.h>
#include <wx/uiaction.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <vector>

namespace quorvel::test {
namespace {

namespace fs = std::filesystem;

// A key as the user presses it, to whatever has the focus.
void Press(int key, int modifiers = wxMOD_NONE) {
    wxUIActionSimulator().Char(key, modifiers);
    PumpEvents(60);
}

// Opens the context menu with menuKey and, once it shows, presses the keys in it.
void InMenu(int menuKey, int modifiers, const std::vector<int>& keys) {
    wxTimer timer;
    timer.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
        for (const int key : keys) {
            wxUIActionSimulator().Char(key);
        }
    });
    timer.StartOnce(400);
    Press(menuKey, modifiers);
    PumpEvents(600);
}

TEST(Keyboard, TheWholeFlowWithoutTheMouse) {
    const TempDir dir;
    fs::copy(fs::path(QUORVEL_TEST_DATA_DIR) / "load/imports", dir.Path(), fs::copy_options::recursive);
    const std::string description = (dir.Path() / "wsdl/service.wsdl").string();
    ShownDialog shown(wxSize(900, 560));
    ASSERT_EQ(shown.Address(), wxWindow::FindFocus());

    // Ctrl+O chooses the file, Alt+F checks 跟随导入, Enter in the address box loads.
    shown.prompts.chosenFile = wxString::FromUTF8(description);
    Press('o', wxMOD_CONTROL);
    EXPECT_EQ(shown.prompts.chosenFile, shown.Address()->GetValue());
    Press('f', wxMOD_ALT);
    EXPECT_TRUE(shown.FollowImports()->GetValue());
    Press('l', wxMOD_CONTROL);
    Press(WXK_RETURN);
    ASSERT_TRUE(PumpUntil([&] { return !shown.IsLoading() && !shown.TreeLines().empty(); }));
    EXPECT_TRUE(shown.Status().EndsWith(wxString::FromUTF8("，文档 6 个"))) << shown.Status();

    // Tab visits 打开 and the filter; typing filters; Tab goes on to the tree, where Down selects.
    Press(WXK_TAB);
    EXPECT_EQ(shown.Control(ui::kIdOpenButton), wxWindow::FindFocus());
    Press(WXK_TAB);
    for (const char c : std::string("place")) {
        Press(c);
    }
    EXPECT_EQ(wxString("place"), shown.Filter()->GetValue());
    Press(WXK_TAB);
    ASSERT_EQ(shown.Tree(), wxWindow::FindFocus());
    for (int i = 0; i < 3 && shown.Message()->GetValue().empty(); ++i) {
        Press(WXK_DOWN);
    }
    ASSERT_EQ(wxString("PlaceOrder"), shown.Tree()->GetItemText(shown.Tree()->GetSelection()));
    const wxString request = shown.Message()->GetValue();
    EXPECT_NE(wxNOT_FOUND, request.Find("<urn:code>?</urn:code>"));

    // In the pane Ctrl+Tab types a tab and Tab leaves; Shift+Tab comes back to the tree.
    Press(WXK_TAB);
    ASSERT_EQ(shown.Message(), wxWindow::FindFocus());
    shown.Message()->DocumentStart();
    Press(WXK_TAB, wxMOD_CONTROL);
    EXPECT_EQ("\t" + request, shown.Message()->GetValue());
    // Past the pane: the endpoint, the sending buttons and the options, then 跟随导入 and 解析 last.
    std::vector<wxWindow*> visited;
    for (int i = 0; i < 8 && wxWindow::FindFocus() != shown.FollowImports(); ++i) {
        Press(WXK_TAB);
        visited.push_back(wxWindow::FindFocus());
    }
    EXPECT_EQ(shown.Control(ui::kIdEndpointBox), visited.front());
    EXPECT_NE(visited.end(), std::find(visited.begin(), visited.end(), shown.Control(ui::kIdSendButton)));
    ASSERT_EQ(shown.FollowImports(), wxWindow::FindFocus());
    Press(WXK_TAB);
    EXPECT_EQ(shown.Control(ui::kIdParseButton), wxWindow::FindFocus());
    Press(WXK_TAB);
    EXPECT_EQ(shown.Address(), wxWindow::FindFocus());
    for (wxWindow* back : {shown.Control(ui::kIdParseButton), static_cast<wxWindow*>(shown.FollowImports())}) {
        Press(WXK_TAB, wxMOD_SHIFT);
        ASSERT_EQ(back, wxWindow::FindFocus());
    }
    for (int i = 0; i < 8 && wxWindow::FindFocus() != shown.Message(); ++i) {
        Press(WXK_TAB, wxMOD_SHIFT);
    }
    ASSERT_EQ(shown.Message(), wxWindow::FindFocus());
    Press(WXK_TAB, wxMOD_SHIFT);
    ASSERT_EQ(shown.Tree(), wxWindow::FindFocus());

    // Shift+F10 opens the menu on its first command, 复制请求: the pane's text, line feeds as built.
    wxString edited = "\t" + request;
    edited.Replace("\r\n", "\n");
    InMenu(WXK_F10, wxMOD_SHIFT, {WXK_RETURN});
    EXPECT_EQ(edited, ClipboardText());
    // The Menu key, then Down to 另存为…
    const std::string saved = (dir.Path() / "saved.xml").string();
    shown.prompts.chosenSaveFile = wxString::FromUTF8(saved);
    InMenu(WXK_MENU, wxMOD_NONE, {WXK_DOWN, WXK_RETURN});
    EXPECT_EQ(edited.utf8_string() + "\n", ReadFileBytes(saved));

    // Up to the binding, whose menu exports its requests in the background.
    Press(WXK_UP);
    const fs::path exported = dir.Path() / "exported";
    shown.prompts.chosenFolder = wxString::FromUTF8(exported.string());
    InMenu(WXK_MENU, wxMOD_NONE, {WXK_RETURN});
    EXPECT_TRUE(PumpUntil([&] { return !shown.IsLoading(); }));
    EXPECT_TRUE(fs::exists(exported / "index.tsv"));
    EXPECT_TRUE(shown.Status().StartsWith(wxString::FromUTF8("已导出 "))) << shown.Status();
    EXPECT_TRUE(shown.prompts.messages.empty()) << shown.prompts.messages.front().text;
    EXPECT_TRUE(shown.Dialog().IsShown());
}

// With nothing selected, the tree that takes the focus marks the item the arrow keys start from (the
// generic tree marks only a selected item, so the first service is selected: the pane stays empty).
TEST(Keyboard, TheTreeMarksItsFocusWithNothingSelected) {
    ShownDialog shown;
    shown.Load(UiFixture("reversed.wsdl"));
    const wxImage before = SaveScreenshotOf(shown.Tree(), "quorvel_tree_unfocused.png");
    shown.Tree()->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return wxWindow::FindFocus() == shown.Tree(); }));
    PumpEvents(100);
    const wxImage after = SaveScreenshotOf(shown.Tree(), "quorvel_tree_focused.png");

    wxTreeItemIdValue cookie;
    const wxTreeItemId first = shown.Tree()->GetFirstChild(shown.Tree()->GetRootItem(), cookie);
    EXPECT_EQ(first, shown.Tree()->GetFocusedItem());
    EXPECT_TRUE(shown.Message()->GetValue().empty());
    ASSERT_EQ(before.GetSize(), after.GetSize());
    EXPECT_NE(0, std::memcmp(before.GetData(), after.GetData(), before.GetWidth() * before.GetHeight() * 3))
        << "the tree looks the same with the focus";
}

} // namespace
} // namespace quorvel::test
