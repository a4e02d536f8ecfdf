// Small descriptions whose schemas loop back on themselves or juggle namespaces: each must give a
// finite, sound request, known here line by line.
#include "hostile_load.h"

#include <gtest/gtest.h>

namespace quorvel::test {
namespace {

const std::string kEnvelopeStart =
    "<soapenv:Envelope xmlns:soapenv=\"http://schemas.xmlsoap.org/soap/envelope/\"";
const std::string kHostileDeclaration = " xmlns:urn=\"urn:hostile\"";

std::string Request(const std::string& declarations, const std::string& body) {
    return kEnvelopeStart + declarations + ">\n   <soapenv:Header/>\n   <soapenv:Body>\n" + body +
           "\n   </soapenv:Body>\n</soapenv:Envelope>";
}

struct TrapCase {
    const char* file;
    std::string declarations;
    std::string body;
};

const TrapCase kTraps[] = {
    {"self_extension.wsdl", kHostileDeclaration,
     "      <urn:Root>\n"
     "         <urn:x>?</urn:x>\n"
     "      </urn:Root>"},
    {"namespace_not_a_uri.wsdl", " xmlns:urn=\"!urn:hostile\"",
     "      <urn:Root>\n"
     "         <urn:x>?</urn:x>\n"
     "      </urn:Root>"},
    {"extension_cycle.wsdl", kHostileDeclaration,
     "      <urn:Root>\n"
     "         <urn:xc>?</urn:xc>\n"
     "         <urn:xb>?</urn:xb>\n"
     "         <urn:xa>?</urn:xa>\n"
     "      </urn:Root>"},
    {"recursive_element_refs.wsdl", kHostileDeclaration,
     "      <urn:A>\n"
     "         <urn:B>\n"
     "            <!--You have a CHOICE of the next 2 items at this level-->\n"
     "            <!--Optional:-->\n"
     "            <urn:A/>\n"
     "            <!--1 or more repetitions:-->\n"
     "            <urn:B/>\n"
     "         </urn:B>\n"
     "         <urn:a>?</urn:a>\n"
     "      </urn:A>"},
    {"recursive_groups.wsdl", kHostileDeclaration,
     "      <urn:UsesGroups>\n"
     "         <urn:after>?</urn:after>\n"
     "      </urn:UsesGroups>"},
    {"namespace_rebinding.wsdl", kHostileDeclaration + " xmlns:urn1=\"urn:other\"",
     "      <urn:Order>\n"
     "         <urn:plain>\n"
     "            <p>?</p>\n"
     "         </urn:plain>\n"
     "         <urn:line>\n"
     "            <urn1:sku>?</urn1:sku>\n"
     "         </urn:line>\n"
     "         <urn:Shared>?</urn:Shared>\n"
     "         <urn1:Shared>?</urn1:Shared>\n"
     "      </urn:Order>"},
};

TEST(HostileSchemas, LoopsAndRebindingsGiveFiniteSoundRequests) {
    for (const TrapCase& trap : kTraps) {
        SCOPED_TRACE(trap.file);
        LoadOutcome outcome = LoadAddress(std::string(QUORVEL_TEST_DATA_DIR) + "/hostile/" + trap.file);
        ASSERT_TRUE(outcome.ok) << outcome.message;
        std::vector<const WsdlOperation*> operations = AllOperations(outcome.model);
        ASSERT_EQ(operations.size(), 1u);
        EXPECT_EQ(operations[0]->request, Request(trap.declarations, trap.body));
        ExpectSoundRequests(outcome.model);
    }
}

} // namespace
} // namespace quorvel::test
