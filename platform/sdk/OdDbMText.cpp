#include "platform/sdk/OdDbMText.h"

#include <algorithm>

#include "platform/sdk/OdDbDatabase.h"
#include "platform/sdk/OdDbTextStyleTableRecord.h"
#include "platform/sdk/OdGeMatrix3d.h"
#include "platform/sdk/OdGiWorldDraw.h"

ODRX_CONS_DEFINE_MEMBERS(OdDbMText, OdDbEntity, u"MTEXT")

namespace {

OdDbMTextLayoutProvider*& installed_provider() {
  static OdDbMTextLayoutProvider* provider = nullptr;
  return provider;
}

void require(bool ok, const char* message) {
  if (!ok) throw OdError(eInvalidInput, message);
}

// Line pitch of the fallback: 5/3 of the text height times the factor.
constexpr double fallback_line_pitch = 5.0 / 3.0;
constexpr double fallback_char_width = 0.6;

}  // namespace

OdDbMTextLayoutProvider* odDbSetMTextLayoutProvider(OdDbMTextLayoutProvider* provider) {
  return std::exchange(installed_provider(), provider);
}

OdDbMTextLayoutProvider* odDbMTextLayoutProvider() { return installed_provider(); }

void OdDbMText::setTextHeight(double height) {
  require(height > 0.0, "MText height must be positive");
  assertWriteEnabled();
  m_textHeight = height;
}

void OdDbMText::setHeight(double height) {
  require(height >= 0.0, "MText frame height must not be negative");
  assertWriteEnabled();
  m_height = height;
}

void OdDbMText::setWidth(double width) {
  require(width >= 0.0, "MText width must not be negative");
  assertWriteEnabled();
  m_width = width;
}

void OdDbMText::setDirection(const OdGeVector3d& direction) {
  const OdGeVector3d inPlane = direction - m_normal * direction.dotProduct(m_normal);
  require(!inPlane.isZeroLength(), "MText direction must lie in its plane");
  assertWriteEnabled();
  m_direction = inPlane.normal();
}

double OdDbMText::rotation() const {
  const OdGeVector3d d = OdGeMatrix3d::worldToPlane(m_normal) * m_direction;
  return std::atan2(d.y, d.x);
}

void OdDbMText::setRotation(double radians) {
  assertWriteEnabled();
  const OdGeVector3d ax = OdGeMatrix3d::arbitraryAxisX(m_normal);
  const OdGeVector3d ay = m_normal.crossProduct(ax);
  m_direction = ax * std::cos(radians) + ay * std::sin(radians);
}

void OdDbMText::setNormal(const OdGeVector3d& normal) {
  require(!normal.isZeroLength(), "A zero normal has no plane");
  const double angle = rotation();
  assertWriteEnabled();
  m_normal = normal.normal();
  setRotation(angle);
}

od_attachment_cell odAttachmentCell(OdDbMText::AttachmentPoint attachment) {
  od_attachment_cell cell;
  switch (attachment) {
    case OdDbMText::kTopCenter: case OdDbMText::kMiddleCenter: case OdDbMText::kBottomCenter:
    case OdDbMText::kBaseCenter: cell.column = 1; break;
    case OdDbMText::kTopRight: case OdDbMText::kMiddleRight: case OdDbMText::kBottomRight:
    case OdDbMText::kBaseRight: cell.column = 2; break;
    default: break;
  }
  switch (attachment) {
    case OdDbMText::kMiddleLeft: case OdDbMText::kMiddleCenter: case OdDbMText::kMiddleRight:
    case OdDbMText::kMiddleAlign: case OdDbMText::kMiddleFit: case OdDbMText::kMiddleMid: cell.row = 1; break;
    case OdDbMText::kBottomLeft: case OdDbMText::kBottomCenter: case OdDbMText::kBottomRight:
    case OdDbMText::kBottomAlign: case OdDbMText::kBottomFit: case OdDbMText::kBottomMid: cell.row = 2; break;
    default: break;
  }
  return cell;
}

void OdDbMText::setAttachment(AttachmentPoint attachment) {
  require(attachment >= kTopLeft && attachment <= kTopMid, "MText attachment must be 1 to 24");
  assertWriteEnabled();
  m_attachment = attachment;
}

OdGeMatrix3d OdDbMText::textToWorld(const OdGePoint3d& origin) const {
  OdGeMatrix3d m;
  m.setCoordSystem(origin, m_direction, m_normal.crossProduct(m_direction), m_normal);
  return m;
}

// The location is the attachment point of the box, in half-box steps from
// the top-left corner.
OdGePoint3d OdDbMText::top_left_for(AttachmentPoint attachment) const {
  const od_mtext_extents box = extents();
  const od_attachment_cell cell = odAttachmentCell(attachment);
  return textToWorld(m_location) * OdGePoint3d(-box.width * cell.column * 0.5, box.height * cell.row * 0.5, 0.0);
}

void OdDbMText::setAttachmentMovingLocation(AttachmentPoint attachment) {
  require(attachment >= kTopLeft && attachment <= kTopMid, "MText attachment must be 1 to 24");
  assertWriteEnabled();
  const od_mtext_extents box = extents();
  const OdGePoint3d topLeft = top_left_for(m_attachment);
  const od_attachment_cell cell = odAttachmentCell(attachment);
  m_attachment = attachment;
  m_location = textToWorld(topLeft) * OdGePoint3d(box.width * cell.column * 0.5, -box.height * cell.row * 0.5, 0.0);
}

