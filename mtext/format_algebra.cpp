#include "mtext/format_algebra.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace mtext::format {

namespace {

constexpr double height_tolerance = 1e-6;
constexpr double attribute_tolerance = 0.0001;

std::int32_t flag(bool on) { return on ? tri::on : tri::off; }

bool tri_equal(std::int32_t a, std::int32_t b) { return a != tri::unset && a == b; }

// Two tab positions are the same stop within a few ulps of the larger one.
bool same_position(double a, double b) {
  if (std::isinf(a) || std::isinf(b)) return a == b;
  const double epsilon = std::numeric_limits<double>::epsilon();
  return std::fabs(a - b) <= 1024.0 * epsilon * std::max(std::fabs(a), std::fabs(b));
}

bool same_tabs(const std::vector<tab_stop>& a, const std::vector<tab_stop>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i].kind != b[i].kind || !same_position(a[i].position, b[i].position)) return false;
    if (a[i].kind == tab_decimal && a[i].decimal_char != b[i].decimal_char) return false;
  }
  return true;
}

double in_text_heights(double length, bool extended, double scale) {
  return extended ? length : length / scale;
}

void merge_distance(std::optional<double>& out, double a, double b, const paragraph& pa,
                    const paragraph& pb, double scale) {
  const double va = in_text_heights(a, pa.extended, scale);
  const double vb = in_text_heights(b, pb.extended, scale);
  if (std::fabs(va - vb) >= attribute_tolerance) out = vb;
}

template <class T>
void keep_if_equal(std::optional<T>& out, const std::optional<T>& other) {
  if (!out || !other || !(*out == *other)) out.reset();
}

void keep_tri(std::int32_t& out, std::int32_t other) {
  if (!tri_equal(out, other)) out = tri::unset;
}

bool same_line_spacing(const line_spacing_change& a, const line_spacing_change& b) {
  return a.style == b.style && a.factor == b.factor;
}

}  // namespace

string_partial merge(const string& a, const string& b) {
  string_partial d;
  if (std::fabs(b.height - a.height) >= height_tolerance)
    d.height = height_change{b.height / a.height, true};
  if (!same_font(a.style, b.style)) {
    const font_in_force font = font_of(b.style);
    const OdTtfDescriptor& ttf = b.style.ttfDecriptor();
    d.font = {font.name.str(), ttf.pitchAndFamily(), ttf.charSet(), font.shx ? 1 : 0};
  }
  const OdTtfDescriptor& ta = a.style.ttfDecriptor();
  const OdTtfDescriptor& tb = b.style.ttfDecriptor();
  if (ta.isBold() != tb.isBold()) d.bold = flag(tb.isBold());
  if (ta.isItalic() != tb.isItalic()) d.italic = flag(tb.isItalic());
  if (a.style.isUnderlined() != b.style.isUnderlined()) d.underline = flag(b.style.isUnderlined());
  if (a.style.isOverlined() != b.style.isOverlined()) d.overline = flag(b.style.isOverlined());
  if (!(a.color == b.color)) d.color = b.color;
  if (std::fabs(b.style.xScale() - a.style.xScale()) >= attribute_tolerance)
    d.width = b.style.xScale();
  if (std::fabs(b.style.obliquingAngle() - a.style.obliquingAngle()) >= attribute_tolerance)
    d.oblique = b.style.obliquingAngle();
  if (std::fabs(b.style.trackingPercent() - a.style.trackingPercent()) >= attribute_tolerance)
    d.tracking = b.style.trackingPercent();
  if (a.align != b.align) d.align = b.align;
  return d;
}

paragraph_partial merge(double scale, const paragraph& a, const paragraph& b) {
  paragraph_partial d;
  merge_distance(d.first_indent, a.first_indent, b.first_indent, a, b, scale);
  merge_distance(d.left_indent, a.left_indent, b.left_indent, a, b, scale);
  merge_distance(d.right_indent, a.right_indent, b.right_indent, a, b, scale);
  merge_distance(d.space_before, a.space_before, b.space_before, a, b, scale);
  merge_distance(d.space_after, a.space_after, b.space_after, a, b, scale);
  if (a.alignment != b.alignment) d.alignment = b.alignment;
  if (a.line_spacing_style != b.line_spacing_style || a.line_spacing != b.line_spacing)
    d.line_spacing = line_spacing_change{b.line_spacing_style, b.line_spacing};
  if (!same_tabs(a.tabs, b.tabs)) d.tabs = b.tabs;
  return d;
}

