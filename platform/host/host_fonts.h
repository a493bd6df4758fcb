// GetSHXFontEnum: the shape-font (.shx) files the font search can find.
#pragma once

#include <vector>

#include "platform/sdk/OdString.h"

// File names (with extension, as found, sorted case-insensitively, no
// duplicates) of the .shx files in CADTEXT_FONT_PATH, the system font
// folders and the current drawing's folder.
std::vector<OdString> GetSHXFontEnum();