void OdDbMText::setColumnType(ColumnType type) {
  require(type >= kNoColumns && type <= kDynamicColumns, "Unknown column type");
  assertWriteEnabled();
  m_columnType = type;
}

void OdDbMText::setColumnCount(int count) {
  require(count >= 1, "An MText has at least one column");
  assertWriteEnabled();
  m_columnCount = count;
  m_columnHeights.resize(static_cast<size_t>(count), 0.0);
}

void OdDbMText::setColumnWidth(double width) {
  require(width >= 0.0, "Column width must not be negative");
  assertWriteEnabled();
  m_columnWidth = width;
}

void OdDbMText::setColumnGutterWidth(double width) {
  require(width >= 0.0, "Gutter width must not be negative");
  assertWriteEnabled();
  m_gutter = width;
}

double OdDbMText::getColumnHeight(int index) const {
  if (index < 0 || index >= m_columnCount) throw OdError(eInvalidIndex);
  return m_columnHeights[static_cast<size_t>(index)];
}

void OdDbMText::setColumnHeight(int index, double height) {
  if (index < 0 || index >= m_columnCount) throw OdError(eInvalidIndex);
  assertWriteEnabled();
  m_columnHeights[static_cast<size_t>(index)] = height;
}

void OdDbMText::setStaticColumns(double width, double gutter, int count) {
  require(width >= 0.0 && gutter >= 0.0 && count >= 1, "Bad static columns");
  setColumnType(kStaticColumns);
  setColumnWidth(width);
  setColumnGutterWidth(gutter);
  setColumnCount(count);
}

void OdDbMText::setDynamicColumns(double width, double gutter, bool autoHeight) {
  require(width >= 0.0 && gutter >= 0.0, "Bad dynamic columns");
  setColumnType(kDynamicColumns);
  setColumnWidth(width);
  setColumnGutterWidth(gutter);
  setColumnAutoHeight(autoHeight);
}

void OdDbMText::setLineSpacingFactor(double factor) {
  require(factor >= 0.25 && factor <= 4.0, "Line spacing factor must be 0.25 to 4");
  assertWriteEnabled();
  m_spacingFactor = factor;
}

void OdDbMText::setBackgroundScaleFactor(double scale) {
  require(scale >= 1.0 && scale <= 5.0, "Background scale must be 1 to 5");
  assertWriteEnabled();
  m_backgroundScale = scale;
}

std::vector<OdString> OdDbMText::plainLines() const {
  std::vector<OdString> lines(1);
  const std::u16string& text = m_contents.str();
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == u'\\' && i + 1 < text.size() && (text[i + 1] == u'P' || text[i + 1] == u'\\')) {
      if (text[i + 1] == u'P') lines.emplace_back();
      else lines.back() += u'\\';
      ++i;
    } else if (text[i] == u'\n') {
      lines.emplace_back();
    } else if (text[i] != u'\r') {
      lines.back() += text[i];
    }
  }
  return lines;
}

od_mtext_extents OdDbMText::fallback_extents() const {
  const std::vector<OdString> lines = plainLines();
  od_mtext_extents box;
  if (m_width > 0.0) {
    box.width = m_width;
  } else {
    int longest = 0;
    for (const OdString& line : lines) longest = std::max(longest, line.getLength());
    box.width = longest * fallback_char_width * m_textHeight;
  }
  box.height = static_cast<double>(lines.size()) * m_textHeight * fallback_line_pitch * m_spacingFactor;
  return box;
}

od_mtext_extents OdDbMText::extents() const {
  od_mtext_extents box;
  if (const OdDbMTextLayoutProvider* provider = odDbMTextLayoutProvider())
    if (provider->measure(*this, box)) return box;
  return fallback_extents();
}

double OdDbMText::actualWidth() const { return extents().width; }
double OdDbMText::actualHeight() const { return extents().height; }

void OdDbMText::getBoundingPoints(std::array<OdGePoint3d, 4>& points) const {
  const od_mtext_extents box = extents();
  const OdGeMatrix3d m = textToWorld(top_left_for(m_attachment));
  points[0] = m * OdGePoint3d(0.0, 0.0, 0.0);
  points[1] = m * OdGePoint3d(box.width, 0.0, 0.0);
  points[2] = m * OdGePoint3d(0.0, -box.height, 0.0);
  points[3] = m * OdGePoint3d(box.width, -box.height, 0.0);
}

void OdDbMText::setDatabaseDefaults(OdDbDatabase* database) {
  OdDbEntity::setDatabaseDefaults(database);
  if (!database) return;
  m_style = database->getTEXTSTYLE();
  m_textHeight = database->getTEXTSIZE();
}

// Until the text library draws the laid-out text, each plain line is one
// left-aligned run below the top-left corner.
bool OdDbMText::subWorldDraw(OdGiWorldDraw* worldDraw) const {
  if (const OdDbMTextLayoutProvider* provider = odDbMTextLayoutProvider())
    if (provider->draw(*this, *worldDraw, textToWorld(top_left_for(m_attachment)))) return true;
  const OdGiTextStyle style = giEntityTextStyle(m_style, database(), m_textHeight);
  const OdGeMatrix3d m = textToWorld(top_left_for(m_attachment));
  const double pitch = m_textHeight * fallback_line_pitch * m_spacingFactor;
  const std::vector<OdString> lines = plainLines();
  for (size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].isEmpty()) continue;
    const OdGePoint3d start = m * OdGePoint3d(0.0, -m_textHeight - pitch * static_cast<double>(i), 0.0);
    worldDraw->geometry().text(start, m_normal, m_direction, lines[i].c_str(), lines[i].getLength(), false,
                               &style);
  }
  return true;
}
