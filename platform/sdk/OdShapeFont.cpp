#include "platform/sdk/OdShapeFont.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>

namespace {

constexpr double pi = 3.14159265358979323846;

// The sixteen directions of a vector byte's low nibble.
const OdGeVector2d vector_directions[16] = {
    {1, 0},   {1, 0.5},   {1, 1},   {0.5, 1},  {0, 1},  {-0.5, 1}, {-1, 1},  {-1, 0.5},
    {-1, 0},  {-1, -0.5}, {-1, -1}, {-0.5, -1}, {0, -1}, {0.5, -1}, {1, -1}, {1, -0.5}};

std::uint16_t u16(const std::vector<std::uint8_t>& data, std::size_t at) {
  return static_cast<std::uint16_t>(data.at(at) | (data.at(at + 1) << 8));
}

// Runs a shape's pen commands, collecting the strokes drawn with the pen down.
class pen_machine {
public:
  pen_machine(const std::unordered_map<std::uint32_t, std::vector<std::uint8_t>>& shapes, bool unifont)
      : shapes_(shapes), unifont_(unifont) {}

  void run(std::uint32_t number, int depth = 0) {
    const auto it = shapes_.find(number);
    if (it == shapes_.end() || depth > 8) return;  // unknown or runaway subshapes
    const std::vector<std::uint8_t>& code = it->second;
    for (std::size_t i = 0; i < code.size();) {
      if (!step(code, i, depth)) break;
    }
  }

  std::vector<OdGiGlyphContour> strokes;
  OdGePoint2d pen;

private:
  std::int8_t signed_at(const std::vector<std::uint8_t>& code, std::size_t i) const {
    return static_cast<std::int8_t>(code.at(i));
  }

  void move(const OdGeVector2d& by) {
    const OdGePoint2d to = pen + by * scale_;
    if (down_) {
      if (strokes.empty() || !continuing_) strokes.push_back({{pen}, false});
      strokes.back().points.push_back(to);
      continuing_ = true;
    }
    pen = to;
  }

  void lift() { continuing_ = false; }

  void arc(double radius, double start, double sweep) {
    const OdGePoint2d center = pen - OdGeVector2d(std::cos(start), std::sin(start)) * radius * scale_;
    const int steps = std::max(2, static_cast<int>(std::ceil(std::fabs(sweep) / (pi / 16))));
    for (int s = 1; s <= steps; ++s) {
      const double a = start + sweep * s / steps;
      const OdGePoint2d to = center + OdGeVector2d(std::cos(a), std::sin(a)) * radius * scale_;
      move((to - pen) / scale_);
    }
  }

  // An arc to pen + (dx, dy) whose bulge (a signed byte) is 127 times the
  // tangent of a quarter of its sweep; positive bulges turn left.
  void bulge_arc(double dx, double dy, double bulge) {
    const double length = std::hypot(dx, dy);
    if (bulge == 0.0 || length == 0.0) return move({dx, dy});
    const double b = bulge / 127.0;
    const OdGeVector2d left(-dy / length, dx / length);
    const double offset = length / 2.0 * (1.0 - b * b) / (2.0 * b);
    const OdGePoint2d center = pen + (OdGeVector2d(dx, dy) * 0.5 + left * offset) * scale_;
    const OdGeVector2d from_center = pen - center;
    arc(from_center.length() / scale_, std::atan2(from_center.y, from_center.x), 4.0 * std::atan(b));
  }

  // One command at code[i]; false at the end of the shape.
  bool step(const std::vector<std::uint8_t>& code, std::size_t& i, int depth) {
    const std::uint8_t c = code.at(i++);
    switch (c) {
      case 0: return false;
      case 1: down_ = true; continuing_ = false; return true;
      case 2: down_ = false; lift(); return true;
      case 3: scale_ /= std::max<std::uint8_t>(1, code.at(i++)); return true;
      case 4: scale_ *= code.at(i++); return true;
      case 5: stack_.push_back(pen); return true;
      case 6:
        if (!stack_.empty()) pen = stack_.back(), stack_.pop_back();
        lift();
        return true;
      case 7: {
        std::uint32_t sub = code.at(i++);
        if (unifont_) sub = (sub << 8) | code.at(i++);
        const double saved = scale_;
        run(sub, depth + 1);
        scale_ = saved;
        return true;
      }
      case 8: {
        const double dx = signed_at(code, i), dy = signed_at(code, i + 1);
        i += 2;
        move({dx, dy});
        return true;
      }
      case 9:
        while (true) {
          const double dx = signed_at(code, i), dy = signed_at(code, i + 1);
          i += 2;
          if (dx == 0 && dy == 0) return true;
          move({dx, dy});
        }
      case 10: {  // octant arc
        const double radius = code.at(i);
        const std::int8_t spec = signed_at(code, i + 1);
        i += 2;
        const int start = (spec >> 4) & 7, count = spec & 7;
        const double sweep = (count == 0 ? 8 : count) * pi / 4 * (spec < 0 ? -1 : 1);
        arc(radius, start * pi / 4, sweep);
        return true;
      }
      case 11: {  // fractional arc
        const double start_offset = code.at(i), end_offset = code.at(i + 1);
        const double radius = code.at(i + 2) * 256.0 + code.at(i + 3);
        const std::int8_t spec = signed_at(code, i + 4);
        i += 5;
        const int start = (spec >> 4) & 7, count = spec & 7;
        const double dir = spec < 0 ? -1.0 : 1.0;
        const double begin = start * pi / 4 + dir * start_offset * (pi / 4) / 256.0;
        const double sweep = dir * ((count == 0 ? 8 : count) * pi / 4 - start_offset * (pi / 4) / 256.0 -
                                    (end_offset == 0 ? 0.0 : (256.0 - end_offset) * (pi / 4) / 256.0));
        arc(radius, begin, sweep);
        return true;
      }
      case 12: {
        bulge_arc(signed_at(code, i), signed_at(code, i + 1), signed_at(code, i + 2));
        i += 3;
        return true;
      }
      case 13:
        while (true) {
          const double dx = signed_at(code, i), dy = signed_at(code, i + 1);
          i += 2;
          if (dx == 0 && dy == 0) return true;
          bulge_arc(dx, dy, signed_at(code, i++));
        }
      case 14: skip_next(code, i); return true;  // vertical-text only
      default:
        move(vector_directions[c & 0x0F] * static_cast<double>(c >> 4));
        return true;
    }
  }

