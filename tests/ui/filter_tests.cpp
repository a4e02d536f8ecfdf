// The filter box above the tree, on a large real description: operations by any part of their name in
// any letter case, and the whole tree with its selection back on Esc. The times are printed, not judged.

#include "dialog_harness.h"

#include <gtest/gtest.h>
#include <wx/app.h>

#include <algorithm>
#include <cstdlib>
#include <iostream>

namespace quorvel::test {
namespace {

// QUORVEL_FILTER_DESCRIPTION and QUORVEL_FILTER_TEXT (lower case) time the filter on another
// description, a synthetic one of 10,000 operations say.
std::string Setting(const char* name, const std::string& otherwise) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : otherwise;
}

// What the user waits for after a key: the tree lays its items out when idle, then paints.
void SettleAndPaint(ShownDialog& shown) {
    wxTheApp->ProcessIdle();
    shown.Tree()->Update();
}

TEST(Filter, ShowsMatchingOperationsAndRestoresTheTreeOnEscape) {
    const std::string description =
        Setting("QUORVEL_FILTER_DESCRIPTION",
                std::string(QUORVEL_CORPUS_DIR) + "/savonrb__wasabi/spec__fixtures__economic.wsdl");
    const wxString needle = wxString::FromUTF8(Setting("QUORVEL_FILTER_TEXT", "account_getdata"));
    ShownDialog shown(wxSize(1000, 700));
    shown.Load(description);
    ASSERT_TRUE(shown.prompts.messages.empty()) << shown.prompts.messages.front().text;
    const std::vector<std::string> full = shown.TreeLines();
    const wxTreeItemId chosen = shown.FindItem("Request 1");
    ASSERT_TRUE(chosen.IsOk());
    const wxString request = shown.SelectAndRead(chosen);

    auto started = std::chrono::steady_clock::now();
    shown.Filter()->SetValue(needle.Upper());
    SettleAndPaint(shown);
    std::cout << "[ measure  ] filter of " << std::count(full.begin(), full.end(), "      Request 1")
              << " operations: " << MillisecondsSince(started) << " ms\n";
    PumpEvents(50);
    const std::vector<std::string> filtered = shown.TreeLines();
    ASSERT_FALSE(filtered.empty());
    for (const std::string& line : filtered) {
        // Operations (indented by four) contain the text; every service and binding shown is expanded
        // and has at least one of them.
        if (line.starts_with("    ") && !line.starts_with("      ")) {
            EXPECT_NE(std::string::npos, wxString::FromUTF8(line).Lower().find(needle)) << line;
        }
    }
    wxTreeItemIdValue cookie;
    for (wxTreeItemId service = shown.Tree()->GetFirstChild(shown.Tree()->GetRootItem(), cookie);
         service.IsOk(); service = shown.Tree()->GetNextChild(shown.Tree()->GetRootItem(), cookie)) {
        EXPECT_TRUE(shown.Tree()->IsExpanded(service));
        wxTreeItemIdValue inner;
        for (wxTreeItemId binding = shown.Tree()->GetFirstChild(service, inner); binding.IsOk();
             binding = shown.Tree()->GetNextChild(service, inner)) {
            EXPECT_TRUE(shown.Tree()->IsExpanded(binding));
            EXPECT_GT(shown.Tree()->GetChildrenCount(binding, false), 0u);
        }
    }
    shown.SaveScreenshot("quorvel_filtered.png");

    // Esc clears the box; pressed twice, the second press does not close the window.
    shown.PressKeyIn(shown.Filter(), WXK_ESCAPE);
    shown.PressKeyIn(shown.Filter(), WXK_ESCAPE);
    EXPECT_TRUE(shown.Filter()->GetValue().empty());
    EXPECT_EQ(full, shown.TreeLines());
    const wxTreeItemId selection = shown.Tree()->GetSelection();
    ASSERT_TRUE(selection.IsOk());
    EXPECT_EQ("Request 1", shown.Tree()->GetItemText(selection));
    EXPECT_EQ(request, shown.Message()->GetValue());
    EXPECT_TRUE(shown.Dialog().IsShown());

    // Emptying the box rebuilds the whole tree.
    shown.Filter()->SetValue(needle);
    started = std::chrono::steady_clock::now();
    shown.Filter()->SetValue(wxEmptyString);
    SettleAndPaint(shown);
    std::cout << "[ measure  ] back to the whole tree: " << MillisecondsSince(started) << " ms\n";
    EXPECT_EQ(full, shown.TreeLines());
}

// A filter that matches nothing says so and empties the pane; the selected request comes back with its item.
TEST(Filter, WithoutAMatchSaysSoAndEmptiesThePane) {
    ShownDialog shown(wxSize(900, 560));
    shown.Load(UiFixture("reversed.wsdl"));
    const wxString loaded = shown.Status();
    const wxString request = shown.SelectAndRead(shown.FindItem("zOp"));
    shown.Filter()->SetValue("nothing like it");
    EXPECT_TRUE(shown.TreeLines().empty());
    EXPECT_EQ(wxString::FromUTF8("没有匹配的操作。"), shown.Status());
    EXPECT_TRUE(shown.Message()->GetValue().empty());
    shown.SaveScreenshot("quorvel_filter_empty.png");

    shown.Filter()->SetValue("zop");
    EXPECT_EQ(request, shown.Message()->GetValue());
    EXPECT_EQ(loaded, shown.Status());
}

} // namespace
} // namespace quorvel::test
