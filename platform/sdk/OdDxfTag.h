// OdDxfTag: one group-code/value pair of an ASCII DXF file, kept as written.
//
// The value is the text of the value line exactly as the file holds it
// (without the line end), so a record nobody changed is written back byte
// for byte. `line` is the 1-based line of the group code in the file, 0 for
// tags made in memory.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

struct OdDxfTag {
  int code = 0;
  std::string value;
  std::size_t line = 0;
};

// One record: the tags from a "0" tag up to (not including) the next one.
using OdDxfTags = std::vector<OdDxfTag>;
