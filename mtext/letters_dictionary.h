// The alphabets lettered lists count in, in a stable order: an alphabet's
// index here is what list items store.
#pragma once

#include <string>
#include <vector>

class IParam;

namespace mtext::marks {

struct alphabet {
  std::u16string code;   // the key it is stored under ("eng")
  std::u16string name;   // display name
  std::u16string lower;  // lower-case letters in counting order
  std::u16string upper;  // upper-case letters in counting order
};

struct letters_dictionary {
  std::vector<alphabet> alphabets;

  // Reads {"code": {"name": ..., "lower": ..., "upper": ...}, ...} in
  // document order; the JSON reader's errors (syntax, a missing member)
  // reach the caller.
  static letters_dictionary from_json(const std::string& json);
  // Reads every child of a host parameter node: its name is the code, its
  // "name", "lower" and "upper" values default to empty.
  static letters_dictionary from_iparam(const IParam* node);
  // One alphabet: English, a to z.
  static letters_dictionary english();
};

}  // namespace mtext::marks
