// What a send adds over the server's own time, on loopback. A SOAP server inside this process answers
// each POST with a response of a chosen size and times its own handler; the same request is then sent
// (1) by a bare HTTP client (the floor of any client on this machine) and (2) by SendSoapRequest, which
// also decodes, parses and looks for a fault; the indented view, made on demand, is timed apart. Prints
// medians; it never fails.

#include "model/wsdl_model.h"
#include "send/pretty_xml.h"
#include "send/soap_call.h"

#include <httplib.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::duration duration) {
    return std::chrono::duration<double, std::milli>(duration).count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

// A SOAP 1.1 response of about bytes bytes: one element per item, as list answers are.
std::string ResponseOfSize(size_t bytes) {
    std::string body = "<?xml version='1.0' encoding='utf-8'?><s:Envelope "
                       "xmlns:s='http://schemas.xmlsoap.org/soap/envelope/'><s:Body>"
                       "<r:ListResponse xmlns:r='urn:bench'>";
    while (body.size() < bytes) {
        body += "<r:item id='42'><r:name>名称 item</r:name><r:value>12345.67</r:value></r:item>";
    }
    return body + "</r:ListResponse></s:Body></s:Envelope>";
}

struct Figures {
    double server = 0;  // the handler's own time
    double bare = 0;    // a bare HTTP client's round trip
    double send = 0;    // SendSoapRequest, whole
    double http = 0;    // of which the exchange, as the response reports it
    double indent = 0;  // the indented view, made after the send
};

// The server's answer and how long its handler took for the last request.
struct Service {
    std::string response;
    std::atomic<double> handlerMs = 0;
};

Figures Measure(Service& service, int port, size_t bytes, int runs) {
    service.response = ResponseOfSize(bytes);
    const std::string request = "<s:Envelope xmlns:s='http://schemas.xmlsoap.org/soap/envelope/'><s:Body>"
                                "<r:List xmlns:r='urn:bench'/></s:Body></s:Envelope>";
    const std::string endpoint = "http://127.0.0.1:" + std::to_string(port) + "/svc";
    const quorvel::SoapCall call{endpoint, quorvel::SOAP_11, "urn:bench#List", request};
    std::vector<double> server, bare, send, http, indent;
    for (int run = 0; run < runs; ++run) {
        httplib::Client client("127.0.0.1", port);
        Clock::time_point start = Clock::now();
        client.Post("/svc", {{"SOAPAction", "\"urn:bench#List\""}}, request, "text/xml; charset=utf-8");
        bare.push_back(Milliseconds(Clock::now() - start));

        start = Clock::now();
        const quorvel::SoapCallResult result = quorvel::SendSoapRequest(call, {});
        send.push_back(Milliseconds(Clock::now() - start));
        http.push_back(std::chrono::duration<double, std::milli>(result.response.http.elapsed).count());
        server.push_back(service.handlerMs);
        if (!result.ok || !result.response.wellFormed) {
            std::fprintf(stderr, "send failed: %s\n", result.message.c_str());
            std::exit(1);
        }
        start = Clock::now();
        const std::string indented = quorvel::IndentXml(result.response.text);
        indent.push_back(Milliseconds(Clock::now() - start));
    }
    return {Median(server), Median(bare), Median(send), Median(http), Median(indent)};
}

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 31;
    setenv("no_proxy", "127.0.0.1", 1);
    httplib::Server server;
    Service service;
    server.Post("/svc", [&service](const httplib::Request&, httplib::Response& answer) {
        const Clock::time_point start = Clock::now();
        answer.set_content(service.response, "text/xml; charset=utf-8");
        service.handlerMs = Milliseconds(Clock::now() - start);
    });
    const int port = server.bind_to_any_port("127.0.0.1");
    std::thread serving([&] { server.listen_after_bind(); });
    while (!server.is_running()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }

    std::printf("median of %d sends on loopback, milliseconds\n", runs);
    std::printf("%10s %10s %10s %10s %10s %10s %12s %10s\n", "response", "server", "bare HTTP", "send",
                "exchange", "reading", "send-server", "indent");
    for (const size_t bytes : {size_t(1) << 10, size_t(100) << 10, size_t(1) << 20, size_t(10) << 20}) {
        const Figures f = Measure(service, port, bytes, runs);
        std::printf("%8zuKB %10.3f %10.3f %10.3f %10.3f %10.3f %12.3f %10.3f\n", bytes >> 10, f.server,
                    f.bare, f.send, f.http, f.send - f.http, f.send - f.server, f.indent);
    }
    server.stop();
    serving.join();
    return 0;
}
