#include "editor/mtext_editable.h"

#include <algorithm>
#include <cmath>

#include "mtext/convert.h"
#include "mtext/draw.h"
#include "mtext/escape.h"
#include "mtext/layout.h"
#include "mtext/parse.h"
#include "platform/sdk/OdDbDatabase.h"
#include "platform/sdk/OdDbFiler.h"
#include "platform/sdk/OdDbTextStyleTableRecord.h"

ODRX_CONS_DEFINE_MEMBERS(ExMTextEditable, OdDbEntity, u"EXMTEXTEDITABLE")

namespace {

constexpr std::uint16_t by_layer_index = 256;
constexpr int content_code = 71;
constexpr int height_code = 74;
constexpr std::uint32_t multiline_editor = 1;
constexpr std::uint32_t single_line_editor = 2;

editor::column_settings columns_of(const OdDbMText& text) {
  editor::column_settings c;
  c.type = text.getColumnType();
  c.frame_height = text.height();
  c.width = c.type == OdDbMText::kNoColumns ? text.width() : text.getColumnWidth();
  c.gutter = text.getColumnGutterWidth();
  c.auto_height = text.getColumnAutoHeight();
  if (c.type == OdDbMText::kDynamicColumns && !c.auto_height)
    for (int i = 0; i < text.getColumnCount(); ++i) c.heights.push_back(text.getColumnHeight(i));
  else if (c.type == OdDbMText::kStaticColumns)
    c.heights.assign(static_cast<std::size_t>(std::max(0, text.getColumnCount())), text.height());
  return c;
}

std::vector<mtext::marks::selection> selections_in(const mtext::geom_multitext& text) {
  std::vector<mtext::marks::selection> result;
  for (const mtext::marks::selection* s : mtext::marks::selections_of(text.marks)) result.push_back(*s);
  return result;
}

bool same_selections(const std::vector<mtext::marks::selection>& a, const std::vector<mtext::marks::selection>& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const auto& x, const auto& y) {
    return x.begin == y.begin && x.end == y.end && x.reversed == y.reversed;
  });
}

// A single-line text's position is the left end of its first baseline.
OdGeMatrix3d baselineToWorld(const OdDbText& text, const mtext::geom_multitext& laid_out) {
  const double baseline = laid_out.lines.empty() ? -text.height() : laid_out.lines.front().y;
  const OdGeVector3d normal = text.normal();
  const OdGeVector3d x = OdGeMatrix3d::planeToWorld(normal) * OdGeVector3d(std::cos(text.rotation()), std::sin(text.rotation()), 0.0);
  OdGeMatrix3d m;
  m.setCoordSystem(text.position(), x, normal.crossProduct(x), normal);
  return m * OdGeMatrix3d::translation(OdGeVector3d(0.0, -baseline, 0.0));
}

}  // namespace

ExMTextEditable::ExMTextEditable() {
  m_finder = std::make_shared<mtext::mtext_size_finder>(OdDbDatabasePtr());
  m_target = std::make_unique<editor::geom_edit_target>(m_text, mtext::format::string{}, *m_finder,
                                                        mtext::marks::letters_dictionary::english());
}

OdSmartPtr<ExMTextEditable> ExMTextEditable::createFrom(const OdDbMTextPtr& text) {
  ExMTextEditablePtr entity = createObject();
  ExMTextEditable& e = *entity;
  e.m_content = text->contents().str();
  e.m_textHeight = text->textHeight();
  e.m_style = text->textStyle();
  e.m_columns = columns_of(*text);
  e.m_attachment = text->attachment();
  e.setColor(text->color());
  e.m_text.info = mtext::mtext_convert_info(text);
  e.m_text.info.layout_mode = multiline_editor;
  // The plane's origin is the box's top-left corner: the text hangs from it
  // while it is edited, whatever the attachment's row.
  e.m_text.info.vertical = 0;
  e.setMeasurement(std::make_shared<mtext::mtext_size_finder>(OdDbDatabasePtr(text->database())),
                   mtext::default_mtext_format(text));
  // The text stands where the drawing shows it: the editor's frame is the
  // object's, which may reach left of the lines' box.
  const double left = mtext::box_origin_of(mtext::decode(text)).x;
  e.m_planeToWorld = text->boxToWorld() * OdGeMatrix3d::translation(OdGeVector3d(-left, 0.0, 0.0));
  return entity;
}