string_partial intersection(const string_partial& a, const string_partial& b) {
  string_partial r = a;
  if (!r.height || !b.height || std::fabs(r.height->value - b.height->value) >= attribute_tolerance ||
      r.height->relative != b.height->relative)
    r.height.reset();
  if (r.font.kind == 2 || b.font.kind == 2 || r.font.kind != b.font.kind || r.font.name != b.font.name)
    r.font = font_change{};
  keep_tri(r.bold, b.bold);
  keep_tri(r.italic, b.italic);
  keep_tri(r.underline, b.underline);
  keep_tri(r.overline, b.overline);
  keep_if_equal(r.color, b.color);
  keep_if_equal(r.width, b.width);
  keep_if_equal(r.oblique, b.oblique);
  keep_if_equal(r.tracking, b.tracking);
  keep_if_equal(r.align, b.align);
  return r;
}

paragraph_partial intersection(const paragraph_partial& a, const paragraph_partial& b) {
  paragraph_partial r = a;
  keep_if_equal(r.first_indent, b.first_indent);
  keep_if_equal(r.left_indent, b.left_indent);
  keep_if_equal(r.right_indent, b.right_indent);
  keep_if_equal(r.space_before, b.space_before);
  keep_if_equal(r.space_after, b.space_after);
  keep_if_equal(r.alignment, b.alignment);
  if (!r.line_spacing || !b.line_spacing || !same_line_spacing(*r.line_spacing, *b.line_spacing))
    r.line_spacing.reset();
  r.tabs = b.tabs;
  return r;
}

string& apply_to(string& s, const string_partial& k) {
  OdGiTextStyle& style = s.style;
  if (k.height) s.height = k.height->value;
  if (k.font.kind == 1) {
    set_shape_file(style, k.font.name);
    set_charset(style, k.font.charset);
  } else if (k.font.kind == 0) {
    set_typeface(style, k.font.name, k.font.charset, k.font.pitch_family);
  }
  if (k.bold != tri::unset) set_bold(style, k.bold == tri::on);
  if (k.italic != tri::unset) set_italic(style, k.italic == tri::on);
  if (k.underline != tri::unset) style.setUnderlined(k.underline == tri::on);
  if (k.overline != tri::unset) style.setOverlined(k.overline == tri::on);
  if (k.color) s.color = *k.color;
  if (k.width) style.setXScale(*k.width);
  if (k.oblique) style.setObliquingAngle(*k.oblique);
  if (k.tracking) style.setTrackingPercent(*k.tracking);
  if (k.align) s.align = *k.align;
  return s;
}

string_partial& apply_to(string_partial& d, const string_partial& k) {
  if (k.height) d.height = k.height;
  if (k.font.kind != 2) {
    d.font = k.font;
    if (d.font.kind != 1) d.font.kind = 0;
  }
  if (k.bold != tri::unset) d.bold = k.bold;
  if (k.italic != tri::unset) d.italic = k.italic;
  if (k.underline != tri::unset) d.underline = k.underline;
  if (k.overline != tri::unset) d.overline = k.overline;
  if (k.color) d.color = k.color;
  if (k.width) d.width = k.width;
  if (k.oblique) d.oblique = k.oblique;
  if (k.tracking) d.tracking = k.tracking;
  if (k.align) d.align = k.align;
  return d;
}

void apply_to(paragraph& p, const paragraph_partial& k) {
  if (k.first_indent) p.first_indent = *k.first_indent;
  if (k.left_indent) p.left_indent = *k.left_indent;
  if (k.right_indent) p.right_indent = *k.right_indent;
  if (k.space_before) p.space_before = *k.space_before;
  if (k.space_after) p.space_after = *k.space_after;
  if (k.alignment) p.alignment = *k.alignment;
  if (k.line_spacing) {
    p.line_spacing_style = k.line_spacing->style;
    p.line_spacing = k.line_spacing->factor;
  }
}

void apply_to(paragraph_partial& d, const paragraph_partial& k) {
  d.first_indent = k.first_indent;
  d.left_indent = k.left_indent;
  d.right_indent = k.right_indent;
  d.space_before = k.space_before;
  d.space_after = k.space_after;
  d.alignment = k.alignment;
  d.line_spacing = k.line_spacing;
}

string applied_to(const string& s, const string_partial& change) {
  string copy = s;
  return apply_to(copy, change);
}

string_partial applied_to(const string_partial& d, const string_partial& change) {
  string_partial copy = d;
  return apply_to(copy, change);
}

bool is_default_format(const string_partial& k) {
  return k.font.kind == 2 && k.bold == tri::unset && k.italic == tri::unset;
}

}  // namespace mtext::format
