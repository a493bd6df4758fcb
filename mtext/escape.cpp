#include "mtext/escape.h"

#include "mtext/parse.h"
#include "mtext/serialize.h"

namespace mtext {

namespace {

// The format plain text is read with: no font, height 0, colour unset.
format::string neutral_format() { return format::string(); }

}  // namespace

std::u16string escape_mtext(const char16_t* text, bool keep_line_breaks) {
  std::u16string out;
  for (const char16_t* p = text; *p; ++p) {
    switch (*p) {
      case u'\n': if (keep_line_breaks) out += u"\\P"; break;
      case u'\r': break;
      case u'\\': case u'{': case u'}': out += u'\\', out += *p; break;
      default: out += *p;
    }
  }
  return out;
}

std::u16string deEscapeMtextContent(const char16_t* text) {
  multitext parsed;
  std::u16string out;
  if (!parse(text, neutral_format(), parsed, false)) return out;
  for (const part& p : parsed.parts) {
    switch (p.type()) {
      case string_type: out += part_cast<string>(p).text; break;
      // Runs of spaces keep their length, so words stay where they were.
      case spaces_type: out.append(part_cast<spaces>(p).count, u' '); break;
      case tab_type: case new_line_type: case new_paragraph_type: out += u' '; break;
      default: break;
    }
  }
  return out;
}

std::u16string unformat_mtext(const char16_t* text) {
  multitext parsed;
  parse(text, neutral_format(), parsed, false);
  return serialize_raw(parsed, false);
}

OdString UnformatMText(const char16_t* text) { return OdString(unformat_mtext(text)); }

}  // namespace mtext
