#include "platform/sdk/OdDbMLeader.h"

#include "platform/sdk/OdGiWorldDraw.h"

ODRX_CONS_DEFINE_MEMBERS(OdDbMLeader, OdDbEntity, u"MULTILEADER")

namespace {
// A free-standing copy of the text properties the content keeps.
OdDbMTextPtr copy_of(const OdDbMText& from) {
  OdDbMTextPtr to = OdDbMText::createObject();
  to->setContents(from.contents());
  to->setTextHeight(from.textHeight());
  to->setWidth(from.width());
  to->setHeight(from.height());
  to->setLocation(from.location());
  to->setNormal(from.normal());
  to->setDirection(from.direction());
  to->setAttachment(from.attachment());
  to->setTextStyle(from.textStyle());
  to->setLineSpacingStyle(from.lineSpacingStyle());
  to->setLineSpacingFactor(from.lineSpacingFactor());
  to->setColor(from.color());
  to->setLayer(from.layer());
  return to;
}
}  // namespace

void OdDbMLeader::setContentType(ContentType type) {
  if (type < kNoneContent || type > kToleranceContent) throw OdError(eInvalidInput, "Unknown content type");
  assertWriteEnabled();
  m_contentType = type;
}

OdDbMTextPtr OdDbMLeader::mtext() const { return m_mtext ? copy_of(*m_mtext) : OdDbMTextPtr(); }

void OdDbMLeader::setMText(const OdDbMText* mtext) {
  if (!mtext) throw OdError(eNullObjectPointer);
  assertWriteEnabled();
  m_mtext = copy_of(*mtext);
  m_contentType = kMTextContent;
}

void OdDbMLeader::setBlockContentName(const OdString& name) {
  if (name.isEmpty()) throw OdError(eInvalidInput, "A block content needs a block name");
  assertWriteEnabled();
  m_blockName = name;
  m_contentType = kBlockContent;
}

void OdDbMLeader::setTextAttachmentTypes(int left, int right) {
  if (left < 0 || left > kAttachmentAllLine || right < 0 || right > kAttachmentAllLine)
    throw OdError(eInvalidInput, "Text attachment types run from 0 to 8");
  assertWriteEnabled();
  m_leftAttachment = left;
  m_rightAttachment = right;
}

OdString OdDbMLeader::blockAttributeValue(const OdString& tag) const {
  for (const od_block_attribute& a : m_attributes)
    if (a.tag.iCompare(tag) == 0) return a.value;
  return OdString();
}

void OdDbMLeader::setBlockAttributeValue(const OdString& tag, const OdString& value) {
  if (tag.isEmpty()) throw OdError(eInvalidInput, "An attribute needs a tag");
  assertWriteEnabled();
  for (od_block_attribute& a : m_attributes)
    if (a.tag.iCompare(tag) == 0) {
      a.value = value;
      return;
    }
  m_attributes.push_back({tag, value});
}

bool OdDbMLeader::subWorldDraw(OdGiWorldDraw* worldDraw) const {
  if (m_contentType == kMTextContent && m_mtext) worldDraw->geometry().draw(m_mtext.get());
  return true;
}
