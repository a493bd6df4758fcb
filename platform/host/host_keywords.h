// host_keywords: a keyword list of point input, read from the host's list
// notation, and the lookup of what the user typed.
//
//   "Left Align Fit _ Left Align Fit"   local names, "_", global names
//   "\"Start point\" *S"                 a quoted name; "*S" is an alias of
//                                        the name before it
// The position of a keyword is its place in the local list; the global
// list, when given, runs parallel to it.
#pragma once

#include <optional>
#include <vector>

#include "platform/sdk/OdString.h"

struct host_keyword {
  OdString local;
  OdString global;               // the local name when no global list is given
  std::vector<OdString> aliases;
};

struct host_keyword_list {
  std::vector<host_keyword> keywords;

  bool empty() const { return keywords.empty(); }
  // The local names joined by "/", as prompts show them.
  OdString display() const;
};

// Reads a list; never fails (an unterminated quote runs to the end, a global
// list shorter than the local one leaves the rest global = local).
host_keyword_list hostParseKeywords(const OdString& text);

// The position of `typed` in the list: a local or global name, a global
// name with a leading '_', or an alias, in any letter case; else a prefix
// of exactly one local name. Nothing when it matches none or several.
std::optional<int> hostMatchKeyword(const host_keyword_list& list, const OdString& typed);
