// `cadtext content ...`: parse, write back and unformat MText content text.
#include <iostream>
#include <memory>
#include <stdexcept>

#include "app/command_line.h"
#include "app/json_output.h"
#include "mtext/escape.h"
#include "mtext/parse.h"
#include "mtext/serialize.h"
#include "platform/sdk/OdDbField.h"

namespace cadtext {
namespace {

struct content_options {
  double height = 2.5;
  std::string font = "Arial";
  std::string shx;
  bool plain = false;
  bool keep_line_breaks = false;
  std::string content;
};

// An input that is not UTF-8 is refused rather than guessed at.
std::u16string wide_content(const content_options& options) {
  std::u16string wide;
  if (!odUtf8ToUtf16(read_content_argument(options.content, std::cin), wide))
    throw std::invalid_argument("the content is not valid UTF-8");
  return wide;
}

mtext::format::string base_format(const content_options& options) {
  mtext::format::string base;
  base.height = options.height;
  if (!options.shx.empty()) mtext::format::set_shape_file(base.style, OdString::fromUtf8(options.shx));
  else mtext::format::set_typeface(base.style, OdString::fromUtf8(options.font), 0, 0);
  return base;
}

mtext::multitext parse_content(const content_options& options) {
  mtext::multitext text;
  mtext::parse(wide_content(options).c_str(), base_format(options), text, options.plain);
  return text;
}

json format_json(const mtext::format::string& f) {
  const mtext::format::font_in_force font = mtext::format::font_of(f.style);
  const OdTtfDescriptor& ttf = f.style.ttfDecriptor();
  json color = {{"kind", f.color.kind}};
  if (f.color.kind == 0) color["index"] = unsigned{f.color.index};
  else color["rgb"] = f.color.rgb;
  return {{"height", f.height},
          {"font", {{"kind", font.shx ? "shx" : "truetype"}, {"name", utf8(font.name.str().str())},
                    {"bold", ttf.isBold()}, {"italic", ttf.isItalic()}, {"charset", ttf.charSet()},
                    {"pitch_family", ttf.pitchAndFamily()}}},
          {"underline", f.style.isUnderlined()}, {"overline", f.style.isOverlined()},
          {"color", color}, {"width", f.style.xScale()}, {"oblique", f.style.obliquingAngle()},
          {"tracking", f.style.trackingPercent()}, {"align", f.align}};
}

json paragraph_json(const mtext::format::paragraph& p) {
  json tabs = json::array();
  for (const auto& tab : p.tabs)
    tabs.push_back({{"position", tab.position}, {"kind", tab.kind},
                    {"decimal_char", utf8(std::u16string(1, tab.decimal_char))}});
  return {{"extended", p.extended}, {"first_indent", p.first_indent}, {"left_indent", p.left_indent},
          {"right_indent", p.right_indent}, {"space_before", p.space_before}, {"space_after", p.space_after},
          {"alignment", p.alignment}, {"line_spacing_style", p.line_spacing_style},
          {"line_spacing", p.line_spacing}, {"tabs", tabs}};
}

// The fields of each kind of part, between its type and its format.
void add_part_fields(json& out, const mtext::part& p) {
  using namespace mtext;
  switch (p.type()) {
    case string_type: out["text"] = utf8(part_cast<mtext::string>(p).text); break;
    case spaces_type: out["count"] = part_cast<spaces>(p).count; break;
    case stack_type: {
      const auto& s = part_cast<stack>(p);
      out["upper"] = utf8(s.upper), out["lower"] = utf8(s.lower), out["kind"] = s.kind;
      break;
    }
    case new_paragraph_type: {
      const auto& n = part_cast<new_paragraph>(p);
      out["paragraph"] = paragraph_json(n.paragraph), out["column_break"] = n.column_break;
      break;
    }
    case field_type: {
      const auto& f = part_cast<field>(p);
      out["code"] = f.field_object ? utf8(f.field_object->getFieldCode(16).str()) : "";
      break;
    }
    default: break;
  }
}

json part_json(const mtext::part& p) {
  static const char* names[] = {"string", "spaces", "tab", "new_line", "stack", "new_paragraph", "field"};
  json out = {{"type", p.type() < 7 ? names[p.type()] : "unknown"}};
  add_part_fields(out, p);
  out["format"] = format_json(p.format);
  return out;
}

int parse_command(const content_options& options) {
  const mtext::multitext text = parse_content(options);
  json parts = json::array();
  for (const mtext::part& p : text.parts) parts.push_back(part_json(p));
  print_json(std::cout, {{"paragraph", paragraph_json(text.paragraph)}, {"parts", parts}});
  return 0;
}

int roundtrip_command(const content_options& options) {
  std::cout << odUtf16ToUtf8(mtext::serialize(parse_content(options), base_format(options), 1.0)) << "\n";
  return 0;
}

int plain_command(const content_options& options) {
  std::cout << odUtf16ToUtf8(mtext::unformat_mtext(wide_content(options).c_str())) << "\n";
  return 0;
}

int deescape_command(const content_options& options) {
  std::cout << odUtf16ToUtf8(mtext::deEscapeMtextContent(wide_content(options).c_str())) << "\n";
  return 0;
}

int escape_command(const content_options& options) {
  std::cout << odUtf16ToUtf8(mtext::escape_mtext(wide_content(options).c_str(), options.keep_line_breaks)) << "\n";
  return 0;
}

enum option_set { content_only, with_format, with_line_breaks };

// One row per subcommand: name, the options it takes, help, handler.
struct content_subcommand {
  const char* name;
  option_set options;
  const char* help;
  int (*run)(const content_options&);
};

const content_subcommand content_subcommands[] = {
    {"parse", with_format, "prints the parsed text model as JSON", parse_command},
    {"roundtrip", with_format, "prints the content written back from its parsed model", roundtrip_command},
    {"plain", content_only, "prints the content without codes, breaks as CR LF", plain_command},
    {"deescape", content_only, "prints the characters of the content, breaks as spaces", deescape_command},
    {"escape", with_line_breaks, "prints plain text escaped as content", escape_command},
};

void add_options(CLI::App& sub, option_set set, content_options& o) {
  if (set == with_format) {
    sub.add_option("--height", o.height, "base text height (2.5)")->check(within(text_heights));
    auto* font = sub.add_option("--font", o.font, "base typeface (Arial)");
    sub.add_option("--shx", o.shx, "base shape font file instead of a typeface")->excludes(font);
    sub.add_flag("--plain", o.plain, "the content is plain text, not codes");
  }
  if (set == with_line_breaks) sub.add_flag("--keep-line-breaks", o.keep_line_breaks, "line feeds stay breaks");
  sub.add_option("content", o.content, "the content (UTF-8), or - for standard input")->required();
}

void setup(CLI::App& app, int& status) {
  CLI::App* group = app.add_subcommand("content", "parse, write back and unformat MText content");
  group->require_subcommand(1);
  for (const content_subcommand& row : content_subcommands) {
    CLI::App* sub = group->add_subcommand(row.name, row.help);
    auto options = std::make_shared<content_options>();
    add_options(*sub, row.options, *options);
    sub->callback([&status, options, run = row.run] { status = run(*options); });
  }
}

const command_registrar registration("content", setup);

}  // namespace
}  // namespace cadtext
