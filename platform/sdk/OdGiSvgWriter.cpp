#include "platform/sdk/OdGiSvgWriter.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <sstream>

#include "platform/sdk/OdGeExtents3d.h"
#include "platform/sdk/OdGiRecorder.h"
#include "platform/sdk/OdGiTextOutline.h"

namespace {

// A glyph contour of a text run, moved into the world.
struct world_contour {
  std::vector<OdGePoint3d> points;
  bool closed = true;
};

// One primitive with the text outlines it needs, computed once.
struct prepared_primitive {
  const od_gi_primitive* primitive;
  std::vector<world_contour> outlines;
};

// Drawing units of the picture: extents, margin, a unit for dash lengths
// and the size of one output pixel.
struct svg_frame {
  double min_x = 0.0, min_y = 0.0, width = 1.0, height = 1.0;
  double dash_unit = 0.01;
  double pixel = 1.0;
};

// Step: outlines of every text run in world coordinates.
std::vector<world_contour> text_outlines_in_world(const od_gi_text_run& run) {
  std::vector<world_contour> contours;
  for (const OdGiGlyphContour& glyph : odTextOutlines(run.style, run.text)) {
    world_contour& contour = contours.emplace_back();
    contour.closed = glyph.closed;
    for (const OdGePoint2d& p : glyph.points) contour.points.push_back(run.to_world(p));
  }
  return contours;
}

std::vector<prepared_primitive> prepare(const std::vector<od_gi_primitive>& primitives) {
  std::vector<prepared_primitive> prepared;
  prepared.reserve(primitives.size());
  for (const od_gi_primitive& primitive : primitives) {
    if (primitive.traits.trueColor.isNone()) continue;
    prepared_primitive& item = prepared.emplace_back(prepared_primitive{&primitive, {}});
    if (primitive.kind == od_gi_primitive_kind::text_run && primitive.text)
      item.outlines = text_outlines_in_world(*primitive.text);
  }
  return prepared;
}

// Strokes are sized in output pixels; without a width in pixels one drawing
// unit is one pixel.
svg_frame with_pixel_size(svg_frame frame, const od_gi_svg_options& options) {
  frame.pixel = options.width_px > 0.0 ? frame.width / options.width_px : 1.0;
  return frame;
}

// Step: the frame around every primitive and every glyph point.
svg_frame frame_of(const std::vector<od_gi_primitive>& primitives, const std::vector<prepared_primitive>& prepared,
                   const od_gi_svg_options& options) {
  OdGeExtents3d box = od_gi_primitives_extents(primitives);
  for (const prepared_primitive& item : prepared)
    for (const world_contour& contour : item.outlines)
      for (const OdGePoint3d& p : contour.points) box.addPoint(p);
  svg_frame frame;
  if (!box.isValidExtents()) return with_pixel_size(frame, options);
  const OdGeVector3d size = box.diagonal();
  const double larger = std::max(size.x, size.y);
  const double margin = larger > 0.0 ? larger * std::max(0.0, options.margin) : 1.0;
  frame.min_x = box.minPoint().x - margin;
  frame.min_y = -box.maxPoint().y - margin;  // y flipped
  frame.width = size.x + 2.0 * margin;
  frame.height = size.y + 2.0 * margin;
  frame.dash_unit = std::max(frame.width, frame.height) / 100.0;
  return with_pixel_size(frame, options);
}

// Numbers with up to six decimals and no trailing zeros.
std::string num(double value) {
  if (std::fabs(value) < 5e-7) return "0";
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.6f", value);
  std::string text(buffer);
  text.erase(text.find_last_not_of('0') + 1);
  if (text.back() == '.') text.pop_back();
  return text;
}

std::string hex_colour(std::uint32_t rgb) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "#%06x", static_cast<unsigned>(rgb & 0xFFFFFFu));
  return buffer;
}

std::string xml_escape(const std::string& text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
  return out;
}

std::string point_text(const OdGePoint3d& p) { return num(p.x) + "," + num(-p.y); }

std::uint32_t display_rgb(const OdCmEntityColor& color, std::uint32_t foreground) {
  if (color.isByColor()) return color.rgb();
  if (color.isByACI() && color.colorIndex() != OdCmEntityColor::kACIforeground) return color.rgb();
  return foreground;
}

bool is_dashed(const OdString& lineType) {
  return !lineType.isEmpty() && lineType.iCompare(u"Continuous") != 0 && lineType.iCompare(u"ByLayer") != 0 &&
         lineType.iCompare(u"ByBlock") != 0;
}

// Line weights are hundredths of a millimetre; at 96 pixels per inch one
// millimetre is 96 / 25.4 pixels. Nothing is thinner than one pixel.
double stroke_pixels(int lineWeight) { return lineWeight > 0 ? std::max(1.0, lineWeight * 96.0 / 2540.0) : 1.0; }

