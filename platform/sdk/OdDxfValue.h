// The text of DXF values: numbers in the form every DXF reader accepts and
// strings with their encoding (code page or UTF-8, caret notation, \U+XXXX).
//
// Decoding never fails: a number that does not parse is reported as absent
// and the caller keeps the tag as it was; a malformed string decodes to
// what can be read of it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/sdk/OdString.h"

// Values are UTF-8 from this $ACADVER number on, before it in the drawing's code page.
constexpr int kOdDxfUtf8Version = 1021;
// Subclass markers (group 100) exist from R13 on.
constexpr int kOdDxfSubclassVersion = 1012;
// Columns of MTEXT are an embedded object from R2018 on.
constexpr int kOdDxfEmbeddedColumnsVersion = 1032;

// Numbers; leading and trailing blanks are allowed (R12 files right-align integers).
std::optional<double> odDxfParseDouble(const std::string& value);
std::optional<long long> odDxfParseInt(const std::string& value);
// The shortest form that reads back to the same double, always with a
// decimal point or an exponent ("2.5", "0.0", "1e-05").
std::string odDxfFormatDouble(double value);
std::string odDxfFormatInt(long long value);
// Equal within 1e-12 relative (absolute near zero): a double written and
// read back by another program counts as unchanged.
bool odDxfSameDouble(double a, double b);

// A string value as the model holds it: decoded from UTF-8 or Windows-1252
// by version, caret notation undone; \U+XXXX escapes become characters when
// `decodeUnicodeEscapes` (single-line text; multiline contents keep them for
// the content parser).
OdString odDxfDecodeString(const std::string& value, int version, bool decodeUnicodeEscapes);
// The value text for a string: control characters in caret notation, a
// literal caret as "^ ", and before UTF-8 versions every character outside
// ASCII as \U+XXXX (one escape per UTF-16 unit).
std::string odDxfEncodeString(const OdString& text, int version);
// Splits an encoded value into chunks of at most `size` characters without
// cutting a UTF-8 sequence, a caret pair or a \U+XXXX escape.
std::vector<std::string> odDxfSplitChunks(const std::string& encoded, std::size_t size = 250);

// Caret notation alone, both ways ("^J" is a line feed, "^ " a caret).
std::u16string odDxfCaretDecode(const std::u16string& text);
std::u16string odDxfCaretEncode(const std::u16string& text);
// \U+XXXX escapes to characters; anything else is left as it is.
std::u16string odDxfDecodeUnicodeEscapes(const std::u16string& text);
