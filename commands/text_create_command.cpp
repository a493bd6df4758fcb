// "dText" and "-Text": a Text placed at the point of its justification (or
// continued below the last one), sized and turned by prompts, then typed.
//
// "dText" types in the in-place editor: each line typed becomes a Text of
// its own, one line (5/3 of the height) below the one before, with the same
// justification. Points are world points; rotations are radians.
#include <cmath>
#include <vector>

#include "commands/command_support.h"
#include "commands/justification.h"
#include "commands/mtext_editor_run.h"
#include "commands/single_line_text_commands.h"
#include "platform/host/HostModule.h"
#include "platform/host/IApp.h"
#include "platform/host/host_drawing.h"
#include "platform/host/host_printf.h"
#include "platform/host/host_units.h"
#include "platform/sdk/OdDbBlockTableRecord.h"
#include "platform/sdk/OdDbTextStyleTableRecord.h"
#include "platform/win/IWinSystem.h"

namespace {

using namespace text_commands;

constexpr int index_left = 0, index_align = 1, index_fit = 2;
// A line below another sits this many text heights lower.
constexpr double line_step = 5.0 / 3.0;
constexpr double no_distance = 1e-10;
// The height of new text in a drawing whose TEXTSIZE is 0.
constexpr double default_height = 2.5;

// Keyword positions 2 and up are the justifications "Align" ... "BR" (index = position - 1).
const char16_t* const point_keywords = u"Justify Style Align Fit Center Middle Right TL TC TR ML MC MR BL BC BR";
constexpr int justify_position = 0, style_position = 1;

// The point prompt of each justification index.
const char16_t* const point_prompts[justification::index_count] = {
    u"Input origin of text",           u"Input first point of text baseline", u"Input first point of text baseline",
    u"Input center point of text",     u"Input middle point of text",         u"Input right point of text",
    u"Input top-left point of text",   u"Input top-center point of text",     u"Input top-right point of text",
    u"Input middle-left point of text", u"Input middle point of text",        u"Input middle-right point of text",
    u"Input bottom-left point of text", u"Input bottom-center point of text", u"Input bottom-right point of text",
};

// What the command remembers of a drawing between runs.
struct text_data {
  OdDbObjectId last;  // the last Text it created
  int justification = index_left;
  double rotation = 0.0;
};

// The data of each open drawing. An entry holds its drawing, so the address
// cannot be reused by another while it is kept; an entry only the store
// holds belongs to a closed drawing and is dropped. The store is never
// destroyed: drawings must not outlive the program's other statics.
text_data& data_of(OdDbDatabase& db) {
  struct entry {
    OdDbDatabasePtr database;
    text_data data;
  };
  static auto* store = new std::vector<entry>();
  std::erase_if(*store, [&](const entry& e) { return e.database.get() != &db && e.database->numRefs() == 1; });
  for (entry& e : *store)
    if (e.database.get() == &db) return e.data;
  return store->emplace_back(entry{OdDbDatabasePtr(&db), {}}).data;
}

// The run's state; the drawing's TEXTSTYLE and TEXTSIZE take `style` and
// `size` only once a Text was made, so a cancelled run changes nothing.
struct session {
  IHostAppServices& host;
  OdDbDatabase& db;
  text_data& data;
  OdDbObjectId style;
  double size;

