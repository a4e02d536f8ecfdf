#include "ui/popup_menu.h"

#include <wx/menu.h>

#ifdef __WXGTK__
#include <dlfcn.h>
#endif

namespace quorvel::ui {

// GTK selects a menu's first item on request; its function is looked up in the GTK that wx has loaded,
// whose headers are not part of wx's.
void SelectFirstItemWhenShown(wxWindow*, wxMenu& menu) {
#ifdef __WXGTK__
    using SelectFirst = void (*)(GtkWidget* menuShell, int searchSensitive);
    const auto selectFirst =
        reinterpret_cast<SelectFirst>(dlsym(RTLD_DEFAULT, "gtk_menu_shell_select_first"));
    if (selectFirst == nullptr) {
        return;
    }
    menu.Bind(wxEVT_MENU_OPEN, [&menu, selectFirst](wxMenuEvent& event) {
        event.Skip();
        selectFirst(menu.m_menu, 1);
    });
#else
    static_cast<void>(menu);
#endif
}

} // namespace quorvel::ui
