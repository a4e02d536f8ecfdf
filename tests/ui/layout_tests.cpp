// The window as it opens and as it is resized: control rectangles, initial split, minimum size, fonts.

#include "dialog_harness.h"
#include "ui/messages.h"

#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/stattext.h>

namespace quorvel::test {
namespace {

struct LayoutCase {
    const char* name;
    wxSize client;
    int split;
    // Expected rectangles in the order of the ids below.
    std::vector<wxRect> rects;
};

const int kLayoutIds[] = {ui::kIdAddressLabel, ui::kIdOptionsButton, ui::kIdFollowImportsBox,
                          ui::kIdParseButton,  ui::kIdOpenButton,    ui::kIdAddressBox,
                          ui::kIdServiceTree,  ui::kIdMessagePane,   ui::kIdSplitter,
                          ui::kIdStatusLine,   ui::kIdSendButton,    ui::kIdValidateButton};

TEST(DialogLayout, PlacesEveryControlForTheClientSize) {
    const LayoutCase cases[] = {
        // The status line takes the bottom 26 pixels; the rest is laid out above it.
        {"wide client, split at 35 %",
         {1000, 700},
         350,
         {{10, 14, 60, 16},
          {940, 10, 50, 24},
          {830, 12, 104, 20},
          {774, 10, 50, 24},
          {718, 10, 50, 24},
          {74, 10, 638, 22},
          {10, 68, 338, 596},
          {352, 68, 638, 596},
          {348, 68, 4, 596},
          {10, 676, 980, 18},
          {884, 43, 50, 24},
          {940, 43, 50, 24}}},
        // 270 - 362 < 80: the address box keeps its 80-pixel minimum and runs under the buttons; below
        // 360 pixels the right pane's 200 pixels win over the left pane's 160.
        {"narrow client, address box at its minimum",
         {270, 300},
         70,
         {{10, 14, 60, 16},
          {210, 10, 50, 24},
          {100, 12, 104, 20},
          {44, 10, 50, 24},
          {-12, 10, 50, 24},
          {74, 10, 80, 22},
          {10, 68, 58, 196},
          {72, 68, 188, 196},
          {68, 68, 4, 196},
          {10, 276, 250, 18},
          {154, 43, 50, 24},
          {210, 43, 50, 24}}},
    };
    for (const LayoutCase& c : cases) {
        SCOPED_TRACE(c.name);
        ShownDialog shown(wxSize(1000, 700));
        // A narrower client than the minimum window allows: lift the limit to reach the case.
        shown.Dialog().SetMinSize(wxDefaultSize);
        shown.ResizeClient(c.client);
        ASSERT_EQ(c.client, shown.Dialog().GetClientSize());
        EXPECT_EQ(c.split, shown.SplitPos());
        for (size_t i = 0; i < std::size(kLayoutIds); ++i) {
            EXPECT_EQ(c.rects[i], shown.Control(kLayoutIds[i])->GetRect()) << "control " << kLayoutIds[i];
        }
        // The tree's label is as wide as its text, within the tree's column; the filter box takes the
        // rest of the column on that row, 6 pixels after the label, and ends where the tree ends.
        const wxRect label = shown.Control(ui::kIdInterfacesLabel)->GetRect();
        const wxRect filter = shown.Filter()->GetRect();
        EXPECT_EQ(wxPoint(10, 46), label.GetPosition());
        EXPECT_EQ(20, label.height);
        EXPECT_LE(label.GetRight(), shown.Tree()->GetRect().GetRight());
        if (filter.width > 0) {
            EXPECT_EQ(label.GetRight() + 7, filter.x);
            EXPECT_EQ(shown.Tree()->GetRect().GetRight(), filter.GetRight());
        }
        // So is the message pane's, within its column, and the endpoint box takes the rest of the row up
        // to 还原, 4 pixels before it.
        const wxRect messageLabel = shown.Control(ui::kIdMessageLabel)->GetRect();
        const wxRect endpoint = shown.Endpoint()->GetRect();
        const wxRect reset = shown.Control(ui::kIdResetEndpointButton)->GetRect();
        EXPECT_EQ(wxRect(c.split + 2, 46, messageLabel.width, 20), messageLabel);
        EXPECT_EQ(wxRect(c.client.x - 166, 43, 44, 24), reset);
        if (endpoint.width > 0) {
            EXPECT_EQ(messageLabel.GetRight() + 7, endpoint.x);
            EXPECT_EQ(reset.x - 5, endpoint.GetRight());
        }
    }
}

TEST(DialogLayout, OpensWithTheBarAt35PercentOfTheClientWidth) {
    for (const int width : {1000, 777}) {
        ShownDialog shown(wxSize(width, 600));
        EXPECT_EQ(width * 35 / 100, shown.SplitPos()) << "client width " << width;
    }
}

TEST(DialogLayout, GrowingTheWindowKeepsTheBarWhereItIs) {
    ShownDialog shown(wxSize(1000, 700));
    shown.Dialog().SetMinSize(wxDefaultSize);
    shown.ResizeClient(wxSize(1200, 800));
    EXPECT_EQ(350, shown.SplitPos());
    EXPECT_EQ(1200 - 350 - 12, shown.Control(ui::kIdMessagePane)->GetSize().x);
    // Shrinking so far that the right pane would get less than 200 pixels pushes the bar left.
    shown.ResizeClient(wxSize(500, 700));
    EXPECT_EQ(300, shown.SplitPos());
}

// 420 pixels for the controls above the status line, and its 26.
TEST(DialogLayout, WindowCannotBecomeSmallerThan640By446) {
    ShownDialog shown;
    shown.Dialog().SetSize(300, 200);
    PumpEvents(50);
    const wxSize size = shown.Dialog().GetSize();
    EXPECT_EQ(640, size.x);
    EXPECT_EQ(446, size.y);
}

TEST(DialogLayout, OpensAt560By360DialogUnits) {
    ui::MainDialog* dialog = new ui::MainDialog;
    EXPECT_EQ(dialog->ConvertDialogToPixels(wxSize(560, 360)), dialog->GetClientSize());
    EXPECT_EQ(wxString("Quorvel"), dialog->GetTitle());
    dialog->Destroy();
}

TEST(DialogLayout, ShowsTheLabelsAndButtonsInChinese) {
    ShownDialog shown;
    const struct {
        int id;
        const char* text;
    } labels[] = {{ui::kIdAddressLabel, "接口地址:"},    {ui::kIdOpenButton, "打开"},
                  {ui::kIdInterfacesLabel, "接口详情:"}, {ui::kIdMessageLabel, "报文信息:"},
                  {ui::kIdParseButton, "解析"},          {ui::kIdFollowImportsBox, "跟随导入(&F)"}};
    for (const auto& label : labels) {
        EXPECT_EQ(wxString::FromUTF8(label.text), shown.Control(label.id)->GetLabel()) << label.id;
    }
    EXPECT_TRUE(shown.Address()->GetValue().empty());
    EXPECT_TRUE(shown.Message()->GetValue().empty());
    EXPECT_FALSE(shown.FollowImports()->GetValue());
    EXPECT_EQ(shown.Address(), wxWindow::FindFocus());
}

TEST(DialogLayout, MessagePaneUsesAFixedPitchFontOfTheDialogFontSize) {
    ShownDialog shown;
    const wxFont pane = shown.Message()->GetFont();
    const wxFont dialog = shown.Dialog().GetFont();
    EXPECT_TRUE(pane.IsFixedWidth()) << pane.GetFaceName();
    EXPECT_EQ(dialog.GetPointSize(), pane.GetPointSize());
    EXPECT_EQ(dialog.GetWeight(), pane.GetWeight());
    // Every other control keeps the dialog font.
    EXPECT_EQ(dialog, shown.Address()->GetFont());
    EXPECT_EQ(dialog, shown.Tree()->GetFont());
}

} // namespace
} // namespace quorvel::test
