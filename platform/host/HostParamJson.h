// Reads a parameter tree from a JSON file: objects become nodes, string
// (and number or boolean) members become values.
#pragma once

#include <istream>
#include <string>

#include "platform/host/HostParamNode.h"

// Reads the file at path. Throws std::runtime_error naming the file when it
// cannot be opened, is not valid JSON (the message gives line and column),
// or holds arrays (which have no names to be parameters under). An object
// named twice merges into one node; numbers keep the text they were written
// with, and null reads as an empty value.
HostParamNode loadParamTree(const std::string& path);

// The same from a stream; source names the text in error messages.
HostParamNode readParamTree(std::istream& json, const std::string& source);
