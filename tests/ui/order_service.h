#pragma once
// A small order service on the local test server: its description at /orders?wsdl names the service's own
// address as the endpoint, and POST /orders answers as the test asks, recording what it was sent.

#include "test_http_server.h"

#include <atomic>
#include <mutex>
#include <string>

namespace quorvel::test {

class OrderService {
public:
    enum class Answer { Reply, Fault, Stall };

    OrderService();

    std::string DescriptionUrl() const { return m_server.Url("/orders?wsdl"); }
    std::string Endpoint() const { return m_server.Url("/orders"); }

    // What the next POST gets.
    std::atomic<Answer> answer{Answer::Reply};

    // What the last POST carried; posts counts them.
    struct Received {
        int posts = 0;
        std::string body;
        std::string soapAction;
        std::string contentType;
        std::string authorization;
        // The Authorization header of the last GET of the description, and how many there were.
        std::string descriptionAuthorization;
        int descriptionGets = 0;
    };
    Received Last();

private:
    std::mutex m_lock;
    Received m_received;
    // Last, so that it stops before what its handlers use goes.
    TestHttpServer m_server;
};

} // namespace quorvel::test
