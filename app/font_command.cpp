// `cadtext font measure`: the metrics of a font and of a string in it, as
// the layout sees them.
#include <cmath>
#include <iostream>
#include <memory>
#include <stdexcept>

#include "app/command_line.h"
#include "app/json_output.h"
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
  std::string text;
};

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

int measure_command(const measure_options& o) {
  std::u16string text;
  if (!odUtf8ToUtf16(o.text, text)) throw std::invalid_argument("the text is not valid UTF-8");
  const OdGiTextStyle style = style_of(o);
  const OdFont* font = style.getFont();
  const mtext::mtext_size_finder finder{OdDbDatabasePtr()};
  const mtext::font_metrics fm = finder.measure_font(style);
  const mtext::string_metrics sm = finder.measure(style, text);

  OdGiContextForDbDatabasePtr context = OdGiContextForDbDatabase::createObject();
  OdGePoint3d min, max, end;
  context->textExtentsBox(style, text.c_str(), static_cast<int>(text.size()), 0, min, max, &end);

  print_json(std::cout,
             {{"file", utf8(font->fileName().str())},
              {"kind", font->kind()},
              {"font", {{"above", font->getAbove()}, {"below", font->getBelow()}, {"height", font->getHeight()},
                        {"internal_leading", font->getInternalLeading()}, {"shx", font->isShxFont()},
                        {"cap_height", font->capHeight()}}},
              {"font_metrics", {{"leading", fm.leading}, {"height", fm.height}, {"descent", fm.descent},
                                {"gap", fm.gap}}},
              {"string_metrics", {{"advance", sm.advance}, {"left", sm.left}, {"right", sm.right},
                                  {"ascent", sm.ascent}, {"depth", sm.depth}}},
              {"ink_box", {{"min_x", min.x}, {"min_y", min.y}, {"max_x", max.x}, {"max_y", max.y},
                           {"end_x", end.x}}}});
  return 0;
}

void setup(CLI::App& app, int& status) {
  CLI::App* group = app.add_subcommand("font", "fonts as the layout sees them");
  group->require_subcommand(1);
  CLI::App* measure = group->add_subcommand("measure", "prints a font's metrics and a string's measure as JSON");
  auto o = std::make_shared<measure_options>();
  measure->add_option("--font", o->font, "typeface, or shape font file with --shx")->required();
  measure->add_flag("--shx", o->shx, "--font names a shape font file");
  measure->add_option("--height", o->height, "text height (2.5)")->check(within(text_heights));
  measure->add_option("--width-factor", o->width_factor, "width factor (1)")->check(number());
  measure->add_option("--oblique", o->oblique_degrees, "obliquing angle in degrees (0)")->check(number());
  measure->add_option("text", o->text, "the string to measure (UTF-8)")->required();
  measure->callback([&status, o] { status = measure_command(*o); });
}

const command_registrar registration("font", setup);

}  // namespace
}  // namespace cadtext
