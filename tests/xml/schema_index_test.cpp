#include "xml/schema_index.h"
#include "xml_fixture.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

using test::ParseOrFail;

const char* const kSchemas = R"(<definitions xmlns:xs="http://www.w3.org/2001/XMLSchema">
  <types>
    <xs:schema targetNamespace="urn:a" elementFormDefault="qualified">
      <xs:element name="Order" id="first"/>
      <xs:complexType name="Address" id="complex"/>
      <xs:simpleType name="Address" id="simple"/>
      <xs:element ref="Other"/>
      <xs:import namespace="urn:imported" schemaLocation="imported.xsd"/>
      <xs:attribute name="attr"/>
      <xs:Element name="Capital"/>
      <xs:complexType name="Holder">
        <xs:sequence>
          <xs:element name="inner" id="defaulted"/>
          <xs:element name="plain" form="unqualified" id="unqualified"/>
        </xs:sequence>
      </xs:complexType>
    </xs:schema>
    <xs:schema targetNamespace="urn:a">
      <xs:element name="Order" id="second"/>
    </xs:schema>
    <xs:schema>
      <xs:complexType name="Money"/>
      <xs:complexType name="Local">
        <xs:sequence>
          <xs:element name="a" id="noDefault"/>
          <xs:element name="b" form="qualified" id="forced"/>
          <xs:element name="c" form="Qualified" id="capital"/>
        </xs:sequence>
      </xs:complexType>
    </xs:schema>
  </types>
  <wrapper><xs:schema targetNamespace="urn:nested"><xs:element name="Deep"/></xs:schema></wrapper>
</definitions>)";

std::string Id(const xmlNode* node) {
    return GetAttributeText(node, "id");
}

xmlNode* ById(xmlNode* node, const std::string& id) {
    if (node == nullptr || Id(node) == id) {
        return node;
    }
    for (xmlNode* child = node->children; child != nullptr; child = child->next) {
        if (xmlNode* found = ById(child, id)) {
            return found;
        }
    }
    return nullptr;
}

class SchemaIndexTest : public testing::Test {
protected:
    void SetUp() override { CollectSchemas(Root(), index); }
    xmlNode* Root() const { return xmlDocGetRootElement(document.get()); }
    XmlDocument document = ParseOrFail(kSchemas);
    SchemaIndex index;
};

TEST_F(SchemaIndexTest, IndexesNamedTopLevelComponentsLaterWinning) {
    EXPECT_EQ(Id(index.FindElement("urn:a", "Order")), "second");
    EXPECT_EQ(Id(index.FindType("urn:a", "Address")), "simple");
    EXPECT_NE(index.FindElement("urn:nested", "Deep"), nullptr);
    EXPECT_NE(index.FindType("", "Money"), nullptr);

    const QualifiedName absent[] = {{"urn:a", "Money"}, {"urn:b", "Order"}, {"urn:a", "Capital"},
                                    {"urn:a", "attr"},  {"urn:a", "inner"}, {"urn:imported", "Order"}};
    for (const QualifiedName& name : absent) {
        EXPECT_EQ(index.FindElement(name.first, name.second), nullptr) << name.second;
        EXPECT_EQ(index.FindType(name.first, name.second), nullptr) << name.second;
    }
    EXPECT_EQ(index.FindType("urn:a", "Order"), nullptr);
    EXPECT_EQ(index.FindElement("urn:a", "Address"), nullptr);
}

TEST_F(SchemaIndexTest, QualificationFollowsFormThenSchemaDefault) {
    const std::pair<const char*, bool> cases[] = {{"defaulted", true},
                                                  {"unqualified", false},
                                                  {"noDefault", false},
                                                  {"forced", true},
                                                  {"capital", false}};
    for (const auto& [id, qualified] : cases) {
        EXPECT_EQ(IsElementQualified(ById(Root(), id)), qualified) << id;
    }
    EXPECT_FALSE(IsElementQualified(Root()));
}

TEST_F(SchemaIndexTest, TargetNamespaceComesFromTheEnclosingSchema) {
    EXPECT_EQ(GetTargetNamespace(ById(Root(), "defaulted")), "urn:a");
    EXPECT_EQ(GetTargetNamespace(ById(Root(), "forced")), "");
    EXPECT_EQ(GetTargetNamespace(Root()), "");
    EXPECT_EQ(FindEnclosingSchema(nullptr), nullptr);
}

TEST(MakeIndent, ThreeSpacesPerLevel) {
    EXPECT_EQ(MakeIndent(-1), "");
    EXPECT_EQ(MakeIndent(0), "");
    EXPECT_EQ(MakeIndent(1), "   ");
    EXPECT_EQ(MakeIndent(2), "      ");
    EXPECT_EQ(MakeIndent(300).size(), 900u);
}

} // namespace
} // namespace quorvel
