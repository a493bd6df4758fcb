// MTEXT records: contents in 250-character chunks (3 ... 3, then 1), the
// frame, attachment, direction, line spacing, background mask and columns.
//
// Location and direction are world values in the record; the rotation (50,
// degrees in the text's plane) counts only when there is no direction.
#include <cmath>

#include "platform/sdk/OdDxfMTextColumns.h"
#include "platform/sdk/OdDxfObjectMapKinds.h"
#include "platform/sdk/OdDxfValue.h"
#include "platform/sdk/OdGeMatrix3d.h"

namespace {

constexpr double kDegrees = 180.0 / OdaPI;
// Background flags (group 90).
enum : int { kFillFlag = 1, kWindowColorFlag = 2, kFrameFlag = 16 };

const std::initializer_list<int> kMTextOrder = {10, 20, 30, 40, 41, 46, 71, 72, 3, 1, 7, 210, 220, 230, 11, 21, 31,
                                                42, 43, 50, 73, 44, 45, 90, 63, 420, 421, 430, 431, 441};

// The raw contents of one record's AcDbMText part: its 3 chunks, then its 1.
std::string raw_contents(const OdDxfTags& record) {
  const od_dxf_part part = odDxfFindPart(record, "AcDbMText");
  std::string chunks, tail;
  for (std::size_t i = odDxfFind(record, part, 3); i != std::string::npos && i < part.end; ++i)
    if (record[i].code == 3) chunks += record[i].value;
  if (const std::size_t at = odDxfFind(record, part, 1); at != std::string::npos) tail = record[at].value;
  return chunks + tail;
}

// The contents as the record reads: its own and, in the extended-data form
// of columns, those of the records holding the later columns.
OdString contents_of(const OdDxfTags& record, const std::optional<od_mtext_columns>& columns,
                     const OdDxfContext& context) {
  std::string raw = raw_contents(record);
  if (columns && context.recordByHandle)
    for (std::uint64_t handle : columns->linkedColumns)
      if (const OdDxfTags* linked = context.recordByHandle(handle)) raw += raw_contents(*linked);
  return odDxfDecodeString(raw, context.version, false);
}

std::optional<od_mtext_columns> columns_of(const OdDxfTags& record) {
  if (auto embedded = odDxfReadEmbeddedColumns(record)) return embedded;
  return odDxfReadXDataColumns(record);
}

OdCmEntityColor background_color(const od_dxf_reader& reader) {
  OdCmEntityColor color = OdCmEntityColor::fromIndex(OdCmEntityColor::kACIforeground);
  if (const auto rgb = reader.integer(421)) {
    color = odDxfTrueColor(*rgb);
  } else if (const auto index = reader.integer(63)) {
    odDxfApply([&] { color.setColorIndex(static_cast<int>(*index)); });
  }
  return color;
}

void read_frame(const od_dxf_reader& reader, const std::optional<od_mtext_columns>& columns, OdDbMText& mtext) {
  mtext.setLocation(reader.point(10).value_or(OdGePoint3d::kOrigin));
  if (const auto height = reader.real(40)) odDxfApply([&] { mtext.setTextHeight(*height); });
  if (const auto width = reader.real(41)) odDxfApply([&] { mtext.setWidth(*width); });
  const auto defined = reader.real(46) ? reader.real(46) : columns ? columns->definedHeight : std::nullopt;
  if (defined) odDxfApply([&] { mtext.setHeight(*defined); });
  if (const auto attachment = reader.integer(71))
    odDxfApply([&] { mtext.setAttachment(static_cast<OdDbMText::AttachmentPoint>(*attachment)); });
  if (const auto flow = reader.integer(72)) mtext.setFlowDirection(static_cast<int>(*flow));
  odDxfApply([&] { mtext.setNormal(reader.vector(210).value_or(OdGeVector3d::kZAxis)); });
  if (const auto direction = reader.vector(11))
    odDxfApply([&] { mtext.setDirection(*direction); });
  else
    mtext.setRotation(reader.real(50).value_or(0.0) / kDegrees);
}

void read_spacing_and_background(const od_dxf_reader& reader, OdDbMText& mtext) {
  if (const auto style = reader.integer(73))
    mtext.setLineSpacingStyle(*style == 2 ? OdDbMText::kExactly : OdDbMText::kAtLeast);
  if (const auto factor = reader.real(44)) odDxfApply([&] { mtext.setLineSpacingFactor(*factor); });
  const long long flags = reader.integer(90).value_or(0);
  mtext.setBackgroundFill((flags & (kFillFlag | kWindowColorFlag)) != 0);
  mtext.setUseBackgroundColor((flags & kWindowColorFlag) != 0);
  mtext.setBackgroundFillColor(background_color(reader));
  if (const auto scale = reader.real(45)) odDxfApply([&] { mtext.setBackgroundScaleFactor(*scale); });
}

// Rewrites the 3/1 chunks of the contents where the first of them stood.
void write_contents(OdDxfTags& tags, const OdDbMText& mtext, int version, od_dxf_patcher& patcher) {
  const od_dxf_part part = odDxfFindPart(tags, "AcDbMText");
  std::size_t at = std::string::npos;
  for (std::size_t i = part.end; i-- > part.begin;)
    if (tags[i].code == 3 || tags[i].code == 1) {
      at = i;
      tags.erase(tags.begin() + static_cast<std::ptrdiff_t>(i));
    }
  const std::vector<std::string> chunks = odDxfSplitChunks(odDxfEncodeString(mtext.contents(), version));
  OdDxfTags fresh;
  for (std::size_t i = 0; i < chunks.size(); ++i)
    fresh.push_back({i + 1 == chunks.size() ? 1 : 3, chunks[i], 0});
  if (at == std::string::npos) {
    patcher.raw(1, std::string());  // places the 1 by the canonical order
    at = odDxfFind(tags, odDxfFindPart(tags, "AcDbMText"), 1);
    tags.erase(tags.begin() + static_cast<std::ptrdiff_t>(at));
  }
  tags.insert(tags.begin() + static_cast<std::ptrdiff_t>(at), fresh.begin(), fresh.end());
}

// `fresh`: a new record, which names its attachment even when it is the default.
void write_frame(od_dxf_patcher& patcher, const OdDbMText& mtext, bool fresh) {
  patcher.point(10, mtext.location(), OdGePoint3d::kOrigin, true);
  patcher.real(40, mtext.textHeight(), 2.5, true);
  patcher.real(41, mtext.width(), 0.0);
  od_dxf_reader reader(patcher.tags(), patcher.version());
  reader.part("AcDbMText");
  if (reader.real(46) || patcher.version() >= kOdDxfUtf8Version) patcher.real(46, mtext.height(), 0.0);
  patcher.integer(71, mtext.attachment(), 1, fresh);
  patcher.integer(72, mtext.flowDirection(), 1);
  odDxfWriteStyleName(patcher, mtext.textStyle());
  patcher.vector(210, mtext.normal(), OdGeVector3d::kZAxis);
  // The direction wins over the rotation; keep the form the record has.
  if (reader.vector(11) || !reader.real(50)) {
    patcher.vector(11, mtext.direction(), OdGeMatrix3d::arbitraryAxisX(mtext.normal()));
  } else {
    patcher.angle(50, mtext.rotation());
  }
}

void write_spacing_and_background(od_dxf_patcher& patcher, const OdDbMText& mtext) {
  patcher.integer(73, mtext.lineSpacingStyle(), 1);
  patcher.real(44, mtext.lineSpacingFactor(), 1.0);
  if (patcher.version() < kOdDxfUtf8Version) return;
  od_dxf_reader reader(patcher.tags(), patcher.version());
  reader.part("AcDbMText");
  const long long oldFlags = reader.integer(90).value_or(0);
  const long long flags = (mtext.backgroundFillOn() ? kFillFlag : 0) | (mtext.useBackgroundColorOn() ? kWindowColorFlag : 0);
  const bool sameFlags = ((oldFlags & (kFillFlag | kWindowColorFlag)) != 0) == mtext.backgroundFillOn() &&
                         ((oldFlags & kWindowColorFlag) != 0) == mtext.useBackgroundColorOn();
  if (!sameFlags) patcher.integer(90, flags | (oldFlags & kFrameFlag), 0);
  if (!mtext.backgroundFillOn() && !reader.integer(90)) return;
  const OdCmEntityColor& color = mtext.getBackgroundFillColor();
  if (!(background_color(reader) == color)) {
    patcher.integer(63, color.colorIndex(), -1, true);
    if (color.isByColor()) patcher.integer(421, color.color() & 0xFFFFFF, -1, true);
    else patcher.remove(421);
  }
  patcher.real(45, mtext.getBackgroundScaleFactor(), -1.0, mtext.backgroundFillOn());
}

// Columns in the form the version has; the contents decide whether the
// later columns' own records still count (they do not once rewritten).
void write_columns(OdDxfTags& tags, const OdDbMText& mtext, const std::optional<od_mtext_columns>& old,
                   bool contentsRewritten, int version) {
  od_mtext_columns wanted = odDxfColumnsOf(mtext);
  if (version >= kOdDxfEmbeddedColumnsVersion) {
    const auto embedded = odDxfReadEmbeddedColumns(tags);
    const bool same = embedded ? odDxfSameColumns(*embedded, wanted) && embedded->definedHeight &&
                                     odDxfSameDouble(*embedded->definedHeight, mtext.height())
                               : wanted.type == OdDbMText::kNoColumns;
    if (!same) odDxfWriteEmbeddedColumns(tags, mtext);
    return;
  }
  const bool keepHeight = wanted.type != OdDbMText::kNoColumns ? !(wanted.type == OdDbMText::kDynamicColumns && !wanted.autoHeight)
                                                             : (old && old->definedHeight) || (version < kOdDxfUtf8Version && mtext.height() != 0.0);
  if (keepHeight) wanted.definedHeight = mtext.height();
  if (old && !contentsRewritten) wanted.linkedColumns = old->linkedColumns;
  const bool sameHeight = (old ? old->definedHeight : std::nullopt).has_value() == wanted.definedHeight.has_value() &&
                          (!wanted.definedHeight || odDxfSameDouble(*old->definedHeight, *wanted.definedHeight));
  const bool same = old ? odDxfSameColumns(*old, wanted) && sameHeight && old->linkedColumns == wanted.linkedColumns
                        : wanted.type == OdDbMText::kNoColumns && !wanted.definedHeight;
  if (!same) odDxfWriteXDataColumns(tags, wanted);
}

}  // namespace

