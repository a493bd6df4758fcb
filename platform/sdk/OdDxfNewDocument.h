// The document a drawing made in memory is written through: an R2000 (AC1015)
// frame of header, tables, blocks and a root dictionary, into which the
// writer puts the database's layers, styles and entities as new records.
//
// It is the least a DXF reader needs to find every object where it belongs:
// no line types, views or layouts beyond model and paper space.
#pragma once

#include <memory>

#include "platform/sdk/OdDxfDocument.h"

class OdDbDatabase;

std::shared_ptr<OdDxfDocument> od_dxf_new_document(const OdDbDatabase& database);
