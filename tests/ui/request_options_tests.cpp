// The options of the requests rebuild them from the documents already loaded, in the background, and 校验
// checks the pane's text against the description's schemas.

#include "dialog_harness.h"
#include "load/service_load.h"
#include "model/model_walk.h"
#include "order_service.h"
#include "ui/messages.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/listbox.h>

namespace quorvel::test {
namespace {

SampleOptions HeaderParts() {
    SampleOptions options;
    options.headerParts = true;
    return options;
}

// Every operation's request, as the pane shows it once selected, is the one a fresh load with options
// builds.
void ExpectRequestsOfFreshLoad(ShownDialog& shown, const std::string& address, const SampleOptions& options) {
    LoadOptions load;
    load.sample = options;
    const LoadResult fresh = LoadServiceDescription(address, load);
    ASSERT_TRUE(fresh.ok) << fresh.message;
    WalkModel(fresh.model, [&](const WsdlService&, const WsdlBinding&, const WsdlOperation& operation) {
        wxString expected = wxString::FromUTF8(operation.request);
        expected.Replace("\n", "\r\n");
        EXPECT_EQ(expected, shown.SelectAndRead(shown.FindItem(wxString::FromUTF8(operation.name))))
            << operation.name;
    });
}

// Runs the event loop until the dialog's work in the background is over and the tree is filled, and then
// a little longer, so that a stray result of superseded work would land too.
void WaitUntilIdle(ShownDialog& shown) {
    EXPECT_TRUE(PumpUntil([&] { return !shown.IsLoading(); }, 60000));
    EXPECT_TRUE(PumpUntil([] { return !wxTheApp->ProcessIdle(); }));
    PumpEvents(100);
}

TEST(RequestOptions, EachOptionRebuildsTheRequestWithoutLoadingAgain) {
    OrderService service;
    ShownDialog shown(wxSize(1000, 700));
    shown.Load(service.DescriptionUrl());
    const wxTreeItemId placeOrder = shown.FindItem("PlaceOrder");
    const wxString plain = shown.SelectAndRead(placeOrder);
    const struct {
        int command;
        const char* added;
        const char* screenshot;
    } options[] = {
        {ui::kIdOptionHeaderParts, "<urn:Session>?</urn:Session>", "quorvel_option_header_parts.png"},
        {ui::kIdOptionAttributes, "<urn:PlaceOrder id=\"?\">", "quorvel_option_attributes.png"},
        {ui::kIdOptionExampleValues, "<urn:quantity>0</urn:quantity>", "quorvel_option_example_values.png"},
        {ui::kIdOptionWsSecurity, "<wsse:UsernameToken", "quorvel_option_ws_security.png"},
    };
    for (const auto& option : options) {
        shown.ChooseMenuCommand(option.command);
        EXPECT_NE(wxNOT_FOUND, shown.Message()->GetValue().Find(option.added))
            << option.added << "\n" << shown.Message()->GetValue();
        shown.SaveScreenshot(option.screenshot);
    }
    EXPECT_EQ(1, service.Last().descriptionGets);
    // The other requests were rebuilt too.
    EXPECT_NE(wxNOT_FOUND, shown.SelectAndRead(shown.FindItem("CancelOrder")).Find("wsse:Security"));

    // Edits in the pane go only when the user agrees.
    shown.SelectAndRead(placeOrder);
    shown.Message()->AppendText("<!-- mine -->");
    shown.prompts.confirmAnswer = false;
    shown.ChooseMenuCommand(ui::kIdOptionWsSecurity);
    EXPECT_EQ(1u, shown.prompts.confirmations.size());
    EXPECT_TRUE(shown.Message()->GetValue().EndsWith("<!-- mine -->"));
    shown.prompts.confirmAnswer = true;
    for (const auto& option : options) {
        shown.ChooseMenuCommand(option.command);
    }
    EXPECT_EQ(plain, shown.Message()->GetValue());
}

TEST(RequestOptions, ValidateMarksTheLinesWithProblemsAndListsThem) {
    ShownDialog shown(wxSize(1000, 700));
    shown.Load(UiFixture("orders.wsdl"));
    const wxString request = shown.SelectAndRead(shown.FindItem("PlaceOrder"));
    // Line 5 is <urn:quantity>?</urn:quantity>: "?" is no int, and the attribute id is missing on line 4.
    ASSERT_NE(wxNOT_FOUND, request.Find("<urn:quantity>?</urn:quantity>"));
    shown.Press(ui::kIdValidateButton);
    wxStyledTextCtrl* pane = shown.Message();
    auto* problems = static_cast<wxListBox*>(shown.Control(ui::kIdProblemList));
    ASSERT_GE(problems->GetCount(), 1u);
    EXPECT_TRUE(problems->GetString(0).StartsWith(wxString::FromUTF8("第 "))) << problems->GetString(0);
    EXPECT_NE(0, pane->MarkerGet(4));
    EXPECT_EQ(0, pane->MarkerGet(0));
    EXPECT_TRUE(shown.Status().StartsWith(wxString::FromUTF8("校验发现"))) << shown.Status();
    shown.SaveScreenshot("quorvel_validate.png");

    // Mended, the request passes and the marks go.
    pane->SetValue(request);
    pane->SetTargetRange(pane->GetValue().Find("<urn:PlaceOrder>") + 15, pane->GetValue().Find("<urn:PlaceOrder>") + 15);
    pane->ReplaceTarget(" id=\"A1\"");
    const int mark = pane->GetValue().Find(">?<") + 1;
    pane->SetTargetRange(mark, mark + 1);
    pane->ReplaceTarget("3");
    shown.Press(ui::kIdValidateButton);
    EXPECT_EQ(0u, problems->GetCount()) << problems->GetString(0);
    EXPECT_EQ(0, pane->MarkerGet(4));
    EXPECT_EQ(wxString::FromUTF8("校验通过：请求符合描述中的架构。"), shown.Status());
}

// Both commands are handled before the first rebuild can come back: the second supersedes it.
TEST(RequestOptions, AnOptionTurnedDuringARebuildGivesTheRequestsOfBoth) {
    ShownDialog shown;
    const std::string orders = UiFixture("orders.wsdl");
    shown.Load(orders);
    shown.SelectAndRead(shown.FindItem("PlaceOrder"));
    shown.StartMenuCommand(ui::kIdOptionHeaderParts);
    EXPECT_TRUE(shown.IsLoading());
    shown.StartMenuCommand(ui::kIdOptionAttributes);
    WaitUntilIdle(shown);
    EXPECT_EQ(wxString::FromUTF8("已按新选项重新生成 2 个请求。"), shown.Status());
    // The request on show was replaced as well.
    const wxString shownRequest = shown.Message()->GetValue();
    EXPECT_NE(wxNOT_FOUND, shownRequest.Find("<urn:Session>")) << shownRequest;
    EXPECT_NE(wxNOT_FOUND, shownRequest.Find("<urn:PlaceOrder id=\"?\">")) << shownRequest;
    SampleOptions both = HeaderParts();
    both.attributes = true;
    ExpectRequestsOfFreshLoad(shown, orders, both);
}

TEST(RequestOptions, EscCancelsARebuildAndTheOptionsStayAsTheRequests) {
    ShownDialog shown;
    const std::string orders = UiFixture("orders.wsdl");
    shown.Load(orders);
    const wxString plain = shown.SelectAndRead(shown.FindItem("PlaceOrder"));
    shown.StartMenuCommand(ui::kIdOptionHeaderParts);
    shown.HandleKeyNow(WXK_ESCAPE);
    EXPECT_FALSE(shown.IsLoading());
    WaitUntilIdle(shown);
    EXPECT_TRUE(shown.Dialog().IsShown());
    EXPECT_EQ(wxString::FromUTF8("已取消重新生成请求，选项未改变。"), shown.Status());
    EXPECT_EQ(plain, shown.Message()->GetValue());
    // 头部 is off again: the next option is the only one on.
    shown.ChooseMenuCommand(ui::kIdOptionAttributes);
    SampleOptions attributes;
    attributes.attributes = true;
    ExpectRequestsOfFreshLoad(shown, orders, attributes);
}

// Whichever ends first, the load started without the option or the rebuild of the model before it, the
// loaded requests end up built with it.
TEST(RequestOptions, AnOptionTurnedDuringALoadAppliesToTheLoadedRequests) {
    ShownDialog shown;
    const std::string orders = UiFixture("orders.wsdl");
    shown.Load(UiFixture("single.wsdl"));
    shown.Address()->SetValue(wxString::FromUTF8(orders));
    shown.HandleKeyNow(WXK_F5);
    shown.StartMenuCommand(ui::kIdOptionHeaderParts);
    WaitUntilIdle(shown);
    EXPECT_EQ(wxString::FromUTF8("已按新选项重新生成 2 个请求。"), shown.Status());
    ExpectRequestsOfFreshLoad(shown, orders, HeaderParts());
}

// The user agreed to lose the edits there were, not those typed while the requests were rebuilt.
TEST(RequestOptions, EditsTypedDuringARebuildStayInThePane) {
    ShownDialog shown;
    shown.Load(UiFixture("orders.wsdl"));
    const wxTreeItemId placeOrder = shown.FindItem("PlaceOrder");
    shown.SelectAndRead(placeOrder);
    shown.StartMenuCommand(ui::kIdOptionHeaderParts);
    shown.Message()->AppendText("<!-- mine -->");
    WaitUntilIdle(shown);
    EXPECT_TRUE(shown.Message()->GetValue().EndsWith("<!-- mine -->"));
    EXPECT_TRUE(shown.Message()->IsModified());
    EXPECT_TRUE(shown.prompts.confirmations.empty());
    shown.SelectAndRead(shown.FindItem("CancelOrder"));
    EXPECT_NE(wxNOT_FOUND, shown.SelectAndRead(placeOrder).Find("<urn:Session>"));
}

} // namespace
} // namespace quorvel::test
