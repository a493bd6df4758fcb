// The records of a DXF drawing that the module works with, as model objects.
//
// TEXT, MTEXT, INSERT, ATTRIB, ATTDEF and MULTILEADER entities, STYLE and LAYER
// table records and FIELD objects become database objects; every other
// record stays tags only. Writing patches the record as it was read: a
// value the model owns is replaced only where the model's value differs
// from what the original tag reads as, so an unchanged object gives back
// its original tags exactly.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "platform/sdk/OdDbObject.h"
#include "platform/sdk/OdDxfTag.h"

class OdDbDatabase;

struct OdDxfContext {
  OdDbDatabase* database = nullptr;
  // The drawing's version as the number of its $ACADVER ("AC1009" gives 1009).
  int version = 1009;
  // The record read under a handle, or null; lets a mapping follow
  // references into the OBJECTS section (extension dictionaries, fields).
  std::function<const OdDxfTags*(std::uint64_t handle)> recordByHandle;
};

// The model object for a record of a kind listed above, not yet in the
// database (the reader adds it under the record's handle); null for any
// other kind. Table records must be added before the entities that name
// them, since layers and styles are resolved by name.
OdDbObjectPtr odDxfObjectFromTags(const OdDxfTags& record, const OdDxfContext& context);

// Links the objects read from a drawing once they all are in the database:
// the "TEXT" field of an object's extension dictionary becomes its named field.
void odDxfLinkFields(const OdDxfContext& context);

// The record's tags for `object` as it is now. With `original` not empty
// the original is patched as described above; with it empty, a complete
// record is written from the model for the context's version.
OdDxfTags odDxfTagsFromObject(const OdDbObject& object, const OdDxfTags& original,
                              const OdDxfContext& context);

// The handles of the records holding the second and later columns of an
// MTEXT saved before R2018 (listed in its "ACAD" extended data). Their
// contents belong to this record's object: the reader keeps them as tags
// only, and once the object is written with new contents they are no longer
// listed (compare with this function on the written tags) and are dropped.
std::vector<std::uint64_t> odDxfLinkedColumnRecords(const OdDxfTags& record);
