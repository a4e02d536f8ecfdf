// A load followed and stopped from another thread: progress as it goes, and a cancel that ends it
// while it downloads from a silent server or builds the requests of a large description.

#include "load/service_load.h"

#include "test_http_server.h"
#include "xml_fixture.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <iostream>

namespace quorvel {
namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void ExpectCancelled(const LoadResult& load) {
    EXPECT_TRUE(load.cancelled);
    EXPECT_FALSE(load.ok);
    EXPECT_TRUE(load.message.empty()) << load.message;
    EXPECT_TRUE(load.model.empty());
}

TEST(LoadCancel, ReportsBytesDownloadedAndRequestsBuilt) {
    const std::string description = test::ReadTestData("ui/reversed.wsdl");
    test::TestHttpServer server;
    server.Routes().Get("/reversed.wsdl", [&](const httplib::Request&, httplib::Response& response) {
        response.set_content(description, "text/xml");
    });
    server.Start();
    uint64_t bytes = 0;
    size_t built = 0;
    size_t total = 0;
    LoadOptions options;
    options.onProgress = [&](const LoadProgress& progress) {
        if (progress.stage == LoadStage::Read && progress.bytesReceived > 0) {
            EXPECT_EQ(server.Url("/reversed.wsdl"), progress.document);
            bytes = progress.bytesReceived;
        }
        if (progress.stage == LoadStage::Generate && progress.requestsTotal > 0) {
            EXPECT_GE(progress.requestsBuilt, built) << "counts only go up";
            built = progress.requestsBuilt;
            total = progress.requestsTotal;
        }
    };
    const LoadResult load = LoadServiceDescription(server.Url("/reversed.wsdl"), options);
    ASSERT_TRUE(load.ok) << load.message;
    EXPECT_FALSE(load.cancelled);
    EXPECT_EQ(description.size(), bytes);
    EXPECT_EQ(12u, total); // four bindings of three operations each
    EXPECT_EQ(total, built);
}

// The server sends the first bytes of the body and then nothing until it shuts down, seconds later.
TEST(LoadCancel, StopsADownloadFromASilentServer) {
    test::TestHttpServer server;
    server.Routes().Get("/stall.wsdl", [&server](const httplib::Request&, httplib::Response& response) {
        response.set_content_provider(100000, "text/xml", [&server](size_t, size_t, httplib::DataSink& sink) {
            sink.write("<definitions>", 13);
            server.HoldUntilShutdown();
            return false;
        });
    });
    server.Start();
    std::atomic<bool> cancel = false;
    std::promise<void> receiving;
    std::atomic<bool> told = false;
    LoadOptions options;
    options.cancel = &cancel;
    options.onProgress = [&](const LoadProgress& progress) {
        if (progress.bytesReceived > 0 && !told.exchange(true)) {
            receiving.set_value();
        }
    };
    auto load = std::async(std::launch::async,
                           [&] { return LoadServiceDescription(server.Url("/stall.wsdl"), options); });
    ASSERT_EQ(std::future_status::ready, receiving.get_future().wait_for(std::chrono::seconds(10)));
    const Clock::time_point cancelled = Clock::now();
    cancel = true;
    // Without the cancel the load would wait for the server's ten seconds.
    ASSERT_EQ(std::future_status::ready, load.wait_for(std::chrono::seconds(5)));
    std::cout << "[ measure  ] cancel during a stalled download: " << MillisecondsSince(cancelled) << " ms\n";
    ExpectCancelled(load.get());
}

// Cancelled by the loading thread itself as soon as the first request is built, so that the rest of
// the build, hundreds of milliseconds of it, is what the cancel cuts short.
TEST(LoadCancel, StopsBuildingRequests) {
    const std::string economic =
        std::string(QUORVEL_CORPUS_DIR) + "/savonrb__wasabi/spec__fixtures__economic.wsdl";
    std::atomic<bool> cancel = false;
    Clock::time_point cancelled;
    LoadOptions options;
    options.cancel = &cancel;
    options.onProgress = [&](const LoadProgress& progress) {
        if (progress.stage == LoadStage::Generate && progress.requestsBuilt > 0 && !cancel) {
            cancelled = Clock::now();
            cancel = true;
        }
    };
    const LoadResult load = LoadServiceDescription(economic, options);
    ASSERT_TRUE(cancel) << "no request was built: " << load.message;
    std::cout << "[ measure  ] cancel while building requests: " << MillisecondsSince(cancelled) << " ms\n";
    ExpectCancelled(load);
}

} // namespace
} // namespace quorvel
