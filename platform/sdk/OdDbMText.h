// OdDbMText: a multiline text in a frame, with its attachment point, columns
// and line spacing.
//
// Location, direction and normal are world values; the rotation is the
// angle of the direction in the object coordinate system of the normal.
// actualWidth, actualHeight and the bounding points come from the installed
// layout provider (OdDbMTextLayoutProvider.h), or from a fallback estimate.
#pragma once

#include <array>
#include <vector>

#include "platform/sdk/OdDbEntity.h"
#include "platform/sdk/OdDbMTextLayoutProvider.h"
#include "platform/sdk/OdGeMatrix3d.h"

class OdDbMText : public OdDbEntity {
  ODRX_DECLARE_MEMBERS(OdDbMText);

public:
  enum AttachmentPoint : int {
    kTopLeft = 1, kTopCenter, kTopRight, kMiddleLeft, kMiddleCenter, kMiddleRight,
    kBottomLeft, kBottomCenter, kBottomRight,
    kBaseLeft, kBaseCenter, kBaseRight, kBaseAlign, kBottomAlign, kMiddleAlign, kTopAlign,
    kBaseFit, kBottomFit, kMiddleFit, kTopFit, kBaseMid, kBottomMid, kMiddleMid, kTopMid,
  };
  enum ColumnType : int { kNoColumns = 0, kStaticColumns = 1, kDynamicColumns = 2 };
  enum LineSpacingStyle : int { kAtLeast = 1, kExactly = 2 };

  const OdString& contents() const { return m_contents; }
  void setContents(const OdString& text) { assertWriteEnabled(); m_contents = text; }
  double textHeight() const { return m_textHeight; }
  // Heights and widths that are negative (or a zero text height) are refused with eInvalidInput.
  void setTextHeight(double height);
  // The defined frame height; 0 lets the text grow.
  double height() const { return m_height; }
  void setHeight(double height);
  double width() const { return m_width; }
  void setWidth(double width);
  const OdGePoint3d& location() const { return m_location; }
  void setLocation(const OdGePoint3d& p) { assertWriteEnabled(); m_location = p; }
  const OdGeVector3d& direction() const { return m_direction; }
  // The direction is projected into the text's plane; a zero (or normal-parallel) one is refused.
  void setDirection(const OdGeVector3d& direction);
  const OdGeVector3d& normal() const { return m_normal; }
  // Keeps the rotation: the direction turns with the plane.
  void setNormal(const OdGeVector3d& normal);
  double rotation() const;
  void setRotation(double radians);
  // 1..9 (top left .. bottom right); anything else is refused with eInvalidInput.
  AttachmentPoint attachment() const { return m_attachment; }
  void setAttachment(AttachmentPoint attachment);
  // Changes the attachment and moves the location so that the text's box stays where it is.
  void setAttachmentMovingLocation(AttachmentPoint attachment);
  OdDbObjectId textStyle() const { return m_style; }
  void setTextStyle(const OdDbObjectId& styleId) { assertWriteEnabled(); m_style = styleId; }
  int flowDirection() const { return m_flowDirection; }
  void setFlowDirection(int direction) { assertWriteEnabled(); m_flowDirection = direction; }

  // Columns.
  ColumnType getColumnType() const { return m_columnType; }
  void setColumnType(ColumnType type);
  int getColumnCount() const { return m_columnCount; }
  void setColumnCount(int count);
  double getColumnWidth() const { return m_columnWidth; }
  void setColumnWidth(double width);
  double getColumnGutterWidth() const { return m_gutter; }
  void setColumnGutterWidth(double width);
  bool getColumnAutoHeight() const { return m_autoHeight; }
  void setColumnAutoHeight(bool on) { assertWriteEnabled(); m_autoHeight = on; }
  // Column heights of dynamic columns with manual heights; an index outside
  // 0..count-1 throws eInvalidIndex.
  double getColumnHeight(int index) const;
  void setColumnHeight(int index, double height);
  bool getColumnFlowReversed() const { return m_flowReversed; }
  void setColumnFlowReversed(bool on) { assertWriteEnabled(); m_flowReversed = on; }
  void setStaticColumns(double width, double gutter, int count);
  void setDynamicColumns(double width, double gutter, bool autoHeight);

