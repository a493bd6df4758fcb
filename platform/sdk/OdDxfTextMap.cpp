// TEXT, ATTRIB and ATTDEF records: a single line of text with its
// justification, plus the attribute's tag, prompt and flags.
//
// Position and alignment point are stored in the text's object coordinate
// system; the model keeps world points.
#include <algorithm>
#include <cmath>

#include "platform/sdk/OdDbAttribute.h"
#include "platform/sdk/OdDxfObjectMapKinds.h"
#include "platform/sdk/OdGeMatrix3d.h"

namespace {

constexpr double kDegrees = 180.0 / OdaPI;

enum text_kind { kPlainText, kAttribute, kAttributeDefinition };

// Attribute flags (group 70).
enum : int { kInvisibleFlag = 1, kConstantFlag = 2, kVerifyFlag = 4, kPresetFlag = 8 };
// Text generation flags (group 71).
enum : int { kBackwardFlag = 2, kUpsideDownFlag = 4 };

const std::initializer_list<int> kTextOrder = {39, 10, 20, 30, 40, 1, 50, 41, 51, 7, 71, 72, 11, 21, 31, 210, 220, 230};

text_kind kind_of(const std::string& type) {
  return type == "ATTRIB" ? kAttribute : type == "ATTDEF" ? kAttributeDefinition : kPlainText;
}

// Where the vertical justification lives: TEXT's second AcDbText part (73),
// the attribute's own part (74).
const char* vertical_part(text_kind kind) {
  return kind == kAttribute ? "AcDbAttribute" : kind == kAttributeDefinition ? "AcDbAttributeDefinition" : "AcDbText";
}
int vertical_code(text_kind kind) { return kind == kPlainText ? 73 : 74; }
int vertical_occurrence(text_kind kind) { return kind == kPlainText ? 1 : 0; }

OdDbTextPtr new_text(text_kind kind) {
  if (kind == kAttribute) return OdDbAttribute::createObject();
  if (kind == kAttributeDefinition) return OdDbAttributeDefinition::createObject();
  return OdDbText::createObject();
}

void read_text_part(const od_dxf_reader& reader, const OdDxfContext& context, OdDbText& text) {
  const OdGeVector3d normal = reader.vector(210).value_or(OdGeVector3d::kZAxis);
  odDxfApply([&] { text.setNormal(normal); });
  const OdGeMatrix3d toWorld = OdGeMatrix3d::planeToWorld(text.normal());
  const OdGePoint3d position = reader.point(10).value_or(OdGePoint3d::kOrigin);
  text.setPosition(toWorld * position);
  text.setAlignmentPoint(toWorld * reader.point(11).value_or(position));
  text.setTextString(reader.string(1).value_or(OdString()));
  if (const auto height = reader.real(40)) odDxfApply([&] { text.setHeight(*height); });
  if (const auto width = reader.real(41)) odDxfApply([&] { text.setWidthFactor(*width); });
  text.setRotation(reader.real(50).value_or(0.0) / kDegrees);
  text.setOblique(reader.real(51).value_or(0.0) / kDegrees);
  text.setThickness(reader.real(39).value_or(0.0));
  if (const auto style = reader.string(7)) text.setTextStyle(odDxfTextStyleByName(*style, context));
  const long long generation = reader.integer(71).value_or(0);
  text.mirrorInX((generation & kBackwardFlag) != 0);
  text.mirrorInY((generation & kUpsideDownFlag) != 0);
  if (const auto mode = reader.integer(72)) odDxfApply([&] { text.setHorizontalMode(static_cast<OdTextHorzMode>(*mode)); });
}

void read_attribute_part(od_dxf_reader& reader, text_kind kind, OdDbText& text) {
  reader.part(vertical_part(kind), vertical_occurrence(kind));
  if (const auto mode = reader.integer(vertical_code(kind)))
    odDxfApply([&] { text.setVerticalMode(static_cast<OdTextVertMode>(*mode)); });
  if (kind == kPlainText) return;
  const OdString tag = reader.string(2).value_or(OdString());
  const long long flags = reader.integer(70).value_or(0);
  if (auto* attribute = dynamic_cast<OdDbAttribute*>(&text)) {
    odDxfApply([&] { attribute->setTag(tag); });
    attribute->setInvisible(flags & kInvisibleFlag);
    attribute->setConstant(flags & kConstantFlag);
  } else if (auto* definition = dynamic_cast<OdDbAttributeDefinition*>(&text)) {
    odDxfApply([&] { definition->setTag(tag); });
    definition->setPrompt(reader.string(3).value_or(OdString()));
    definition->setInvisible(flags & kInvisibleFlag);
    definition->setConstant(flags & kConstantFlag);
    definition->setVerifiable(flags & kVerifyFlag);
    definition->setPreset(flags & kPresetFlag);
  }
}

// What places a text: the values its justification derives from the others.
struct text_placement {
  OdGePoint3d position;
  double height = 0.0, width_factor = 1.0, rotation = 0.0;
};

text_placement placement_of(const OdDbText& text) {
  return {text.position(), text.height(), text.widthFactor(), text.rotation()};
}

bool same_placement(const text_placement& a, const text_placement& b) {
  const double tolerance = 1e-9 * std::max({1.0, a.position.asVector().length(), b.position.asVector().length()});
  return a.position.distanceTo(b.position) <= tolerance && std::fabs(a.height - b.height) <= 1e-9 * a.height &&
         std::fabs(a.width_factor - b.width_factor) <= 1e-9 && std::fabs(a.rotation - b.rotation) <= 1e-9;
}

// Reading settles a justified text on its alignment point; while the model
// still holds what settling the stored record gives, the stored values are
// written back, so an unchanged text keeps its record as read.
text_placement placement_to_write(const OdDbText& text, const OdDxfTags& original, const OdDxfContext& context) {
  const text_placement model = placement_of(text);
  if (original.empty() || text.isDefaultAlignment()) return model;
  const OdDbTextPtr stored = OdDbText::cast(odDxfReadText(original, context).get());
  // Another justification derives other values: the stored ones mean nothing.
  if (stored.isNull() || stored->horizontalMode() != text.horizontalMode() ||
      stored->verticalMode() != text.verticalMode())
    return model;
  const text_placement as_read = placement_of(*stored);
  odDxfApply([&] { stored->adjustAlignment(context.database); });
  return same_placement(placement_of(*stored), model) ? as_read : model;
}

void write_text_part(od_dxf_patcher& patcher, const OdDbText& text, const text_placement& placement) {
  patcher.part("AcDbText", kTextOrder);
  const OdGeMatrix3d toPlane = OdGeMatrix3d::worldToPlane(text.normal());
  const OdGePoint3d position = toPlane * placement.position;
  patcher.point(10, position, OdGePoint3d::kOrigin, true);
  patcher.real(40, placement.height, 0.0, true);
  patcher.string(1, text.textString(), OdString(), true);
  patcher.real(39, text.thickness(), 0.0);
  patcher.angle(50, placement.rotation);
  patcher.real(41, placement.width_factor, 1.0);
  patcher.angle(51, text.oblique());
  odDxfWriteStyleName(patcher, text.textStyle());
  patcher.integer(71, (text.isMirroredInX() ? kBackwardFlag : 0) | (text.isMirroredInY() ? kUpsideDownFlag : 0), 0);
  patcher.integer(72, text.horizontalMode(), 0);
  // The alignment point means something only for other justifications.
  od_dxf_reader reader(patcher.tags(), patcher.version());
  const bool hasAlignment = reader.part("AcDbText").point(11).has_value();
  if (hasAlignment || !text.isDefaultAlignment())
    patcher.point(11, toPlane * text.alignmentPoint(), position, true);
  patcher.vector(210, text.normal(), OdGeVector3d::kZAxis);
}

void write_attribute_part(od_dxf_patcher& patcher, text_kind kind, const OdDbText& text) {
  if (kind == kPlainText) {
    patcher.part("AcDbText", {73}, 1);
    patcher.integer(73, text.verticalMode(), 0);
    return;
  }
  patcher.part(vertical_part(kind), {280, 3, 2, 70, 73, 74, 280});
  if (const auto* attribute = dynamic_cast<const OdDbAttribute*>(&text)) {
    patcher.string(2, attribute->tag(), OdString(), true);
    patcher.integer(70, (attribute->isInvisible() ? kInvisibleFlag : 0) | (attribute->isConstant() ? kConstantFlag : 0), 0, true);
  } else if (const auto* definition = dynamic_cast<const OdDbAttributeDefinition*>(&text)) {
    patcher.string(3, definition->prompt(), OdString(), true);
    patcher.string(2, definition->tag(), OdString(), true);
    patcher.integer(70, (definition->isInvisible() ? kInvisibleFlag : 0) | (definition->isConstant() ? kConstantFlag : 0) |
                            (definition->isVerifiable() ? kVerifyFlag : 0) | (definition->isPreset() ? kPresetFlag : 0),
                    0, true);
  }
  patcher.integer(74, text.verticalMode(), 0);
}

}  // namespace

