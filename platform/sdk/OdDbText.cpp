#include "platform/sdk/OdDbText.h"

#include "platform/sdk/OdDbDatabase.h"
#include "platform/sdk/OdDbTextStyleTableRecord.h"
#include "platform/sdk/OdFont.h"
#include "platform/sdk/OdGiContextForDbDatabase.h"
#include "platform/sdk/OdGiWorldDraw.h"

ODRX_CONS_DEFINE_MEMBERS(OdDbText, OdDbEntity, u"TEXT")

void OdDbText::setHeight(double height) {
  if (!(height > 0.0)) throw OdError(eInvalidInput, "Text height must be positive");
  assertWriteEnabled();
  m_height = height;
}

void OdDbText::setWidthFactor(double factor) {
  if (!(factor > 0.0)) throw OdError(eInvalidInput, "Width factor must be positive");
  assertWriteEnabled();
  m_widthFactor = factor;
}

void OdDbText::setNormal(const OdGeVector3d& normal) {
  if (normal.isZeroLength()) throw OdError(eInvalidInput, "A zero normal has no plane");
  assertWriteEnabled();
  m_normal = normal.normal();
}

void OdDbText::setHorizontalMode(OdTextHorzMode mode) {
  if (mode < kTextLeft || mode > kTextFit) throw OdError(eInvalidInput, "Unknown horizontal mode");
  assertWriteEnabled();
  m_horizontal = mode;
}

void OdDbText::setVerticalMode(OdTextVertMode mode) {
  if (mode < kTextBase || mode > kTextTop) throw OdError(eInvalidInput, "Unknown vertical mode");
  assertWriteEnabled();
  m_vertical = mode;
}

void OdDbText::setDatabaseDefaults(OdDbDatabase* database) {
  OdDbEntity::setDatabaseDefaults(database);
  if (!database) return;
  m_style = database->getTEXTSTYLE();
  m_height = database->getTEXTSIZE();
}

OdGiTextStyle OdDbText::drawStyle(OdDbDatabase* db) const {
  OdGiTextStyle style = giEntityTextStyle(m_style, db ? db : database(), m_height);
  style.setXScale(m_widthFactor);
  style.setObliquingAngle(m_oblique);
  return style;
}

od_text_box OdDbText::measureBox(OdDbDatabase* db) const {
  if (!db) db = database();
  const OdGiTextStyle style = drawStyle(db);
  OdGiContextForDbDatabasePtr context = OdGiContextForDbDatabase::createObject();
  context->setDatabase(db, false);
  OdGePoint3d min, max, end;
  context->textExtentsBox(style, m_text.c_str(), m_text.getLength(), 0, min, max, &end);
  od_text_box box;
  box.advance = end.x;
  box.height = m_height;
  box.ink_bottom = min.y;
  box.ink_top = max.y;
  const OdFont* font = style.getFont();
  if (font && font->capHeight() > 0.0) box.descent = font->getBelow() * m_height / font->capHeight();
  return box;
}

OdGeVector3d OdDbText::direction() const {
  const OdGeVector3d ax = OdGeMatrix3d::arbitraryAxisX(m_normal);
  const OdGeVector3d ay = m_normal.crossProduct(ax);
  const OdGeVector3d dir = ax * std::cos(m_rotation) + ay * std::sin(m_rotation);
  return m_mirroredX ? -dir : dir;
}

OdGeMatrix3d OdDbText::textToWorld(const OdGePoint3d& origin) const {
  const OdGeVector3d ax = OdGeMatrix3d::arbitraryAxisX(m_normal);
  const OdGeVector3d ay = m_normal.crossProduct(ax);
  const OdGeVector3d along = ax * std::cos(m_rotation) + ay * std::sin(m_rotation);
  const OdGeVector3d up = m_normal.crossProduct(along);
  OdGeMatrix3d m;
  m.setCoordSystem(origin, m_mirroredX ? -along : along, m_mirroredY ? -up : up, m_normal);
  return m;
}

OdGePoint2d OdDbText::justification_anchor(const od_text_box& box) const {
  double x = 0.0, y = 0.0;
  switch (m_horizontal) {
    case kTextCenter:
    case kTextMid: x = box.advance / 2.0; break;
    case kTextRight:
    case kTextAlign:
    case kTextFit: x = box.advance; break;
    default: break;
  }
  if (m_horizontal == kTextAlign || m_horizontal == kTextFit) return {x, 0.0};
  switch (m_vertical) {
    case kTextBottom: y = -box.descent; break;
    case kTextVertMid: y = box.height / 2.0; break;
    case kTextTop: y = box.height; break;
    case kTextBase:
      // "Middle" centres on the ink.
      if (m_horizontal == kTextMid) y = (box.ink_bottom + box.ink_top) / 2.0;
      break;
  }
  return {x, y};
}

void OdDbText::getBoundingPoints(std::array<OdGePoint3d, 4>& points) const {
  const od_text_box box = measureBox();
  const OdGeMatrix3d m = textToWorld(m_position);
  points[0] = m * OdGePoint3d(0.0, box.height, 0.0);
  points[1] = m * OdGePoint3d(box.advance, box.height, 0.0);
  points[2] = m * OdGePoint3d(0.0, 0.0, 0.0);
  points[3] = m * OdGePoint3d(box.advance, 0.0, 0.0);
}

// Align and fit: the baseline runs from the position to the alignment point.
void OdDbText::fit_between_points(const od_text_box& box) {
  const OdGeMatrix3d toPlane = OdGeMatrix3d::worldToPlane(m_normal);
  const OdGeVector3d span = toPlane * (m_alignment - m_position);
  const double length = std::hypot(span.x, span.y);
  // Coincident points or an empty string give nothing to fit: keep the text as it is.
  if (length <= OdGeContext::gTol.equalPoint || box.advance <= 0.0) return;
  const double angle = std::atan2(span.y, span.x);
  m_rotation = m_mirroredX ? angle + OdaPI : angle;
  if (m_horizontal == kTextAlign) m_height *= length / box.advance;
  else m_widthFactor *= length / box.advance;
}

void OdDbText::adjustAlignment(OdDbDatabase* database) {
  assertWriteEnabled();
  if (isDefaultAlignment()) return;
  const od_text_box box = measureBox(database);
  if (m_horizontal == kTextAlign || m_horizontal == kTextFit) {
    fit_between_points(box);
    return;
  }
  const OdGePoint2d anchor = justification_anchor(box);
  const OdGeMatrix3d axes = textToWorld(OdGePoint3d::kOrigin);
  m_position = m_alignment - axes * OdGeVector3d(anchor.x, anchor.y, 0.0);
}

bool OdDbText::subWorldDraw(OdGiWorldDraw* worldDraw) const {
  if (m_text.isEmpty()) return true;
  const OdGiTextStyle style = drawStyle();
  worldDraw->geometry().text(m_position, m_normal, direction(), m_text.c_str(), m_text.getLength(), false,
                             &style);
  return true;
}

OdDbTextPtr odNewTextLike(const OdDbText& model) {
  OdDbTextPtr text = OdDbText::createObject();
  if (OdDbDatabase* db = model.database()) text->setDatabaseDefaults(db);
  text->setTextStyle(model.textStyle());
  text->setHeight(model.height());
  text->setWidthFactor(model.widthFactor());
  text->setOblique(model.oblique());
  text->setRotation(model.rotation());
  text->setNormal(model.normal());
  return text;
}
