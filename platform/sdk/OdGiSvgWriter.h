// The SVG back end: writes recorded primitives as one SVG document.
//
// The picture is the plan view of the world (x right, y up): SVG's y axis
// points down, so every y is negated and drawing-up is screen-up. The
// viewBox is the extents of all primitives, text ink included, plus a
// margin. Colours come from the true colour or the ACI palette; by-layer,
// by-block and ACI 7 draw in the foreground colour and colour method "none"
// draws nothing. A by-alpha transparency becomes opacity, and every line
// type other than empty or "Continuous" is drawn dashed. Polygons and
// circles are filled when the fill type says so, else outlined. Text runs
// are drawn as their glyph outlines (odTextOutlines): closed contours as
// filled paths (fill-rule nonzero), open ones as strokes.
#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/sdk/OdGiPrimitive.h"

struct od_gi_svg_options {
  // Added on every side, as a fraction of the drawing's larger side.
  double margin = 0.05;
  // For by-layer, by-block and ACI 7 colours: black on white paper.
  std::uint32_t foreground = 0x000000;
  // A rectangle behind the drawing; none when empty.
  std::optional<std::uint32_t> background = 0xFFFFFF;
  // The document's width in pixels, which also sizes strokes (one pixel, or
  // the line weight at 96 pixels per inch); 0: one drawing unit is a pixel.
  double width_px = 800.0;
};

void od_gi_write_svg(std::ostream& out, const std::vector<od_gi_primitive>& primitives,
                     const od_gi_svg_options& options = {});
std::string od_gi_svg_document(const std::vector<od_gi_primitive>& primitives,
                               const od_gi_svg_options& options = {});
