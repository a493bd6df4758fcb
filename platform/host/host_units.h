// Converting lengths and angles between numbers and the text the user sees:
// decimal lengths with LUPREC digits, angles in decimal degrees with
// AUPREC digits, and back.
#pragma once

#include "platform/sdk/OdDbDatabase.h"
#include "platform/sdk/OdString.h"

// `precision` -1 takes LUPREC (AUPREC for angles) of `database`, or of the
// current drawing when `database` is null, or 4 (0) with no drawing.
// Precision is clamped to 0..8. Trailing zeros are kept ("1.5000"); a value
// that rounds to zero prints without a sign.
OdString hostdbRToS(double value, int precision = -1, OdDbDatabase* database = nullptr);
// Angle in radians to degrees text ("90", "45.00").
OdString hostdbAngToS(double radians, int precision = -1, OdDbDatabase* database = nullptr);

// Parses a decimal length ("12", "-0.5", "1e3", blanks around allowed);
// false (value untouched) for anything else.
bool hostdbDisToF(const OdString& text, double& value);
// Parses degrees ("90", "45.5", an optional trailing 'd') into radians.
bool hostdbAngToF(const OdString& text, double& radians);
