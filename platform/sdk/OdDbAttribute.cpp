#include "platform/sdk/OdDbAttribute.h"

#include "platform/sdk/OdDbDatabase.h"
#include "platform/sdk/OdDbSymbolTable.h"
#include "platform/sdk/OdGiWorldDraw.h"

ODRX_CONS_DEFINE_MEMBERS(OdDbAttributeDefinition, OdDbText, u"ATTDEF")
ODRX_CONS_DEFINE_MEMBERS(OdDbAttribute, OdDbText, u"ATTRIB")
ODRX_CONS_DEFINE_MEMBERS(OdDbBlockReference, OdDbEntity, u"INSERT")

namespace {
void check_tag(const OdString& tag) {
  if (tag.isEmpty() || tag.find(u' ') >= 0) throw OdError(eInvalidInput, "An attribute tag is one word");
}
}  // namespace

void OdDbAttributeDefinition::setTag(const OdString& tag) {
  check_tag(tag);
  assertWriteEnabled();
  m_tag = tag;
}

// A definition shows its tag, as drawing programs do outside a block.
bool OdDbAttributeDefinition::subWorldDraw(OdGiWorldDraw* worldDraw) const {
  if (m_tag.isEmpty()) return true;
  const OdGiTextStyle style = drawStyle();
  worldDraw->geometry().text(position(), normal(), direction(), m_tag.c_str(), m_tag.getLength(), false, &style);
  return true;
}

void OdDbAttribute::setTag(const OdString& tag) {
  check_tag(tag);
  assertWriteEnabled();
  m_tag = tag;
}

void OdDbAttribute::setAttributeFromBlock(const OdDbAttributeDefinition* definition) {
  if (!definition) throw OdError(eNullObjectPointer);
  assertWriteEnabled();
  setTag(definition->tag());
  setTextString(definition->textString());
  setPosition(definition->position());
  setAlignmentPoint(definition->alignmentPoint());
  setHeight(definition->height());
  setWidthFactor(definition->widthFactor());
  setOblique(definition->oblique());
  setRotation(definition->rotation());
  setNormal(definition->normal());
  setTextStyle(definition->textStyle());
  setHorizontalMode(definition->horizontalMode());
  setVerticalMode(definition->verticalMode());
  m_invisible = definition->isInvisible();
  m_constant = definition->isConstant();
}

bool OdDbAttribute::subWorldDraw(OdGiWorldDraw* worldDraw) const {
  return m_invisible ? true : OdDbText::subWorldDraw(worldDraw);
}

OdDbObjectId OdDbBlockReference::blockTableRecord() const {
  OdDbDatabase* db = database();
  return db ? db->blockTable()->getAt(m_blockName) : OdDbObjectId::kNull;
}

OdDbObjectId OdDbBlockReference::appendAttribute(OdDbAttribute* attribute) {
  if (!attribute) throw OdError(eNullObjectPointer);
  assertWriteEnabled();
  OdDbObjectId id = attribute->objectId();
  if (id.isNull() && database()) id = database()->addOdDbObject(attribute, objectId());
  attribute->setOwnerId(objectId());
  m_attributes.emplace_back(attribute);
  return id;
}

OdDbAttributePtr OdDbBlockReference::attribute(const OdString& tag) const {
  for (const OdDbAttributePtr& attribute : m_attributes)
    if (attribute->tag().iCompare(tag) == 0) return attribute;
  return OdDbAttributePtr();
}

// The block's own entities are drawn by whoever draws blocks; here only the attributes.
bool OdDbBlockReference::subWorldDraw(OdGiWorldDraw* worldDraw) const {
  for (const OdDbAttributePtr& attribute : m_attributes)
    if (!attribute->isErased()) worldDraw->geometry().draw(attribute.get());
  return true;
}
