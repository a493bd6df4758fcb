// The host's small pickers and lookups the toolbar and the editor use: the
// colour dialog, the symbol picker, the names of the standard colours, the
// reference-edit state and line types for in-drawing controls.
#pragma once

#include <vector>

#include "platform/sdk/OdCmEntityColor.h"
#include "platform/sdk/OdString.h"

class OdGiSubEntityTraits;

// Shows the colour dialog ("Color", field `color`) starting at `color`;
// with `trueColor` the dialog also takes "R,G,B" besides an index 1-255,
// "ByLayer" and "ByBlock". On OK the choice is written to `color` and true
// is returned; Cancel or no host leaves `color` as it was.
bool hostSetColorDialogTrueColor(OdCmEntityColor& color, bool trueColor = true);

// Shows the symbol picker ("Symbol", field `char`: one character, or
// "U+XXXX"); on OK the character chosen is written to `symbol`.
bool hostGetSymbol(OdChar& symbol);

// The names of the standard colours 1 to 7 in the user's language, as the
// colour lists show them: "Red", "Yellow", "Green", "Cyan", "Blue",
// "Magenta", "White" (through Supp_Translate).
std::vector<OdString> hostCmGetLocalizedColorNames();

// True while a block reference is being edited in place, so that only the
// working set may change. The hosts here have no reference editing.
bool hostGetRefEditModeLT();

// Gives the traits the named line type ("DASHED", "DOT", ...; empty is
// continuous) for the in-drawing controls that draw dashed frames.
void uxgiSetLineType(OdGiSubEntityTraits* traits, const OdString& lineType);

// The text a colour dialog shows for a colour, and back: an index 1-255,
// "ByLayer", "ByBlock" or "R,G,B". Parsing answers false on anything else.
OdString hostColorText(const OdCmEntityColor& color);
bool hostParseColorText(const OdString& text, bool trueColor, OdCmEntityColor& color);
