#include "app/host_params.h"

#include <filesystem>
#include <stdexcept>

#include "platform/host/HostParamJson.h"

namespace cadtext {

namespace {

std::filesystem::path alphabets_file() {
  const std::filesystem::path bin = std::filesystem::read_symlink("/proc/self/exe").parent_path();
  for (const std::filesystem::path& path : {bin / CADTEXT_DATA_FROM_BIN / "alphabets.json",
                                            std::filesystem::path(CADTEXT_DATA_FROM_SOURCE) / "alphabets.json"})
    if (std::filesystem::exists(path)) return path;
  return {};
}

}  // namespace

HostParamNode program_params() {
  HostParamNode params;
  const std::filesystem::path alphabets = alphabets_file();
  if (alphabets.empty()) return params;
  try {
    params.addChild("NamedListAlphabet") = loadParamTree(alphabets.string());
  } catch (const std::runtime_error&) {
    // A damaged file leaves lettering in English, as no file does.
  }
  return params;
}

}  // namespace cadtext
