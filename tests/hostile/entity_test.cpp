// Documents that try to make the parser expand without bound or fetch something outside the text.
#include "hostile_load.h"
#include "temp_dir.h"
#include "test_http_server.h"

#include <gtest/gtest.h>

#include <sys/inotify.h>
#include <unistd.h>

#include <atomic>

namespace quorvel::test {
namespace {

const std::string kParseFailurePrefix = "XML 解析失败：";
const std::string kMarker = "QuorvelMarker7f3a";

// The three kinds of outside resource. Each would bring the marker into a request if it were read:
// schema markup that adds an element named after it, a DTD that declares an entity holding it, and
// a whole schema whose type Outside holds an element named after it.
enum Resource { kEntity, kDtd, kSchema };
const char* const kResourceNames[] = {"secret.ent", "secret.dtd", "secret.xsd"};
const std::string kResourceContents[] = {
    "<xs:element name=\"" + kMarker + "\" type=\"xs:string\"/>",
    "<!ENTITY inner \"" + kMarker + "\">",
    "<xs:schema xmlns:xs=\"http://www.w3.org/2001/XMLSchema\" targetNamespace=\"urn:hostile\">"
    "<xs:complexType name=\"Outside\"><xs:sequence><xs:element name=\"" +
        kMarker + "\" type=\"xs:string\"/></xs:sequence></xs:complexType></xs:schema>",
};

// Without the outside DTD the entity that the schema uses stays undeclared.
const char* const kInnerUndefined = "XML 解析失败：第 6 行，第 41 列：Entity 'inner' not defined";

// Ways a description can point outside itself; {} stands for the address of the resource.
struct ExternalForm {
    const char* name;
    const char* doctype;
    const char* schema;
    Resource resource;
    const char* failure; // the load's message when the form makes it fail; empty when it loads
};

const ExternalForm kExternalForms[] = {
    {"general entity", "<!DOCTYPE definitions [<!ENTITY outside SYSTEM \"{}\">]>\n",
     "      &outside;\n      <xs:element name=\"E\" type=\"xs:string\"/>\n", kEntity, ""},
    {"parameter entity", "<!DOCTYPE definitions [<!ENTITY % remote SYSTEM \"{}\"> %remote;]>\n",
     "      <xs:element name=\"E\" type=\"&inner;\"/>\n", kDtd, kInnerUndefined},
    {"external subset", "<!DOCTYPE definitions SYSTEM \"{}\">\n",
     "      <xs:element name=\"E\" type=\"&inner;\"/>\n", kDtd, kInnerUndefined},
    {"schema include", "",
     "      <xs:include schemaLocation=\"{}\"/>\n      <xs:element name=\"E\" type=\"tns:Outside\"/>\n",
     kSchema, ""},
    {"schema import", "",
     "      <xs:import namespace=\"urn:hostile\" schemaLocation=\"{}\"/>\n"
     "      <xs:element name=\"E\" type=\"tns:Outside\"/>\n",
     kSchema, ""},
    {"XInclude", "",
     "      <xi:include xmlns:xi=\"http://www.w3.org/2001/XInclude\" href=\"{}\"/>\n"
     "      <xs:element name=\"E\" type=\"tns:Outside\"/>\n",
     kSchema, ""},
};

std::string Filled(std::string text, const std::string& address) {
    size_t at = text.find("{}");
    return at == std::string::npos ? text : text.replace(at, 2, address);
}

std::string DocumentReaching(const ExternalForm& form, const std::string& address) {
    return DescribeService(Filled(form.schema, address), {{"Send", "E"}}, Filled(form.doctype, address));
}

void ExpectNoMarker(const LoadOutcome& outcome) {
    EXPECT_EQ(outcome.message.find(kMarker), std::string::npos) << outcome.message;
    for (const WsdlOperation* operation : AllOperations(outcome.model)) {
        EXPECT_EQ(operation->name.find(kMarker), std::string::npos);
        EXPECT_EQ(operation->request.find(kMarker), std::string::npos) << operation->request;
    }
}

// The description loads as if the outside resource did not exist, or fails for want of it.
void ExpectOutcome(const ExternalForm& form, const LoadOutcome& outcome) {
    EXPECT_EQ(outcome.message, form.failure);
    if (outcome.ok) {
        ASSERT_EQ(AllOperations(outcome.model).size(), 1u);
        EXPECT_NE(AllOperations(outcome.model)[0]->request.find("<urn:E>?</urn:E>"), std::string::npos);
        ExpectSoundRequests(outcome.model);
    }
}

// Reports whether a file was opened since the watch began, through the kernel's file events.
class OpenWatch {
public:
    explicit OpenWatch(const std::string& path) : m_fd(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
        EXPECT_GE(m_fd, 0);
        EXPECT_GE(inotify_add_watch(m_fd, path.c_str(), IN_OPEN | IN_ACCESS), 0) << path;
    }
    ~OpenWatch() { close(m_fd); }
    OpenWatch(const OpenWatch&) = delete;
    OpenWatch& operator=(const OpenWatch&) = delete;

