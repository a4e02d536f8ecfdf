// The options of the requests rebuild them from the documents already loaded, and 校验 checks the pane's
// text against the description's schemas.

#include "dialog_harness.h"
#include "order_service.h"
#include "ui/messages.h"

#include <gtest/gtest.h>
#include <wx/listbox.h>

namespace quorvel::test {
namespace {

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

} // namespace
} // namespace quorvel::test
