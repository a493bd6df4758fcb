#include "platform/sdk/OdStrokeFont.h"

#include <algorithm>
#include <fstream>

namespace {

// One glyph of a Hershey file: its left and right bounds and its strokes,
// with y pointing down as the file has it.
struct hershey_record {
  int left = 0, right = 0;
  std::vector<std::vector<std::pair<int, int>>> strokes;
};

// Reads the next glyph: a 5-digit number, a 3-digit count of coordinate
// pairs (the bounds pair included), then the pairs, possibly over several
// lines; " R" lifts the pen.
bool read_hershey_record(std::istream& in, hershey_record& record) {
  std::string line;
  while (std::getline(in, line) && line.size() < 8) {
  }
  if (line.size() < 8) return false;
  int pairs = 0;
  try {
    pairs = std::stoi(line.substr(5, 3));
  } catch (const std::exception&) {
    return false;
  }
  std::string data = line.substr(8);
  while (static_cast<int>(data.size()) < 2 * pairs && std::getline(in, line)) data += line;
  if (pairs < 1 || static_cast<int>(data.size()) < 2 * pairs) return false;
  record.left = data[0] - 'R';
  record.right = data[1] - 'R';
  record.strokes.assign(1, {});
  for (int i = 1; i < pairs; ++i) {
    const char a = data[2 * i], b = data[2 * i + 1];
    if (a == ' ' && b == 'R') {
      record.strokes.emplace_back();
      continue;
    }
    record.strokes.back().emplace_back(a - 'R', b - 'R');
  }
  return true;
}

}  // namespace

OdFontPtr OdStrokeFont::loadHershey(const std::string& path) {
  std::ifstream in(path);
  if (!in) throw OdError(eNoFont, "cannot open the stroke font " + path);
  std::vector<hershey_record> records;
  for (hershey_record record; read_hershey_record(in, record);) records.push_back(record);
  if (records.size() < 95) throw OdError(eNoFont, "not a Hershey font of the printable characters: " + path);

  // The baseline is the bottom of "H" and the height its top, in file units.
  const hershey_record& h = records['H' - ' '];
  int top = 0, bottom = 0;
  bool first = true;
  for (const auto& stroke : h.strokes)
    for (const auto& [x, y] : stroke) {
      top = first ? y : std::min(top, y);
      bottom = first ? y : std::max(bottom, y);
      first = false;
    }
  const double baseline = bottom;

  OdSmartPtr<OdStrokeFont> font(new OdRxObjectImpl<OdStrokeFont>(), kOdRxObjAttach);
  font->m_path = path;
  font->m_above = baseline - top;
  double lowest = 0.0;
  for (std::size_t i = 0; i < records.size() && i < 95; ++i) {
    const hershey_record& r = records[i];
    std::vector<OdGiGlyphContour> strokes;
    for (const auto& stroke : r.strokes) {
      if (stroke.empty()) continue;
      OdGiGlyphContour& contour = strokes.emplace_back();
      contour.closed = false;
      for (const auto& [x, y] : stroke) contour.points.emplace_back(x - r.left, baseline - y);
    }
    stroke_glyph g = measured(std::move(strokes), r.right - r.left);
    if (g.metrics.has_ink) lowest = std::min(lowest, g.metrics.min_y);
    font->m_glyphs.emplace(static_cast<char32_t>(U' ' + i), std::move(g));
  }
  font->m_below = -lowest;
  return OdFontPtr(font.get());
}

OdStrokeFont::stroke_glyph OdStrokeFont::measured(std::vector<OdGiGlyphContour> strokes, double advance) {
  stroke_glyph g;
  g.metrics.advance = advance;
  for (const OdGiGlyphContour& stroke : strokes)
    for (const OdGePoint2d& p : stroke.points) {
      od_glyph& m = g.metrics;
      if (!m.has_ink) m.min_x = m.max_x = p.x, m.min_y = m.max_y = p.y, m.has_ink = true;
      m.min_x = std::min(m.min_x, p.x), m.max_x = std::max(m.max_x, p.x);
      m.min_y = std::min(m.min_y, p.y), m.max_y = std::max(m.max_y, p.y);
    }
  g.strokes = std::move(strokes);
  return g;
}

const OdStrokeFont::stroke_glyph* OdStrokeFont::findGlyph(char32_t character) const {
  const auto it = m_glyphs.find(character);
  return it == m_glyphs.end() ? nullptr : &it->second;
}

const od_glyph* OdStrokeFont::glyph(char32_t character) const {
  const stroke_glyph* g = findGlyph(character);
  return g ? &g->metrics : nullptr;
}

std::vector<OdGiGlyphContour> OdStrokeFont::glyphOutline(char32_t character) const {
  const stroke_glyph* g = findGlyph(character);
  return g ? g->strokes : std::vector<OdGiGlyphContour>{};
}
