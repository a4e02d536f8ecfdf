// The load worker driven without a window: a plain event handler on the main thread takes its progress
// and its results as the dialog does. These tests also run under ThreadSanitizer (scripts/test).

#include "ui/load_worker.h"

#include "temp_dir.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/init.h>

#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <map>
#include <mutex>
#include <stdexcept>
#include <thread>

namespace quorvel::ui {
namespace {

const std::string kExample = std::string(QUORVEL_TEST_DATA_DIR) + "/../../examples/weather.wsdl";

// The toolkit's base for the whole program: an application object that queues events between threads.
class ToolkitEnvironment : public ::testing::Environment {
public:
    void SetUp() override { ASSERT_TRUE(wxInitialize()); }
    void TearDown() override { wxUninitialize(); }
};
const auto* const kToolkit = ::testing::AddGlobalTestEnvironment(new ToolkitEnvironment);

// Stands in for the window: takes each result over, and the progress each progress event announces.
class Receiver : public wxEvtHandler {
public:
    Receiver() {
        Bind(EVT_LOAD_PROGRESS, [this](wxThreadEvent& event) {
            if (event.GetInt() == m_latest) {
                progress.push_back(worker->TakeProgress());
            }
        });
        Bind(EVT_LOAD_FINISHED, [this](wxThreadEvent& event) {
            results[event.GetInt()] = event.GetPayload<std::shared_ptr<LoadResult>>();
        });
    }

    void Start(const std::string& address, int serial) {
        m_latest = serial;
        worker->Start(address, serial, LoadOptions{});
    }

    // Handles queued events until serial's result is in, for at most timeout.
    bool WaitFor(int serial, std::chrono::seconds timeout = std::chrono::seconds(60)) {
        const auto end = std::chrono::steady_clock::now() + timeout;
        while (results.count(serial) == 0 && std::chrono::steady_clock::now() < end) {
            wxTheApp->ProcessPendingEvents();
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        return results.count(serial) != 0;
    }

    std::unique_ptr<LoadWorker> worker;
    std::vector<LoadProgress> progress;
    std::map<int, std::shared_ptr<LoadResult>> results;

private:
    int m_latest = 0;
};

TEST(LoadWorker, HandsProgressAndTheResultToTheWindow) {
    Receiver window;
    window.worker = std::make_unique<LoadWorker>(&window);
    window.Start(kExample, 1);
    ASSERT_TRUE(window.WaitFor(1));
    const LoadResult& result = *window.results.at(1);
    EXPECT_TRUE(result.ok) << result.message;
    EXPECT_FALSE(result.model.empty());
    EXPECT_FALSE(window.progress.empty());
}

// Load after load, each cancelling the one before: every load ends with a result of its own, the
// cancelled ones without a model, and the last one as if it had been alone.
TEST(LoadWorker, EachNewLoadCancelsTheOneBefore) {
    const test::TempDir dir;
    std::string operations;
    for (int i = 0; i < 3000; ++i) {
        operations += "<operation name='Op" + std::to_string(i) + "'><input message='t:M'/></operation>";
    }
    const std::string path =
        dir.WriteFile("many.wsdl", "<definitions xmlns='http://schemas.xmlsoap.org/wsdl/' "
                                   "xmlns:soap='http://schemas.xmlsoap.org/wsdl/soap/' xmlns:t='urn:t' "
                                   "targetNamespace='urn:t'><message name='M'><part name='p' type='t:T'/>"
                                   "</message><portType name='P'>" +
                                       operations +
                                       "</portType><binding name='B' type='t:P'><soap:binding style='rpc'/>" +
                                       operations +
                                       "</binding><service name='S'><port name='X' binding='t:B'/></service>"
                                       "</definitions>");
    Receiver window;
    window.worker = std::make_unique<LoadWorker>(&window);
    constexpr int kLoads = 12;
    for (int serial = 1; serial <= kLoads; ++serial) {
        window.Start(path, serial);
        std::this_thread::sleep_for(std::chrono::milliseconds(serial * 3));
        wxTheApp->ProcessPendingEvents();
    }
    ASSERT_TRUE(window.WaitFor(kLoads));
    window.worker->Stop();
    wxTheApp->ProcessPendingEvents();
    EXPECT_EQ(window.results.size(), static_cast<size_t>(kLoads));
    for (const auto& [serial, result] : window.results) {
        if (serial < kLoads && result->cancelled) {
            EXPECT_TRUE(result->model.empty());
        }
    }
    EXPECT_TRUE(window.results.at(kLoads)->ok);
    EXPECT_EQ(window.results.at(kLoads)->model.front().bindings.front().operations.size(), 3000u);
}

// Whatever a load throws, its thread ends, and the window gets a failed result with a message.
TEST(LoadWorker, AnExceptionInALoadEndsItWithAMessage) {
    Receiver window;
    window.worker =
        std::make_unique<LoadWorker>(&window, [](const std::string&, const LoadOptions&) -> LoadResult {
            throw std::runtime_error("boom");
        });
    window.Start(kExample, 1);
    ASSERT_TRUE(window.WaitFor(1));
    EXPECT_FALSE(window.results.at(1)->ok);
    EXPECT_FALSE(window.results.at(1)->cancelled);
    EXPECT_EQ(window.results.at(1)->message, "发生意外错误：boom");
}

// Loads that go on after their cancel (a parse cannot stop half-way) are few at any time, however often
// the user cancels and loads again; the last load still runs once there is room.
TEST(LoadWorker, FewCancelledLoadsGoOnAtOnce) {
    std::mutex lock;
    std::condition_variable released;
    bool release = false;
    int running = 0;
    int mostRunning = 0;
    Receiver window;
    window.worker = std::make_unique<LoadWorker>(&window, [&](const std::string&, const LoadOptions&) {
        std::unique_lock<std::mutex> held(lock);
        mostRunning = std::max(mostRunning, ++running);
        released.wait_for(held, std::chrono::seconds(30), [&] { return release; });
        --running;
        LoadResult result;
        result.ok = true;
        return result;
    });
    for (int serial = 1; serial <= 20; ++serial) {
        window.Start(kExample, serial);
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    {
        const std::lock_guard<std::mutex> held(lock);
        EXPECT_LE(mostRunning, static_cast<int>(LoadWorker::kMaxRunningLoads));
        release = true;
    }
    released.notify_all();
    ASSERT_TRUE(window.WaitFor(20));
    EXPECT_TRUE(window.results.at(20)->ok);
    window.worker->Stop();
}

} // namespace
} // namespace quorvel::ui
