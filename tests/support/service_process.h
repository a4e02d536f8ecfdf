#pragma once
// A SOAP service from another stack, run by a test as a child process on 127.0.0.1. The service prints the
// port it listens on as its first line of output; the process is stopped when the object goes.

#include <string>
#include <sys/types.h>
#include <vector>

namespace quorvel::test {

class ServiceProcess {
public:
    // Runs command (the program and its arguments) in directory and waits for the port line.
    ServiceProcess(const std::vector<std::string>& command, const std::string& directory);
    ~ServiceProcess();
    ServiceProcess(const ServiceProcess&) = delete;
    ServiceProcess& operator=(const ServiceProcess&) = delete;

    // False when the service did not start; Failure() then says why, with what it wrote on standard error.
    bool Started() const { return m_port > 0; }
    const std::string& Failure() const { return m_failure; }
    // "http://127.0.0.1:PORT" followed by pathAndQuery.
    std::string Url(const std::string& pathAndQuery) const;
    // The JSON the service answers on GET /last-request: the SOAPAction and Content-Type it last received.
    std::string LastRequest() const;

private:
    pid_t m_pid = -1;
    int m_port = 0;
    std::string m_failure;
};

// The directory of the test services' sources (tests/services).
std::string ServicesDirectory();

// Why the spyne service cannot run here, or empty when it can: Debian's python3-spyne under /usr/bin/python3.
std::string SpyneMissing();
// Why the node service cannot run here, or empty when it can: node, and the soap module that scripts/setup
// installs beside the service with npm ci.
std::string NodeSoapMissing();

} // namespace quorvel::test
