// The HEADER section's variables that the database keeps as header
// variables: read into the database, and written back where the module
// changed them.
//
// Only the variables the module reads travel (TEXTSIZE, TEXTSTYLE,
// DIMSCALE, TEXTEVAL, TEXTALLCAPS, LUPREC, CLAYER, ACADVER, HANDSEED,
// HANDLING, DWGCODEPAGE); every other variable stays as tags.
#pragma once

#include "platform/sdk/OdDxfDocument.h"

class OdDbDatabase;

// Sets the database's header variables from the document's HEADER section
// and notes the values in document.header_values; fills document.version
// and document.has_handles. A value that does not read as its kind (a
// TEXTSIZE of "abc") throws OdDxfError with its line.
void od_dxf_read_header(OdDxfDocument& document, OdDbDatabase& database);

// The HEADER section's head tags to write: variables the module changed get
// the database's values, and $HANDSEED `new_seed` unless that is null.
OdDxfTags od_dxf_header_for_writing(const OdDxfDocument& document, const OdDxfTags& head,
                                    const OdDbDatabase& database, OdDbHandle new_seed);

// A header variable's value as a DXF value line: reals in their shortest
// exact form, integers in decimal, strings as they are.
std::string od_dxf_header_value_text(const OdResBuf& value);