OdDbObjectPtr odDxfReadMText(const OdDxfTags& record, const OdDxfContext& context) {
  OdDbMTextPtr mtext = OdDbMText::createObject();
  odDxfReadEntity(record, context, *mtext);
  const auto columns = columns_of(record);
  od_dxf_reader reader(record, context.version);
  reader.part("AcDbMText");
  mtext->setContents(contents_of(record, columns, context));
  if (const auto style = reader.string(7)) mtext->setTextStyle(odDxfTextStyleByName(*style, context));
  read_frame(reader, columns, *mtext);
  read_spacing_and_background(reader, *mtext);
  if (columns) odDxfApply([&] { odDxfApplyColumns(*columns, *mtext); });
  return mtext;
}

OdDxfTags odDxfWriteMText(const OdDbObject& object, const OdDxfTags& original, const OdDxfContext& context) {
  const auto& mtext = dynamic_cast<const OdDbMText&>(object);
  if (original.empty() && context.version < kOdDxfSubclassVersion)
    throw OdError(eNotImplemented, "MTEXT exists from R13 on; an R12 drawing cannot hold a new one");
  OdDxfTags tags = original.empty() ? odDxfNewRecord(object, "MTEXT", {"AcDbEntity", "AcDbMText"}, context) : original;
  const auto old = original.empty() ? std::nullopt : odDxfReadXDataColumns(original);
  od_dxf_patcher patcher(tags, context.version);
  odDxfWriteEntity(patcher, mtext);
  patcher.part("AcDbMText", kMTextOrder);
  const bool rewrite = original.empty() || contents_of(original, columns_of(original), context) != mtext.contents();
  if (rewrite) write_contents(tags, mtext, context.version, patcher);
  write_frame(patcher, mtext, original.empty());
  write_spacing_and_background(patcher, mtext);
  write_columns(tags, mtext, old, rewrite && old && !old->linkedColumns.empty(), context.version);
  return tags;
}
