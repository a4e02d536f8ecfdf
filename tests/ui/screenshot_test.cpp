// Saves a picture of the dialog with a description loaded and an operation selected, for a person to
// look at, and checks that the tree's images made it onto the screen.

#include "dialog_harness.h"

#include <gtest/gtest.h>
#include <wx/image.h>

#include <filesystem>

namespace quorvel::test {
namespace {

// The bundled example description where there is one, else the tests' own.
std::string DescriptionToShow() {
    const std::filesystem::path examples = std::filesystem::path(QUORVEL_TEST_DATA_DIR) / "../../examples";
    if (std::filesystem::is_directory(examples)) {
        for (const auto& entry : std::filesystem::directory_iterator(examples)) {
            if (entry.path().extension() == ".wsdl") {
                return entry.path().lexically_normal().string();
            }
        }
    }
    return UiFixture("reversed.wsdl");
}

int CountPixels(const wxImage& image, const wxColour& colour) {
    int count = 0;
    for (int y = 0; y < image.GetHeight(); ++y) {
        for (int x = 0; x < image.GetWidth(); ++x) {
            count += image.GetRed(x, y) == colour.Red() && image.GetGreen(x, y) == colour.Green() &&
                     image.GetBlue(x, y) == colour.Blue();
        }
    }
    return count;
}

TEST(Screenshot, DialogWithARequestShown) {
    ShownDialog shown(wxSize(900, 560));
    shown.Load(DescriptionToShow());
    ASSERT_TRUE(shown.prompts.messages.empty()) << shown.prompts.messages.front().text;
    // The first operation of the first binding, expanded so that its request item shows too.
    wxTreeItemIdValue cookie;
    const wxTreeItemId service = shown.Tree()->GetFirstChild(shown.Tree()->GetRootItem(), cookie);
    const wxTreeItemId binding = shown.Tree()->GetFirstChild(service, cookie);
    const wxTreeItemId operation = shown.Tree()->GetFirstChild(binding, cookie);
    ASSERT_TRUE(operation.IsOk());
    shown.Tree()->Expand(operation);
    EXPECT_FALSE(shown.SelectAndRead(operation).empty());

    // The pane colours the XML and boxes the "?" placeholders.
    wxStyledTextCtrl* pane = shown.Message();
    pane->Colourise(0, -1);
    const wxString text = pane->GetValue();
    EXPECT_EQ(wxSTC_H_TAG, pane->GetStyleAt(text.Find("soapenv:Body")));
    EXPECT_EQ(wxSTC_H_ATTRIBUTE, pane->GetStyleAt(text.Find("xmlns:soapenv")));
    EXPECT_EQ(wxSTC_H_DOUBLESTRING, pane->GetStyleAt(text.Find("\"http://schemas")));
    EXPECT_EQ(wxSTC_H_COMMENT, pane->GetStyleAt(text.Find("<!--")));
    const int placeholder = text.Find(">?<") + 1;
    ASSERT_GT(placeholder, 0);
    EXPECT_NE(0, pane->IndicatorAllOnFor(placeholder));
    EXPECT_EQ(0, pane->IndicatorAllOnFor(placeholder - 1));

    const wxImage image = shown.SaveScreenshot("quorvel_dialog.png");
    // Each of the four images has an inside of its own colour, some 100 pixels large.
    for (const wxColour& fill :
         {wxColour(70, 130, 180), wxColour(46, 139, 87), wxColour(210, 105, 30), wxColour(100, 100, 100)}) {
        EXPECT_GE(CountPixels(image, fill), 60) << fill.GetAsString().utf8_string();
    }
    // Their magenta background is masked out, edges included.
    EXPECT_EQ(0, CountPixels(image, wxColour(255, 0, 255)));
}

} // namespace
} // namespace quorvel::test
