// OdDbText: a single line of text with its justification.
//
// Position and alignment point are world points. For every justification
// but left/baseline the alignment point is what the user placed; after
// adjustAlignment the position (the start of the baseline) is derived from
// it, from the text's measured box and from its rotation and normal, so
// that the point the justification names lands on the alignment point.
// The text's box, in its own plane: x from the baseline start to the pen
// end after the last character, y from the baseline to the text height
// (the height of a capital).
#pragma once

#include <array>

#include "platform/sdk/OdDbEntity.h"
#include "platform/sdk/OdGePoint3d.h"
#include "platform/sdk/OdGeMatrix3d.h"
#include "platform/sdk/OdGiTextStyle.h"

enum OdTextHorzMode : int { kTextLeft = 0, kTextCenter = 1, kTextRight = 2, kTextAlign = 3, kTextMid = 4, kTextFit = 5 };
enum OdTextVertMode : int { kTextBase = 0, kTextBottom = 1, kTextVertMid = 2, kTextTop = 3 };

// The measured box of a text in its own plane (baseline along +x from the
// start point, +y up), in drawing units.
struct od_text_box {
  double advance = 0.0;     // pen end after the last character
  double height = 0.0;      // cap height: the text height
  double descent = 0.0;     // depth of the descender line below the baseline (positive)
  double ink_bottom = 0.0;  // the ink box's vertical extent
  double ink_top = 0.0;
};

class OdDbText : public OdDbEntity {
  ODRX_DECLARE_MEMBERS(OdDbText);

public:
  const OdString& textString() const { return m_text; }
  void setTextString(const OdString& text) { assertWriteEnabled(); m_text = text; }
  const OdGePoint3d& position() const { return m_position; }
  void setPosition(const OdGePoint3d& p) { assertWriteEnabled(); m_position = p; }
  const OdGePoint3d& alignmentPoint() const { return m_alignment; }
  void setAlignmentPoint(const OdGePoint3d& p) { assertWriteEnabled(); m_alignment = p; }
  double height() const { return m_height; }
  // A height that is not positive is refused with eInvalidInput.
  void setHeight(double height);
  double widthFactor() const { return m_widthFactor; }
  void setWidthFactor(double factor);
  // Radians.
  double oblique() const { return m_oblique; }
  void setOblique(double radians) { assertWriteEnabled(); m_oblique = radians; }
  double rotation() const { return m_rotation; }
  void setRotation(double radians) { assertWriteEnabled(); m_rotation = radians; }
  const OdGeVector3d& normal() const { return m_normal; }
  // A zero normal is refused with eInvalidInput; others are normalised.
  void setNormal(const OdGeVector3d& normal);
  double thickness() const { return m_thickness; }
  void setThickness(double t) { assertWriteEnabled(); m_thickness = t; }
  OdDbObjectId textStyle() const { return m_style; }
  void setTextStyle(const OdDbObjectId& styleId) { assertWriteEnabled(); m_style = styleId; }
  OdTextHorzMode horizontalMode() const { return m_horizontal; }
  // A mode outside the enumeration is refused with eInvalidInput.
  void setHorizontalMode(OdTextHorzMode mode);
  OdTextVertMode verticalMode() const { return m_vertical; }
  void setVerticalMode(OdTextVertMode mode);
  bool isMirroredInX() const { return m_mirroredX; }
  void mirrorInX(bool on) { assertWriteEnabled(); m_mirroredX = on; }
  bool isMirroredInY() const { return m_mirroredY; }
  void mirrorInY(bool on) { assertWriteEnabled(); m_mirroredY = on; }
  bool isDefaultAlignment() const { return m_horizontal == kTextLeft && m_vertical == kTextBase; }

  // Style, layer and the database's TEXTSIZE and TEXTSTYLE for a new text.
  void setDatabaseDefaults(OdDbDatabase* database);

  // The corners of the text's box in world coordinates, in the order top
  // left, top right, bottom left, bottom right.
  void getBoundingPoints(std::array<OdGePoint3d, 4>& points) const;
  // Re-derives the position (or for align and fit the height or width
  // factor and the rotation) from the alignment point. `database` supplies
  // the fonts; null uses the text's own database. Drawings often store a
  // stale position for such texts (many writers put the alignment point
  // there), so readers settle every text this way once it is read.
  void adjustAlignment(OdDbDatabase* database = nullptr);

  // The style the text is drawn with: its record (the database's Standard
  // when it names none), with the text's height, width factor and obliquing
  // angle; null `database` uses the text's own.
  OdGiTextStyle drawStyle(OdDbDatabase* database = nullptr) const;
  // The measured box in the text's own plane.
  od_text_box measureBox(OdDbDatabase* database = nullptr) const;
  // Text plane to world: origin at the position, x along the baseline
  // (mirroring included), z along the normal.
  OdGeMatrix3d textToWorld(const OdGePoint3d& origin) const;
  // The baseline direction in world coordinates.
  OdGeVector3d direction() const;

protected:
  bool subWorldDraw(OdGiWorldDraw* worldDraw) const override;

private:
  // The point of the box the justification names, in the text's plane.
  OdGePoint2d justification_anchor(const od_text_box& box) const;
  void fit_between_points(const od_text_box& box);

  OdString m_text;
  OdGePoint3d m_position, m_alignment;
  double m_height = 2.5, m_widthFactor = 1.0, m_oblique = 0.0, m_rotation = 0.0, m_thickness = 0.0;
  OdGeVector3d m_normal = OdGeVector3d::kZAxis;
  OdDbObjectId m_style;
  OdTextHorzMode m_horizontal = kTextLeft;
  OdTextVertMode m_vertical = kTextBase;
  bool m_mirroredX = false, m_mirroredY = false;
};
using OdDbTextPtr = OdSmartPtr<OdDbText>;

// A new, empty Text set as `model` is: its drawing's defaults, then the
// model's style, height, width factor, slant, rotation and plane. Lines
// added below a Text are made so.
OdDbTextPtr odNewTextLike(const OdDbText& model);
