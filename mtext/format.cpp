#include "mtext/format.h"

#include <cmath>

#include "platform/sdk/OdFont.h"

namespace mtext {

bool operator==(const color& a, const color& b) {
  if (a.kind != b.kind) return false;
  if (a.kind == 0) return a.index == b.index;
  if (a.kind == 1) return a.rgb == b.rgb;
  return true;
}

namespace format {

namespace {

constexpr double height_tolerance = 1e-6;

// Flags compared by equality: everything but the shape-file flag, which only
// picks the font in force and is compared through it.
std::uint32_t compared_style_flags(const OdGiTextStyle& style) {
  OdGiTextStyle probe;
  probe.setShxFont(true);
  return style.styleFlags() & ~probe.styleFlags();
}

void set_font_flags(OdGiTextStyle& style, bool bold, bool italic, int charset, int pitch) {
  const OdString typeface = style.ttfDecriptor().typeface();  // setFont overwrites it
  const bool shx = style.isShxFont();
  style.setFont(typeface, bold, italic, charset, pitch);
  style.setShxFont(shx);
}

}  // namespace

font_in_force font_of(const OdGiTextStyle& style) {
  const bool has_file = !style.fileName().isEmpty();
  const bool has_face = !style.ttfDecriptor().typeface().isEmpty();
  if (has_file && !has_face) {
    // A style may name its TrueType font by file only ("arial.ttf").
    if (!style.isShxFont() && odIsTrueTypeFileName(style.fileName()))
      return {false, odTrueTypeFamilyOfFile(style.fileNameInterned())};
    return {true, style.fileNameInterned()};
  }
  if (has_face && !has_file) return {false, style.ttfDecriptor().typefaceInterned()};
  if (style.isShxFont()) return {true, style.fileNameInterned()};
  return {false, style.ttfDecriptor().typefaceInterned()};
}

bool same_font(const OdGiTextStyle& a, const OdGiTextStyle& b) {
  const font_in_force fa = font_of(a), fb = font_of(b);
  return fa.shx == fb.shx && fa.name == fb.name;
}

bool operator==(const string& a, const string& b) {
  if (!(std::fabs(a.height - b.height) < height_tolerance) || !(a.color == b.color)) return false;
  if (a.style.sharesAttributesWith(b.style)) return true;
  return same_font(a.style, b.style) &&
         a.style.ttfDecriptor().flags() == b.style.ttfDecriptor().flags() &&
         compared_style_flags(a.style) == compared_style_flags(b.style) &&
         a.style.xScale() == b.style.xScale() &&
         a.style.obliquingAngle() == b.style.obliquingAngle() &&
         a.style.trackingPercent() == b.style.trackingPercent();
}

bool operator==(const tab_stop& a, const tab_stop& b) {
  return a.position == b.position && a.kind == b.kind && a.decimal_char == b.decimal_char;
}

bool operator==(const paragraph& a, const paragraph& b) {
  return a.extended == b.extended && a.first_indent == b.first_indent &&
         a.left_indent == b.left_indent && a.right_indent == b.right_indent &&
         a.space_before == b.space_before && a.space_after == b.space_after &&
         a.alignment == b.alignment && a.line_spacing_style == b.line_spacing_style &&
         a.line_spacing == b.line_spacing && a.tabs == b.tabs;
}

string_partial full_partial(const string& format) {
  const OdTtfDescriptor& ttf = format.style.ttfDecriptor();
  const font_in_force font = font_of(format.style);
  string_partial p;
  p.height = height_change{format.height, false};
  p.font = {font.name.str(), ttf.pitchAndFamily(), ttf.charSet(), font.shx ? 1 : 0};
  p.bold = ttf.isBold() ? tri::on : tri::off;
  p.italic = ttf.isItalic() ? tri::on : tri::off;
  p.underline = format.style.isUnderlined() ? tri::on : tri::off;
  p.overline = format.style.isOverlined() ? tri::on : tri::off;
  p.color = format.color;
  p.width = format.style.xScale();
  p.oblique = format.style.obliquingAngle();
  p.tracking = format.style.trackingPercent();
  p.align = format.align;
  return p;
}

paragraph_partial full_partial(const paragraph& format) {
  paragraph_partial p;
  p.first_indent = format.first_indent;
  p.left_indent = format.left_indent;
  p.right_indent = format.right_indent;
  p.space_before = format.space_before;
  p.space_after = format.space_after;
  p.alignment = format.alignment;
  p.line_spacing = line_spacing_change{format.line_spacing_style, format.line_spacing};
  p.tabs = format.tabs;
  return p;
}

void set_typeface(OdGiTextStyle& style, const OdString& name, int charset, int pitch_family) {
  const bool bold = style.ttfDecriptor().isBold(), italic = style.ttfDecriptor().isItalic();
  style.setFont(name, bold, italic, charset, pitch_family);
  style.setShxFont(false);
}

void set_shape_file(OdGiTextStyle& style, const OdString& file_name) {
  style.setFileName(file_name);
  style.setShxFont(true);
}

void set_bold(OdGiTextStyle& style, bool on) {
  const OdTtfDescriptor& ttf = style.ttfDecriptor();
  set_font_flags(style, on, ttf.isItalic(), ttf.charSet(), ttf.pitchAndFamily());
}

void set_italic(OdGiTextStyle& style, bool on) {
  const OdTtfDescriptor& ttf = style.ttfDecriptor();
  set_font_flags(style, ttf.isBold(), on, ttf.charSet(), ttf.pitchAndFamily());
}

void set_charset(OdGiTextStyle& style, int charset) {
  const OdTtfDescriptor& ttf = style.ttfDecriptor();
  set_font_flags(style, ttf.isBold(), ttf.isItalic(), charset, ttf.pitchAndFamily());
}

void set_pitch_family(OdGiTextStyle& style, int pitch_family) {
  const OdTtfDescriptor& ttf = style.ttfDecriptor();
  set_font_flags(style, ttf.isBold(), ttf.isItalic(), ttf.charSet(), pitch_family);
}

}  // namespace format
}  // namespace mtext
