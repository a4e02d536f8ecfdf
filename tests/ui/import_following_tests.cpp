// The follow-imports check box: a split description loaded without and with it, the warning box that
// lists the imports not read, and pictures of both loads for a person to look at.

#include "dialog_harness.h"
#include "temp_dir.h"
#include "ui/messages.h"

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
              wxString::FromUTF8(std::string(ui::kImportNotesHeading) + "\n" +
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

} // namespace
} // namespace quorvel::test
