// The load on its worker thread: the window keeps painting while a download hangs, and cancelling
// (Esc, or closing the window) ends the load and leaves the previous result as it was.

#include "dialog_harness.h"
#include "load/service_load.h"
#include "test_http_server.h"

#include <gtest/gtest.h>

#include <iostream>

namespace quorvel::test {
namespace {

// A server that starts sending a description and then says nothing more until it shuts down.
class StallingServer {
public:
    StallingServer() {
        m_server.Routes().Get("/stall.wsdl", [this](const httplib::Request&, httplib::Response& response) {
            response.set_content_provider(100000, "text/xml",
                                          [this](size_t, size_t, httplib::DataSink& sink) {
                                              sink.write("<definitions>", 13);
                                              m_server.HoldUntilShutdown();
                                              return false;
                                          });
        });
        m_server.Start();
    }
    std::string Url() const { return m_server.Url("/stall.wsdl"); }

private:
    TestHttpServer m_server;
};

// Starts a load from the stalling server and waits until its first bytes have arrived.
void StartStalledLoad(ShownDialog& shown, const StallingServer& server) {
    shown.StartLoad(server.Url());
    EXPECT_TRUE(shown.IsLoading());
    EXPECT_TRUE(PumpUntil([&] { return shown.Status() == wxString::FromUTF8("正在下载：已接收 13 字节"); }))
        << shown.Status();
}

TEST(Loading, EscapeCancelsAStalledDownloadAndTheNextLoadStandsAlone) {
    StallingServer server;
    ShownDialog shown;
    shown.Load(UiFixture("reversed.wsdl"));
    const std::vector<std::string> tree = shown.TreeLines();
    const wxString request = shown.SelectAndRead(shown.FindItem("zOp"));
    ASSERT_FALSE(request.empty());

    StartStalledLoad(shown, server);
    // The window paints while the download hangs, with the wait cursor over the tree.
    EXPECT_TRUE(shown.Tree()->GetCursor().IsOk());
    int paints = 0;
    shown.Tree()->Bind(wxEVT_PAINT, [&](wxPaintEvent& event) {
        ++paints;
        event.Skip();
    });
    shown.Tree()->Refresh();
    EXPECT_TRUE(PumpUntil([&] { return paints > 0; }, 2000));
    shown.SaveScreenshot("quorvel_loading.png");

    const auto pressed = std::chrono::steady_clock::now();
    shown.PressKeyIn(shown.Tree(), WXK_ESCAPE);
    EXPECT_TRUE(PumpUntil([&] { return !shown.IsLoading(); }, 2000));
    std::cout << "[ measure  ] Esc to an idle window during a stalled download: "
              << MillisecondsSince(pressed) << " ms (key simulation and 50 ms of event pumping included)\n";
    // The dialog stays open; the old result is there as it was, without an error box, even once the
    // cancelled load's own end has come and gone.
    PumpEvents(200);
    EXPECT_TRUE(shown.Dialog().IsShown());
    EXPECT_TRUE(shown.prompts.messages.empty()) << shown.prompts.messages.front().text;
    EXPECT_EQ(tree, shown.TreeLines());
    EXPECT_EQ(request, shown.Message()->GetValue());
    EXPECT_EQ(wxString::FromUTF8("解析"), shown.Control(ui::kIdParseButton)->GetLabel());
    EXPECT_FALSE(shown.Tree()->GetCursor().IsOk());

    // A load that fails next shows its own error, once.
    const std::string refused = "http://127.0.0.1:" + std::to_string(UnusedLoopbackPort()) + "/service.wsdl";
    shown.Load(refused);
    ASSERT_EQ(1u, shown.prompts.messages.size());
    EXPECT_EQ(wxString::FromUTF8(LoadServiceDescription(refused).message), shown.prompts.messages[0].text);
    EXPECT_EQ(wxICON_ERROR, shown.prompts.messages[0].style);
    EXPECT_EQ(tree, shown.TreeLines());
}

TEST(Loading, ClosingTheWindowEndsALoadUnderWay) {
    StallingServer server;
    std::chrono::steady_clock::time_point closing;
    {
        ShownDialog shown;
        StartStalledLoad(shown, server);
        closing = std::chrono::steady_clock::now();
        shown.Dialog().Close();
        EXPECT_FALSE(shown.Dialog().IsShown());
        EXPECT_TRUE(shown.prompts.messages.empty());
    } // the window is destroyed, which waits for the load's thread
    const double milliseconds = MillisecondsSince(closing);
    std::cout << "[ measure  ] closing and destroying the window during a stalled download: " << milliseconds
              << " ms\n";
    // Without the cancel, the thread would wait for the server's ten seconds.
    EXPECT_LT(milliseconds, 5000);
}

} // namespace
} // namespace quorvel::test
