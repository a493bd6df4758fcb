// MULTILEADER records: the content and how the leaders attach to a text. The text's values live in the
// CONTEXT_DATA{ group (304 contents, 41 height, 12 location, 13 direction,
// 340 style, 171 attachment, 43 width); the content type (172) and the
// block's attribute values (330 definition, 302 value) and the text's
// attachment (173 left, 95 right, 271 direction) follow the group.
#include "platform/sdk/OdDbMLeader.h"
#include "platform/sdk/OdDxfObjectMapKinds.h"
#include "platform/sdk/OdDxfValue.h"

namespace {

// The context group up to its first leader: where the text's values are.
od_dxf_part context_part(const OdDxfTags& tags) {
  od_dxf_part part{tags.size(), tags.size()};
  for (std::size_t i = 0; i < tags.size(); ++i) {
    if (tags[i].code == 300 && tags[i].value == "CONTEXT_DATA{") part.begin = i + 1;
    else if (part.begin < tags.size() && (tags[i].code == 302 || tags[i].code == 301)) return {part.begin, i};
  }
  return part;
}

// After the context group's closing 301 to the end of the body.
od_dxf_part outer_part(const OdDxfTags& tags) {
  const od_dxf_part body = odDxfBody(tags);
  int depth = 0;
  for (std::size_t i = body.begin; i < body.end; ++i) {
    if (tags[i].code == 300 && tags[i].value == "CONTEXT_DATA{") ++depth;
    if (tags[i].code == 301 && tags[i].value == "}" && --depth == 0) return {i + 1, body.end};
  }
  return {body.end, body.end};
}

OdString record_name(const OdDxfContext& context, std::uint64_t handle) {
  const OdDxfTags* record = context.recordByHandle ? context.recordByHandle(handle) : nullptr;
  if (!record) return OdString();
  od_dxf_reader reader(*record, context.version);
  const bool definition = odDxfRecordType(*record) == "ATTDEF";
  return reader.part(definition ? "AcDbAttributeDefinition" : "AcDbBlockTableRecord").string(2).value_or(OdString());
}

OdDbMTextPtr read_text(const od_dxf_reader& reader, const OdDxfContext& context) {
  OdDbMTextPtr mtext = OdDbMText::createObject();
  mtext->setContents(reader.string(304, false).value_or(OdString()));
  if (const auto height = reader.real(41)) odDxfApply([&] { mtext->setTextHeight(*height); });
  if (const auto location = reader.point(12)) mtext->setLocation(*location);
  if (const auto direction = reader.vector(13)) odDxfApply([&] { mtext->setDirection(*direction); });
  if (const auto width = reader.real(43)) odDxfApply([&] { mtext->setWidth(*width); });
  if (const auto attachment = reader.integer(171))
    odDxfApply([&] { mtext->setAttachment(static_cast<OdDbMText::AttachmentPoint>(*attachment)); });
  if (const auto style = reader.raw(340)) mtext->setTextStyle(odDxfObjectByHandle(odDxfParseHandle(*style), context));
  return mtext;
}

void read_block(const OdDxfTags& record, const OdDxfContext& context, OdDbMLeader& leader) {
  od_dxf_reader reader(record, context.version);
  const auto block = reader.range(context_part(record)).raw(341);
  const OdString name = block ? record_name(context, odDxfParseHandle(*block)) : OdString();
  if (!name.isEmpty()) leader.setBlockContentName(name);
  const od_dxf_part outer = outer_part(record);
  for (int n = 0;; ++n) {
    const std::size_t at = odDxfFind(record, outer, 330, n);
    if (at == std::string::npos) break;
    const std::size_t value = odDxfFind(record, {at, outer.end}, 302);
    const OdString tag = record_name(context, odDxfParseHandle(record[at].value));
    if (!tag.isEmpty() && value != std::string::npos)
      leader.setBlockAttributeValue(tag, odDxfDecodeString(record[value].value, context.version, true));
  }
}

}  // namespace

OdDbObjectPtr odDxfReadMLeader(const OdDxfTags& record, const OdDxfContext& context) {
  OdDbMLeaderPtr leader = OdDbMLeader::createObject();
  odDxfReadEntity(record, context, *leader);
  od_dxf_reader reader(record, context.version);
  reader.range(outer_part(record));
  const long long type = reader.integer(172).value_or(0);
  // The attachment of the leaders to the text (R2010 and later write the direction).
  odDxfApply([&] { leader->setTextAttachmentTypes(static_cast<int>(reader.integer(173).value_or(1)),
                                                  static_cast<int>(reader.integer(95).value_or(1))); });
  if (reader.integer(271).value_or(0) == OdDbMLeader::kAttachmentVertical)
    leader->setTextAttachmentDirection(OdDbMLeader::kAttachmentVertical);
  reader.range(context_part(record));
  if (type == OdDbMLeader::kMTextContent || (type == 0 && reader.raw(304))) {
    leader->setMText(read_text(reader, context).get());
  } else if (type == OdDbMLeader::kBlockContent) {
    read_block(record, context, *leader);
  }
  return leader;
}

OdDxfTags odDxfWriteMLeader(const OdDbObject& object, const OdDxfTags& original, const OdDxfContext& context) {
  if (original.empty())
    throw OdError(eNotImplemented, "A new MULTILEADER cannot be written: leader lines are not modelled");
  const auto& leader = dynamic_cast<const OdDbMLeader&>(object);
  OdDxfTags tags = original;
  od_dxf_patcher patcher(tags, context.version);
  odDxfWriteEntity(patcher, leader);
  if (const OdDbMTextPtr mtext = leader.mtext()) {
    patcher.part(context_part, {304, 11, 21, 31, 340, 12, 22, 32, 13, 23, 33, 42, 43, 44, 45, 170, 90, 171});
    patcher.string(304, mtext->contents(), OdString(), true, false);
    patcher.real(41, mtext->textHeight(), 0.0, true);
    patcher.point(12, mtext->location(), OdGePoint3d::kOrigin);
    patcher.vector(13, mtext->direction(), OdGeVector3d::kXAxis);
    patcher.real(43, mtext->width(), 0.0);
    patcher.integer(171, mtext->attachment(), 1);
    if (!mtext->textStyle().isNull()) patcher.raw(340, mtext->textStyle().getHandle().ascii().toUtf8());
  }
  // Attribute values in the order of the record's attribute definitions.
  for (int n = 0;; ++n) {
    const od_dxf_part now = outer_part(tags);
    const std::size_t at = odDxfFind(tags, now, 330, n);
    if (at == std::string::npos) break;
    const std::size_t value = odDxfFind(tags, {at, now.end}, 302);
    const OdString tag = record_name(context, odDxfParseHandle(tags[at].value));
    if (tag.isEmpty() || value == std::string::npos) continue;
    const OdString wanted = leader.blockAttributeValue(tag);
    if (odDxfDecodeString(tags[value].value, context.version, true) != wanted)
      tags[value].value = odDxfEncodeString(wanted, context.version);
  }
  return tags;
}
