// Conversion between multiline text objects of the drawing and laid-out text.
#pragma once

#include <string>

#include "mtext/geom_multitext.h"

#include "platform/sdk/OdDbMText.h"

namespace mtext {

// Reads a multiline text object (its "TEXT" field's code when it has one)
// into a laid-out text measured against the object's drawing. A null object
// gives an empty text.
geom_multitext decode(OdSmartPtr<OdDbMText> object);
// The format of text outside any code: the object's text style (the
// drawing's Standard style when it has none) at its height.
format::string default_mtext_format(OdSmartPtr<OdDbMText> object);
// The frame, columns and alignment of the object.
convert_info mtext_convert_info(OdSmartPtr<OdDbMText> object);

// Where the box an object's size describes starts in its laid-out text: the
// left end of its lines (0 with columns) and the top of its tallest column,
// which the vertical alignment within the frame may have moved.
struct box_origin {
  double x = 0.0;
  double y = 0.0;
};
box_origin box_origin_of(const geom_multitext& text);

// Makes the drawing layer size multiline text objects with this layout, so
// that the drawing and the editor agree. Idempotent.
void install_layout_provider();

// Reads content text into a measured, laid-out text.
geom_multitext decode(const char16_t* content, const format::string& base, const convert_info& info,
                      const string_size_finder& finder);
// Writes a laid-out text back as content text; runs in `base` need no codes.
std::u16string encode(const geom_multitext& text, const format::string& base, double scale);

}  // namespace mtext
