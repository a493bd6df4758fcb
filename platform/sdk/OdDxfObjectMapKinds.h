// The mapping of each kind of record the module works with, shared by the
// dispatcher in OdDxfObjectMap.cpp and the files of the single kinds.
#pragma once

#include <string>

#include "platform/sdk/OdDbEntity.h"
#include "platform/sdk/OdDxfObjectMap.h"
#include "platform/sdk/OdDxfRecord.h"

// Common entity properties: layer, colour, line type and its scale, visibility.
void odDxfReadEntity(const OdDxfTags& record, const OdDxfContext& context, OdDbEntity& entity);
void odDxfWriteEntity(od_dxf_patcher& patcher, const OdDbEntity& entity);
// A 24-bit RGB value of groups 420/421.
OdCmEntityColor odDxfTrueColor(long long rgb);
// A record with only its type, handle, owner and subclass markers (R13 on),
// for the patcher to fill from the model.
OdDxfTags odDxfNewRecord(const OdDbObject& object, const std::string& type,
                         std::initializer_list<const char*> subclasses, const OdDxfContext& context);
// Text style and other records by name or handle, in the context's database.
OdDbObjectId odDxfTextStyleByName(const OdString& name, const OdDxfContext& context);
OdString odDxfTextStyleName(const OdDbObjectId& style);
// Group 7 of the patcher's part from the style's name; a name that differs
// only in letter case, or a style the model could not resolve, stays as read.
void odDxfWriteStyleName(od_dxf_patcher& patcher, const OdDbObjectId& style);
OdDbObjectId odDxfObjectByHandle(std::uint64_t handle, const OdDxfContext& context);
// Runs a model setter; a value the model refuses keeps the model's default,
// so one bad value does not lose the rest of the record.
template <class Setter>
void odDxfApply(Setter&& setter) {
  try {
    setter();
  } catch (const OdError&) {
  }
}

// TEXT, ATTRIB and ATTDEF.
OdDbObjectPtr odDxfReadText(const OdDxfTags& record, const OdDxfContext& context);
OdDxfTags odDxfWriteText(const OdDbObject& object, const OdDxfTags& original, const OdDxfContext& context);
// INSERT (a block reference; its attributes are read as ATTRIB records).
OdDbObjectPtr odDxfReadInsert(const OdDxfTags& record, const OdDxfContext& context);
OdDxfTags odDxfWriteInsert(const OdDbObject& object, const OdDxfTags& original, const OdDxfContext& context);
// MTEXT.
OdDbObjectPtr odDxfReadMText(const OdDxfTags& record, const OdDxfContext& context);
OdDxfTags odDxfWriteMText(const OdDbObject& object, const OdDxfTags& original, const OdDxfContext& context);
// MULTILEADER.
OdDbObjectPtr odDxfReadMLeader(const OdDxfTags& record, const OdDxfContext& context);
OdDxfTags odDxfWriteMLeader(const OdDbObject& object, const OdDxfTags& original, const OdDxfContext& context);
// STYLE and LAYER table records.
OdDbObjectPtr odDxfReadTextStyle(const OdDxfTags& record, const OdDxfContext& context);
OdDxfTags odDxfWriteTextStyle(const OdDbObject& object, const OdDxfTags& original, const OdDxfContext& context);
OdDbObjectPtr odDxfReadLayer(const OdDxfTags& record, const OdDxfContext& context);
OdDxfTags odDxfWriteLayer(const OdDbObject& object, const OdDxfTags& original, const OdDxfContext& context);
// FIELD objects.
OdDbObjectPtr odDxfReadField(const OdDxfTags& record, const OdDxfContext& context);
OdDxfTags odDxfWriteField(const OdDbObject& object, const OdDxfTags& original, const OdDxfContext& context);
