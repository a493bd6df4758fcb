#include "mtext/layout.h"

#include <algorithm>
#include <array>

#include "platform/sdk/OdDbField.h"

namespace mtext {

namespace {

// The format a laid-out part keeps: its text size set to its height, as
// measuring needs it. Parts of equal formats share one style, also across
// runs the reader gave styles of their own, so a long text holds a style per
// distinct format, not per run.
class sized_formats {
public:
  format::string operator()(const format::string& f) {
    format::string sized = f;
    sized.style = sized_style(f.style, f.height);
    return sized;
  }

private:
  struct entry {
    OdGiTextStyle source;
    double height = 0.0;
    OdGiTextStyle sized;
  };

  OdGiTextStyle sized_style(const OdGiTextStyle& style, double height) {
    for (const entry& e : m_recent)
      if (e.height == height && e.source.hasSameAttributes(style)) return e.sized;
    OdGiTextStyle sized = style;
    sized.setTextSize(height);
    std::move_backward(m_recent.begin(), m_recent.end() - 1, m_recent.end());
    m_recent.front() = {style, height, sized};
    return sized;
  }

  // The formats of a text take turns: a bold word, a coloured one, a stack.
  std::array<entry, 8> m_recent;
};

template <class Part, class... Args>
void append_measured(geom_multitext& target, const string_size_finder& finder, Args&&... args) {
  auto* p = new Part(std::forward<Args>(args)...);
  target.parts.push_back(p);
  target.touch(target.size() - 1, 1);
  p->update_geometry(finder);
}

// What a field shows: its evaluated value.
std::u16string field_display(const OdDbField* field) {
  return field ? field->getValue().str() : std::u16string();
}

// Appends the laid-out parts of `p` without refreshing the snapshot.
void append_part(geom_multitext& target, const part& p, double text_height,
                 const string_size_finder& finder, sized_formats& sizes) {
  const format::string f = sizes(p.format);
  switch (p.type()) {
    case string_type:
      for (const char16_t c : part_cast<string>(p).text)
        append_measured<geom_word>(target, finder, f, c);
      break;
    case spaces_type:
      for (std::uint32_t i = 0; i < part_cast<spaces>(p).count; ++i)
        append_measured<geom_spaces>(target, finder, f);
      break;
    case tab_type: append_measured<geom_tab>(target, finder, f); break;
    case new_line_type: append_measured<geom_new_line>(target, finder, f); break;
    case stack_type: {
      const auto& s = part_cast<stack>(p);
      append_measured<geom_stack>(target, finder, f, s.upper, s.lower, s.kind);
      break;
    }
    case new_paragraph_type: {
      const auto& n = part_cast<new_paragraph>(p);
      append_measured<geom_new_paragraph>(target, finder, extended_paragraph(n.paragraph, text_height),
                                          f, n.column_break);
      break;
    }
    case field_type: {
      const auto& shown_field = part_cast<field>(p);
      const std::u16string shown = field_display(shown_field.field_object.get());
      for (const char16_t c : shown) append_measured<geom_word>(target, finder, f, c);
      target.marks.push_back(
          new marks::field(0, static_cast<marks::position>(shown.size()), shown_field.field_object));
      break;
    }
    default: break;
  }
}

// How many laid-out parts a model part becomes (a field's depend on its value).
std::size_t laid_out_count(const part& p) {
  switch (p.type()) {
    case string_type: return part_cast<string>(p).text.size();
    case spaces_type: return part_cast<spaces>(p).count;
    case field_type: return 0;
    default: return 1;
  }
}

// Appends one character's part without refreshing the snapshot.
void append_character(geom_multitext& target, char16_t c, const format::string& format,
                      const string_size_finder& finder) {
  switch (c) {
    case u'\t': append_measured<geom_tab>(target, finder, format); break;
    case u'\n': append_measured<geom_new_line>(target, finder, format); break;
    case u'\r': break;
    case u' ': append_measured<geom_spaces>(target, finder, format); break;
    default: append_measured<geom_word>(target, finder, format, c);
  }
}

}  // namespace

format::paragraph extended_paragraph(const format::paragraph& p, double text_height) {
  format::paragraph copy = p;
  if (!p.extended && text_height != 0.0) {
    for (double* length : {&copy.first_indent, &copy.left_indent, &copy.right_indent,
                           &copy.space_before, &copy.space_after})
      *length /= text_height;
    for (format::tab_stop& stop : copy.tabs) stop.position /= text_height;
  }
  copy.extended = true;
  return copy;
}

geom_multitext& to_geom(geom_multitext& target, char16_t c, const format::string& format,
                        double, const string_size_finder& finder) {
  append_character(target, c, format, finder);
  target.refresh_snapshot();
  return target;
}

geom_multitext to_geom(const std::u16string& text, const format::string& format, double text_height,
                       const string_size_finder& finder) {
  (void)text_height;
  geom_multitext result;
  for (const char16_t c : text) append_character(result, c, format, finder);
  result.refresh_snapshot();
  return result;
}

geom_multitext& to_geom(geom_multitext& target, const part& p, double text_height,
                        const string_size_finder& finder) {
  sized_formats sizes;
  append_part(target, p, text_height, finder, sizes);
  target.refresh_snapshot();
  return target;
}

geom_multitext& to_geom(geom_multitext& target, const multitext& text, double text_height,
                        const string_size_finder& finder) {
  target = geom_multitext();
  target.paragraph = extended_paragraph(text.paragraph, text_height);
  // Room for exactly the parts to come: a long text would otherwise hold up to
  // twice the pointers it needs.
  std::size_t count = 0;
  for (const part& p : text.parts) count += laid_out_count(p);
  target.parts.reserve(count);
  sized_formats sizes;
  for (const part& p : text.parts) {
    if (p.type() != field_type) {
      append_part(target, p, text_height, finder, sizes);
      continue;
    }
    // Field marks are made at 0; appending moves them into place.
    geom_multitext field_text;
    append_part(field_text, p, text_height, finder, sizes);
    target.append_without_snapshot(field_text);
  }
  target.refresh_snapshot();
  return target;
}

}  // namespace mtext
