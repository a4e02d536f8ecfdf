// Copying and saving a request, and the dialog's shortcuts.

#include "dialog_harness.h"
#include "export/request_export.h"
#include "load/service_load.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace quorvel::test {
namespace {

std::string ReadFileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

// Every request of reversed.wsdl written into whole as the command line's export writes them.
void ExportWholeDescription(const TempDir& whole) {
    const LoadResult load = LoadServiceDescription(UiFixture("reversed.wsdl"));
    std::string message;
    ASSERT_TRUE(ExportRequests(ModelRequestRecords(load.model), whole.Path().string(), message)) << message;
}

// A description whose one request runs to some 6,000 lines: the pane takes it in many parts.
std::string WriteLongRequestDescription(const TempDir& dir) {
    std::string inner;
    for (int field = 0; field < 150; ++field) {
        inner += "<xs:element name=\"field" + std::to_string(field) + "\" type=\"xs:string\"/>";
    }
    std::string outer;
    for (int group = 0; group < 40; ++group) {
        outer += "<xs:element name=\"group" + std::to_string(group) + "\" type=\"tns:Inner\"/>";
    }
    const std::string path = (dir.Path() / "long.wsdl").string();
    std::ofstream(path) << R"(<definitions xmlns="http://schemas.xmlsoap.org/wsdl/"
    xmlns:soap="http://schemas.xmlsoap.org/wsdl/soap/" xmlns:xs="http://www.w3.org/2001/XMLSchema"
    xmlns:tns="urn:long" targetNamespace="urn:long">
  <types><xs:schema targetNamespace="urn:long" elementFormDefault="qualified">
    <xs:complexType name="Inner"><xs:sequence>)"
                        << inner << R"(</xs:sequence></xs:complexType>
    <xs:element name="Long"><xs:complexType><xs:sequence>)"
                        << outer << R"(</xs:sequence></xs:complexType></xs:element>
  </xs:schema></types>
  <message name="LongIn"><part name="body" element="tns:Long"/></message>
  <portType name="LongPort"><operation name="Long"><input message="tns:LongIn"/></operation></portType>
  <binding name="LongBinding" type="tns:LongPort">
    <soap:binding style="document" transport="http://schemas.xmlsoap.org/soap/http"/>
    <operation name="Long"><soap:operation soapAction="urn:long"/><input><soap:body use="literal"/></input>
    </operation>
  </binding>
  <service name="LongService"><port name="LongPort" binding="tns:LongBinding">
    <soap:address location="http://127.0.0.1/long"/></port></service>
</definitions>)";
    return path;
}

// Runs a menu command of the dialog, as the tree's context menu does, and waits for an export it starts.
void RunCommand(ShownDialog& shown, int id) {
    wxCommandEvent command(wxEVT_MENU, id);
    shown.Dialog().ProcessWindowEvent(command);
    EXPECT_TRUE(PumpUntil([&] { return !shown.IsLoading(); }, 60000));
}

TEST(RequestActions, CtrlCInTheTreeCopiesAndSaveAsWritesTheRequestAsExported) {
    const std::string request = RequestOf(UiFixture("reversed.wsdl"), "alphaBinding", "aOp");
    ShownDialog shown;
    shown.Load(UiFixture("reversed.wsdl"));
    shown.SelectAndRead(shown.FindItem("aOp"));

    shown.PressKeyIn(shown.Tree(), 'c', wxMOD_CONTROL);
    EXPECT_EQ(wxString::FromUTF8(request), ClipboardText());

    TempDir dir;
    const std::string saved = (dir.Path() / "saved.xml").string();
    shown.prompts.chosenSaveFile = wxString::FromUTF8(saved);
    RunCommand(shown, ui::kIdSaveRequest);
    EXPECT_EQ("alphaService.alphaBinding.aOp.xml", shown.prompts.suggestedName);
    // UTF-8 without a byte-order mark, line feeds as built, one more at the end.
    EXPECT_EQ(request + "\n", ReadFileBytes(saved));
    EXPECT_TRUE(shown.prompts.messages.empty());
}

// Exporting a binding writes the files that exporting the whole description writes for it, and an index
// of them; a folder that cannot be made is reported.
TEST(RequestActions, ExportAllWritesTheBindingsRequestsAsTheWholeExportDoes) {
    TempDir whole;
    ExportWholeDescription(whole);

    ShownDialog shown;
    shown.Load(UiFixture("reversed.wsdl"));
    // The first ZuluBinding, depth first, is BetaService's.
    const wxTreeItemId zulu = shown.FindItem("ZuluBinding");
    ASSERT_EQ("BetaService", shown.Tree()->GetItemText(shown.Tree()->GetItemParent(zulu)));
    shown.Tree()->SelectItem(zulu);
    TempDir part;
    shown.prompts.chosenFolder = wxString::FromUTF8(part.Path().string());
    RunCommand(shown, ui::kIdExportAll);
    EXPECT_TRUE(shown.prompts.messages.empty());
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(part.Path())) {
        const std::string name = entry.path().filename().string();
        names.push_back(name);
        if (name != "index.tsv") {
            EXPECT_EQ(ReadFileBytes((whole.Path() / name).string()), ReadFileBytes(entry.path().string()))
                << name;
        }
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ((std::vector<std::string>{"BetaService.ZuluBinding.Mop.xml", "BetaService.ZuluBinding.aOp.xml",
                                        "BetaService.ZuluBinding.zOp.xml", "index.tsv"}),
              names);

    shown.prompts.chosenFolder = wxString::FromUTF8((part.Path() / "index.tsv" / "below").string());
    RunCommand(shown, ui::kIdExportAll);
    ASSERT_EQ(1u, shown.prompts.messages.size());
    EXPECT_EQ(wxICON_ERROR, shown.prompts.messages[0].style);
}

