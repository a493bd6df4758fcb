// Character and paragraph formats of the text model, with their partial twins.
//
// A `format::string` is the full format of a run of characters; a
// `format::string_partial` names only the attributes a change touches (every
// field may be unset). The same holds for paragraphs. Partials are the
// vocabulary of the format algebra, the editor and the toolbar.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/sdk/OdGiTextStyle.h"

namespace mtext {

// Text colour: an index (kind 0) or a true colour (kind 1, the number written
// after "\c" in content text).
struct color {
  std::uint32_t kind = 1;
  std::uint16_t index = 0;
  std::uint32_t rgb = 0xFFFFFFFFu;
};

bool operator==(const color& a, const color& b);

// Tri-state values of partial formats.
namespace tri {
constexpr std::int32_t off = 0;
constexpr std::int32_t on = 1;
constexpr std::int32_t unset = 2;
}  // namespace tri

namespace format {

// Vertical alignment of a run within its line.
enum : std::uint32_t { align_bottom = 0, align_center = 1, align_top = 2 };

// Every part holds one, so its fields are ordered to pack into 32 bytes.
struct string {
  OdGiTextStyle style;
  double height = 0.0;      // drawing units
  mtext::color color;
  std::uint32_t align = 0;  // takes no part in equality
};
static_assert(sizeof(string) <= 32, "a character format packs into 32 bytes");

// Format equality: heights within 1e-6, same font in force, same font flags,
// same style flags and colour, exactly equal width, oblique and tracking.
bool operator==(const string& a, const string& b);

// The font that is in force in a style: its shape file or its typeface.
// The name is interned: two fonts in force compare as a flag and a pointer.
struct font_in_force {
  bool shx = false;
  OdInternedName name;
};
font_in_force font_of(const OdGiTextStyle& style);
bool same_font(const OdGiTextStyle& a, const OdGiTextStyle& b);

struct height_change {
  double value = 0.0;
  bool relative = false;  // value is a factor on the previous height
};

// kind: 0 TrueType typeface, 1 shape file name, 2 unset.
struct font_change {
  OdString name;
  std::int32_t pitch_family = 0;
  std::int32_t charset = 0;
  std::int32_t kind = 2;
};

struct string_partial {
  std::optional<height_change> height;
  font_change font;
  std::int32_t bold = tri::unset;
  std::int32_t italic = tri::unset;
  std::int32_t underline = tri::unset;
  std::int32_t overline = tri::unset;
  std::optional<mtext::color> color;
  std::optional<double> width;
  std::optional<double> oblique;  // radians
  std::optional<double> tracking;
  std::optional<std::uint32_t> align;
};

// Every field set to the format's values.
string_partial full_partial(const string& format);

enum : std::uint32_t { tab_left = 0, tab_center = 1, tab_right = 2, tab_decimal = 3 };

struct tab_stop {
  double position = 0.0;
  std::uint32_t kind = tab_left;
  char16_t decimal_char = u' ';
};

bool operator==(const tab_stop& a, const tab_stop& b);

enum : std::uint32_t {
  alignment_unset = 0, alignment_left, alignment_center, alignment_right,
  alignment_justified, alignment_distributed
};
enum : std::uint32_t { spacing_unset = 0, spacing_at_least, spacing_exactly, spacing_multiple };

struct paragraph {
  // true: the lengths below are multiples of the text height ("\px");
  // false: drawing units (a plain "\p").
  bool extended = true;
  double first_indent = 0.0;  // relative to left_indent
  double left_indent = 0.0;
  double right_indent = 0.0;
  double space_before = 0.0;
  double space_after = 0.0;
  std::uint32_t alignment = alignment_unset;
  std::uint32_t line_spacing_style = spacing_unset;
  double line_spacing = 1.0;
  std::vector<tab_stop> tabs;
};

bool operator==(const paragraph& a, const paragraph& b);

// Line spacing is set or unset as a whole.
struct line_spacing_change {
  std::uint32_t style = spacing_unset;
  double factor = 1.0;
};

struct paragraph_partial {
  std::optional<double> first_indent;
  std::optional<double> left_indent;
  std::optional<double> right_indent;
  std::optional<double> space_before;
  std::optional<double> space_after;
  std::optional<std::uint32_t> alignment;
  std::optional<line_spacing_change> line_spacing;
  std::optional<std::vector<tab_stop>> tabs;
};

paragraph_partial full_partial(const paragraph& format);

// Sets the typeface keeping bold and italic, with a new charset and pitch;
// the shape-file flag goes off so the typeface is in force.
void set_typeface(OdGiTextStyle& style, const OdString& name, int charset, int pitch_family);
// Sets the shape file in force.
void set_shape_file(OdGiTextStyle& style, const OdString& file_name);
void set_bold(OdGiTextStyle& style, bool on);
void set_italic(OdGiTextStyle& style, bool on);
void set_charset(OdGiTextStyle& style, int charset);
void set_pitch_family(OdGiTextStyle& style, int pitch_family);

}  // namespace format
}  // namespace mtext
