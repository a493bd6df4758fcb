// The editor's mouse: carets and selections by click, Ctrl+click and drag,
// words and fields by double-click, the context menu, and the cursor.
#include <algorithm>

#include "editor/caret_motion.h"
#include "editor/clipboard.h"
#include "editor/micui_resizer.h"
#include "editor/smart_edit.h"
#include "editor/selection_geometry.h"
#include "editor/typing.h"
#include "mtext/format_queries.h"
#include "platform/sdk/OdDbField.h"

namespace editor {

namespace {

// The position nearest a point of the plane; the end of a text without lines.
mtext::position pointed(const mtext::geom_multitext& text, const OdGePoint2d& at) {
  return position_at_point(text, OdGePoint3d(at.x, at.y, 0.0)).value_or(text.size());
}

const mtext::marks::field* field_at(const mtext::geom_multitext& text, mtext::position at) {
  for (const mtext::marks::mark& m : text.marks)
    if (auto* f = dynamic_cast<const mtext::marks::field*>(&m); f && f->begin <= at && at < f->end) return f;
  return nullptr;
}

bool any_selection_not_empty(const mtext::geom_multitext& text) {
  for (const mtext::marks::selection* s : mtext::marks::selections_of(text.marks))
    if (!s->empty()) return true;
  return false;
}

// A press reaches the text through the text area or a column's frame.
bool reaches_text(const micui::path& hit) {
  return hit.empty() || std::any_of(hit.begin(), hit.end(), [](const micui::control* c) {
           return c->name == u"mtext" || c->name == u"column";
         });
}

win::cursor_id sizing_cursor(std::int32_t direction) {
  switch (direction) {
    case mtext::resizer::north_south: return win::cursor_id::size_ns;
    case mtext::resizer::west_east: return win::cursor_id::size_we;
    case mtext::resizer::northwest_southeast: return win::cursor_id::size_nwse;
    default: return win::cursor_id::size_nesw;
  }
}

}  // namespace

void smart_edit::onButtonDown(const OdGePoint2d& at, win::wparam buttons) {
  const micui::path hit = micui::hit_path(*m_controls, inParentOfControls(at));
  if (pressGadget(hit, at) || !reaches_text(hit)) return;
  mtext::geom_multitext& text = m_entity->text();
  const mtext::position p = pointed(text, at);
  if (!select_solid_at(text, p)) {
    if (buttons & win::MK_SHIFT) extend_to(text, p);
    else select_at(text, p, (buttons & win::MK_CONTROL) != 0);
  }
  m_system.capture().setCapture(m_captureWindow);
  m_dragSelecting = true;
  m_redraw |= 1;
  redraw();
  afterOperation(false);
}

void smart_edit::onMouseMove(const OdGePoint2d& at, win::wparam) {
  if (m_drag) return dragGadget(at);
  if (!m_dragSelecting) return;  // the press began no drag, or its release came
  extend_to(m_entity->text(), pointed(m_entity->text(), at));
  m_redraw |= 1;
  redraw();
  afterOperation(false);
}

void smart_edit::onButtonUp() {
  if (m_drag) return releaseGadget();
  m_dragSelecting = false;
  m_system.capture().releaseCapture();
}

void smart_edit::onDoubleClick(const OdGePoint2d& at) {
  // The press before it already acted on a gadget; a word is only chosen in the text.
  const micui::path hit = micui::hit_path(*m_controls, inParentOfControls(at));
  if (gadget_in(hit) || !reaches_text(hit)) return;
  mtext::geom_multitext& text = m_entity->text();
  const mtext::position p = pointed(text, at);
  if (const mtext::marks::field* f = field_at(text, p)) {
    if (OdDbFieldPtr changed = m_host.changeField(f->field_object.get()); !changed.isNull()) {
      beginEdit(edit_kind::field);
      const mtext::marks::field mark = *f;
      m_entity->edit([&](geom_edit_target& t) { replace_field(t, mark, changed); });
    }
  } else {
    select_word_at(text, p);
  }
  m_redraw = 3;
  redraw();
  afterOperation(true);
}

void smart_edit::onContextMenu(const OdGePoint2d& at) {
  m_system.cursor().setCursor(win::cursor_id::arrow);
  const mtext::geom_multitext& text = m_entity->text();
  win::IClipboard& clipboard = m_system.clipboard();
  menu_state state;
  state.selection_not_empty = any_selection_not_empty(text);
  state.clipboard_has_text = clipboard.isFormatAvailable(win::CF_UNICODETEXT) ||
                             clipboard.isFormatAvailable(mtext_clipboard_format(clipboard));
  state.can_undo = m_history.can_undo();
  state.can_redo = m_history.can_redo();
  state.field_at_pointer = field_at(text, pointed(text, at)) != nullptr;
  if (const int id = m_host.trackPopupMenu(context_menu(state))) runMenuCommand(id, at);
  m_redraw = 3;
  redraw();
  afterOperation(true);
}

// Only the field dialogs open a step of their own; the rest join the step
// that is running, unlike their keys.
void smart_edit::runMenuCommand(int id, const OdGePoint2d& at) {
  mtext::geom_multitext& text = m_entity->text();
  win::IClipboard& clipboard = m_system.clipboard();
  const win::window_id owner = m_entity->clipboardOwner();
  // The live mark: the typing functions know a field by its mark.
  const mtext::marks::field* mark = field_at(text, pointed(text, at));
  switch (id) {
    case cmd_select_all: select_all(text); return;
    case cmd_cut: m_entity->edit([&](geom_edit_target& t) { return cut(t, clipboard, owner); }); return;
    case cmd_copy: copy(text, m_entity->defaultFormat(), clipboard, owner); return;
    case cmd_paste: m_entity->edit([&](geom_edit_target& t) { return editor::paste(t, clipboard, owner, {}); }); return;
    case cmd_undo: undo(); return;
    case cmd_redo: redo(); return;
    case cmd_edit_field:
      if (!mark) return;
      if (OdDbFieldPtr changed = m_host.changeField(mark->field_object.get()); !changed.isNull()) {
        beginEdit(edit_kind::field);
        m_entity->edit([&](geom_edit_target& t) { replace_field(t, *mark, changed); });
      }
      return;
    case cmd_update_field:
      if (!mark) return;
      mark->field_object->evaluate(0, m_mtext ? m_mtext->database() : m_text ? m_text->database() : nullptr);
      m_entity->edit([&](geom_edit_target& t) { replace_field(t, *mark, mark->field_object); });
      return;
    case cmd_field_to_text:
      if (mark) m_entity->edit([&](geom_edit_target& t) { field_to_text(t, *mark); });
      return;
    case cmd_insert_field:
      if (OdDbFieldPtr made = m_host.insertField(); !made.isNull()) {
        beginEdit(edit_kind::field);
        m_entity->edit([&](geom_edit_target& t) {
          t.erase_selections();
          const mtext::format::string f = mtext::format::insertion_format(t.text(), t.default_format(), *mtext::marks::selections_of(t.text().marks).front());
          mtext::multitext parts;
          parts.parts.push_back(new mtext::field(f, made));
          t.insert_parts(parts);
        });
      }
      return;
    default:
      if (const auto c = menu_symbol(id)) m_entity->edit([&](geom_edit_target& t) { insert_text(t, std::u16string_view(&*c, 1)); });
  }
}

// The controls' root lies in the drawing, placed and turned as the text.
OdGePoint2d smart_edit::inParentOfControls(const OdGePoint2d& at) const {
  const OdGePoint3d world = m_transform * OdGePoint3d(at.x, at.y, 0.0);
  return {world.x, world.y};
}

bool smart_edit::overText(const OdGePoint2d& at) const {
  for (const mtext::line_record& line : m_entity->text().lines)
    if (at.y <= line.y + std::max(line.ascent, line.height) && at.y >= line.y - std::max(line.descent, line.depth) && at.x >= line.x &&
        at.x <= line.x + line.advance)
      return true;
  return false;
}

void smart_edit::chooseCursor(const OdGePoint2d& at) {
  const micui::path hit = micui::hit_path(*m_controls, inParentOfControls(at));
  const auto named = [&](const char16_t* name) {
    for (const micui::control* c : hit)
      if (c->name == name) return true;
    return false;
  };
  win::cursor_id cursor = win::cursor_id::arrow;
  if (named(u"border") || named(u"column extents") || ((hit.empty() || hit.front()->name == u"mtext") && overText(at))) {
    cursor = win::cursor_id::ibeam;
  } else {
    for (micui::control* c : hit)
      if (auto* r = dynamic_cast<mtext::resizer*>(c)) {
        cursor = sizing_cursor(r->direction);
        break;
      }
  }
  m_system.cursor().setCursor(cursor);
}

}  // namespace editor
