#include "ui/popup_menu.h"

#include <wx/menu.h>
#include <wx/window.h>

#include <windows.h>

namespace quorvel::ui {

// The menu's own loop reads the thread's keys once it runs: a Down key waiting for it selects the first
// item.
void SelectFirstItemWhenShown(wxWindow* owner, wxMenu&) {
    PostMessageW(static_cast<HWND>(owner->GetHWND()), WM_KEYDOWN, VK_DOWN, 0);
}

} // namespace quorvel::ui
