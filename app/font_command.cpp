// `cadtext font measure`: the metrics of a font and of a string in it, as
// the layout sees them.
#include <cmath>
#include <stdexcept>

#include "app/command_line.h"
#include "app/json_writer.h"
#include "mtext/measure.h"
#include "platform/sdk/OdFont.h"
#include "platform/sdk/OdGiContextForDbDatabase.h"

namespace cadtext {
namespace {

struct measure_options {
  std::string font;
  bool shx = false;
  double height = 2.5;
  double width_factor = 1.0;
  double oblique_degrees = 0.0;
  std::u16string text;
};

measure_options read_options(const invocation& call) {
  measure_options o;
  std::string value, text;
  bool have_text = false;
  for (size_t i = 0; i < call.args.size();) {
    if (take_option(call.args, i, "font", value)) o.font = value;
    else if (call.args[i] == "--shx") o.shx = true, ++i;
    else if (take_option(call.args, i, "height", value)) o.height = checked_size(to_number(value, "--height"), "--height", text_heights);
    else if (take_option(call.args, i, "width-factor", value)) o.width_factor = to_number(value, "--width-factor");
    else if (take_option(call.args, i, "oblique", value)) o.oblique_degrees = to_number(value, "--oblique");
    else if (!have_text) text = call.args[i++], have_text = true;
    else throw std::invalid_argument("unexpected argument '" + call.args[i] + "'");
  }
  if (o.font.empty()) throw std::invalid_argument("--font NAME is required");
  if (!have_text) throw std::invalid_argument("no text given");
  if (!odUtf8ToUtf16(text, o.text)) throw std::invalid_argument("the text is not valid UTF-8");
  return o;
}

OdGiTextStyle style_of(const measure_options& o) {
  OdGiTextStyle style;
  if (o.shx) {
    style.setFileName(OdString::fromUtf8(o.font));
    style.setShxFont(true);
  } else {
    style.setFont(OdString::fromUtf8(o.font), false, false, 0, 0);
  }
  style.setTextSize(o.height);
  style.setXScale(o.width_factor);
  style.setObliquingAngle(o.oblique_degrees * 3.14159265358979323846 / 180.0);
  return style;
}

int measure_command(invocation& call) {
  const measure_options o = read_options(call);
  const OdGiTextStyle style = style_of(o);
  const OdFont* font = style.getFont();
  const mtext::mtext_size_finder finder{OdDbDatabasePtr()};
  const mtext::font_metrics fm = finder.measure_font(style);
  const mtext::string_metrics sm = finder.measure(style, o.text);

  OdGiContextForDbDatabasePtr context = OdGiContextForDbDatabase::createObject();
  OdGePoint3d min, max, end;
  context->textExtentsBox(style, o.text.c_str(), static_cast<int>(o.text.size()), 0, min, max, &end);

  json_writer json(call.out);
  json.begin_object().field("file", font->fileName().str()).field("kind", font->kind());
  json.key("font").begin_object().field("above", font->getAbove()).field("below", font->getBelow());
  json.field("height", font->getHeight()).field("internal_leading", font->getInternalLeading());
  json.field("shx", font->isShxFont()).field("cap_height", font->capHeight()).end_object();
  json.key("font_metrics").begin_object().field("leading", fm.leading).field("height", fm.height);
  json.field("descent", fm.descent).field("gap", fm.gap).end_object();
  json.key("string_metrics").begin_object().field("advance", sm.advance).field("left", sm.left);
  json.field("right", sm.right).field("ascent", sm.ascent).field("depth", sm.depth).end_object();
  json.key("ink_box").begin_object().field("min_x", min.x).field("min_y", min.y);
  json.field("max_x", max.x).field("max_y", max.y).field("end_x", end.x).end_object();
  json.end_object();
  call.out << "\n";
  return 0;
}

const subcommand_registration registration({{"font", "measure"},
                                             "font measure --font NAME [--shx] [--height H] "
                                             "[--width-factor W] [--oblique DEG] TEXT",
                                             "prints a font's metrics and a string's measure as JSON",
                                             measure_command});

}  // namespace
}  // namespace cadtext