  void keep_settings() {
    if (db.getTEXTSTYLE() != style) db.setTEXTSTYLE(style);
    if (db.getTEXTSIZE() != size) db.setTEXTSIZE(size);
  }
};

// What the prompts decided for a new Text.
struct placement {
  int index = index_left;
  OdGePoint3d first, second;
  double height = 0.0;
  double rotation = 0.0;
};

OdDbTextStyleTableRecordPtr style_record(const OdDbObjectId& id) {
  return OdDbTextStyleTableRecord::cast(id.openObject(OdDb::kForRead).get());
}

OdDbObjectId current_style(const OdDbDatabase& db) {
  const OdDbObjectId id = db.getTEXTSTYLE();
  const OdDbObjectPtr record = id.openObject(OdDb::kForRead);
  return record.isNull() || record->isErased() ? db.getTextStyleStandardId() : id;
}

OdDbTextPtr last_text(const session& s) {
  const OdDbObjectPtr object = s.data.last.openObject(OdDb::kForWrite);
  if (object.isNull() || object->isErased() || !is_text(object.get()) || is_attribute(object.get())) return {};
  return OdDbText::cast(object.get());
}

void print_status(const session& s) {
  const OdDbTextStyleTableRecordPtr style = style_record(s.style);
  hostPrintf(u"Current text style: \"%s\", Height: %s,  Justify: %s", style.isNull() ? OdString() : style->getName(),
             hostdbRToS(s.size), justification::keyword_of_index(s.data.justification));
}

// Prompts "%s <%s>:" with the justification keywords; false when cancelled.
bool ask_justification(session& s) {
  OdGePoint3d unused;
  const OdString prompt = hostFormat(u"Select justify mode [%s] <%s>", OdString(justification::keywords),
                                     justification::keyword_of_index(s.data.justification));
  const int answer = s.host.getPoint(prompt, unused, nullptr, nullptr, justification::keywords_local_global, 0);
  if (answer == kInputCancel) return false;
  if (answer >= kInputKeyword && answer - kInputKeyword < justification::index_count)
    s.data.justification = answer - kInputKeyword;
  return true;
}

// "?" at the style prompt: the styles a Text can use, with font, size, width and slant.
void list_styles(const OdDbDatabase& db) {
  OdString list = u"Text styles:";
  for (const OdDbObjectId& id : db.textStyleTable()->recordIds()) {
    const OdDbTextStyleTableRecordPtr style = style_record(id);
    if (style.isNull() || style->isShapeFile() || style->isDependent()) continue;
    OdString typeface;
    bool bold = false, italic = false;
    int charset = 0, pitch = 0;
    style->font(typeface, bold, italic, charset, pitch);
    list += hostFormat(u"\n%s: \"%s\" %s: %s  %s: %g  %s: %g  %s: %g  ", u"Style", style->getName(), u"Font",
                       style->fileName().isEmpty() ? typeface : style->fileName(), u"Text size", style->textSize(),
                       u"Width", style->xScale(), u"Oblique", style->obliquingAngle() * 180.0 / OdaPI);
    if (bold) list += u"Bold ";
    if (italic) list += u"Italic";
  }
  print(list);
}

// A style by name becomes current; "?" lists them and asks again. False when cancelled.
bool ask_style(session& s) {
  for (;;) {
    const OdDbTextStyleTableRecordPtr current = style_record(s.style);
    OdString name;
    const int answer = s.host.getString(hostFormat(u"Type the text style or [?] <%s>", current->getName()), name, 0);
    if (answer == kInputCancel) return false;
    if (answer != kInputPoint || name.isEmpty()) return true;
    if (name == OdString(u"?")) {
      list_styles(s.db);
      continue;
    }
    const OdDbObjectId id = s.db.textStyleTable()->getAt(name);
    const OdDbTextStyleTableRecordPtr found = style_record(id);
    if (found.isNull()) {
      print(u"no such style");
      return true;
    }
    s.style = id;
    if (found->textSize() != 0.0) s.size = found->textSize();
    return true;
  }
}

enum class start { point, below_last, cancelled };

// The first prompt: a point, Enter below the last Text, or a keyword that changes the justification or style.
start ask_start(session& s, OdGePoint3d& point) {
  const bool has_last = !last_text(s).isNull();
  print_status(s);
  for (;;) {
    const int answer = s.host.getPoint(point_prompts[s.data.justification], point, nullptr, nullptr, point_keywords, 0);
    const int position = answer - kInputKeyword;
    if (answer == kInputPoint) return start::point;
    if (answer == kInputCancel) return start::cancelled;
    if (answer == kInputNone && has_last) return start::below_last;
    if (answer == kInputNone) print(u"Point or option keyword required.");
    else if (position == justify_position && !ask_justification(s)) return start::cancelled;
    else if (position == style_position && !ask_style(s)) return start::cancelled;
    else if (position > style_position) s.data.justification = position - 1;
  }
}

// A number typed at "PROMPT <default>"; Enter keeps `value`. False when cancelled.
bool ask_number(IHostAppServices& host, const char16_t* prompt, const OdString& shown, bool angle, double& value) {
  for (;;) {
    OdString typed;
    const int answer = host.getString(hostFormat(prompt, shown), typed, 0);
    if (answer == kInputCancel) return false;
    if (answer != kInputPoint || typed.isEmpty()) return true;
    if (angle ? hostdbAngToF(typed, value) : hostdbDisToF(typed, value)) return true;
    print(angle ? u"Requires a valid angle." : u"Requires a number.");
  }
}

// The end of the baseline for Align and Fit, away from the first point.
bool ask_second_point(session& s, placement& p) {
  for (;;) {
    const int answer = s.host.getPoint(u"Input end point of text baseline", p.second, &p.first, nullptr, OdString(), 0);
    if (answer == kInputCancel) return false;
    if (answer != kInputPoint) continue;
    if (p.first.distanceTo(p.second) > no_distance) return true;
    print(u"The distance between the two points must be nonzero.");
  }
}

// Height (unless the style fixes it, or Align) and rotation (unless Align or Fit).
bool ask_size(session& s, placement& p) {
  const bool two_points = p.index == index_align || p.index == index_fit;
  if (two_points && !ask_second_point(s, p)) return false;
  const OdDbTextStyleTableRecordPtr style = style_record(s.style);
  const double fixed = style.isNull() ? 0.0 : style->textSize();
  p.height = fixed != 0.0 ? fixed : s.size;
  if (fixed == 0.0 && p.index != index_align) {
    if (!ask_number(s.host, u"Specify text height <%s>", hostdbRToS(p.height), false, p.height)) return false;
    if (p.height <= no_distance) p.height = s.size;
    s.size = p.height;
  }
  p.rotation = s.data.rotation;
  if (!two_points && !ask_number(s.host, u"Specify rotation of text <%s>", hostdbAngToS(p.rotation), true, p.rotation))
    return false;
  s.data.rotation = p.rotation;
  return true;
}

OdDbTextPtr new_text(session& s, const placement& p) {
  OdDbTextPtr text = OdDbText::createObject();
  text->setDatabaseDefaults(&s.db);
  const OdDbObjectId styleId = s.style;
  text->setTextStyle(styleId);
  if (const OdDbTextStyleTableRecordPtr style = style_record(styleId); !style.isNull()) {
    text->setOblique(style->obliquingAngle());
    if (style->xScale() > 0.0) text->setWidthFactor(style->xScale());
  }
  OdGeVector3d normal;
  double ucs_rotation = 0.0;
  getTextOrientation(normal, ucs_rotation);
  text->setNormal(normal);
  text->setRotation(ucs_rotation + p.rotation);
  text->setHeight(p.height);
  text->setHorizontalMode(justification::horizontal_of_index(p.index));
  text->setVerticalMode(justification::vertical_of_index(p.index));
  text->setPosition(p.first);
  if (p.index != index_left) text->setAlignmentPoint(p.index == index_align || p.index == index_fit ? p.second : p.first);
  return text;
}

// The way down the lines go: perpendicular to the baseline, one line step long.
OdGeVector3d line_below(const OdDbText& text) {
  return -text.normal().crossProduct(text.direction()).normal() * (line_step * text.height());
}

// The point a Text is placed by: its position for Left, Align and Fit, else its alignment point.
OdGePoint3d anchor_of(const OdDbText& text) {
  const int index = justification::index_of_modes(text.horizontalMode(), text.verticalMode());
  return index == index_left || index == index_align || index == index_fit ? text.position() : text.alignmentPoint();
}

// A Text `lines` lines below `above`, with its properties; Align and Fit become Left.
void place_below(OdDbText& text, const OdDbText& above, int lines) {
  int index = justification::index_of_modes(above.horizontalMode(), above.verticalMode());
  if (index == index_align || index == index_fit) index = index_left;
  const OdGePoint3d point = anchor_of(above) + line_below(above) * lines;
  text.setHorizontalMode(justification::horizontal_of_index(index));
  text.setVerticalMode(justification::vertical_of_index(index));
  text.setPosition(point);
  text.setAlignmentPoint(point);
}

OdDbTextPtr text_below_last(session& s) {
  const OdDbTextPtr last = last_text(s);
  OdDbTextPtr text = odNewTextLike(*last);
  place_below(*text, *last, 1);
  s.style = last->textStyle();
  s.size = last->height();
  s.data.justification = justification::index_of_modes(text->horizontalMode(), text->verticalMode());
  return text;
}

void append(OdDbDatabase& db, OdDbText& text) {
  OdDbBlockTableRecordPtr space = OdDbBlockTableRecord::cast(db.activeSpaceId().openObject(OdDb::kForWrite).get());
  space->appendOdDbEntity(&text);
  text.adjustAlignment(&db);
}

// The lines of one edit: the first is the new Text, appended once it is
// saved (the editor adds the further lines to its drawing); each further
// one goes one line below the first per line.
struct typed_lines {
  OdDbDatabase& db;
  OdDbTextPtr first;
  std::vector<OdDbTextPtr> made;

