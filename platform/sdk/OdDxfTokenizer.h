// Splitting the bytes of an ASCII DXF file into tags, and remembering how
// the file writes its lines so that the same tags come out as the same bytes.
//
// The file's line end is the one most of its lines use, its group-code
// width that of its first line; any line written otherwise (a code padded differently, a stray line end,
// the last line without one) is kept verbatim under its line number, so a
// file that mixes styles is reproduced too. Values are never trimmed.
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <string_view>

#include "platform/sdk/OdDxfTag.h"

struct od_dxf_raw_line {
  std::string text;  // without the line end
  std::string end;   // "\n", "\r\n" or "" for a last line without one
};

struct od_dxf_line_style {
  std::string prefix;            // bytes before the first line (a UTF-8 byte order mark)
  std::string line_end = "\r\n";
  int code_width = 3;            // group codes right-aligned in this many columns
  std::map<std::size_t, od_dxf_raw_line> raw_lines;  // lines not in the style, by 1-based number
  std::string tail;              // bytes after the EOF value line

  // The group-code line and the value line of `tag`, with their line ends:
  // as the file had them when the tag came from the file unchanged, else in
  // the file's style.
  void append_code(std::string& out, const OdDxfTag& tag) const;
  void append_value(std::string& out, const OdDxfTag& tag) const;
};

struct od_dxf_tokens {
  OdDxfTags tags;  // up to and including "0 / EOF"
  od_dxf_line_style style;
  std::size_t line_count = 0;  // lines read, for errors past the last one
};

// The tags of a whole file. Throws OdDxfError for a binary DXF or DWG file,
// an empty file, a group-code line that is not an integer and a code without
// its value line. Reading stops after the "0 / EOF" tag; a file without
// one gives all its tags, and the caller reports the missing EOF.
od_dxf_tokens od_dxf_tokenize(std::string_view bytes);

// A group code parsed from its line ("  0", "1001"); false when the line is
// not an integer (surrounding blanks allowed).
bool od_dxf_parse_code(std::string_view text, int& code);
// The text trimmed of blanks, for comparing structure names such as "SECTION".
std::string_view od_dxf_trim(std::string_view text);
