// An in-place edit driven as a user drives it: keystrokes and mouse actions
// become the window messages a keyboard and mouse send (the scripted
// host's notation), with the key state following them, and the editor's
// posts, menus and field dialogs are answered by a test host.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "editor/smart_edit.h"
#include "platform/host/scripted_input.h"
#include "platform/win/memory_win_system.h"
#include "tests/editor/caret_notation.h"

namespace editor_test {

class test_edit_host : public editor::edit_host {
public:
  void postCommand(const OdString& command) override { posted.push_back(command.toUtf8()); }
  int trackPopupMenu(const std::vector<editor::menu_item>& items) override {
    shown_menu = items;
    if (menu_choices.empty()) return 0;
    const int id = menu_choices.front();
    menu_choices.pop_front();
    return id;
  }
  OdDbFieldPtr changeField(OdDbField*) override { return next_field; }
  OdDbFieldPtr insertField() override { return next_field; }

  std::vector<std::string> posted;
  std::vector<editor::menu_item> shown_menu;
  std::deque<int> menu_choices;
  OdDbFieldPtr next_field;
};

struct edit_session {
  // An edit of `content` in caret notation, in paragraph mode unless `single_line`.
  explicit edit_session(const std::u16string& content, bool single_line = false, win::memory_clipboard* board = nullptr)
      : system(board ? *board : win::process_clipboard()), editor(host, system) {
    ExMTextEditablePtr e = ExMTextEditable::createObject();
    e->setTextHeight(1.0);
    e->setMeasurement(std::make_shared<mtext_test::fixed_finder>(), mtext_test::base_format(1.0));
    e->restoreText(marked(content));
    editor.setToolbarWindow(toolbar);
    editor.setUp(e, single_line);
  }

  // Keys in the scripted host's notation: "\"abc\" Left Ctrl+Z".
  void keys(const std::string& script) {
    std::vector<host_message> messages;
    std::string error;
    ASSERT_TRUE(scriptedKeysToMessages(script, messages, error)) << error;
    for (const host_message& m : messages) send(m);
  }
  // One key-down with a repeat count, as a held key sends it.
  void key_down(win::virtual_key key, std::uint16_t repeat) {
    editor.handleMessage(win::WM_KEYDOWN, key, win::key_lparam({repeat}), {});
    editor.handleMessage(win::WM_KEYUP, key, 0, {});
  }
  // Mouse actions: "click 1.5,-0.5", "Ctrl+click 3,-2.3", "down 0,0".
  void mouse(const std::string& script) {
    std::vector<host_message> messages;
    std::string error;
    ASSERT_TRUE(scriptedMouseToMessages(script, messages, error)) << error;
    for (const host_message& m : messages) send(m);
  }
  void send(const host_message& m) {
    win::memory_key_state& keys = system.keyState();
    keys.setKeyDown(win::VK_CONTROL, (m.modifiers & kModControl) != 0);
    keys.setKeyDown(win::VK_SHIFT, (m.modifiers & kModShift) != 0);
    keys.setKeyDown(win::VK_MENU, (m.modifiers & kModAlt) != 0);
    editor.messageFilter().filterMessage(m);
  }

  std::u16string seen() const { return notation(editor.entity().text()); }
  std::size_t undo_depth() const { return editor.history().undo_depth(); }

  test_edit_host host;
  win::memory_win_system system;
  editor::smart_edit editor;
  win::window_id toolbar = system.windows().createWindow([this](const win::window_message& m) {
    if (m.message == win::WM_EDITOR_CHANGED) toolbar_notices.push_back(m.wParam);
    return win::lresult{0};
  });
  std::vector<win::wparam> toolbar_notices;
};

}  // namespace editor_test
