// The message pane's line ends: any mix of CR, LF and CR LF is shown as CR LF.

#include "ui/line_ends.h"

#include <gtest/gtest.h>

namespace quorvel::ui {
namespace {

TEST(LineEnds, EveryKindOfLineEndBecomesCrLf) {
    const struct {
        const char* name;
        const char* text;
        const char* shown;
    } cases[] = {
        {"LF", "<a>\n   <b>?</b>\n</a>", "<a>\r\n   <b>?</b>\r\n</a>"},
        {"CR", "<a>\r   <b>?</b>\r</a>", "<a>\r\n   <b>?</b>\r\n</a>"},
        {"CR LF", "<a>\r\n   <b>?</b>\r\n</a>", "<a>\r\n   <b>?</b>\r\n</a>"},
        {"mixed", "1\n2\r3\r\n4", "1\r\n2\r\n3\r\n4"},
        {"LF CR is two line ends", "1\n\r2", "1\r\n\r\n2"},
        {"blank lines", "\r\n\r\n\n\r", "\r\n\r\n\r\n\r\n"},
        {"no line end", "<a/>", "<a/>"},
        {"empty", "", ""},
    };
    for (const auto& c : cases) {
        const wxString text(c.text);
        EXPECT_EQ(c.shown, Utf8WithCrLfLineEnds(text, 0, text.length())) << c.name;
    }
}

TEST(LineEnds, KeepsTextOutsideAsciiIntact) {
    const wxString text = wxString::FromUTF8("<名称>?</名称>\r<x>é</x>");
    EXPECT_EQ("<名称>?</名称>\r\n<x>é</x>", Utf8WithCrLfLineEnds(text, 0, text.length()));
}

} // namespace
} // namespace quorvel::ui
