// The bar between tree and message pane, dragged with real mouse presses, moves and releases.

#include "dialog_harness.h"

#include <gtest/gtest.h>
#include <wx/utils.h>

namespace quorvel::test {
namespace {

// A y in the middle of the bar, which spans the tree's height.
int BarMiddleY(ShownDialog& shown) {
    const wxRect bar = shown.Control(ui::kIdSplitter)->GetRect();
    return bar.y + bar.height / 2;
}

TEST(Splitter, DragsAndClampsToTheMinimumPaneWidths) {
    const struct {
        const char* name;
        int targetX;
        int expectedSplit;
    } cases[] = {
        {"free move", 600, 600},
        {"left of 160", 50, 160},
        {"beyond the left edge", -40, 160},
        {"within 200 pixels of the right edge", 900, 1000 - 200},
        {"beyond the right edge", 1100, 1000 - 200},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ShownDialog shown(wxSize(1000, 700));
        ASSERT_EQ(350, shown.SplitPos());
        const int y = BarMiddleY(shown);
        shown.DragFromTo(wxPoint(350, y), wxPoint(c.targetX, y));
        EXPECT_EQ(c.expectedSplit, shown.SplitPos());
        // The panes follow the bar.
        EXPECT_EQ(c.expectedSplit - 12, shown.Tree()->GetSize().x);
        EXPECT_EQ(c.expectedSplit + 2, shown.Message()->GetPosition().x);
    }
}

// The bar is S - 2 to S + 1; presses up to 3 pixels beside it (over the tree or the message pane)
// grab it as well.
TEST(Splitter, HitZoneReachesThreePixelsBesideTheBar) {
    const struct {
        int offset;
        bool grabs;
    } cases[] = {{-6, false}, {-5, true}, {-3, true}, {0, true}, {1, true}, {2, true}, {4, true}, {5, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "press at S" << (c.offset < 0 ? "" : "+") << c.offset);
        ShownDialog shown(wxSize(1000, 700));
        const int y = BarMiddleY(shown);
        const int from = 350 + c.offset;
        shown.DragFromTo(wxPoint(from, y), wxPoint(from + 100, y));
        EXPECT_EQ(c.grabs ? from + 100 : 350, shown.SplitPos());
    }
}

TEST(Splitter, ShowsTheSizingCursorOverTheHitZoneOnly) {
    ShownDialog shown(wxSize(1000, 700));
    const int y = BarMiddleY(shown);
    for (int offset = -8; offset <= 7; ++offset) {
        const wxPoint point(350 + offset, y);
        shown.MovePointerTo(point);
        // Ask the control under the pointer, as the window system does.
        wxWindow* under = shown.Control(ui::kIdSplitter);
        for (const int id : {ui::kIdServiceTree, ui::kIdMessagePane}) {
            if (shown.Control(id)->GetRect().Contains(point)) {
                under = shown.Control(id);
            }
        }
        const wxPoint local = under->ScreenToClient(wxGetMousePosition());
        wxSetCursorEvent question(local.x, local.y);
        question.SetEventObject(under);
        under->GetEventHandler()->ProcessEvent(question);
        EXPECT_EQ(offset >= -5 && offset <= 4, question.HasCursor()) << "x = S" << offset;
    }
}

TEST(Splitter, PressesOutsideTheHitZoneReachTheControls) {
    ShownDialog shown(wxSize(1000, 700));
    shown.Message()->ChangeValue("some request text");
    shown.Message()->SetInsertionPoint(0);
    // A click right of the first line's end puts the caret there, as it would without the bar.
    shown.ClickAt(wxPoint(900, 75));
    EXPECT_EQ(shown.Message()->GetLastPosition(), shown.Message()->GetInsertionPoint());
    EXPECT_EQ(shown.Message(), wxWindow::FindFocus());
    EXPECT_EQ(350, shown.SplitPos());
}

} // namespace
} // namespace quorvel::test
