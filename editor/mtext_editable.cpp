#include "editor/mtext_editable.h"

#include "mtext/convert.h"
#include "mtext/draw.h"

ODRX_CONS_DEFINE_MEMBERS(ExMTextEditable, OdDbEntity, u"EXMTEXTEDITABLE")

namespace {

constexpr std::uint16_t by_layer_index = 256;

std::vector<double> manual_heights(const OdDbMText& text) {
  std::vector<double> heights;
  if (text.getColumnType() != OdDbMText::kDynamicColumns || text.getColumnAutoHeight()) return heights;
  for (int i = 0; i < text.getColumnCount(); ++i) heights.push_back(text.getColumnHeight(i));
  return heights;
}

}  // namespace

OdSmartPtr<ExMTextEditable> ExMTextEditable::createFrom(const OdDbMTextPtr& text) {
  ExMTextEditablePtr entity = createObject();
  ExMTextEditable& e = *entity;
  e.m_content = text->contents().str();
  e.m_textHeight = text->textHeight();
  e.m_style = text->textStyle();
  e.m_columnWidth = text->getColumnWidth();
  e.m_gutter = text->getColumnGutterWidth();
  e.m_columnType = text->getColumnType();
  e.m_columnHeights = manual_heights(*text);
  e.m_attachment = text->attachment();
  e.setColor(text->color());
  e.m_text = mtext::decode(text);
  return entity;
}

bool ExMTextEditable::subWorldDraw(OdGiWorldDraw* worldDraw) const {
  mtext::draw(m_text, *worldDraw, worldDraw->geometry(), color(), setEditableColor);
  return true;
}

OdResult registerMTextEditable() {
  return odrxRegisterCustomClass(ExMTextEditable::desc(),
                                 {u"MTextEdit|Description: edit-dialog", 23, 0, 3071});
}

void setEditableColor(OdGiSubEntityTraits& traits, const mtext::color& c, const OdCmEntityColor& own) {
  if (c.kind == 0 && c.index != by_layer_index) traits.setColor(c.index);
  else traits.setTrueColor(mtext::drawing_color(c, own));
}