    bool Opened() const {
        alignas(inotify_event) char buffer[4096];
        return read(m_fd, buffer, sizeof buffer) > 0;
    }

private:
    int m_fd;
};

TEST(HostileEntities, ExponentialExpansionIsRefused) {
    std::string doctype =
        "<!DOCTYPE definitions [\n<!ENTITY e0 \"lol lol lol lol lol lol lol lol lol lol\">\n";
    for (int level = 1; level <= 10; ++level) {
        std::string previous = "&e" + std::to_string(level - 1) + ";";
        std::string value;
        for (int copy = 0; copy < 10; ++copy) {
            value += previous;
        }
        doctype += "<!ENTITY e" + std::to_string(level) + " \"" + value + "\">\n";
    }
    doctype += "]>\n";
    LoadOutcome outcome = LoadDocumentBytes(DescribeService(
        "      <xs:element name=\"E\" type=\"xs:string\"><xs:annotation><xs:documentation>&e10;"
        "</xs:documentation></xs:annotation></xs:element>\n",
        {{"Send", "E"}}, doctype));
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.message, kParseFailurePrefix + "第 1 行，第 5 列：Detected an entity reference loop");
    EXPECT_TRUE(outcome.model.empty());
}

TEST(HostileEntities, QuadraticBlowupIsRefused) {
    std::string doctype = "<!DOCTYPE definitions [<!ENTITY big \"" + std::string(100000, 'x') + "\">]>\n";
    std::string references;
    for (int i = 0; i < 100000; ++i) {
        references += "&big;";
    }
    LoadOutcome outcome = LoadDocumentBytes(
        DescribeService("      <xs:element name=\"E\" type=\"xs:string\"><xs:annotation><xs:documentation>" +
                            references + "</xs:documentation></xs:annotation></xs:element>\n",
                        {{"Send", "E"}}, doctype));
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.message, kParseFailurePrefix + "第 6 行，第 578 列：Detected an entity reference loop");
}

TEST(HostileEntities, LocalFilesAreNeitherOpenedNorShown) {
    TempDir outside;
    for (const ExternalForm& form : kExternalForms) {
        std::string file = outside.WriteFile(kResourceNames[form.resource], kResourceContents[form.resource]);
        for (const std::string& address : {"file://" + file, file}) {
            SCOPED_TRACE(std::string(form.name) + " at " + address);
            OpenWatch watch(file);
            LoadOutcome outcome = LoadDocumentBytes(DocumentReaching(form, address));
            EXPECT_FALSE(watch.Opened());
            ExpectNoMarker(outcome);
            ExpectOutcome(form, outcome);
        }
    }
}

TEST(HostileEntities, NothingIsFetchedFromAServer) {
    std::atomic<int> requests = 0;
    TestHttpServer server;
    server.Routes().Get(".*", [&](const httplib::Request& request, httplib::Response& response) {
        ++requests;
        for (int resource : {kEntity, kDtd, kSchema}) {
            if (request.path.ends_with(kResourceNames[resource])) {
                response.set_content(kResourceContents[resource], "application/xml");
            }
        }
    });
    server.Start();
    for (const ExternalForm& form : kExternalForms) {
        SCOPED_TRACE(form.name);
        LoadOutcome outcome = LoadDocumentBytes(
            DocumentReaching(form, server.Url(std::string("/") + kResourceNames[form.resource])));
        ExpectNoMarker(outcome);
        ExpectOutcome(form, outcome);
    }
    EXPECT_EQ(requests.load(), 0);
}

} // namespace
} // namespace quorvel::test
