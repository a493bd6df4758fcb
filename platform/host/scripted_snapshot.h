// What the user of the scripted host sees at one moment, as an SVG picture:
// the visible entities of the space the user works in, and over them the
// temporary drawables of the view (the in-place editor with its text,
// highlight, caret, ruler and gadgets, or a command's preview).
#pragma once

#include <ostream>
#include <vector>

#include "platform/sdk/OdDbDatabase.h"
#include "platform/sdk/OdGiDrawable.h"

void scriptedWriteSnapshot(std::ostream& out, const OdDbDatabase& database,
                           const std::vector<OdGiDrawablePtr>& temporaries);
