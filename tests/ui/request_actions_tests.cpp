// Copying and saving a request, and the dialog's shortcuts.

#include "dialog_harness.h"
#include "temp_dir.h"

#include <gtest/gtest.h>
#include <wx/clipbrd.h>

#include <fstream>
#include <sstream>

namespace quorvel::test {
namespace {

std::string ReadFileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

wxString ClipboardText() {
    wxTextDataObject text;
    if (wxTheClipboard->Open()) {
        wxTheClipboard->GetData(text);
        wxTheClipboard->Close();
    }
    return text.GetText();
}

TEST(RequestActions, CtrlCInTheTreeCopiesAndSaveAsWritesTheRequestAsBuilt) {
    const std::string request = RequestOf(UiFixture("reversed.wsdl"), "alphaBinding", "aOp");
    ShownDialog shown;
    shown.Load(UiFixture("reversed.wsdl"));
    shown.SelectAndRead(shown.FindItem("aOp"));

    shown.PressKeyIn(shown.Tree(), 'c', wxMOD_CONTROL);
    EXPECT_EQ(wxString::FromUTF8(request), ClipboardText());

    TempDir dir;
    const std::string saved = (dir.Path() / "saved.xml").string();
    shown.prompts.chosenSaveFile = wxString::FromUTF8(saved);
    wxCommandEvent save(wxEVT_MENU, IDM_SAVE_REQUEST);
    shown.Dialog().ProcessWindowEvent(save);
    EXPECT_EQ("aOp.xml", shown.prompts.suggestedName);
    // UTF-8 without a byte-order mark, line feeds as built.
    EXPECT_EQ(request, ReadFileBytes(saved));
    EXPECT_TRUE(shown.prompts.messages.empty());
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
