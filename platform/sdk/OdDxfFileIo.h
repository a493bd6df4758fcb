// Reading a drawing file whole, and replacing one only once its new
// content is complete on disk.
#pragma once

#include <string>
#include <string_view>

// The bytes of the file; OdDxfError (eFileNotFound) when it cannot be read.
std::string od_dxf_read_bytes(const std::string& path);

// Writes `bytes` to a temporary file in the target's folder and renames it
// over the target, so the target is either untouched or complete. A target
// that exists keeps its permissions. Failures throw OdDxfError and leave no
// temporary file behind.
void od_dxf_replace_file(const std::string& path, std::string_view bytes);
