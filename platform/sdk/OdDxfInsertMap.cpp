// INSERT records: a block reference, which owns the ATTRIB records that
// follow it up to its SEQEND.
//
// The insertion point is stored in the reference's object coordinate
// system; the model keeps a world point.
#include "platform/sdk/OdDbAttribute.h"
#include "platform/sdk/OdDxfObjectMapKinds.h"
#include "platform/sdk/OdGeMatrix3d.h"

namespace {

const std::initializer_list<int> kInsertOrder = {66, 2, 10, 20, 30, 41, 42, 43, 50, 70, 71, 44, 45, 210, 220, 230};

}  // namespace

OdDbObjectPtr odDxfReadInsert(const OdDxfTags& record, const OdDxfContext& context) {
  OdDbBlockReferencePtr reference = OdDbBlockReference::createObject();
  odDxfReadEntity(record, context, *reference);
  od_dxf_reader reader(record, context.version);
  reader.part("AcDbBlockReference");
  const OdGeVector3d normal = reader.vector(210).value_or(OdGeVector3d::kZAxis);
  const OdGeMatrix3d toWorld =
      normal.isZeroLength() ? OdGeMatrix3d() : OdGeMatrix3d::planeToWorld(normal.normal());
  reference->setBlockName(reader.string(2).value_or(OdString()));
  reference->setPosition(toWorld * reader.point(10).value_or(OdGePoint3d::kOrigin));
  reference->setScaleFactors(OdGeVector3d(reader.real(41).value_or(1.0), reader.real(42).value_or(1.0),
                                          reader.real(43).value_or(1.0)));
  reference->setRotation(reader.real(50).value_or(0.0) * OdaPI / 180.0);
  return reference;
}

// Only references read from the drawing are written: the module never makes
// one, and a new one would need its block's attributes written after it.
OdDxfTags odDxfWriteInsert(const OdDbObject& object, const OdDxfTags& original, const OdDxfContext& context) {
  if (original.empty()) throw OdError(eNotImplemented, "A new INSERT cannot be written");
  const auto& reference = dynamic_cast<const OdDbBlockReference&>(object);
  OdDxfTags tags = original;
  od_dxf_patcher patcher(tags, context.version);
  odDxfWriteEntity(patcher, reference);
  patcher.part("AcDbBlockReference", kInsertOrder);
  od_dxf_reader reader(tags, context.version);
  const OdGeVector3d normal = reader.part("AcDbBlockReference").vector(210).value_or(OdGeVector3d::kZAxis);
  const OdGeMatrix3d toPlane =
      normal.isZeroLength() ? OdGeMatrix3d() : OdGeMatrix3d::worldToPlane(normal.normal());
  patcher.point(10, toPlane * reference.position(), OdGePoint3d::kOrigin, true);
  const OdGeVector3d& scale = reference.scaleFactors();
  patcher.real(41, scale.x, 1.0);
  patcher.real(42, scale.y, 1.0);
  patcher.real(43, scale.z, 1.0);
  patcher.angle(50, reference.rotation());
  return tags;
}