  // Skips the command at code[i] without running it.
  void skip_next(const std::vector<std::uint8_t>& code, std::size_t& i) {
    const std::uint8_t c = code.at(i++);
    switch (c) {
      case 3: case 4: i += 1; break;
      case 7: i += unifont_ ? 2 : 1; break;
      case 8: case 10: i += 2; break;
      case 11: i += 5; break;
      case 12: i += 3; break;
      case 9:
        while (code.at(i) || code.at(i + 1)) i += 2;
        i += 2;
        break;
      case 13:
        while (code.at(i) || code.at(i + 1)) i += 3;
        i += 2;
        break;
      default: break;  // no operands
    }
  }

  const std::unordered_map<std::uint32_t, std::vector<std::uint8_t>>& shapes_;
  bool unifont_;
  bool down_ = true;
  bool continuing_ = false;
  double scale_ = 1.0;
  std::vector<OdGePoint2d> stack_;
};

}  // namespace

OdFontPtr OdShapeFont::load(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  const std::vector<std::uint8_t> data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const std::string header(data.begin(), data.begin() + static_cast<long>(std::min<std::size_t>(data.size(), 22)));
  const bool shapes = header.rfind("AutoCAD-86 shapes 1.", 0) == 0;
  const bool unifont = header.rfind("AutoCAD-86 unifont 1.", 0) == 0;
  if (!shapes && !unifont) return OdFontPtr();
  OdSmartPtr<OdShapeFont> font(new OdRxObjectImpl<OdShapeFont>(), kOdRxObjAttach);
  font->m_path = path;
  font->m_unifont = unifont;
  try {
    std::size_t at = std::find(data.begin(), data.end(), 0x1A) - data.begin() + 1;
    if (shapes) {
      const std::size_t count = u16(data, at + 4);
      std::size_t body = at + 6 + count * 4;
      for (std::size_t k = 0; k < count; ++k) {
        const std::uint16_t number = u16(data, at + 6 + k * 4), length = u16(data, at + 8 + k * 4);
        if (body + length > data.size()) break;
        std::vector<std::uint8_t> bytes(data.begin() + static_cast<long>(body),
                                        data.begin() + static_cast<long>(body + length));
        body += length;
        const auto name_end = std::find(bytes.begin(), bytes.end(), 0);
        if (number == 0) {
          // The font's own record: its name, then above, below and modes.
          const std::size_t info = static_cast<std::size_t>(name_end - bytes.begin()) + 1;
          if (info + 1 < bytes.size()) font->m_above = bytes[info], font->m_below = bytes[info + 1];
          continue;
        }
        font->m_shapes[number] = std::vector<std::uint8_t>(name_end == bytes.end() ? name_end : name_end + 1, bytes.end());
      }
    } else {
      const std::size_t count = u16(data, at) | (static_cast<std::size_t>(u16(data, at + 2)) << 16);
      const std::size_t info_length = u16(data, at + 4);
      std::size_t body = at + 6;
      const auto name_end = std::find(data.begin() + static_cast<long>(body), data.end(), 0);
      const std::size_t info = static_cast<std::size_t>(name_end - data.begin()) + 1;
      font->m_above = data.at(info);
      font->m_below = data.at(info + 1);
      body += info_length;
      for (std::size_t k = 1; k < count && body + 4 <= data.size(); ++k) {
        const std::uint16_t number = u16(data, body), length = u16(data, body + 2);
        body += 4;
        if (body + length > data.size()) break;
        std::vector<std::uint8_t> bytes(data.begin() + static_cast<long>(body),
                                        data.begin() + static_cast<long>(body + length));
        body += length;
        const auto end = std::find(bytes.begin(), bytes.end(), 0);
        font->m_shapes[number] = std::vector<std::uint8_t>(end == bytes.end() ? end : end + 1, bytes.end());
      }
    }
  } catch (const std::out_of_range&) {
    return OdFontPtr();  // a damaged file
  }
  if (font->m_above <= 0.0 || font->m_shapes.empty()) return OdFontPtr();
  return OdFontPtr(font.get());
}

const OdStrokeFont::stroke_glyph* OdShapeFont::findGlyph(char32_t character) const {
  if (const stroke_glyph* known = OdStrokeFont::findGlyph(character)) return known;
  if (!m_shapes.count(character)) return nullptr;
  pen_machine pen(m_shapes, m_unifont);
  try {
    pen.run(character);
  } catch (const std::out_of_range&) {
    // A shape that runs off its bytes draws what it drew so far.
  }
  const double advance = pen.pen.x;
  return &m_glyphs.emplace(character, measured(std::move(pen.strokes), advance)).first->second;
}
