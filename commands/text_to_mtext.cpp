#include "commands/text_to_mtext.h"

#include <array>

#include "commands/text_fit.h"
#include "commands/text_justify.h"
#include "mtext/convert.h"
#include "mtext/escape.h"
#include "mtext/parse.h"
#include "mtext/serialize.h"
#include "platform/sdk/OdDbTextStyleTableRecord.h"

namespace text_to_mtext {

bool reads_before(const OdDbText& a, const OdDbText& b) {
  const double tolerance = (a.height() + b.height()) * 0.1;
  const OdGePoint3d& pa = a.position();
  const OdGePoint3d& pb = b.position();
  if (pa.y - pb.y > tolerance) return true;
  if (pb.y - pa.y > tolerance) return false;
  return pa.x < pb.x;
}

void sort_reading_order(std::vector<OdDbTextPtr>& texts) {
  for (std::size_t i = 1; i < texts.size(); ++i)
    for (std::size_t j = i; j > 0 && reads_before(*texts[j], *texts[j - 1]); --j) std::swap(texts[j], texts[j - 1]);
}

mtext::color content_color(const OdCmEntityColor& color) {
  mtext::color c;
  if (color.isByColor()) {
    const std::uint32_t rgb = color.rgb();
    c.kind = 1;
    c.rgb = ((rgb & 0xFFu) << 16) | (rgb & 0xFF00u) | ((rgb >> 16) & 0xFFu);
  } else {
    c.kind = 0;
    c.index = static_cast<std::uint16_t>(color.colorIndex());
  }
  return c;
}

mtext::format::string text_format(const OdDbText& text) {
  mtext::format::string f;
  f.style = text.drawStyle();
  f.height = text.height();
  f.color = content_color(text.color());
  return f;
}

namespace {

struct baseline_ends {
  double left = 0.0;
  double right = 0.0;
};

baseline_ends ends_of(const OdDbText& text) {
  std::array<OdGePoint3d, 4> box;
  text.getBoundingPoints(box);
  return {box[2].x, box[3].x};
}

// The base format: the MText's own (its style at its height), as a reader of
// the merged contents will take text outside any code; the MText's colour is
// its entity colour, so the first Text's colour counts as base when equal.
mtext::format::string base_format(OdDbMText& mtext, const OdDbText& first) {
  mtext::format::string base = mtext::default_mtext_format(OdDbMTextPtr(&mtext));
  if (first.color() == mtext.color()) base.color = content_color(first.color());
  return base;
}

// The Text's string as parts in its own format (blanks become blank parts).
// A Text's string is plain text: braces and backslashes are characters, so
// they are escaped before reading; "%%" codes mean the same in both kinds.
void append_string(mtext::multitext& model, const OdDbText& text) {
  mtext::multitext run;
  const std::u16string content = mtext::escape_mtext(text.textString().c_str(), false);
  mtext::parse(content.c_str(), text_format(text), run, false);
  for (const mtext::part& p : run.parts) model.parts.push_back(p.clone());
}

void append_separator(mtext::multitext& model, const OdDbText& previous, bool same_row) {
  const mtext::format::string f = text_format(previous);
  if (same_row) model.parts.push_back(new mtext::spaces(f, 1));
  else model.parts.push_back(new mtext::new_paragraph(model.paragraph, f, false));
}

// Location and attachment by the first Text's box and horizontal mode.
void place(OdDbMText& mtext, const OdDbText& first) {
  std::array<OdGePoint3d, 4> box;
  first.getBoundingPoints(box);
  switch (first.horizontalMode()) {
    case kTextCenter:
    case kTextMid:
      mtext.setAttachment(OdDbMText::kTopCenter);
      mtext.setLocation(box[0] + (box[1] - box[0]) * 0.5);
      break;
    case kTextRight:
      mtext.setAttachment(OdDbMText::kTopRight);
      mtext.setLocation(box[1]);
      break;
    default:
      mtext.setAttachment(OdDbMText::kTopLeft);
      mtext.setLocation(box[0]);
      break;
  }
}

// The Text as drawn: an align or fit Text settled on a copy, the drawing's
// object untouched.
OdDbTextPtr as_drawn(const OdDbTextPtr& text) {
  if (!alignOrFit(text->horizontalMode())) return text;
  OdDbTextPtr copy = text_fit::copy_text(*text);
  justification::settle_align_or_fit(*copy);
  return copy;
}

}  // namespace

OdDbMTextPtr merge(const std::vector<OdDbTextPtr>& given, OdDbDatabase* database) {
  if (given.empty()) return OdDbMTextPtr();
  std::vector<OdDbTextPtr> texts;
  for (const OdDbTextPtr& text : given) texts.push_back(as_drawn(text));
  const OdDbText& first = *texts.front();
  OdDbMTextPtr mtext = OdDbMText::createObject();
  mtext->setDatabaseDefaults(database);
  mtext->setTextStyle(first.textStyle().isNull() && database ? database->getTextStyleStandardId()
                                                            : first.textStyle());
  mtext->setTextHeight(first.height());

  mtext::multitext model;
  model.paragraph.line_spacing = 1.0;
  append_string(model, first);
  double previous_right = ends_of(first).right;
  for (std::size_t i = 1; i < texts.size(); ++i) {
    const baseline_ends ends = ends_of(*texts[i]);
    append_separator(model, *texts[i - 1], previous_right <= ends.left);
    append_string(model, *texts[i]);
    previous_right = ends.right;
  }
  mtext->setContents(OdString(mtext::serialize(model, base_format(*mtext, first), 1.0)));

  // A frame of exactly the laid-out size keeps every row on its own line.
  mtext->setWidth(mtext->actualWidth());
  mtext->setHeight(mtext->actualHeight());
  mtext->setNormal(first.normal());
  place(*mtext, first);
  mtext->setRotation(first.rotation());
  return mtext;
}

}  // namespace text_to_mtext
