// The open dialog's filter: the texts as shown, and which file names its patterns let through.

#include "ui/ui_prompts.h"

#include <gtest/gtest.h>
#include <wx/tokenzr.h>

#include <fnmatch.h>

namespace quorvel::ui {
namespace {

// True when one of the ';'-separated glob patterns matches the name.
bool Matches(const wxString& patterns, const char* name) {
    for (const wxString& pattern : wxSplit(patterns, ';', '\0')) {
        if (fnmatch(pattern.utf8_string().c_str(), name, 0) == 0) {
            return true;
        }
    }
    return false;
}

TEST(FileFilter, ShowsBothEntriesWithTheirTexts) {
    const wxArrayString parts = wxSplit(DescriptionFileWildcard(), '|', '\0');
    ASSERT_EQ(4u, parts.size()) << DescriptionFileWildcard();
    EXPECT_EQ(wxString::FromUTF8("WSDL/XML 文件 (*.wsdl;*.xml)"), parts[0]);
    EXPECT_EQ(wxString::FromUTF8("所有文件 (*.*)"), parts[2]);
}

#ifdef __WXGTK__
// GTK matches patterns as shell globs, case-sensitively; the filter must still behave as on Windows.
TEST(FileFilter, PatternsMatchExtensionsInAnyCase) {
    const wxArrayString parts = wxSplit(DescriptionFileWildcard(), '|', '\0');
    ASSERT_EQ(4u, parts.size());
    const struct {
        const char* name;
        bool description;
    } cases[] = {
        {"orders.wsdl", true}, {"ORDERS.WSDL", true},      {"Orders.Wsdl", true},
        {"orders.xml", true},  {"orders.XML", true},       {"orders.txt", false},
        {"wsdl", false},       {"orders.wsdl.bak", false}, {"README", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.description, Matches(parts[1], c.name)) << c.name;
        EXPECT_TRUE(Matches(parts[3], c.name)) << c.name << " among all files";
    }
}
#endif

} // namespace
} // namespace quorvel::ui
