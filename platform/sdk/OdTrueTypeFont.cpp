#include "platform/sdk/OdTrueTypeFont.h"

#include <algorithm>
#include <cmath>

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_BBOX_H
#include FT_OUTLINE_H
#include FT_TRUETYPE_TABLES_H

namespace {

FT_Library freetype() {
  static FT_Library library = [] {
    FT_Library lib = nullptr;
    if (FT_Init_FreeType(&lib) != 0) throw OdError(eNoFont, "FreeType cannot start");
    return lib;
  }();
  return library;
}

// Flattens quadratic and cubic outline segments into contours.
struct outline_sink {
  std::vector<OdGiGlyphContour> contours;
  OdGePoint2d pen;

  static constexpr int curve_steps = 8;

  static OdGePoint2d point(const FT_Vector* v) { return {static_cast<double>(v->x), static_cast<double>(v->y)}; }

  static int move_to(const FT_Vector* to, void* user) {
    auto* self = static_cast<outline_sink*>(user);
    self->pen = point(to);
    self->contours.push_back({{self->pen}, true});
    return 0;
  }
  static int line_to(const FT_Vector* to, void* user) {
    auto* self = static_cast<outline_sink*>(user);
    self->pen = point(to);
    self->contours.back().points.push_back(self->pen);
    return 0;
  }
  static int conic_to(const FT_Vector* control, const FT_Vector* to, void* user) {
    auto* self = static_cast<outline_sink*>(user);
    const OdGePoint2d p0 = self->pen, p1 = point(control), p2 = point(to);
    for (int i = 1; i <= curve_steps; ++i) {
      const double t = static_cast<double>(i) / curve_steps, u = 1.0 - t;
      self->contours.back().points.push_back(
          {u * u * p0.x + 2 * u * t * p1.x + t * t * p2.x, u * u * p0.y + 2 * u * t * p1.y + t * t * p2.y});
    }
    self->pen = p2;
    return 0;
  }
  static int cubic_to(const FT_Vector* c1, const FT_Vector* c2, const FT_Vector* to, void* user) {
    auto* self = static_cast<outline_sink*>(user);
    const OdGePoint2d p0 = self->pen, p1 = point(c1), p2 = point(c2), p3 = point(to);
    for (int i = 1; i <= curve_steps; ++i) {
      const double t = static_cast<double>(i) / curve_steps, u = 1.0 - t;
      const double a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, d = t * t * t;
      self->contours.back().points.push_back(
          {a * p0.x + b * p1.x + c * p2.x + d * p3.x, a * p0.y + b * p1.y + c * p2.y + d * p3.y});
    }
    self->pen = p3;
    return 0;
  }
};

}  // namespace

struct OdTrueTypeFont::face_handle {
  FT_Face face = nullptr;
  ~face_handle() {
    if (face) FT_Done_Face(face);
  }
};

OdTrueTypeFont::~OdTrueTypeFont() = default;

OdFontPtr OdTrueTypeFont::load(const std::string& path, int faceIndex) {
  OdSmartPtr<OdTrueTypeFont> font(new OdRxObjectImpl<OdTrueTypeFont>(), kOdRxObjAttach);
  font->m_path = path;
  font->m_face = std::make_unique<face_handle>();
  if (FT_New_Face(freetype(), path.c_str(), faceIndex, &font->m_face->face) != 0)
    throw OdError(eNoFont, "cannot open the font file " + path);
  font->readMetrics();
  return OdFontPtr(font.get());
}

OdString OdTrueTypeFont::familyName() const {
  const char* family = m_face->face->family_name;
  return family ? OdString::fromUtf8(family) : OdString();
}

// Ascent, descent and external leading as a Windows text-metric query gives
// them: the OS/2 "win" metrics, and the part of the hhea line gap that the
// win metrics do not already cover.
void OdTrueTypeFont::readMetrics() {
  FT_Face face = m_face->face;
  m_unitsPerEm = face->units_per_EM ? face->units_per_EM : 1000.0;
  const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
  const auto* hhea = static_cast<const TT_HoriHeader*>(FT_Get_Sfnt_Table(face, FT_SFNT_HHEA));
  if (os2 && os2->version != 0xFFFF && os2->usWinAscent + os2->usWinDescent > 0) {
    m_ascent = os2->usWinAscent;
    m_descent = os2->usWinDescent;
  } else {
    m_ascent = face->ascender;
    m_descent = -face->descender;
  }
  if (hhea) {
    const double hhea_height = hhea->Ascender - hhea->Descender;
    m_externalLeading = std::max(0.0, hhea->Line_Gap - ((m_ascent + m_descent) - hhea_height));
  }
  m_capHeight = (os2 && os2->version >= 2 && os2->sCapHeight > 0) ? os2->sCapHeight : 0.0;
  if (m_capHeight <= 0.0) {
    const od_glyph* h = glyph(U'H');
    m_capHeight = (h && h->has_ink) ? h->max_y : m_ascent * 0.7;
  }
}

const od_glyph* OdTrueTypeFont::glyph(char32_t character) const {
  auto [it, inserted] = m_glyphs.try_emplace(character);
  if (!inserted) return it->second ? &*it->second : nullptr;
  FT_Face face = m_face->face;
  const FT_UInt index = FT_Get_Char_Index(face, character);
  if (index == 0 || FT_Load_Glyph(face, index, FT_LOAD_NO_SCALE | FT_LOAD_NO_HINTING) != 0) return nullptr;
  od_glyph g;
  g.advance = static_cast<double>(face->glyph->metrics.horiAdvance);
  if (face->glyph->format == FT_GLYPH_FORMAT_OUTLINE && face->glyph->outline.n_points > 0) {
    FT_BBox box;
    FT_Outline_Get_BBox(&face->glyph->outline, &box);  // exact, curves included
    g.min_x = static_cast<double>(box.xMin);
    g.min_y = static_cast<double>(box.yMin);
    g.max_x = static_cast<double>(box.xMax);
    g.max_y = static_cast<double>(box.yMax);
    g.has_ink = true;
  }
  it->second = g;
  return &*it->second;
}

std::vector<OdGiGlyphContour> OdTrueTypeFont::glyphOutline(char32_t character) const {
  FT_Face face = m_face->face;
  const FT_UInt index = FT_Get_Char_Index(face, character);
  if (index == 0 || FT_Load_Glyph(face, index, FT_LOAD_NO_SCALE | FT_LOAD_NO_HINTING) != 0) return {};
  if (face->glyph->format != FT_GLYPH_FORMAT_OUTLINE) return {};
  FT_Outline_Funcs funcs{};
  funcs.move_to = outline_sink::move_to;
  funcs.line_to = outline_sink::line_to;
  funcs.conic_to = outline_sink::conic_to;
  funcs.cubic_to = outline_sink::cubic_to;
  outline_sink sink;
  FT_Outline_Decompose(&face->glyph->outline, &funcs, &sink);
  return sink.contours;
}