  // Line spacing.
  LineSpacingStyle lineSpacingStyle() const { return m_spacingStyle; }
  void setLineSpacingStyle(LineSpacingStyle style) { assertWriteEnabled(); m_spacingStyle = style; }
  double lineSpacingFactor() const { return m_spacingFactor; }
  // 0.25 .. 4.0, as drawing files allow; outside is refused with eInvalidInput.
  void setLineSpacingFactor(double factor);

  // Background mask.
  bool backgroundFillOn() const { return m_backgroundFill; }
  void setBackgroundFill(bool on) { assertWriteEnabled(); m_backgroundFill = on; }
  bool useBackgroundColorOn() const { return m_useBackgroundColor; }
  void setUseBackgroundColor(bool on) { assertWriteEnabled(); m_useBackgroundColor = on; }
  const OdCmEntityColor& getBackgroundFillColor() const { return m_backgroundColor; }
  void setBackgroundFillColor(const OdCmEntityColor& c) { assertWriteEnabled(); m_backgroundColor = c; }
  // Border offset as a multiple of the text height, 1.0 .. 5.0.
  double getBackgroundScaleFactor() const { return m_backgroundScale; }
  void setBackgroundScaleFactor(double scale);

  // The laid-out size: from the layout provider, else the fallback: width =
  // the defined width, or for unformatted text the longest line's length x
  // 0.6 x text height; height = lines x text height x 5/3 x spacing factor
  // (lines split at "\P" and line breaks). The fallback only estimates.
  double actualWidth() const;
  double actualHeight() const;
  // Corners of the laid-out box in world coordinates: top left, top right,
  // bottom left, bottom right.
  void getBoundingPoints(std::array<OdGePoint3d, 4>& points) const;

  // Style, layer and the database's TEXTSIZE and TEXTSTYLE for a new text.
  void setDatabaseDefaults(OdDbDatabase* database);

  // Baseline to world: origin `origin`, x along the direction, z along the normal.
  OdGeMatrix3d textToWorld(const OdGePoint3d& origin) const;
  // The laid-out text's plane to world: origin at the box's top-left corner.
  OdGeMatrix3d boxToWorld() const { return textToWorld(top_left_for(m_attachment)); }
  // The contents split into plain lines at paragraph and line breaks.
  std::vector<OdString> plainLines() const;

protected:
  bool subWorldDraw(OdGiWorldDraw* worldDraw) const override;

private:
  od_mtext_extents extents() const;
  od_mtext_extents fallback_extents() const;
  OdGePoint3d top_left_for(AttachmentPoint attachment) const;

  OdString m_contents;
  double m_textHeight = 2.5, m_height = 0.0, m_width = 0.0;
  OdGePoint3d m_location;
  OdGeVector3d m_direction = OdGeVector3d::kXAxis, m_normal = OdGeVector3d::kZAxis;
  AttachmentPoint m_attachment = kTopLeft;
  OdDbObjectId m_style;
  int m_flowDirection = 1;  // left to right
  ColumnType m_columnType = kNoColumns;
  int m_columnCount = 1;
  double m_columnWidth = 0.0, m_gutter = 0.0;
  bool m_autoHeight = true, m_flowReversed = false;
  std::vector<double> m_columnHeights{0.0};
  LineSpacingStyle m_spacingStyle = kAtLeast;
  double m_spacingFactor = 1.0;
  bool m_backgroundFill = false, m_useBackgroundColor = false;
  OdCmEntityColor m_backgroundColor;
  double m_backgroundScale = 1.5;
};
using OdDbMTextPtr = OdSmartPtr<OdDbMText>;

// Where an attachment point sits on the text's box: column 0 left, 1
// centre, 2 right; row 0 top, 1 middle, 2 bottom. The baseline, align, fit
// and mid kinds that single-line text knows take the nearest cell.
struct od_attachment_cell {
  int column = 0;
  int row = 0;
};
od_attachment_cell odAttachmentCell(OdDbMText::AttachmentPoint attachment);
