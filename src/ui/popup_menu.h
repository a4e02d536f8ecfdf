#pragma once
// A context menu opened from the keyboard starts with its first item selected, as native menus do when
// opened with the Menu key.

class wxMenu;
class wxWindow;

namespace quorvel::ui {

// Call before owner->PopupMenu(&menu).
void SelectFirstItemWhenShown(wxWindow* owner, wxMenu& menu);

} // namespace quorvel::ui
