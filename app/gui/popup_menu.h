// popup_menu: a host popup menu (the editor's context menu, the toolbar's
// menus) as a QMenu, run where it is asked for.
#pragma once

#include <vector>

#include <QPoint>

#include "platform/host/IHostDialogs.h"

class QMenu;

namespace gui {

// Adds the items to `menu`: submenus, disabled and checked items, the
// shortcut's text after a tab; each action carries its item's id.
void fill_menu(QMenu& menu, const std::vector<host_menu_item>& items);
// Shows the items at `at` (global) until one is chosen or the menu closes;
// the chosen id, 0 for none.
int run_popup_menu(const std::vector<host_menu_item>& items, QPoint at);

}  // namespace gui
