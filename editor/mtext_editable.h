// ExMTextEditable: the drawing entity that stands in place of a multiline
// text while it is edited, holding its content settings and its laid-out text.
//
// This layer keeps and draws the text; editing operations and listeners come
// on top of it. The laid-out text is in the entity's plane: x along the
// direction, y up, z along the normal, origin at the top left of the first
// column.
#pragma once

#include <string>
#include <vector>

#include "mtext/geom_multitext.h"
#include "platform/sdk/OdDbEntity.h"
#include "platform/sdk/OdDbMText.h"

class ExMTextEditable : public OdDbEntity {
  ODRX_DECLARE_MEMBERS(ExMTextEditable);

public:
  // A new entity holding `text`'s content, height, style, columns and attachment.
  static OdSmartPtr<ExMTextEditable> createFrom(const OdDbMTextPtr& text);

  const std::u16string& content() const { return m_content; }
  double textHeight() const { return m_textHeight; }
  OdDbObjectId textStyle() const { return m_style; }
  double columnWidth() const { return m_columnWidth; }
  double gutter() const { return m_gutter; }
  std::int32_t columnType() const { return m_columnType; }
  const std::vector<double>& columnHeights() const { return m_columnHeights; }
  OdDbMText::AttachmentPoint attachment() const { return m_attachment; }

  const mtext::geom_multitext& text() const { return m_text; }
  mtext::geom_multitext& text() { return m_text; }
  // Set by every change of the text; cleared by whoever acts on them.
  bool textChanged() const { return m_textChanged; }
  bool layoutNeeded() const { return m_layoutNeeded; }
  void markTextChanged() { m_textChanged = m_layoutNeeded = true; }
  void clearTextChanged() { m_textChanged = false; }

protected:
  ExMTextEditable() = default;
  bool subWorldDraw(OdGiWorldDraw* worldDraw) const override;

private:
  std::u16string m_content;
  double m_textHeight = 2.5;
  OdDbObjectId m_style;
  double m_columnWidth = 0.0;
  double m_gutter = 0.0;
  std::int32_t m_columnType = OdDbMText::kNoColumns;
  std::vector<double> m_columnHeights;
  OdDbMText::AttachmentPoint m_attachment = OdDbMText::kTopLeft;
  mtext::geom_multitext m_text;
  bool m_textChanged = false;
  bool m_layoutNeeded = false;
};
using ExMTextEditablePtr = OdSmartPtr<ExMTextEditable>;

// Registers the class with the filing properties drawing files record for
// it; a second registration answers eDuplicateClassName.
OdResult registerMTextEditable();

// The entity's colour rule: an index other than by layer stays an index; by
// layer takes the entity's own colour; a true colour stays a true colour.
void setEditableColor(OdGiSubEntityTraits& traits, const mtext::color& c, const OdCmEntityColor& own);
