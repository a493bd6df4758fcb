// `cadtext dxf info`, `dxf render` and `dxf roundtrip`: the text objects of
// a DXF drawing as a table, the drawing as SVG, and a drawing read and written back.
#include <array>
#include <charconv>
#include <fstream>
#include <functional>
#include <iostream>
#include <memory>
#include <ostream>
#include <stdexcept>

#include "app/command_line.h"
#include "platform/sdk/OdDbAttribute.h"
#include "platform/sdk/OdDbBlockTableRecord.h"
#include "platform/sdk/OdDbEntity.h"
#include "platform/sdk/OdDbMLeader.h"
#include "platform/sdk/OdDbMText.h"
#include "platform/sdk/OdDbText.h"
#include "platform/sdk/OdDbTextStyleTableRecord.h"
#include "platform/sdk/OdDxfFile.h"
#include "platform/sdk/OdGiRecorder.h"
#include "platform/sdk/OdGiSvgWriter.h"

namespace cadtext {
namespace {

// One row of the table: the columns of a text object.
struct text_row {
  std::string kind, style, justification, contents;
  double height = 0.0;
  OdGePoint3d position;
};

std::string number(double value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

// Tabs and line breaks inside contents would break the table's rows.
std::string cell(const OdString& text) {
  std::string out;
  for (char c : text.toUtf8()) {
    if (c == '\t') out += "\\t";
    else if (c == '\n') out += "\\n";
    else if (c == '\r') out += "\\r";
    else out += c;
  }
  return out;
}

// A text without a style of its own uses "Standard", as DXF readers take it.
std::string style_name(const OdDbObjectId& id) {
  if (id.isNull()) return "Standard";
  const OdDbObject* style = id.peekObject();
  return style && style->isKindOf(OdDbTextStyleTableRecord::desc())
             ? cell(static_cast<const OdDbTextStyleTableRecord*>(style)->getName())
             : std::string();
}

std::string text_justification(const OdDbText& text) {
  static const char* const kBaseline[] = {"Left", "Center", "Right", "Aligned", "Middle", "Fit"};
  static const char* const kRows[] = {"", "Bottom", "Middle", "Top"};
  static const char* const kColumns[] = {"Left", "Center", "Right"};
  const int horizontal = text.horizontalMode(), vertical = text.verticalMode();
  if (vertical == kTextBase || horizontal > kTextRight)
    return horizontal >= 0 && horizontal <= kTextFit ? kBaseline[horizontal] : "?";
  return std::string(kRows[vertical]) + kColumns[horizontal];
}

std::string attachment_name(OdDbMText::AttachmentPoint attachment) {
  static const char* const kNames[] = {
      "TopLeft",  "TopCenter",   "TopRight",    "MiddleLeft", "MiddleCenter", "MiddleRight", "BottomLeft", "BottomCenter",
      "BottomRight", "BaseLeft", "BaseCenter", "BaseRight", "BaseAlign", "BottomAlign", "MiddleAlign", "TopAlign",
      "BaseFit",  "BottomFit",   "MiddleFit",   "TopFit",     "BaseMid",     "BottomMid",   "MiddleMid",  "TopMid"};
  const int index = static_cast<int>(attachment) - 1;
  return index >= 0 && index < 24 ? kNames[index] : "?";
}

// The point the justification names; aligned and fitted texts run from
// their position to the alignment point, and are listed at the position.
OdGePoint3d placed_point(const OdDbText& text) {
  const bool from_position = text.isDefaultAlignment() || text.horizontalMode() == kTextAlign ||
                             text.horizontalMode() == kTextFit;
  return from_position ? text.position() : text.alignmentPoint();
}

text_row row_of_text(const OdDbText& text, const char* kind) {
  return {kind,          style_name(text.textStyle()), text_justification(text), cell(text.textString()),
          text.height(), placed_point(text)};
}

text_row row_of_mtext(const OdDbMText& mtext, const char* kind) {
  return {kind,          style_name(mtext.textStyle()), attachment_name(mtext.attachment()), cell(mtext.contents()),
          mtext.textHeight(), mtext.location()};
}

text_row row_of_mleader(const OdDbMLeader& leader) {
  if (OdDbMTextPtr mtext = leader.mtext()) return row_of_mtext(*mtext, "MULTILEADER");
  text_row row{"MULTILEADER", "", "", "", 0.0, OdGePoint3d::kOrigin};
  row.contents = leader.blockContentName().isEmpty() ? "" : "block " + cell(leader.blockContentName());
  for (const auto& attribute : leader.blockAttributes())
    row.contents += " " + cell(attribute.tag) + "=" + cell(attribute.value);
  return row;
}

// The row for a text object; false for anything else.
bool row_of(const OdDbObject& object, text_row& row) {
  if (object.isKindOf(OdDbAttribute::desc())) row = row_of_text(static_cast<const OdDbText&>(object), "ATTRIB");
  else if (object.isKindOf(OdDbAttributeDefinition::desc()))
    row = row_of_text(static_cast<const OdDbText&>(object), "ATTDEF");
  else if (object.isKindOf(OdDbText::desc())) row = row_of_text(static_cast<const OdDbText&>(object), "TEXT");
  else if (object.isKindOf(OdDbMText::desc())) row = row_of_mtext(static_cast<const OdDbMText&>(object), "MTEXT");
  else if (object.isKindOf(OdDbMLeader::desc())) row = row_of_mleader(static_cast<const OdDbMLeader&>(object));
  else return false;
  return true;
}

void print_text_objects(const OdDbDatabase& db, std::ostream& out) {
  out << "handle\tkind\tlayer\tstyle\theight\tjustification\tposition\tcontents\n";
  for (const OdDbObjectId& id : db.objectIds()) {
    const OdDbObject* object = id.peekObject();
    text_row row;
    if (!object || object->isErased() || !row_of(*object, row)) continue;
    const auto& entity = static_cast<const OdDbEntity&>(*object);
    out << id.getHandle().ascii().toUtf8() << '\t' << row.kind << '\t' << cell(entity.layer()) << '\t' << row.style
        << '\t' << number(row.height) << '\t' << row.justification << '\t' << number(row.position.x) << ','
        << number(row.position.y) << ',' << number(row.position.z) << '\t' << row.contents << '\n';
  }
}

// The text styles after a blank line: the font each draws with and whether
// that is a TrueType or a shape font.
void print_text_styles(const OdDbDatabase& db, std::ostream& out) {
  out << "\nstyle\tfont\tkind\n";
  for (const OdDbObjectId& id : db.objectIds()) {
    const OdDbObject* object = id.peekObject();
    if (!object || object->isErased() || !object->isKindOf(OdDbTextStyleTableRecord::desc())) continue;
    const auto& record = static_cast<const OdDbTextStyleTableRecord&>(*object);
    if (record.isShapeFile()) continue;  // shapes, not a font for text
    OdGiTextStyle style;
    giFromDbTextStyle(&record, style);
    const OdString& typeface = style.ttfDecriptor().typeface();
    out << cell(record.getName()) << '\t' << cell(typeface.isEmpty() ? style.fileName() : typeface) << '\t'
        << (style.isShxFont() ? "shape" : "TrueType") << '\n';
  }
}

// Runs `action`; a DXF error prints "cadtext: FILE:LINE: message" and gives 2.
int reporting_dxf_errors(const std::string& file, const std::function<void()>& action) {
  try {
    action();
    return 0;
  } catch (const OdDxfError& error) {
    std::cerr << "cadtext: " << file << ':';
    if (error.line() != 0) std::cerr << error.line() << ':';
    std::cerr << ' ' << error.message() << '\n';
    return 2;
  }
}

struct dxf_options {
  std::string in, out;
  bool boxes = false;
};

int info_command(const dxf_options& o) {
  return reporting_dxf_errors(o.in, [&] {
    const OdDbDatabasePtr db = odDxfReadFile(o.in);
    print_text_objects(*db, std::cout);
    print_text_styles(*db, std::cout);
  });
}

int roundtrip_command(const dxf_options& o) {
  OdDbDatabasePtr db;
  if (const int status = reporting_dxf_errors(o.in, [&] { db = odDxfReadFile(o.in); })) return status;
  return reporting_dxf_errors(o.out, [&] { odDxfWriteFile(db.get(), o.out); });
}

// The entities of the active space as the graphics layer draws them; with
// `boxes`, each text's box as a thin outline, to see where it sits.
void render_drawing(OdDbDatabase& db, std::ostream& out, bool boxes) {
  OdGiRecorder gi;
  const OdDbObjectPtr space = db.activeSpaceId().openObject();
  for (const OdDbObjectId& id : OdDbBlockTableRecord::cast(space.get())->entityIds()) {
    const OdDbObject* object = id.peekObject();
    if (!object || object->isErased() || !object->isKindOf(OdDbEntity::desc())) continue;
    gi.draw(static_cast<const OdDbEntity*>(object));
    if (!boxes || !object->isKindOf(OdDbText::desc())) continue;
    std::array<OdGePoint3d, 4> corners;
    static_cast<const OdDbText*>(object)->getBoundingPoints(corners);
    const OdGePoint3d outline[5] = {corners[0], corners[1], corners[3], corners[2], corners[0]};
    gi.setColor(8);
    gi.polyline(5, outline);
  }
  od_gi_write_svg(out, gi.primitives());
}

int render_command(const dxf_options& o) {
  return reporting_dxf_errors(o.in, [&] {
    const OdDbDatabasePtr db = odDxfReadFile(o.in);
    std::ofstream file(o.out, std::ios::binary);
    if (!file) throw std::invalid_argument("cannot write " + o.out);
    render_drawing(*db, file, o.boxes);
  });
}

enum class output { none, dxf, svg };

// One row per subcommand: name, what -o writes, help, handler.
struct dxf_subcommand {
  const char* name;
  output writes;
  const char* help;
  int (*run)(const dxf_options&);
};

const dxf_subcommand dxf_subcommands[] = {
    {"info", output::none,
     "lists the drawing's text objects (TEXT, MTEXT, ATTRIB, ATTDEF, MULTILEADER), one per line, tab separated, "
     "then its text styles with their fonts",
     info_command},
    {"render", output::svg, "draws the drawing's active space as SVG; --boxes outlines each single-line text's box",
     render_command},
    {"roundtrip", output::dxf,
     "reads an ASCII DXF drawing and writes it back; unchanged records come out as they were read",
     roundtrip_command},
};

void setup(CLI::App& app, int& status) {
  CLI::App* group = app.add_subcommand("dxf", "reads, draws and writes ASCII DXF drawings");
  group->require_subcommand(1);
  for (const dxf_subcommand& row : dxf_subcommands) {
    CLI::App* sub = group->add_subcommand(row.name, row.help);
    auto o = std::make_shared<dxf_options>();
    sub->add_option("drawing", o->in, "the ASCII DXF drawing")->required();
    if (row.writes != output::none)
      sub->add_option("-o,--output", o->out, row.writes == output::svg ? "the SVG file" : "the DXF file")->required();
    if (row.writes == output::svg) sub->add_flag("--boxes", o->boxes, "outlines each Text's box");
    sub->callback([&status, o, run = row.run] { status = run(*o); });
  }
}

const command_registrar registration("dxf", setup);

}  // namespace
}  // namespace cadtext
