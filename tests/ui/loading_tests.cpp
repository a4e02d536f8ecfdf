// The load on its worker thread: the window keeps painting while a download hangs, and cancelling
// (Esc, or closing the window) ends the load and leaves the previous result as it was.

#include "dialog_harness.h"
#include "load/service_load.h"
#include "temp_dir.h"
#include "test_http_server.h"
#include "ui/load_worker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
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

// Starts a load from the stalling server and waits until its first bytes have arrived, of the size the
// server declared.
void StartStalledLoad(ShownDialog& shown, const StallingServer& server) {
    shown.StartLoad(server.Url());
    EXPECT_TRUE(shown.IsLoading());
    const wxString progress = wxString::FromUTF8("正在下载：已接收 13 B / 98 KB（0%）");
    EXPECT_TRUE(PumpUntil([&] { return shown.Status() == progress; })) << shown.Status();
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
    EXPECT_EQ(wxString::FromUTF8("已取消加载。"), shown.Status());
    // Esc pressed twice cancels, and the second press does not close the window. The dialog stays open;
    // the old result is there as it was, without an error box, even once the cancelled load's own end has
    // come and gone.
    shown.PressKeyIn(shown.Tree(), WXK_ESCAPE);
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

// A description of about 60 MB: one operation, and a documentation of many small elements that the
// parser reads in full (about a second on this machine) and that cannot be cancelled half-way.
std::string WriteLargeDescription(const TempDir& dir) {
    const std::string path = (dir.Path() / "large.wsdl").string();
    std::ofstream out(path, std::ios::binary);
    out << "<definitions xmlns='http://schemas.xmlsoap.org/wsdl/' "
           "xmlns:soap='http://schemas.xmlsoap.org/wsdl/soap/' xmlns:t='urn:t' targetNamespace='urn:t'>"
           "<documentation>";
    const std::string line = "<e>a line of the documentation, padded</e>\n";
    for (size_t written = 0; written < 60u << 20; written += line.size()) {
        out << line;
    }
    out << "</documentation><message name='M'/><portType name='P'><operation name='Op'>"
           "<input message='t:M'/></operation></portType><binding name='B' type='t:P'>"
           "<soap:binding style='rpc'/><operation name='Op'/></binding><service name='S'>"
           "<port name='X' binding='t:B'/></service></definitions>";
    return path;
}

size_t ThreadCount() {
    const std::filesystem::directory_iterator tasks("/proc/self/task");
    return static_cast<size_t>(std::distance(tasks, std::filesystem::directory_iterator()));
}

// Enter, Esc once the parse runs, again and again: cancelled loads that still end their parse never
// pile up, and the load after them runs as if it had been alone.
TEST(Loading, EnterAndEscAgainAndAgainOnALargeDescription) {
    const TempDir dir;
    const std::string path = WriteLargeDescription(dir);
    ShownDialog shown;
    shown.Address()->SetValue(wxString::FromUTF8(path));
    const size_t threadsBefore = ThreadCount();
    size_t mostThreads = threadsBefore;
    const auto started = std::chrono::steady_clock::now();
    for (int round = 0; round < 10; ++round) {
        shown.PressEnterIn(shown.Address());
        ASSERT_TRUE(PumpUntil([&] { return shown.Status() == wxString::FromUTF8("正在解析文档…"); }, 30000))
            << shown.Status();
        shown.PressKeyIn(shown.Address(), WXK_ESCAPE);
        ASSERT_TRUE(PumpUntil([&] { return !shown.IsLoading(); }, 2000));
        mostThreads = std::max(mostThreads, ThreadCount());
    }
    shown.Load(path);
    std::cout << "[ measure  ] 10 times Enter and Esc during the parse of a 60 MB description, then a load: "
              << MillisecondsSince(started) << " ms, at most " << mostThreads - threadsBefore
              << " load threads at once\n";
    EXPECT_TRUE(shown.prompts.messages.empty()) << shown.prompts.messages.front().text;
    const std::vector<std::string> tree = shown.TreeLines();
    EXPECT_NE(std::find(tree.begin(), tree.end(), "    Op"), tree.end());
    // The loads at work, and one cancelled while it waited for room that has not yet noticed.
    EXPECT_LE(mostThreads - threadsBefore, ui::LoadWorker::kMaxRunningLoads + 1);
}

} // namespace
} // namespace quorvel::test