OdSmartPtr<ExMTextEditable> ExMTextEditable::createFrom(const OdDbTextPtr& text) {
  ExMTextEditablePtr entity = createObject();
  ExMTextEditable& e = *entity;
  e.m_content = mtext::escape_mtext(text->textString().c_str(), false);
  e.m_textHeight = text->height();
  e.m_style = text->textStyle();
  e.setColor(text->color());
  e.m_text.info.text_height = text->height();
  e.m_text.info.column_width = 0.0;
  e.m_text.info.layout_mode = single_line_editor;
  mtext::format::string base;
  base.style = giEntityTextStyle(text->textStyle(), text->database(), text->height());  // as it is drawn
  base.height = text->height();
  base.style.setXScale(text->widthFactor());
  base.style.setObliquingAngle(text->oblique());
  base.style.setTextSize(base.height);
  e.setMeasurement(std::make_shared<mtext::mtext_size_finder>(OdDbDatabasePtr(text->database())), base);
  e.m_planeToWorld = baselineToWorld(*text, e.m_text);
  return entity;
}

void ExMTextEditable::setMeasurement(std::shared_ptr<const mtext::string_size_finder> finder,
                                     mtext::format::string base) {
  m_finder = std::move(finder);
  base.height = m_textHeight;
  m_target = std::make_unique<editor::geom_edit_target>(m_text, std::move(base), *m_finder,
                                                        mtext::marks::letters_dictionary::english());
  rebuildText();
}

void ExMTextEditable::setDictionary(mtext::marks::letters_dictionary dictionary) {
  m_target = std::make_unique<editor::geom_edit_target>(m_text, m_target->default_format(), *m_finder,
                                                        std::move(dictionary));
  m_target->update_numbering();
  noteChanges();
}

void ExMTextEditable::rebuildText() {
  const mtext::convert_info info = m_text.info;
  m_text = mtext::geom_multitext();
  mtext::multitext model;
  mtext::parse(m_content.c_str(), m_target->default_format(), model, false);
  mtext::to_geom(m_text, model, m_textHeight, *m_finder);
  m_text.info = info;
  m_text.info.text_height = m_textHeight;
  applyColumnSettings();
  m_target->update_numbering();
  m_text.marks.push_back(new mtext::marks::selection(0, 0));
  m_laidOut = false;
  noteChanges();
  relayout(true);
}

void ExMTextEditable::setTextHeight(double height) {
  m_textHeight = height;
  m_text.info.text_height = height;
  markTextChanged();
}

void ExMTextEditable::applyColumnSettings() {
  mtext::convert_info& info = m_text.info;
  if (info.layout_mode == single_line_editor) return;
  info.column_width = m_columns.width;
  info.gutter = m_columns.type == OdDbMText::kNoColumns ? 0.2 * m_columns.width : m_columns.gutter;
  switch (m_columns.type) {
    case OdDbMText::kNoColumns:
      info.column_kind = mtext::columns_static;
      info.column_heights = {m_columns.frame_height};
      break;
    case OdDbMText::kStaticColumns:
      info.column_kind = mtext::columns_static;
      info.column_heights = m_columns.heights.empty() ? std::vector<double>{m_columns.frame_height} : m_columns.heights;
      break;
    default:
      info.column_kind = m_columns.auto_height ? mtext::columns_dynamic_auto : mtext::columns_dynamic_manual;
      info.column_heights = m_columns.auto_height || m_columns.heights.empty()
                                ? std::vector<double>{m_columns.frame_height}
                                : m_columns.heights;
  }
}

void ExMTextEditable::setColumns(const editor::column_settings& columns) {
  m_columns = columns;
  applyColumnSettings();
  m_laidOut = false;  // new parameters: every line may move
  m_layoutNeeded = true;
}

std::size_t ExMTextEditable::columnCount() const {
  return std::max(m_text.columns.size(), m_columns.heights.size());
}

double ExMTextEditable::frameWidth() const {
  if (m_columns.type == OdDbMText::kNoColumns) return m_columns.width;
  const auto count = static_cast<double>(std::max<std::size_t>(columnCount(), 1));
  return (m_columns.width + m_columns.gutter) * count - m_columns.gutter;
}

double ExMTextEditable::frameHeight() const {
  double tallest = m_columns.frame_height;
  for (const double h : m_columns.heights) tallest = std::max(tallest, h);
  return tallest;
}