// A load that ends while the save or folder chooser is open replaces the model and the tree: what is
// written is still what was chosen, and the folder chooser starts where the user was last.
TEST(RequestActions, SaveAndExportWriteWhatWasChosenWhenALoadEndsDuringTheChooser) {
    const std::string request = RequestOf(UiFixture("reversed.wsdl"), "alphaBinding", "aOp");
    TempDir whole;
    ExportWholeDescription(whole);
    ShownDialog shown;
    shown.Load(UiFixture("reversed.wsdl"));
    shown.prompts.whileChoosing = [&] { PumpUntil([&] { return !shown.IsLoading(); }); };

    TempDir dir;
    shown.SelectAndRead(shown.FindItem("aOp"));
    shown.StartLoad(UiFixture("single.wsdl"));
    shown.prompts.chosenSaveFile = wxString::FromUTF8((dir.Path() / "saved.xml").string());
    RunCommand(shown, ui::kIdSaveRequest);
    EXPECT_EQ(request + "\n", ReadFileBytes((dir.Path() / "saved.xml").string()));
    ASSERT_EQ("EchoService", shown.TreeLines().at(0));

    shown.Load(UiFixture("reversed.wsdl"));
    shown.Tree()->SelectItem(shown.FindItem("alphaService"));
    shown.StartLoad(UiFixture("single.wsdl"));
    shown.prompts.chosenFolder = wxString::FromUTF8((dir.Path() / "alpha").string());
    RunCommand(shown, ui::kIdExportAll);
    EXPECT_EQ(wxString::FromUTF8(std::filesystem::path(UiFixture("")).parent_path().string()),
              shown.prompts.initialFolder);
    for (const char* name : {"alphaService.alphaBinding.aOp.xml", "alphaService.alphaBinding.zOp.xml"}) {
        EXPECT_EQ(ReadFileBytes((whole.Path() / name).string()),
                  ReadFileBytes((dir.Path() / "alpha" / name).string()))
            << name;
    }
    shown.Tree()->SelectItem(shown.FindItem("EchoService"));
    shown.prompts.chosenFolder.clear();
    RunCommand(shown, ui::kIdExportAll);
    EXPECT_EQ(wxString::FromUTF8((dir.Path() / "alpha").string()), shown.prompts.initialFolder);
    EXPECT_TRUE(shown.prompts.messages.empty());
}

// A long request comes into the pane in parts: copied meanwhile it is whole, and once in, the pane holds
// all of it with CR LF line ends, unmodified and editable again.
TEST(RequestActions, ALongRequestIsWholeWhileItComesInAndOnceIn) {
    const TempDir dir;
    const std::string description = WriteLongRequestDescription(dir);
    const std::string request = RequestOf(description, "LongBinding", "Long");
    ASSERT_GT(request.size(), 200000u);
    ShownDialog shown;
    shown.Load(description);
    shown.Tree()->SetFocus();
    shown.Tree()->SelectItem(shown.FindItem("Long"));
    ASSERT_TRUE(shown.Message()->GetReadOnly()) << "the request came in at once";
    shown.PressKeyIn(shown.Tree(), 'c', wxMOD_CONTROL);
    EXPECT_EQ(wxString::FromUTF8(request), ClipboardText());

    ASSERT_TRUE(PumpUntil([&] { return !shown.Message()->GetReadOnly(); }, 60000));
    wxString shownRequest = wxString::FromUTF8(request);
    shownRequest.Replace("\n", "\r\n");
    EXPECT_TRUE(shown.Message()->GetValue() == shownRequest);
    EXPECT_FALSE(shown.Message()->IsModified());
}

TEST(RequestActions, ShortcutsLoadAgainFocusTheAddressAndOpen) {
    ShownDialog shown;
    shown.Address()->ChangeValue(wxString::FromUTF8(UiFixture("reversed.wsdl")));
    shown.PressKeyIn(shown.Tree(), WXK_F5);
    EXPECT_TRUE(PumpUntil([&] { return !shown.IsLoading() && !shown.TreeLines().empty(); }));

    shown.PressKeyIn(shown.Tree(), 'l', wxMOD_CONTROL);
    EXPECT_EQ(shown.Address(), wxWindow::FindFocus());

    shown.PressKeyIn(shown.Tree(), 'o', wxMOD_CONTROL);
    EXPECT_EQ(1, shown.prompts.fileDialogs);
}

} // namespace
} // namespace quorvel::test
