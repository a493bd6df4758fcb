// The document a drawing made in memory is written through: an R2000 (AC1015)
// frame of header, classes, tables, blocks and root dictionary, into which
// the writer puts the database's layers, styles and entities as new records.
//
// The frame holds what every R2000 drawing must: the *ACTIVE viewport, the
// line types ByBlock, ByLayer and Continuous, the application ACAD, the
// dimension style Standard, both spaces' blocks and the ACAD_GROUP
// dictionary. It has no layouts; readers make their own.
#pragma once

#include <memory>

#include "platform/sdk/OdDxfDocument.h"

class OdDbDatabase;

std::shared_ptr<OdDxfDocument> od_dxf_new_document(const OdDbDatabase& database);