void ExMTextEditable::restoreText(mtext::geom_multitext text) {
  const mtext::convert_info info = m_text.info;
  m_text = std::move(text);
  m_text.info = info;
  applyColumnSettings();
  m_target->update_numbering();  // snapshots may leave list numbers out
  m_text.take_changes();
  m_laidOut = false;
  m_textChanged = true;
  m_layoutNeeded = true;
  m_snapshotChanges = mtext::change_span{};
  m_listsChanged = false;
  relayout(true);
}

mtext::change_span ExMTextEditable::takeSnapshotChanges() {
  noteChanges();
  return std::exchange(m_snapshotChanges, mtext::change_span{});
}

void ExMTextEditable::noteChanges() {
  const mtext::change_span changes = m_text.take_changes();
  if (changes.empty()) return;
  m_layoutChanges.add(changes, m_text.size());
  m_snapshotChanges.add(changes, m_text.size());
  m_listsChanged = m_listsChanged || changes.paragraphs;
  markTextChanged();
}

void ExMTextEditable::relayout(bool force) {
  if (!force && !m_layoutNeeded) return;
  noteChanges();
  const mtext::change_span span = m_layoutChanges;
  if (m_laidOut && !span.empty() && !force) {
    const mtext::position kept = span.first + span.tail;
    m_layout.update(m_text, {span.first, m_laidOutSize - kept, m_text.size() - kept});
  } else if (!m_laidOut || force || !span.empty()) {
    m_layout.dispose(m_text);
  }
  m_laidOut = true;
  m_laidOutSize = m_text.size();
  m_layoutChanges = mtext::change_span{};
  m_layoutNeeded = false;
}

std::vector<mtext::marks::selection> ExMTextEditable::selections() const { return selections_in(m_text); }

void ExMTextEditable::endOperation(bool layout) {
  noteChanges();
  // Cutting at several selections can leave carets on one spot.
  mtext::marks::merge_selections(m_text.marks);
  std::vector<mtext::marks::selection> now = selections();
  const bool moved = !same_selections(now, m_previousSelections);
  if (moved && !now.empty()) {
    m_currentFormat = mtext::format::current_format(m_text, m_target->default_format(), now.front());
    m_currentParagraph = mtext::format::current_paragraph_format(m_text, now.front());
  }
  m_previousSelections = std::move(now);
  // Numbering reads every list; only breaks and labels can change one.
  if (layout && m_listsChanged) {
    m_target->update_numbering();
    noteChanges();
    m_listsChanged = false;
  }
  if (layout) {
    if (!m_deferredUpdate) relayout(false);
  }
  if (moved || layout)
    for (editor::editable_listener* l : m_listeners)
      if (l) l->stateChanged();
}

void ExMTextEditable::setListeners(editor::editable_listener* toolbar, editor::editable_listener* editor) {
  m_listeners[0] = toolbar;
  m_listeners[1] = editor;
}

win::window_id ExMTextEditable::clipboardOwner() const {
  for (const editor::editable_listener* l : m_listeners)
    if (l && l->clipboardWindow() != win::window_id::none) return l->clipboardWindow();
  return win::window_id::none;
}

OdResult ExMTextEditable::dwgInFields(OdDbDwgFiler* filer) {
  m_content = filer->rdString().str();
  m_textHeight = filer->rdDouble();
  rebuildText();
  return eOk;
}

std::u16string ExMTextEditable::currentContent() const {
  return mtext::encode(m_text, m_target->default_format(), m_textHeight);
}

void ExMTextEditable::dwgOutFields(OdDbDwgFiler* filer) const {
  filer->wrString(OdString(currentContent()));
  filer->wrDouble(m_textHeight);
}

OdResult ExMTextEditable::dxfInFields(OdDbDxfFiler* filer) {
  OdDxfTag tag;
  while (filer->nextItem(tag)) {
    if (tag.code == content_code) m_content = filer->stringValue(tag).str();
    else if (tag.code == height_code) m_textHeight = filer->doubleValue(tag);
  }
  rebuildText();
  return eOk;
}

void ExMTextEditable::dxfOutFields(OdDbDxfFiler* filer) const {
  filer->wrSubclassMarker(desc()->name());
  filer->wrString(content_code, OdString(currentContent()));
  filer->wrDouble(height_code, m_textHeight);
}

bool ExMTextEditable::subWorldDraw(OdGiWorldDraw* worldDraw) const {
  worldDraw->geometry().pushModelTransform(m_planeToWorld);
  mtext::draw(m_text, *worldDraw, worldDraw->geometry(), color(), setEditableColor);
  worldDraw->geometry().popModelTransform();
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
