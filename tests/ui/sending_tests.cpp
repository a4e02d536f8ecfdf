// Sending the request in the pane: the text as edited goes to the endpoint in the box, and the response,
// a fault or a failure shows below the request; a send can be cancelled; credentials over plain http
// are asked about once.

#include "dialog_harness.h"
#include "order_service.h"
#include "test_http_server.h"
#include "ui/messages.h"

#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/regex.h>
#include <wx/stattext.h>

namespace quorvel::test {
namespace {

// A dialog with the order service's description loaded and PlaceOrder selected.
struct OrdersShown {
    OrderService service;
    ShownDialog shown{wxSize(1000, 700)};

    OrdersShown() {
        shown.Load(service.DescriptionUrl());
        EXPECT_TRUE(shown.prompts.messages.empty());
        shown.SelectAndRead(shown.FindItem("PlaceOrder"));
    }
    wxString SendButton() { return shown.Control(ui::kIdSendButton)->GetLabel(); }
    // Presses 发送 and waits until the button reads 发送 again.
    void Send() {
        shown.Press(ui::kIdSendButton);
        EXPECT_TRUE(PumpUntil([&] { return SendButton() == wxString::FromUTF8("发送"); }));
    }
    wxString ResponseLine() { return shown.Response()->Line()->GetLabel(); }
};

TEST(Sending, CtrlEnterSendsThePaneAsEditedAndShowsTheResponse) {
    OrdersShown orders;
    ShownDialog& shown = orders.shown;
    EXPECT_EQ(wxString::FromUTF8(orders.service.Endpoint()), shown.Endpoint()->GetValue());
    EXPECT_FALSE(shown.Control(ui::kIdResultsBook)->IsShown());
    // The user's edit goes out with the rest of the pane.
    wxStyledTextCtrl* pane = shown.Message();
    const int placeholder = pane->GetValue().Find(">?<") + 1;
    pane->SetTargetRange(placeholder, placeholder + 1);
    pane->ReplaceTarget("42");
    shown.SaveScreenshot("quorvel_send_before.png");

    shown.PressKeyIn(pane, WXK_RETURN, wxMOD_CONTROL);
    EXPECT_TRUE(PumpUntil([&] { return orders.SendButton() == wxString::FromUTF8("发送"); }));
    const OrderService::Received received = orders.service.Last();
    EXPECT_EQ(1, received.posts);
    EXPECT_NE(std::string::npos, received.body.find("<urn:quantity>42</urn:quantity>")) << received.body;
    EXPECT_EQ(std::string::npos, received.body.find('\r'));
    EXPECT_EQ("\"urn:PlaceOrder\"", received.soapAction);
    EXPECT_EQ("text/xml; charset=utf-8", received.contentType);
    // The pane still shows what was sent: no line break came from the key.
    wxString shownText = pane->GetValue();
    shownText.Replace("\r\n", "\n");
    EXPECT_EQ(wxString::FromUTF8(received.body), shownText);

    EXPECT_TRUE(shown.Control(ui::kIdResultsBook)->IsShown());
    EXPECT_TRUE(wxRegEx(wxString::FromUTF8("^HTTP 200 OK · [0-9]+ ms · [0-9]+ B$")).Matches(orders.ResponseLine()))
        << orders.ResponseLine();
    // Indented by default, as received on demand.
    EXPECT_TRUE(shown.Response()->ShowsPretty());
    EXPECT_NE(wxNOT_FOUND, shown.Response()->BodyText().Find("\n      <status>accepted</status>"));
    shown.SaveScreenshot("quorvel_send_response.png");
}

TEST(Sending, AFaultIsSummedUpInRedAndAFailureSaysWhy) {
    OrdersShown orders;
    ShownDialog& shown = orders.shown;
    orders.service.answer = OrderService::Answer::Fault;
    orders.Send();
    EXPECT_TRUE(orders.ResponseLine().StartsWith(
        wxString::FromUTF8("SOAP Fault soap:Client: Unknown order · HTTP 500 Internal Server Error · ")))
        << orders.ResponseLine();
    EXPECT_EQ(wxColour(190, 0, 0), shown.Response()->Line()->GetForegroundColour());
    EXPECT_NE(wxNOT_FOUND, shown.Response()->BodyText().Find("<faultstring>Unknown order</faultstring>"));
    shown.SaveScreenshot("quorvel_send_fault.png");

    // Nothing listens at the endpoint typed: the line tells the transfer's failure, and the previous
    // response's body goes.
    shown.Endpoint()->SetValue(wxString::Format("http://127.0.0.1:%d/orders", UnusedLoopbackPort()));
    orders.Send();
    EXPECT_FALSE(orders.ResponseLine().StartsWith("HTTP")) << orders.ResponseLine();
    EXPECT_FALSE(orders.ResponseLine().empty());
    EXPECT_EQ(wxColour(190, 0, 0), shown.Response()->Line()->GetForegroundColour());
    EXPECT_TRUE(shown.Response()->BodyText().empty());
    EXPECT_EQ(1, orders.service.Last().posts);
    shown.SaveScreenshot("quorvel_send_failure.png");
}

TEST(Sending, EscapeCancelsASendThatHangsAndTheNextOneGoesThrough) {
    OrdersShown orders;
    ShownDialog& shown = orders.shown;
    orders.service.answer = OrderService::Answer::Stall;
    shown.Press(ui::kIdSendButton);
    EXPECT_EQ(wxString::FromUTF8("取消"), orders.SendButton());
    ASSERT_TRUE(PumpUntil([&] { return orders.service.Last().posts == 1; }));
    shown.PressKeyIn(shown.Message(), WXK_ESCAPE);
    EXPECT_EQ(wxString::FromUTF8("发送"), orders.SendButton());
    EXPECT_EQ(wxString::FromUTF8("已取消发送。"), orders.ResponseLine());
    // Esc went to the send, not to the window.
    EXPECT_TRUE(shown.Dialog().IsShown());

    orders.service.answer = OrderService::Answer::Reply;
    orders.Send();
    EXPECT_TRUE(orders.ResponseLine().StartsWith("HTTP 200 OK")) << orders.ResponseLine();
    EXPECT_EQ(2, orders.service.Last().posts);
}

TEST(Sending, TheEndpointTypedStaysWithItsBindingUntilRestored) {
    OrdersShown orders;
    ShownDialog& shown = orders.shown;
    wxWindow* reset = shown.Control(ui::kIdResetEndpointButton);
    EXPECT_FALSE(reset->IsEnabled());
    shown.Endpoint()->SetValue("http://127.0.0.1:1/elsewhere");
    EXPECT_TRUE(reset->IsEnabled());
    // Another operation of the same binding goes to the same place; the service item has none.
    shown.SelectAndRead(shown.FindItem("CancelOrder"));
    EXPECT_EQ("http://127.0.0.1:1/elsewhere", shown.Endpoint()->GetValue());
    shown.SelectAndRead(shown.FindItem("OrdersService"));
    EXPECT_TRUE(shown.Endpoint()->GetValue().empty());
    shown.SelectAndRead(shown.FindItem("PlaceOrder"));
    shown.Press(ui::kIdResetEndpointButton);
    EXPECT_EQ(wxString::FromUTF8(orders.service.Endpoint()), shown.Endpoint()->GetValue());
    EXPECT_FALSE(reset->IsEnabled());
    shown.SelectAndRead(shown.FindItem("CancelOrder"));
    EXPECT_EQ(wxString::FromUTF8(orders.service.Endpoint()), shown.Endpoint()->GetValue());
}

// The settings go with the send and with the next load; over plain http the user is asked first, once.
TEST(Sending, CredentialsOverPlainHttpAreAskedAboutOnce) {
    OrdersShown orders;
    ShownDialog& shown = orders.shown;
    shown.prompts.connectionSettings = ui::ConnectionSettings{"ann", "secret", {"X-Trace: 7"}};
    shown.ChooseMenuCommand(ui::kIdConnectionSettings);

    shown.prompts.confirmAnswer = false;
    shown.Press(ui::kIdSendButton);
    EXPECT_EQ(1u, shown.prompts.confirmations.size());
    EXPECT_EQ(0, orders.service.Last().posts);

    shown.prompts.confirmAnswer = true;
    orders.Send();
    orders.Send();
    EXPECT_EQ(2u, shown.prompts.confirmations.size());
    const OrderService::Received received = orders.service.Last();
    EXPECT_EQ(2, received.posts);
    EXPECT_EQ("Basic YW5uOnNlY3JldA==", received.authorization);

    shown.Load(orders.service.DescriptionUrl());
    EXPECT_EQ("Basic YW5uOnNlY3JldA==", orders.service.Last().descriptionAuthorization);
    EXPECT_EQ(2u, shown.prompts.confirmations.size());
}

} // namespace
} // namespace quorvel::test
