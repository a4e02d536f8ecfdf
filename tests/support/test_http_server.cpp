#include "test_http_server.h"

#include "temp_dir.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

namespace quorvel::test {
namespace {

// Loopback requests must never go through a proxy that the environment names.
void BypassProxiesForLoopback() {
    setenv("no_proxy", "127.0.0.1,localhost", 1);
    setenv("NO_PROXY", "127.0.0.1,localhost", 1);
}

TestCertificate MakeCertificate(const TempDir& dir) {
    TestCertificate made{(dir.Path() / "cert.pem").string(), (dir.Path() / "key.pem").string()};
    const std::string command =
        "openssl req -x509 -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes -days 2"
        " -subj /CN=localhost -addext subjectAltName=DNS:localhost,IP:127.0.0.1"
        " -keyout '" +
        made.keyFile + "' -out '" + made.certificateFile + "' >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0) {
        throw std::runtime_error("openssl could not make the test certificate");
    }
    return made;
}

} // namespace

const TestCertificate& GetTestCertificate() {
    static const TempDir directory;
    static const TestCertificate certificate = MakeCertificate(directory);
    return certificate;
}

TestHttpServer::TestHttpServer(Transport transport) : m_transport(transport) {
    BypassProxiesForLoopback();
    if (transport == Transport::Tls) {
        const TestCertificate& certificate = GetTestCertificate();
        m_server = std::make_unique<httplib::SSLServer>(certificate.certificateFile.c_str(),
                                                        certificate.keyFile.c_str());
    } else {
        m_server = std::make_unique<httplib::Server>();
    }
}

TestHttpServer::~TestHttpServer() {
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_shutdown.notify_all();
    m_server->stop();
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

void TestHttpServer::Start() {
    m_port = m_server->bind_to_any_port("127.0.0.1");
    if (m_port <= 0) {
        throw std::runtime_error("the test server could not bind to 127.0.0.1");
    }
    // The socket already listens after binding: requests made right away wait in its queue.
    m_thread = std::thread([this] { m_server->listen_after_bind(); });
    // stop() only reaches a server that runs, so wait for that before any test can end.
    for (int i = 0; i < 5000 && !m_server->is_running(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

std::string TestHttpServer::Url(std::string_view pathAndQuery) const {
    const char* scheme = m_transport == Transport::Tls ? "https" : "http";
    return std::string(scheme) + "://127.0.0.1:" + std::to_string(m_port) + std::string(pathAndQuery);
}

void TestHttpServer::HoldUntilShutdown(std::chrono::milliseconds limit) {
    std::unique_lock lock(m_mutex);
    m_shutdown.wait_for(lock, limit, [this] { return m_stopping; });
}

void SendSpaces(httplib::Response& response, size_t bytes) {
    response.set_content_provider(bytes, "text/xml",
                                  [bytes](size_t offset, size_t length, httplib::DataSink& sink) {
                                      static const std::string chunk(1 << 20, ' ');
                                      const size_t count = std::min(length, chunk.size());
                                      sink.write(chunk.data(), count);
                                      return offset + count <= bytes;
                                  });
}

void TestHttpServer::StallInBody(httplib::Response& response) {
    response.set_content_provider(100, "text/xml", [this](size_t, size_t, httplib::DataSink& sink) {
        sink.write("<a>", 3);
        HoldUntilShutdown();
        return false;
    });
}

int UnusedLoopbackPort() {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (fd < 0 || bind(fd, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
        getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        throw std::runtime_error("no free loopback port");
    }
    close(fd);
    return ntohs(address.sin_port);
}

SilentListener::SilentListener(Stall stall) {
    m_socket = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    // A backlog of 0 holds one connection; the filler takes it.
    if (m_socket < 0 || bind(m_socket, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
        listen(m_socket, stall == Stall::Connecting ? 0 : 16) != 0 ||
        getsockname(m_socket, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        throw std::runtime_error("no silent listener on loopback");
    }
    m_port = ntohs(address.sin_port);
    if (stall == Stall::Connecting) {
        m_filler = socket(AF_INET, SOCK_STREAM, 0);
        if (m_filler < 0 || connect(m_filler, reinterpret_cast<sockaddr*>(&address), length) != 0) {
            throw std::runtime_error("the silent listener's queue could not be filled");
        }
    }
}

SilentListener::~SilentListener() {
    for (const int fd : {m_filler, m_socket}) {
        if (fd >= 0) {
            close(fd);
        }
    }
}

std::string SilentListener::Url(std::string_view path) const {
    return "http://127.0.0.1:" + std::to_string(m_port) + std::string(path);
}

} // namespace quorvel::test