OdDbObjectPtr odDxfReadText(const OdDxfTags& record, const OdDxfContext& context) {
  const text_kind kind = kind_of(odDxfRecordType(record));
  OdDbTextPtr text = new_text(kind);
  odDxfReadEntity(record, context, *text);
  od_dxf_reader reader(record, context.version);
  read_text_part(reader.part("AcDbText"), context, *text);
  read_attribute_part(reader, kind, *text);
  return text;
}

OdDxfTags odDxfWriteText(const OdDbObject& object, const OdDxfTags& original, const OdDxfContext& context) {
  const auto& text = dynamic_cast<const OdDbText&>(object);
  const text_kind kind = dynamic_cast<const OdDbAttribute*>(&text) ? kAttribute
                         : dynamic_cast<const OdDbAttributeDefinition*>(&text) ? kAttributeDefinition
                                                                                  : kPlainText;
  OdDxfTags tags = original;
  if (tags.empty()) {
    if (kind == kAttribute) tags = odDxfNewRecord(object, "ATTRIB", {"AcDbEntity", "AcDbText", "AcDbAttribute"}, context);
    else if (kind == kAttributeDefinition)
      tags = odDxfNewRecord(object, "ATTDEF", {"AcDbEntity", "AcDbText", "AcDbAttributeDefinition"}, context);
    else tags = odDxfNewRecord(object, "TEXT", {"AcDbEntity", "AcDbText", "AcDbText"}, context);
  }
  const text_placement placement = placement_to_write(text, original, context);
  od_dxf_patcher patcher(tags, context.version);
  odDxfWriteEntity(patcher, text);
  write_text_part(patcher, text, placement);
  write_attribute_part(patcher, kind, text);
  return tags;
}
