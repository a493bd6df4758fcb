#include "platform/sdk/OdDxfTokenizer.h"

#include <cctype>
#include <charconv>

#include "platform/sdk/OdDxfFile.h"

namespace {

constexpr std::string_view kBinarySentinel = "AutoCAD Binary DXF";
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// A line of the file as it was written: its text and its line end.
struct source_line {
  std::string_view text;
  std::string_view end;
  std::size_t number = 0;
};

class line_reader {
public:
  line_reader(std::string_view bytes, std::size_t start) : m_bytes(bytes), m_pos(start) {}

  bool next(source_line& line) {
    if (m_pos >= m_bytes.size()) return false;
    const std::size_t newline = m_bytes.find('\n', m_pos);
    const std::size_t stop = newline == std::string_view::npos ? m_bytes.size() : newline;
    // Every carriage return before the line feed belongs to the line end, so
    // no value ever ends in one and a stray "\r\r\n" is written back as read.
    std::size_t text_end = stop;
    while (text_end > m_pos && m_bytes[text_end - 1] == '\r') --text_end;
    line.text = m_bytes.substr(m_pos, text_end - m_pos);
    line.end = m_bytes.substr(text_end, stop + (newline == std::string_view::npos ? 0 : 1) - text_end);
    line.number = ++m_number;
    m_pos = newline == std::string_view::npos ? m_bytes.size() : stop + 1;
    return true;
  }
  std::string_view rest() const { return m_bytes.substr(m_pos); }
  std::size_t lines_read() const { return m_number; }

private:
  std::string_view m_bytes;
  std::size_t m_pos;
  std::size_t m_number = 0;
};

// The text of a line for an error message: printable and not too long.
std::string shown(std::string_view text) {
  if (text.empty()) return "an empty line";
  std::string out = "'";
  for (char c : text.substr(0, 40)) out += (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) ? '?' : c;
  return out + (text.size() > 40 ? "...'" : "'");
}

// A DWG file starts with its version string: "AC1032", "AC1.50", "AC2.10".
bool is_dwg_signature(std::string_view bytes) {
  if (bytes.size() < 6 || bytes.substr(0, 2) != "AC") return false;
  for (char c : bytes.substr(2, 4))
    if (!std::isdigit(static_cast<unsigned char>(c)) && c != '.') return false;
  return true;
}

void refuse_other_formats(std::string_view bytes) {
  if (bytes.substr(0, kBinarySentinel.size()) == kBinarySentinel)
    throw OdDxfError(eInvalidInput, "binary DXF is not supported; save the drawing as ASCII DXF");
  if (is_dwg_signature(bytes))
    throw OdDxfError(eInvalidInput, "the file is a DWG file (" + std::string(bytes.substr(0, 6)) +
                                        "); only ASCII DXF can be read");
  if (od_dxf_trim(bytes).empty())
    throw OdDxfError(eInvalidInput, "the file is empty");
}

std::string formatted_code(int code, int width) {
  std::string text = std::to_string(code);
  if (static_cast<int>(text.size()) < width) text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
  return text;
}

// The width of a code line written as blanks and digits, or 0 when the line
// does not look like any fixed width ("+0", "00").
int width_of(std::string_view text, int code) {
  const int width = static_cast<int>(text.size());
  return formatted_code(code, width) == text ? width : 0;
}

// The line end most lines use, so a file that mixes them keeps few raw lines.
std::string usual_line_end(std::string_view bytes) {
  std::size_t lf = 0, crlf = 0;
  for (std::size_t i = bytes.find('\n'); i != std::string_view::npos; i = bytes.find('\n', i + 1))
    (i > 0 && bytes[i - 1] == '\r' ? crlf : lf)++;
  return crlf > lf ? "\r\n" : "\n";
}

void remember_if_unusual(od_dxf_line_style& style, const source_line& line, std::string_view expected_text) {
  if (line.text != expected_text || line.end != style.line_end)
    style.raw_lines[line.number] = od_dxf_raw_line{std::string(line.text), std::string(line.end)};
}

}  // namespace

std::string_view od_dxf_trim(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

bool od_dxf_parse_code(std::string_view text, int& code) {
  text = od_dxf_trim(text);
  if (text.empty()) return false;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), code);
  return result.ec == std::errc() && result.ptr == text.data() + text.size();
}

void od_dxf_line_style::append_code(std::string& out, const OdDxfTag& tag) const {
  int code = 0;
  if (tag.line != 0)
    if (const auto raw = raw_lines.find(tag.line);
        raw != raw_lines.end() && od_dxf_parse_code(raw->second.text, code) && code == tag.code) {
      out += raw->second.text;
      out += raw->second.end;
      return;
    }
  out += formatted_code(tag.code, code_width);
  out += line_end;
}

void od_dxf_line_style::append_value(std::string& out, const OdDxfTag& tag) const {
  if (tag.line != 0)
    if (const auto raw = raw_lines.find(tag.line + 1); raw != raw_lines.end() && raw->second.text == tag.value) {
      out += raw->second.text;
      out += raw->second.end;
      return;
    }
  // A line break inside a value would split it into more lines.
  if (tag.value.find('\n') != std::string::npos || (!tag.value.empty() && tag.value.back() == '\r'))
    throw OdDxfError(eInvalidInput,
                     "the value of group code " + std::to_string(tag.code) + " holds a line break: " + shown(tag.value),
                     tag.line);
  out += tag.value;
  out += line_end;
}

od_dxf_tokens od_dxf_tokenize(std::string_view bytes) {
  refuse_other_formats(bytes);
  od_dxf_tokens result;
  od_dxf_line_style& style = result.style;
  const bool bom = bytes.substr(0, kUtf8Bom.size()) == kUtf8Bom;
  if (bom) style.prefix = std::string(kUtf8Bom);
  style.line_end = usual_line_end(bytes);
  line_reader reader(bytes, style.prefix.size());

  source_line code_line, value_line;
  bool first = true;
  while (reader.next(code_line)) {
    int code = 0;
    if (!od_dxf_parse_code(code_line.text, code))
      throw OdDxfError(eInvalidDxfCode, "expected a group code, found " + shown(code_line.text), code_line.number);
    if (first) {
      style.code_width = width_of(code_line.text, code);
      first = false;
    }
    remember_if_unusual(style, code_line, formatted_code(code, style.code_width));
    if (!reader.next(value_line))
      throw OdDxfError(eInvalidInput,
                       "expected the value of group code " + std::to_string(code) + ", found the end of the file",
                       code_line.number + 1);
    remember_if_unusual(style, value_line, value_line.text);
    result.tags.push_back(OdDxfTag{code, std::string(value_line.text), code_line.number});
    if (code == 0 && od_dxf_trim(value_line.text) == "EOF") {
      style.tail = std::string(reader.rest());
      break;
    }
  }
  result.line_count = reader.lines_read();
  if (result.tags.empty()) throw OdDxfError(eInvalidInput, "the file is empty");
  return result;
}
