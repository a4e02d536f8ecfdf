// Loading descriptions in the dialog and reading them: triggers, messages, the tree and the pane.

#include "dialog_harness.h"
#include "load/service_load.h"
#include "temp_dir.h"
#include "test_http_server.h"
#include "xml_fixture.h"

#include <gtest/gtest.h>
#include <wx/uiaction.h>
#include <wx/utils.h>

#include <atomic>

namespace quorvel::test {
namespace {

const wxString kAddressMissing = wxString::FromUTF8("请先填写接口地址，或点击“打开”选择本地 WSDL/XML 文件。");

// The tree of reversed.wsdl: every level alphabetical whatever the letter case, each operation with
// its one request item.
const std::vector<std::string> kReversedTree = {
    "alphaService",    "  alphaBinding",  "    aOp",         "      Request 1", "    Mop",
    "      Request 1", "    zOp",         "      Request 1", "BetaService",     "  alphaBinding",
    "    aOp",         "      Request 1", "    Mop",         "      Request 1", "    zOp",
    "      Request 1", "  ZuluBinding",   "    aOp",         "      Request 1", "    Mop",
    "      Request 1", "    zOp",         "      Request 1", "zetaService",     "  ZuluBinding",
    "    aOp",         "      Request 1", "    Mop",         "      Request 1", "    zOp",
    "      Request 1",
};

// The request as the pane must show it: every LF of the generated text preceded by a CR.
wxString WithCrLf(const std::string& request) {
    wxString text = wxString::FromUTF8(request);
    text.Replace("\n", "\r\n");
    return text;
}

TEST(Workflow, ListsEveryLevelAlphabeticallyIgnoringCase) {
    ShownDialog shown;
    shown.Load(UiFixture("reversed.wsdl"));
    ASSERT_TRUE(shown.prompts.messages.empty()) << shown.prompts.messages.front().text;
    EXPECT_EQ(kReversedTree, shown.TreeLines());
    // Services and bindings come up expanded, operations collapsed; nothing is selected.
    EXPECT_TRUE(shown.Tree()->IsExpanded(shown.FindItem("BetaService")));
    EXPECT_TRUE(shown.Tree()->IsExpanded(shown.FindItem("ZuluBinding")));
    EXPECT_FALSE(shown.Tree()->IsExpanded(shown.FindItem("Mop")));
    const wxTreeItemId selection = shown.Tree()->GetSelection();
    EXPECT_TRUE(!selection.IsOk() || selection == shown.Tree()->GetRootItem())
        << shown.Tree()->GetItemText(selection);
    EXPECT_TRUE(shown.Message()->GetValue().empty());
}

TEST(Workflow, OperationAndItsRequestItemShowTheRequestWithCrLf) {
    ShownDialog shown;
    shown.Load(UiFixture("reversed.wsdl"));
    const wxString expected = WithCrLf(RequestOf(UiFixture("reversed.wsdl"), "alphaBinding", "aOp"));
    ASSERT_TRUE(expected.Contains("\r\n")) << "the request should span several lines";

    const wxTreeItemId operation = shown.FindItem("aOp"); // alphaService / alphaBinding / aOp
    EXPECT_EQ(expected, shown.SelectAndRead(operation));
    wxTreeItemIdValue cookie;
    const wxTreeItemId request = shown.Tree()->GetFirstChild(operation, cookie);
    ASSERT_EQ("Request 1", shown.Tree()->GetItemText(request));
    EXPECT_EQ(expected, shown.SelectAndRead(request));

    // Services and bindings carry no request: the pane empties.
    EXPECT_TRUE(shown.SelectAndRead(shown.FindItem("alphaBinding")).empty());
    shown.SelectAndRead(request);
    EXPECT_TRUE(shown.SelectAndRead(shown.FindItem("zetaService")).empty());
}

TEST(Workflow, EnterInTheAddressBoxLoadsAndEnterInTheTreeDoesNot) {
    {
        ShownDialog shown;
        shown.Address()->ChangeValue(wxString::FromUTF8(UiFixture("reversed.wsdl")));
        shown.PressEnterIn(shown.Tree());
        EXPECT_TRUE(shown.TreeLines().empty());
        EXPECT_TRUE(shown.prompts.messages.empty());
    }
    {
        ShownDialog shown;
        shown.Address()->ChangeValue(wxString::FromUTF8(UiFixture("reversed.wsdl")));
        shown.PressEnterIn(shown.Address());
        EXPECT_EQ(kReversedTree, shown.TreeLines());
        // The key went no further: the dialog is still open.
        EXPECT_TRUE(shown.Dialog().IsShown());
    }
}

TEST(Workflow, EscapeClosesTheDialog) {
    ShownDialog shown;
    shown.Address()->SetFocus();
    PumpUntil([&] { return wxWindow::FindFocus() == shown.Address(); }, 1000);
    wxUIActionSimulator().Char(WXK_ESCAPE);
    EXPECT_TRUE(PumpUntil([&] { return !shown.Dialog().IsShown(); }, 2000));
}

TEST(Workflow, BlankAddressAsksForOneAndLoadsNothing) {
    for (const char* blank : {"", "   ", " \t "}) {
        ShownDialog shown;
        bool busyWhileShown = true;
        shown.prompts.whileShown = [&] { busyWhileShown = wxIsBusy(); };
        shown.Load(blank);
        EXPECT_FALSE(busyWhileShown) << "no wait cursor for a missing address";
        ASSERT_EQ(1u, shown.prompts.messages.size()) << "address '" << blank << "'";
        EXPECT_EQ(kAddressMissing, shown.prompts.messages[0].text);
        EXPECT_EQ(wxICON_INFORMATION, shown.prompts.messages[0].style);
        EXPECT_TRUE(shown.TreeLines().empty());
        EXPECT_EQ(wxString(blank), shown.Address()->GetValue());
    }
}

TEST(Workflow, WebAddressWithoutWsdlIsShownWithQueryBeforeTheLoad) {
    TestHttpServer server;
    const std::string description = ReadTestData("ui/reversed.wsdl");
    std::atomic<bool> askedForWsdl = false;
    server.Routes().Get("/orders", [&](const httplib::Request& request, httplib::Response& response) {
        askedForWsdl = request.has_param("wsdl");
        response.set_content(description, "text/xml");
    });
    server.Start();

    ShownDialog shown;
    shown.Load(server.Url("/orders"));
    EXPECT_EQ(wxString::FromUTF8(server.Url("/orders?wsdl")), shown.Address()->GetValue());
    EXPECT_TRUE(askedForWsdl);
    EXPECT_EQ(kReversedTree, shown.TreeLines());
}

TEST(Workflow, FailedLoadAfterAGoodOneKeepsTheTreeAndShowsTheError) {
    ShownDialog shown;
    shown.Load(UiFixture("reversed.wsdl"));
    const wxString request = shown.SelectAndRead(shown.FindItem("zOp"));
    ASSERT_FALSE(request.empty());

    // Nobody listens on this port: the address is normalised in the box before the load fails.
    const std::string refused = "http://127.0.0.1:" + std::to_string(UnusedLoopbackPort()) + "/service";
    wxString addressWhileErrorShown;
    bool busyWhileShown = false;
    shown.prompts.whileShown = [&] {
        addressWhileErrorShown = shown.Address()->GetValue();
        busyWhileShown = wxIsBusy();
    };
    shown.Load(refused);
    // The wait cursor lasts until the box is closed, and not a moment longer.
    EXPECT_TRUE(busyWhileShown);
    EXPECT_FALSE(wxIsBusy());

    const LoadResult expected = LoadServiceDescription(refused + "?wsdl");
    ASSERT_FALSE(expected.ok);
    ASSERT_EQ(1u, shown.prompts.messages.size());
    EXPECT_EQ(wxString::FromUTF8(expected.message), shown.prompts.messages[0].text);
    EXPECT_EQ(wxICON_ERROR, shown.prompts.messages[0].style);
    EXPECT_EQ(wxString::FromUTF8(refused + "?wsdl"), addressWhileErrorShown);

    // The old result is still there to browse.
    EXPECT_EQ(kReversedTree, shown.TreeLines());
    EXPECT_EQ(request, shown.Message()->GetValue());
    shown.SelectAndRead(shown.FindItem("alphaService"));
    wxTreeItemIdValue cookie;
    EXPECT_EQ(request, shown.SelectAndRead(shown.Tree()->GetFirstChild(shown.FindItem("zOp"), cookie)));
}

TEST(Workflow, ReloadReplacesTheTreeAndEmptiesThePane) {
    TempDir dir;
    const std::string single = dir.WriteFile("single.wsdl", ReadTestData("ui/single.wsdl"));
    ShownDialog shown;
    shown.Load(UiFixture("reversed.wsdl"));
    shown.SelectAndRead(shown.FindItem("aOp"));
    shown.Load(single);
    ASSERT_TRUE(shown.prompts.messages.empty()) << shown.prompts.messages.front().text;
    EXPECT_EQ((std::vector<std::string>{"EchoService", "  EchoBinding", "    Echo", "      Request 1"}),
              shown.TreeLines());
    EXPECT_TRUE(shown.Message()->GetValue().empty());
}

TEST(Workflow, CommandLineAddressLoadsWithoutAClick) {
    ShownDialog shown(wxSize(1000, 700), wxString::FromUTF8(UiFixture("reversed.wsdl")));
    EXPECT_EQ(wxString::FromUTF8(UiFixture("reversed.wsdl")), shown.Address()->GetValue());
    EXPECT_TRUE(PumpUntil([&] { return !shown.TreeLines().empty(); }, 3000));
    EXPECT_EQ(kReversedTree, shown.TreeLines());
}

TEST(Workflow, OpenPutsTheChosenPathIntoTheBoxWithoutLoading) {
    ShownDialog shown;
    const wxRect open = shown.Control(ui::kIdOpenButton)->GetRect();
    shown.prompts.chosenFile = wxString::FromUTF8(UiFixture("reversed.wsdl"));
    shown.ClickAt(open.GetPosition() + open.GetSize() / 2);
    EXPECT_EQ(1, shown.prompts.fileDialogs);
    EXPECT_EQ(shown.prompts.chosenFile, shown.Address()->GetValue());
    EXPECT_TRUE(shown.TreeLines().empty());

    // Cancelled: nothing changes.
    shown.prompts.chosenFile.clear();
    shown.Address()->ChangeValue("typed");
    shown.ClickAt(open.GetPosition() + open.GetSize() / 2);
    EXPECT_EQ(2, shown.prompts.fileDialogs);
    EXPECT_EQ("typed", shown.Address()->GetValue());
}

} // namespace
} // namespace quorvel::test
