#include "app/gui/popup_menu.h"

#include <QAction>
#include <QMenu>

namespace gui {

namespace {
QString to_q(const OdString& text) { return QString::fromStdString(text.toUtf8()); }
}  // namespace

void fill_menu(QMenu& menu, const std::vector<host_menu_item>& items) {
  for (const host_menu_item& item : items) {
    if (!item.submenu.empty()) {
      QMenu* sub = menu.addMenu(to_q(item.caption));
      sub->setEnabled(item.enabled);
      // A submenu holding the current choice shows it marked too.
      sub->menuAction()->setCheckable(item.checked);
      sub->menuAction()->setChecked(item.checked);
      fill_menu(*sub, item.submenu);
      continue;
    }
    QAction* action = menu.addAction(to_q(item.caption));
    action->setData(item.id);
    action->setEnabled(item.enabled);
    action->setCheckable(item.checked);
    action->setChecked(item.checked);
  }
}

int run_popup_menu(const std::vector<host_menu_item>& items, QPoint at) {
  QMenu menu;
  menu.setObjectName("popup");
  fill_menu(menu, items);
  const QAction* chosen = menu.exec(at);
  return chosen ? chosen->data().toInt() : 0;
}

}  // namespace gui
