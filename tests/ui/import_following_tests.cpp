// The follow-imports check box: a split description loaded without and with it, the warning box that
// lists the imports not read, and pictures of both loads for a person to look at.

#include "dialog_harness.h"
#include "temp_dir.h"
#include "ui/messages.h"
#include "ui/notes_box.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace quorvel::test {
namespace {

namespace fs = std::filesystem;

TEST(FollowImports, TheCheckBoxLoadsTheDocumentsADescriptionImports) {
    // The split files of the load tests, and a root that imports them and a file that is not there.
    const TempDir dir;
    fs::copy(fs::path(QUORVEL_TEST_DATA_DIR) / "load/imports", dir.Path(), fs::copy_options::recursive);
    const std::string root = dir.WriteFile("wsdl/orders.wsdl", R"(<definitions
        xmlns="http://schemas.xmlsoap.org/wsdl/"><import location="service.wsdl"/>
        <import location="gone.xsd"/></definitions>)");
    ShownDialog shown(wxSize(900, 560));

    shown.Load(root);
    ASSERT_EQ(shown.prompts.messages.size(), 1u);
    EXPECT_EQ(shown.prompts.messages[0].text, wxString::FromUTF8("未找到 SOAP binding。"));
    shown.Load((dir.Path() / "wsdl/service.wsdl").string());
    EXPECT_EQ(shown.SelectAndRead(shown.FindItem("PlaceOrder")), wxString());
    PumpEvents(300);
    shown.SaveScreenshot("quorvel_dialog_imports_before.png");

    // A real click on the box, then the same root again: the tree is filled before the notes show.
    const wxRect box = shown.Control(ui::kIdFollowImportsBox)->GetRect();
    shown.ClickAt(wxPoint(box.x + 8, box.y + box.height / 2));
    ASSERT_TRUE(shown.FollowImports()->GetValue());
    std::vector<std::string> treeWhileShown;
    shown.prompts.whileShown = [&] { treeWhileShown = shown.TreeLines(); };
    shown.Load(root);
    ASSERT_EQ(shown.prompts.messages.size(), 2u);
    EXPECT_EQ(shown.prompts.messages[1].style, wxICON_WARNING);
    EXPECT_EQ(shown.prompts.messages[1].text,
              wxString::FromUTF8(std::string(ui_msg::kImportNotesHeading) + "\n1 个导入未能读取。\n" +
                                 (dir.Path() / "wsdl/gone.xsd").string() + "：无法打开文件：" +
                                 (dir.Path() / "wsdl/gone.xsd").string()));
    EXPECT_EQ(treeWhileShown, shown.TreeLines());
    // The status line counts the documents read: the root and the six files it leads to.
    EXPECT_TRUE(shown.Status().EndsWith(wxString::FromUTF8("，文档 7 个"))) << shown.Status();
    const wxTreeItemId operation = shown.FindItem("PlaceOrder");
    EXPECT_NE(shown.SelectAndRead(operation).Find("<urn:code>?</urn:code>"), wxNOT_FOUND);
    shown.Tree()->Expand(operation);
    shown.Dialog().Refresh();
    PumpEvents(300);
    shown.SaveScreenshot("quorvel_dialog_imports_after.png");
}

// 41 notes once made a box taller than the screen, its OK button out of reach.
TEST(FollowImports, TheBoxOfAHundredNotesFitsAn800By600Screen) {
    wxString notes;
    for (int i = 1; i <= 100; ++i) {
        notes += wxString::Format("%shttp://127.0.0.1:8080/types/schema-%03d.xsd", i > 1 ? "\n" : "", i) +
                 wxString::FromUTF8("：HTTP 状态码 404");
    }
    const wxRect screen(0, 0, 800, 600);
    const wxString summary = wxString::FromUTF8("跟随导入时有以下问题：\n100 个导入未能读取。");
    auto* box = new ui::NotesBox(nullptr, summary, notes, wxICON_WARNING, screen);
    box->Show();
    PumpUntil([&] { return box->IsShownOnScreen(); }, 1000);
    PumpEvents(200);
    EXPECT_TRUE(screen.Contains(box->GetScreenRect())) << box->GetScreenRect().GetSize().x << " x "
                                                       << box->GetScreenRect().GetSize().y;
    const wxWindow* ok = box->FindWindow(wxID_OK);
    ASSERT_NE(nullptr, ok);
    EXPECT_TRUE(screen.Contains(ok->GetScreenRect()));
    // Every note is in the text, which scrolls and can be selected.
    const wxTextCtrl* text = nullptr;
    for (const wxWindow* child : box->GetChildren()) {
        text = text != nullptr ? text : dynamic_cast<const wxTextCtrl*>(child);
    }
    ASSERT_NE(nullptr, text);
    EXPECT_EQ(notes, text->GetValue());
    EXPECT_TRUE(text->IsEnabled());
    SaveScreenshotOf(box, "quorvel_import_notes.png");
    box->Destroy();
    PumpEvents(50);
}

} // namespace
} // namespace quorvel::test
