// `cadtext content ...`: parse, write back and unformat MText content text.
#include <iostream>
#include <stdexcept>

#include "app/command_line.h"
#include "app/json_writer.h"
#include "mtext/escape.h"
#include "mtext/parse.h"
#include "mtext/serialize.h"
#include "platform/sdk/OdDbField.h"

namespace cadtext {
namespace {

struct content_options {
  double height = 2.5;
  std::string font = "Arial";
  bool shx = false;
  bool plain = false;
  bool keep_line_breaks = false;
  std::u16string content;
};

// An input that is not UTF-8 is refused rather than guessed at.
std::u16string wide_content(const std::string& utf8) {
  std::u16string wide;
  if (!odUtf8ToUtf16(utf8, wide))
    throw std::invalid_argument("the content is not valid UTF-8");
  return wide;
}

content_options read_options(const invocation& call) {
  content_options options;
  std::string value;
  std::string content;
  bool have_content = false;
  for (size_t i = 0; i < call.args.size();) {
    if (take_option(call.args, i, "height", value)) options.height = checked_size(to_number(value, "--height"), "--height", text_heights);
    else if (take_option(call.args, i, "font", value)) options.font = value, options.shx = false;
    else if (take_option(call.args, i, "shx", value)) options.font = value, options.shx = true;
    else if (call.args[i] == "--plain") options.plain = true, ++i;
    else if (call.args[i] == "--keep-line-breaks") options.keep_line_breaks = true, ++i;
    else if (!have_content) content = call.args[i++], have_content = true;
    else throw std::invalid_argument("unexpected argument '" + call.args[i] + "'");
  }
  if (!have_content) throw std::invalid_argument("no content given (use - for standard input)");
  options.content = wide_content(read_content_argument(content, std::cin));
  return options;
}

mtext::format::string base_format(const content_options& options) {
  mtext::format::string base;
  base.height = options.height;
  const OdString name = OdString::fromUtf8(options.font);
  if (options.shx) mtext::format::set_shape_file(base.style, name);
  else mtext::format::set_typeface(base.style, name, 0, 0);
  return base;
}

mtext::multitext parse_content(const content_options& options) {
  mtext::multitext text;
  mtext::parse(options.content.c_str(), base_format(options), text, options.plain);
  return text;
}

void write_format(json_writer& json, const mtext::format::string& f) {
  const mtext::format::font_in_force font = mtext::format::font_of(f.style);
  const OdTtfDescriptor& ttf = f.style.ttfDecriptor();
  json.begin_object().field("height", f.height).key("font").begin_object();
  json.field("kind", font.shx ? "shx" : "truetype").field("name", font.name.str().str());
  json.field("bold", ttf.isBold()).field("italic", ttf.isItalic());
  json.field("charset", ttf.charSet()).field("pitch_family", ttf.pitchAndFamily()).end_object();
  json.field("underline", f.style.isUnderlined()).field("overline", f.style.isOverlined());
  json.key("color").begin_object().field("kind", f.color.kind);
  if (f.color.kind == 0) json.field("index", unsigned{f.color.index});
  else json.field("rgb", f.color.rgb);
  json.end_object();
  json.field("width", f.style.xScale()).field("oblique", f.style.obliquingAngle());
  json.field("tracking", f.style.trackingPercent()).field("align", f.align).end_object();
}

void write_paragraph(json_writer& json, const mtext::format::paragraph& p) {
  json.begin_object().field("extended", p.extended).field("first_indent", p.first_indent);
  json.field("left_indent", p.left_indent).field("right_indent", p.right_indent);
  json.field("space_before", p.space_before).field("space_after", p.space_after);
  json.field("alignment", p.alignment).field("line_spacing_style", p.line_spacing_style);
  json.field("line_spacing", p.line_spacing).key("tabs").begin_array();
  for (const auto& tab : p.tabs) {
    json.begin_object().field("position", tab.position).field("kind", tab.kind);
    json.field("decimal_char", std::u16string(1, tab.decimal_char)).end_object();
  }
  json.end_array().end_object();
}

void write_part(json_writer& json, const mtext::part& p) {
  using namespace mtext;
  static const char* names[] = {"string", "spaces", "tab", "new_line", "stack", "new_paragraph", "field"};
  json.begin_object().field("type", p.type() < 7 ? names[p.type()] : "unknown");
  switch (p.type()) {
    case string_type: json.field("text", part_cast<mtext::string>(p).text); break;
    case spaces_type: json.field("count", part_cast<spaces>(p).count); break;
    case stack_type: {
      const auto& s = part_cast<stack>(p);
      json.field("upper", s.upper).field("lower", s.lower).field("kind", s.kind);
      break;
    }
    case new_paragraph_type: {
      const auto& n = part_cast<new_paragraph>(p);
      json.key("paragraph");
      write_paragraph(json, n.paragraph);
      json.field("column_break", n.column_break);
      break;
    }
    case field_type: {
      const auto& f = part_cast<field>(p);
      json.field("code", f.field_object ? f.field_object->getFieldCode(16).str() : u"");
      break;
    }
    default: break;
  }
  json.key("format");
  write_format(json, p.format);
  json.end_object();
}

int parse_command(invocation& call) {
  const content_options options = read_options(call);
  const mtext::multitext text = parse_content(options);
  json_writer json(call.out);
  json.begin_object().key("paragraph");
  write_paragraph(json, text.paragraph);
  json.key("parts").begin_array();
  for (const mtext::part& p : text.parts) write_part(json, p);
  json.end_array().end_object();
  call.out << "\n";
  return 0;
}

int roundtrip_command(invocation& call) {
  const content_options options = read_options(call);
  call.out << odUtf16ToUtf8(mtext::serialize(parse_content(options), base_format(options), 1.0)) << "\n";
  return 0;
}

int plain_command(invocation& call) {
  call.out << odUtf16ToUtf8(mtext::unformat_mtext(read_options(call).content.c_str())) << "\n";
  return 0;
}

int deescape_command(invocation& call) {
  call.out << odUtf16ToUtf8(mtext::deEscapeMtextContent(read_options(call).content.c_str())) << "\n";
  return 0;
}

int escape_command(invocation& call) {
  const content_options options = read_options(call);
  call.out << odUtf16ToUtf8(mtext::escape_mtext(options.content.c_str(), options.keep_line_breaks)) << "\n";
  return 0;
}

const subcommand_registration registrations[] = {
    subcommand_registration({{"content", "parse"},
                             "content parse [--height H] [--font NAME | --shx FILE] [--plain] CONTENT|-",
                             "prints the parsed text model as JSON",
                             parse_command}),
    subcommand_registration({{"content", "roundtrip"},
                             "content roundtrip [--height H] [--font NAME | --shx FILE] [--plain] CONTENT|-",
                             "prints the content written back from its parsed model",
                             roundtrip_command}),
    subcommand_registration({{"content", "plain"}, "content plain CONTENT|-",
                             "prints the content without codes, breaks as CR LF", plain_command}),
    subcommand_registration({{"content", "deescape"}, "content deescape CONTENT|-",
                             "prints the characters of the content, breaks as spaces",
                             deescape_command}),
    subcommand_registration({{"content", "escape"}, "content escape [--keep-line-breaks] TEXT|-",
                             "prints plain text escaped as content", escape_command}),
};

}  // namespace
}  // namespace cadtext
