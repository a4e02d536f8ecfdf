#pragma once
// A real HTTP or HTTPS server inside the test process, on 127.0.0.1 with an ephemeral port.

#include <httplib.h>

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>

namespace quorvel::test {

// A self-signed certificate for localhost and 127.0.0.1, made once per test process with openssl.
struct TestCertificate {
    std::string certificateFile;
    std::string keyFile;
};
const TestCertificate& GetTestCertificate();

class TestHttpServer {
public:
    enum class Transport { Plain, Tls };

    explicit TestHttpServer(Transport transport = Transport::Plain);
    ~TestHttpServer();
    TestHttpServer(const TestHttpServer&) = delete;
    TestHttpServer& operator=(const TestHttpServer&) = delete;

    // Register handlers here before Start().
    httplib::Server& Routes() { return *m_server; }
    void Start();

    int Port() const { return m_port; }
    // "http://127.0.0.1:PORT" or "https://..." followed by pathAndQuery.
    std::string Url(std::string_view pathAndQuery) const;

    // For handlers that must stall: waits until the server shuts down, at most limit.
    void HoldUntilShutdown(std::chrono::milliseconds limit = std::chrono::seconds(10));
    // Answers with the start of a 100-byte body, then holds until shutdown.
    void StallInBody(httplib::Response& response);

private:
    Transport m_transport;
    std::unique_ptr<httplib::Server> m_server;
    std::thread m_thread;
    int m_port = 0;
    std::mutex m_mutex;
    std::condition_variable m_shutdown;
    bool m_stopping = false;
};

// Answers with a body of that many spaces, made a mebibyte at a time as the client reads.
void SendSpaces(httplib::Response& response, size_t bytes);

// A loopback port that nothing listens on (bound and released again), for refused connections.
int UnusedLoopbackPort();

// A listening loopback socket that never accepts. Where a connection stalls: Connecting fills the
// accept queue at once, so that a further connect is never answered; Sending lets connections complete
// but never reads from them, so that a large request stops going out once the buffers are full.
class SilentListener {
public:
    enum class Stall { Connecting, Sending };

    explicit SilentListener(Stall stall);
    ~SilentListener();
    SilentListener(const SilentListener&) = delete;
    SilentListener& operator=(const SilentListener&) = delete;

    std::string Url(std::string_view path) const;

private:
    int m_socket = -1;
    int m_filler = -1;
    int m_port = 0;
};

} // namespace quorvel::test