  void place(OdDbText& text) {
    if (made.empty()) {
      append(db, text);
    } else {
      place_below(text, *first, static_cast<int>(made.size()));
      text.adjustAlignment(&db);
    }
    made.push_back(OdDbTextPtr(&text));
  }
  // Empty lines make no Text; the last one left, if any.
  OdDbObjectId keep_filled() {
    OdDbObjectId last;
    for (const OdDbTextPtr& t : made)
      if (t->textString().isEmpty()) t->erase();
      else last = t->objectId();
    return last;
  }
};

int type_in_place(session& s, const OdDbTextPtr& text) {
  typed_lines lines{s.db, text, {}};
  mtext_editing::editor_request request;
  request.ask_to_save = false;  // Esc discards the line being typed
  request.place_line = [&lines](OdDbText& t) { lines.place(t); };
  const int code = mtext_editing::run_text_editor(s.host, text, request);
  if (code != kEditAccepted && code != kEditSavedOnCancel) return kCmdCancelled;
  if (const OdDbObjectId last = lines.keep_filled(); !last.isNull()) s.data.last = last;
  s.keep_settings();
  return kCmdDone;
}

bool caps_lock_on() {
  win::IWinSystem* system = hostWinSystem();
  return system && system->keyState().isToggled(win::VK_CAPITAL);
}

int type_as_string(session& s, const OdDbTextPtr& text) {
  OdString typed;
  const int answer = s.host.getString(u"Enter text", typed, 0);
  if (answer == kInputCancel) return kCmdCancelled;
  if (answer != kInputPoint || typed.isEmpty()) return kCmdDone;
  if (s.db.getTEXTALLCAPS() != 0 && caps_lock_on()) typed.makeUpper();
  text->setTextString(typed);
  append(s.db, *text);
  s.data.last = text->objectId();
  s.keep_settings();
  return kCmdDone;
}

}  // namespace

int CTextCreateCmd::execute() {
  IHostAppServices* host = hostAppServices();
  if (!host || !host->currentDatabase()) return kCmdRunning;
  host_command_bracket bracket(host, m_inPlace ? u"dText" : u"-Text");
  OdDbDatabase& db = *host->currentDatabase();
  session s{*host, db, data_of(db), current_style(db), db.getTEXTSIZE() > no_distance ? db.getTEXTSIZE() : default_height};
  placement p;
  const start how = ask_start(s, p.first);
  if (how == start::cancelled) return kCmdCancelled;
  OdDbTextPtr text;
  if (how == start::below_last) {
    text = text_below_last(s);
  } else {
    p.index = s.data.justification;
    if (!ask_size(s, p)) return kCmdCancelled;
    text = new_text(s, p);
  }
  return m_inPlace ? type_in_place(s, text) : type_as_string(s, text);
}
