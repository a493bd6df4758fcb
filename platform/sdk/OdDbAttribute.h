// Attribute definitions, attributes and the block references that own attributes.
//
// An attribute is a Text with a tag; a block reference names its block and
// owns its attributes in order.
#pragma once

#include <vector>

#include "platform/sdk/OdDbText.h"

class OdDbAttributeDefinition : public OdDbText {
  ODRX_DECLARE_MEMBERS(OdDbAttributeDefinition);

public:
  const OdString& tag() const { return m_tag; }
  // Tags have no spaces; an empty tag or one with a space is refused with eInvalidInput.
  void setTag(const OdString& tag);
  const OdString& prompt() const { return m_prompt; }
  void setPrompt(const OdString& prompt) { assertWriteEnabled(); m_prompt = prompt; }
  bool isConstant() const { return m_constant; }
  void setConstant(bool on) { assertWriteEnabled(); m_constant = on; }
  bool isInvisible() const { return m_invisible; }
  void setInvisible(bool on) { assertWriteEnabled(); m_invisible = on; }
  bool isPreset() const { return m_preset; }
  void setPreset(bool on) { assertWriteEnabled(); m_preset = on; }
  bool isVerifiable() const { return m_verifiable; }
  void setVerifiable(bool on) { assertWriteEnabled(); m_verifiable = on; }

protected:
  bool subWorldDraw(OdGiWorldDraw* worldDraw) const override;

private:
  OdString m_tag, m_prompt;
  bool m_constant = false, m_invisible = false, m_preset = false, m_verifiable = false;
};
using OdDbAttributeDefinitionPtr = OdSmartPtr<OdDbAttributeDefinition>;

class OdDbAttribute : public OdDbText {
  ODRX_DECLARE_MEMBERS(OdDbAttribute);

public:
  const OdString& tag() const { return m_tag; }
  void setTag(const OdString& tag);
  bool isInvisible() const { return m_invisible; }
  void setInvisible(bool on) { assertWriteEnabled(); m_invisible = on; }
  bool isConstant() const { return m_constant; }
  void setConstant(bool on) { assertWriteEnabled(); m_constant = on; }
  bool lockPositionInBlock() const { return m_lockPosition; }
  void setLockPositionInBlock(bool on) { assertWriteEnabled(); m_lockPosition = on; }
  // Tag, flags, text properties and default value from a definition.
  void setAttributeFromBlock(const OdDbAttributeDefinition* definition);

protected:
  bool subWorldDraw(OdGiWorldDraw* worldDraw) const override;

private:
  OdString m_tag;
  bool m_invisible = false, m_constant = false, m_lockPosition = false;
};
using OdDbAttributePtr = OdSmartPtr<OdDbAttribute>;

class OdDbBlockReference : public OdDbEntity {
  ODRX_DECLARE_MEMBERS(OdDbBlockReference);

public:
  const OdString& blockName() const { return m_blockName; }
  void setBlockName(const OdString& name) { assertWriteEnabled(); m_blockName = name; }
  // The block record of that name in the reference's database, or null.
  OdDbObjectId blockTableRecord() const;
  const OdGePoint3d& position() const { return m_position; }
  void setPosition(const OdGePoint3d& p) { assertWriteEnabled(); m_position = p; }
  double rotation() const { return m_rotation; }
  void setRotation(double radians) { assertWriteEnabled(); m_rotation = radians; }
  const OdGeVector3d& scaleFactors() const { return m_scale; }
  void setScaleFactors(const OdGeVector3d& scale) { assertWriteEnabled(); m_scale = scale; }

  // Attributes, owned by the reference, in the order appended.
  OdDbObjectId appendAttribute(OdDbAttribute* attribute);
  std::vector<OdDbAttributePtr> attributes() const { return m_attributes; }
  // The attribute with this tag (any letter case), or null.
  OdDbAttributePtr attribute(const OdString& tag) const;

protected:
  bool subWorldDraw(OdGiWorldDraw* worldDraw) const override;

private:
  OdString m_blockName;
  OdGePoint3d m_position;
  double m_rotation = 0.0;
  OdGeVector3d m_scale{1.0, 1.0, 1.0};
  std::vector<OdDbAttributePtr> m_attributes;
};
using OdDbBlockReferencePtr = OdSmartPtr<OdDbBlockReference>;
