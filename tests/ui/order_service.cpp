#include "order_service.h"

#include "dialog_harness.h"
#include "temp_dir.h"

namespace quorvel::test {

namespace {

constexpr const char* kReply = "<soap:Envelope xmlns:soap=\"http://schemas.xmlsoap.org/soap/envelope/\">"
                               "<soap:Body><PlaceOrderResponse xmlns=\"urn:example:orders\">"
                               "<status>accepted</status></PlaceOrderResponse></soap:Body></soap:Envelope>";

constexpr const char* kFault = "<soap:Envelope xmlns:soap=\"http://schemas.xmlsoap.org/soap/envelope/\">"
                               "<soap:Body><soap:Fault><faultcode>soap:Client</faultcode>"
                               "<faultstring>Unknown order</faultstring></soap:Fault></soap:Body>"
                               "</soap:Envelope>";

} // namespace

OrderService::OrderService() {
    std::string description = ReadFileBytes(UiFixture("orders.wsdl"));
    m_server.Routes().Get("/orders", [this, description](const httplib::Request& request,
                                                        httplib::Response& response) mutable {
        {
            const std::lock_guard lock(m_lock);
            m_received.descriptionAuthorization = request.get_header_value("Authorization");
            ++m_received.descriptionGets;
        }
        std::string text = description;
        text.replace(text.find("@ENDPOINT@"), 10, Endpoint());
        response.set_content(text, "text/xml");
    });
    m_server.Routes().Post("/orders", [this](const httplib::Request& request, httplib::Response& response) {
        {
            const std::lock_guard lock(m_lock);
            ++m_received.posts;
            m_received.body = request.body;
            m_received.soapAction = request.get_header_value("SOAPAction");
            m_received.contentType = request.get_header_value("Content-Type");
            m_received.authorization = request.get_header_value("Authorization");
        }
        switch (answer.load()) {
        case Answer::Reply:
            response.set_content(kReply, "text/xml; charset=utf-8");
            break;
        case Answer::Fault:
            response.status = 500;
            response.set_content(kFault, "text/xml; charset=utf-8");
            break;
        case Answer::Stall:
            m_server.HoldUntilShutdown();
            break;
        }
    });
    m_server.Start();
}

OrderService::Received OrderService::Last() {
    const std::lock_guard lock(m_lock);
    return m_received;
}

} // namespace quorvel::test