// Step: the paint attributes of a primitive from its traits.
std::string paint(const OdGiSubEntityTraitsData& traits, bool filled, const svg_frame& frame,
                  const od_gi_svg_options& options) {
  const std::string colour = hex_colour(display_rgb(traits.trueColor, options.foreground));
  std::string attributes;
  if (filled) {
    attributes = " fill=\"" + colour + "\" fill-rule=\"nonzero\" stroke=\"none\"";
  } else {
    attributes = " fill=\"none\" stroke=\"" + colour + "\" stroke-width=\"" +
                 num(stroke_pixels(traits.lineWeight) * frame.pixel) +
                 "\" stroke-linecap=\"round\" stroke-linejoin=\"round\"";
    if (is_dashed(traits.lineType)) {
      const double dash = frame.dash_unit * (traits.lineTypeScale > 0.0 ? traits.lineTypeScale : 1.0);
      attributes += " stroke-dasharray=\"" + num(dash) + "," + num(dash / 2.0) + "\"";
    }
  }
  if (traits.transparency.isByAlpha() && !traits.transparency.isSolid())
    attributes += " opacity=\"" + num(traits.transparency.alpha() / 255.0) + "\"";
  return attributes;
}

std::string points_attribute(const std::vector<OdGePoint3d>& points) {
  std::string text;
  for (const OdGePoint3d& p : points) {
    if (!text.empty()) text += ' ';
    text += point_text(p);
  }
  return text;
}

void write_circle(std::ostream& out, const od_gi_primitive& circle, const std::string& attributes) {
  if (circle.normal.isParallelTo(OdGeVector3d::kZAxis)) {
    out << "<circle cx=\"" << num(circle.center.x) << "\" cy=\"" << num(-circle.center.y) << "\" r=\""
        << num(circle.radius) << "\"" << attributes << "/>\n";
  } else {
    out << "<polygon points=\"" << points_attribute(od_gi_flattened_circle(circle)) << "\"" << attributes << "/>\n";
  }
}

std::string path_data(const std::vector<world_contour>& contours, bool closed) {
  std::string d;
  for (const world_contour& contour : contours) {
    if (contour.closed != closed || contour.points.empty()) continue;
    if (!d.empty()) d += ' ';
    d += "M" + point_text(contour.points.front());
    for (std::size_t i = 1; i < contour.points.size(); ++i) d += " L" + point_text(contour.points[i]);
    if (closed) d += " Z";
  }
  return d;
}

void write_text_run(std::ostream& out, const prepared_primitive& item, const svg_frame& frame,
                    const od_gi_svg_options& options) {
  const od_gi_primitive& primitive = *item.primitive;
  out << "<g class=\"text\" data-text=\"" << xml_escape(primitive.text->text.toUtf8()) << "\">\n";
  const std::string filled = path_data(item.outlines, true);
  if (!filled.empty()) out << "<path d=\"" << filled << "\"" << paint(primitive.traits, true, frame, options) << "/>\n";
  const std::string stroked = path_data(item.outlines, false);
  if (!stroked.empty())
    out << "<path d=\"" << stroked << "\"" << paint(primitive.traits, false, frame, options) << "/>\n";
  out << "</g>\n";
}

// Step: one element (or group) per primitive, in drawing order.
void write_primitive(std::ostream& out, const prepared_primitive& item, const svg_frame& frame,
                     const od_gi_svg_options& options) {
  const od_gi_primitive& primitive = *item.primitive;
  const bool fill = primitive.traits.fillType == kOdGiFillAlways;
  switch (primitive.kind) {
    case od_gi_primitive_kind::polyline:
      out << "<polyline points=\"" << points_attribute(primitive.points) << "\""
          << paint(primitive.traits, false, frame, options) << "/>\n";
      break;
    case od_gi_primitive_kind::polygon:
      out << "<polygon points=\"" << points_attribute(primitive.points) << "\""
          << paint(primitive.traits, fill, frame, options) << "/>\n";
      break;
    case od_gi_primitive_kind::circle: write_circle(out, primitive, paint(primitive.traits, fill, frame, options)); break;
    case od_gi_primitive_kind::text_run:
      if (primitive.text) write_text_run(out, item, frame, options);
      break;
  }
}

}  // namespace

void od_gi_write_svg(std::ostream& out, const std::vector<od_gi_primitive>& primitives,
                     const od_gi_svg_options& options) {
  const std::vector<prepared_primitive> prepared = prepare(primitives);
  const svg_frame frame = frame_of(primitives, prepared, options);
  out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      << "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"" << num(frame.min_x) << " " << num(frame.min_y) << " "
      << num(frame.width) << " " << num(frame.height) << "\"";
  if (options.width_px > 0.0)
    out << " width=\"" << num(options.width_px) << "\" height=\"" << num(options.width_px * frame.height / frame.width)
        << "\"";
  out << ">\n";
  if (options.background)
    out << "<rect x=\"" << num(frame.min_x) << "\" y=\"" << num(frame.min_y) << "\" width=\"" << num(frame.width)
        << "\" height=\"" << num(frame.height) << "\" fill=\"" << hex_colour(*options.background) << "\"/>\n";
  for (const prepared_primitive& item : prepared) write_primitive(out, item, frame, options);
  out << "</svg>\n";
}

std::string od_gi_svg_document(const std::vector<od_gi_primitive>& primitives, const od_gi_svg_options& options) {
  std::ostringstream out;
  od_gi_write_svg(out, primitives, options);
  return out.str();
}
