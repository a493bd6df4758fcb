// The content writer: a multitext back into content text with formatting codes.
//
// Formats are written as differences: text outside any brace group is in the
// caller's base format; every run that differs from it is written inside one
// brace group holding only the codes for what changed since the previous run.
// Paragraph codes work the same way. The writer never fails on any model.
#pragma once

#include <cstdint>
#include <string>

#include "mtext/multitext.h"

namespace mtext {

// The writer's running state between parts.
struct serialize_state {
  std::uint32_t group = 0;        // 0 none open, 1 open keeping the base font, 2 open changing it
  std::uint32_t stack_align = 0;  // 0 nothing yet, 1 a stack written, 2 an explicit "\A" written
  bool stack_group_open = false;  // the "{\H0.7x;" opened before a stack is open
  bool keep_group_open = false;   // finishing leaves the outer group open
};

// The whole text; lengths of non-extended paragraphs are divided by `scale`.
std::u16string serialize(const multitext& text, const format::string& base, double scale);

// Appends one part, updating the running formats and the state.
bool serialize(std::u16string& out, double scale, format::paragraph& running_paragraph,
               const format::string& base, format::string& running, serialize_state& state,
               const part& p, bool& px_written, bool plain_spaces);

// Closes what the state still has open.
bool serialize(std::u16string& out, serialize_state& state);

// One complete paragraph code ("\px..." first, "\p..." afterwards).
bool serialize(std::u16string& out, double scale, const format::paragraph& paragraph,
               bool& px_written);

// Plain text of the parts; `escape_spaces` writes word spaces as "\~".
std::u16string serialize_raw(const multitext& text, bool escape_spaces);
bool serialize_raw(std::u16string& out, const multitext& text, bool escape_spaces);
bool serialize_raw(std::u16string& out, const part& p, bool escape_spaces);

}  // namespace mtext
