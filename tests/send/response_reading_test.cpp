// Reading a service's answer: decoding, the indented view, faults, and what is not XML.

#include "send/pretty_xml.h"
#include "send/soap_call.h"
#include "send/soap_response.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

HttpResponse Answer(std::string body, std::string contentType = "text/xml; charset=utf-8",
                    long status = 200) {
    HttpResponse http;
    http.status = status;
    http.reason = status == 200 ? "OK" : "Internal Server Error";
    http.headers = {{"Content-Type", std::move(contentType)}};
    http.body = std::move(body);
    return http;
}

TEST(ResponseReading, IndentingChangesOnlyWhiteSpaceBetweenTags) {
    const std::string text = "<?xml version='1.0'?>\r\n<a x='1 &amp;  2' y=\"&gt;\"><b>  text  </b><c/>"
                             "<!-- note --><d>   </d>\n  <e><![CDATA[<raw>]]></e><f>mixed <g/> text</f></a>";
    EXPECT_EQ(IndentXml(text), "<?xml version='1.0'?>\n"
                               "<a x='1 &amp;  2' y=\"&gt;\">\n"
                               "  <b>  text  </b>\n"
                               "  <c/>\n"
                               "  <!-- note -->\n"
                               "  <d>   </d>\n"
                               "  <e><![CDATA[<raw>]]></e>\n"
                               "  <f>mixed <g/> text</f>\n"
                               "</a>\n");
}

TEST(ResponseReading, FaultsOfBothVersionsInOneLine) {
    const SoapResponse soap11 = ReadSoapResponse(Answer(
        "<s:Envelope xmlns:s='http://schemas.xmlsoap.org/soap/envelope/'><s:Body><s:Fault>"
        "<faultcode>s:Client</faultcode><faultstring>bad\n   input</faultstring></s:Fault></s:Body>"
        "</s:Envelope>",
        "text/xml", 500));
    EXPECT_EQ(soap11.fault, "SOAP Fault s:Client: bad input");
    const SoapResponse soap12 = ReadSoapResponse(Answer(
        "<e:Envelope xmlns:e='http://www.w3.org/2003/05/soap-envelope'><e:Body><e:Fault>"
        "<e:Code><e:Value>e:Receiver</e:Value></e:Code><e:Reason><e:Text xml:lang='zh'>服务器忙</e:Text>"
        "<e:Text xml:lang='en'>busy</e:Text></e:Reason></e:Fault></e:Body></e:Envelope>"));
    EXPECT_EQ(soap12.fault, "SOAP Fault e:Receiver: 服务器忙");
    // A Fault element that is not the body's own child is no fault.
    const SoapResponse nested = ReadSoapResponse(
        Answer("<s:Envelope xmlns:s='http://schemas.xmlsoap.org/soap/envelope/'><s:Body><r><s:Fault/></r>"
               "</s:Body></s:Envelope>"));
    EXPECT_EQ(nested.fault, "");
    EXPECT_TRUE(nested.wellFormed);
}

TEST(ResponseReading, DeclaredCharsetDecodesTheBody) {
    // "你好" in GBK, with a declaration that says otherwise: the header wins, as it does for browsers.
    const SoapResponse gbk = ReadSoapResponse(
        Answer("<?xml version='1.0' encoding='utf-8'?><r>\xC4\xE3\xBA\xC3</r>", "text/xml; charset=GBK"));
    EXPECT_EQ(gbk.text, "<?xml version='1.0' encoding='utf-8'?><r>你好</r>");
    EXPECT_EQ(gbk.http.body, "<?xml version='1.0' encoding='utf-8'?><r>\xC4\xE3\xBA\xC3</r>");
    // Without a charset the declaration decides, and a byte-order mark before both.
    const std::string declared = "<?xml version='1.0' encoding='gbk'?><r>";
    EXPECT_EQ(ReadSoapResponse(Answer(declared + "\xC4\xE3</r>", "text/xml")).text, declared + "你</r>");
    EXPECT_EQ(ReadSoapResponse(Answer("\xEF\xBB\xBF<r>\xE4\xBD\xA0</r>", "text/xml; charset=gbk")).text,
              "<r>你</r>");
}

TEST(ResponseReading, WhatIsNotXmlIsShownAsItIsWithANote) {
    const SoapResponse html = ReadSoapResponse(Answer("Service Unavailable", "text/plain", 503));
    EXPECT_EQ(html.note, "响应不是 XML，按原样显示。");
    EXPECT_FALSE(html.wellFormed);
    const SoapResponse broken = ReadSoapResponse(Answer("<a><b></a>"));
    EXPECT_TRUE(broken.note.starts_with("响应不是格式正确的 XML，按原样显示：")) << broken.note;
    // Entities that would grow to gigabytes are refused by the parser, as in a description.
    std::string bomb = "<!DOCTYPE r [<!ENTITY a0 '0123456789'>";
    for (int level = 1; level <= 10; ++level) {
        bomb += "<!ENTITY a" + std::to_string(level) + " '";
        for (int i = 0; i < 10; ++i) {
            bomb += "&a" + std::to_string(level - 1) + ";";
        }
        bomb += "'>";
    }
    bomb += "]><r>&a10;</r>";
    const SoapResponse refused = ReadSoapResponse(Answer(bomb));
    EXPECT_TRUE(refused.note.starts_with("响应不是格式正确的 XML")) << refused.note;
    EXPECT_EQ(ReadSoapResponse(Answer("")).note, "");
}

TEST(ResponseReading, StatusLine) {
    SoapResponse response = ReadSoapResponse(Answer(std::string(4608, ' ')));
    response.http.elapsed = std::chrono::microseconds(123456);
    EXPECT_EQ(ResponseLine(response), "HTTP 200 OK · 123 ms · 4.5 KB");
    response.http.reason.clear();
    response.http.body = "12";
    EXPECT_EQ(ResponseLine(response), "HTTP 200 · 123 ms · 2 B");
}

TEST(SoapCall, HeadersByVersion) {
    using Headers = std::vector<std::string>;
    EXPECT_EQ(SoapRequestHeaders(11, ""),
              (Headers{"Content-Type: text/xml; charset=utf-8", "SOAPAction: \"\""}));
    EXPECT_EQ(SoapRequestHeaders(12, ""), (Headers{"Content-Type: application/soap+xml; charset=utf-8"}));
    // A description cannot add header lines through its action.
    EXPECT_EQ(SoapRequestHeaders(12, "urn:a\r\nX: \"y\""),
              (Headers{"Content-Type: application/soap+xml; charset=utf-8; action=\"urn:aX: \\\"y\\\"\""}));
    EXPECT_TRUE(IsRequestHeaderLine("X-Trace: a\tb"));
    EXPECT_FALSE(IsRequestHeaderLine("X-Trace: a\r\nHost: evil"));
    EXPECT_FALSE(IsRequestHeaderLine("Bad Name: x"));
    EXPECT_FALSE(IsRequestHeaderLine("NoColon"));
}

TEST(SoapCall, CredentialsStayWhereTheyWereGiven) {
    EXPECT_TRUE(MayCarryCredentials("http://a:80/svc", "http://A/svc?wsdl", false));
    EXPECT_FALSE(MayCarryCredentials("http://evil.test/svc", "http://a/svc?wsdl", false));
    EXPECT_TRUE(MayCarryCredentials("http://evil.test/svc", "http://a/svc?wsdl", true));
    EXPECT_TRUE(MayCarryCredentials("http://b/svc", "/home/u/svc.wsdl", false));
}

} // namespace
} // namespace quorvel
