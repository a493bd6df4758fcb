#include "platform/sdk/OdGiContextForDbDatabase.h"

#include <algorithm>

#include "platform/sdk/OdDbDatabase.h"
#include "platform/sdk/OdGiTextRun.h"

ODRX_CONS_DEFINE_MEMBERS(OdGiDefaultContext, OdRxObject, u"")
ODRX_CONS_DEFINE_MEMBERS(OdGiContextForDbDatabase, OdGiDefaultContext, u"")

void OdGiDefaultContext::textExtentsBox(const OdGiTextStyle& style, const OdChar* text, int length,
                                        std::uint32_t, OdGePoint3d& min, OdGePoint3d& max,
                                        OdGePoint3d* endPos) {
  odTextExtentsBox(style, text, length, min, max, endPos);
}

void odTextExtentsBox(const OdGiTextStyle& style, const OdChar* text, int length, OdGePoint3d& min,
                      OdGePoint3d& max, OdGePoint3d* endPos) {
  const od_text_run run = odPlaceText(style, text, length);
  bool any = false;
  double x0 = 0.0, y0 = 0.0, x1 = 0.0, y1 = 0.0;
  for (const od_placed_glyph& g : run.glyphs) {
    if (!g.glyph || !g.glyph->has_ink) continue;
    const double bottom = g.glyph->min_y * g.scale_y, top = g.glyph->max_y * g.scale_y;
    const double left = g.pen_x + g.glyph->min_x * g.scale_x, right = g.pen_x + g.glyph->max_x * g.scale_x;
    // The sheared box: x moves by shear * y at each corner.
    const double xs[] = {left + run.shear * bottom, left + run.shear * top, right + run.shear * bottom,
                         right + run.shear * top};
    const double gx0 = *std::min_element(xs, xs + 4), gx1 = *std::max_element(xs, xs + 4);
    x0 = any ? std::min(x0, gx0) : gx0;
    x1 = any ? std::max(x1, gx1) : gx1;
    y0 = any ? std::min(y0, bottom) : bottom;
    y1 = any ? std::max(y1, top) : top;
    any = true;
  }
  // Blanks have no ink: their box is the empty box at the start.
  min = OdGePoint3d(x0, y0, 0.0);
  max = OdGePoint3d(x1, y1, 0.0);
  if (endPos) *endPos = OdGePoint3d(run.end_x, 0.0, 0.0);
}

OdGiContextForDbDatabase::~OdGiContextForDbDatabase() { setDatabase(nullptr, false); }

void OdGiContextForDbDatabase::setDatabase(OdDbDatabase* database, bool holdReference) {
  if (m_holdsReference && m_database) m_database->release();
  m_database = database;
  m_holdsReference = holdReference && database;
  if (m_holdsReference) m_database->addRef();
}
